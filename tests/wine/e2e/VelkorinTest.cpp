#include "wine/e2e/VelkorinTest.h"

#include "wine/e2e/BoxLines.h"
#include "wine/e2e/E2eSupport.h"
#include "wine/e2e/FontReport.h"

namespace velkorin::e2e {

namespace {
std::wstring TestName() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name) c = c == '/' ? '.' : c;  // a parameterised test's name is a path otherwise
    return std::wstring(name.begin(), name.end());  // gtest names are ASCII
}
}  // namespace

void VelkorinTest::SetUp() {
    const std::wstring work = EnvironmentVariable(L"E2E_WORK");
    const std::wstring exe = EnvironmentVariable(L"VELKORIN_EXE");
    fixtures_ = EnvironmentVariable(L"E2E_FIXTURES");
    ASSERT_FALSE(work.empty() || exe.empty() || fixtures_.empty())
        << "E2E_WORK, VELKORIN_EXE and E2E_FIXTURES are needed";
    // Whatever the folder's name holds, the program must still find its files.
    const std::wstring base = work + L"\\" + TestName() + FolderNameEnd();
    folder_ = FreshFolder(base);
    ASSERT_FALSE(folder_.empty()) << "cannot make a program folder under " << ToUtf8(work);
    ASSERT_TRUE(CopyFileW(exe.c_str(), File(L"Velkorin.exe").c_str(), TRUE));
    ASSERT_TRUE(CopyFileW((fixtures_ + L"\\test.mdb").c_str(), File(L"test.mdb").c_str(), TRUE));
    // The child inherits these: where the URL handler and the font probe write, and stand-in
    // components that neither record nor fail.
    SetEnvironmentVariableW(L"URL_RECORD", File(L"urls.txt").c_str());
    SetEnvironmentVariableW(kFontReportVariable, File(L"fonts.bin").c_str());
    SetEnvironmentVariableW(L"STANDIN_RECORD", nullptr);
    SetEnvironmentVariableW(L"STANDIN_FAIL", nullptr);
    PrepareFolder();
    if (HasFatalFailure()) return;
    velkorin_ = std::make_unique<VelkorinProcess>(File(L"Velkorin.exe"), folder_);
    ASSERT_TRUE(velkorin_->Started()) << "CreateProcessW failed, error " << GetLastError();
    window_ = velkorin_->WaitForWindow();
    ASSERT_NE(window_, nullptr) << "no visible VelkorinFrmMain window of the process within the deadline";
}

void VelkorinTest::TearDown() { velkorin_.reset(); }

std::vector<std::wstring> VelkorinTest::BoxWithoutDate(const std::wstring& box) const {
    std::vector<std::wstring> lines = BoxLines(box);
    if (lines.size() < 2 || dates_.empty()) return lines;
    EXPECT_TRUE(IsDateLine(lines[1], dates_)) << ToUtf8(lines[1]) << " (today is " << ToUtf8(dates_.front()) << ")";
    lines[1] = L"<date line>";
    return lines;
}

std::wstring VelkorinTest::ScreenshotPath() const {
    return EnvironmentVariable(L"E2E_WORK") + L"\\" + TestName() + L".bmp";
}

}  // namespace velkorin::e2e
