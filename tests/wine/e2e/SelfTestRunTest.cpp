// A click on "Start Test", end to end: the box's transcript, and log.txt beside the program.
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "runtime/win32/LibraryPolicy.h"
#include "wine/e2e/BoxLines.h"
#include "wine/e2e/E2eSupport.h"
#include "wine/e2e/VelkorinTest.h"

namespace velkorin::e2e {
namespace {

class SelfTestRun : public VelkorinTest {
protected:
    std::wstring Box() const { return WindowText(Control(kText1Id)).value_or(L""); }

    // "Start Test" ignores a click that comes while a run still yields to events, as it does after
    // its last line. So: click, and once the click is handled (a message posted after it is), see
    // whether a run began (box first, then log); if not, click again. Posted, not sent: the run
    // happens inside the click, and a sent message would wait for all of it.
    bool ClickStartTest() {
        const std::wstring boxBefore = Box();
        const size_t logBefore = ReadBytes(File(L"log.txt")).size();
        return WaitFor([&] {
            PostMessageW(Control(kCommand1Id), BM_CLICK, 0, 0);
            return PostedMessagesHandled(Control(kText1Id)) &&
                   (Box() != boxBefore || ReadBytes(File(L"log.txt")).size() != logBefore);
        });
    }

    // Clicks "Start Test" and returns the box once log.txt holds `runs` finished runs and the box one.
    std::wstring RunSelfTest(size_t runs) {
        dates_ = {ShortDate()};
        EXPECT_TRUE(ClickStartTest()) << "no run began";
        std::wstring box;
        const bool ended = WaitForRunToEnd(window_, box, [&] {
            return Count(ReadBytes(File(L"log.txt")), ToAnsi(kEndOfRun)) == runs;
        });
        dates_.push_back(ShortDate());  // the run may pass midnight
        EXPECT_TRUE(ended) << "the run did not end within the deadline; the box holds:\n" << ToAnsi(box);
        return box;
    }

    // The date line holds the short date of the run and a time; the other lines are compared whole.
    void ExpectTranscript(const std::wstring& box, const std::vector<std::wstring>& expected) {
        EXPECT_EQ(BoxWithoutDate(box), expected) << "the box holds:\n" << ToAnsi(box);
    }
};

using WineOwnComponentsSelfTest = SelfTestRun;
using StandInSelfTest = SelfTestRun;

TEST_F(WineOwnComponentsSelfTest, ReportsThatNeitherDaoNorAdoIsRegistered) {
    const std::wstring box = RunSelfTest(1);
    ExpectTranscript(box, ExpectedBoxLines(expected::Concat(
                              {expected::OpenFails("DAO", "-2147221164 - Class not registered"),
                               expected::OpenFails("ADO", "-2147319779 - Library not registered.")})));
    EXPECT_EQ(ReadBytes(File(L"log.txt")), ToAnsi(box) + "\r\n");
}

TEST_F(StandInSelfTest, ReportsEveryStepSuccessfulAndASecondRunReplacesTheBox) {
    const std::vector<std::wstring> fullRun =
        ExpectedBoxLines(expected::Concat({expected::kDaoSuccess, expected::kAdoSuccess}));
    const std::wstring first = RunSelfTest(1);
    ExpectTranscript(first, fullRun);
    EXPECT_EQ(ReadBytes(File(L"log.txt")), ToAnsi(first) + "\r\n");

    const std::wstring second = RunSelfTest(2);
    ExpectTranscript(second, fullRun);
    EXPECT_EQ(ReadBytes(File(L"log.txt")), ToAnsi(first) + "\r\n" + ToAnsi(second) + "\r\n");
}

// Folder names that a connection string must quote or take as they are: the run succeeds in full
// (a name beyond the ANSI code page is every other test's folder).
class FolderNames : public SelfTestRun, public ::testing::WithParamInterface<const wchar_t*> {
protected:
    std::wstring FolderNameEnd() const override { return GetParam(); }
};

TEST_P(FolderNames, EveryStepSucceeds) {
    const std::wstring box = RunSelfTest(1);
    ExpectTranscript(box, ExpectedBoxLines(expected::Concat({expected::kDaoSuccess, expected::kAdoSuccess})));
    EXPECT_EQ(ReadBytes(File(L"log.txt")), ToAnsi(box) + "\r\n");
}
INSTANTIATE_TEST_SUITE_P(StandIn, FolderNames, ::testing::Values(L" semi;colon", L" x'y=z"),
                         [](const auto& info) { return std::string(info.index == 0 ? "Semicolon" : "QuoteAndEquals"); });

// System libraries' names on a DLL beside the program: a run and a close keep none of them. Wine
// takes its own libraries over such files unless told to look for them as Windows does; run-e2e.sh
// runs these rows with WINEDLLOVERRIDES "n,b" for the three (a child's environment block does not
// reach Wine's loader, so the driver's own environment carries it).
struct PlantedRow {
    const char* name;
    std::vector<std::wstring> libraries;
    std::string manifest;  // Velkorin.exe.manifest beside the program, or none
};

class PlantedLibraries : public SelfTestRun, public ::testing::WithParamInterface<PlantedRow> {
protected:
    void PrepareFolder() override {
        wchar_t driver[MAX_PATH];
        const DWORD length = GetModuleFileNameW(nullptr, driver, MAX_PATH);
        ASSERT_TRUE(length > 0 && length < MAX_PATH);
        std::wstring planted(driver, length);
        planted.replace(planted.rfind(L'\\') + 1, std::wstring::npos, L"planted_library.dll");
        for (const std::wstring& library : GetParam().libraries) {
            ASSERT_TRUE(CopyFileW(planted.c_str(), File(library.c_str()).c_str(), TRUE)) << ToUtf8(planted);
        }
        if (!GetParam().manifest.empty()) std::ofstream(File(L"Velkorin.exe.manifest").c_str()) << GetParam().manifest;
    }
};

TEST_P(PlantedLibraries, NoneIsKeptByARunAndAClose) {
    ExpectTranscript(RunSelfTest(1), ExpectedBoxLines(expected::Concat({expected::kDaoSuccess, expected::kAdoSuccess})));
    velkorin_->Close(window_);
    EXPECT_EQ(velkorin_->ExitCode(), 0u);
    for (const std::wstring& library : GetParam().libraries) {
        const std::wstring marker = File(library.c_str()) + L".loaded";
        EXPECT_EQ(GetFileAttributesW(marker.c_str()), INVALID_FILE_ATTRIBUTES) << ToUtf8(library) << " was loaded";
    }
}

// Every library of the program's table that Windows would look for in the program's folder (FrmMain
// asks for comctl32 at start-up, the system's libraries for msimg32 as they paint, version.dll and
// the others by bare name), all at once, and msimg32 alone; and manifests that name a comctl32.dll
// or an msimg32.dll of their own assembly: the system's side-by-side rule would send every
// bare-name request for it into the folder, were the manifest taken.
std::vector<std::wstring> SearchedLibraries() {
    std::vector<std::wstring> names;
    for (const win32::TrustedLibrary& row : win32::kTrustedLibraries) {
        if (row.search != win32::Search::kSearched) continue;
        names.push_back(FromUtf8(row.name) + (std::strchr(row.name, '.') ? L"" : L".dll"));
    }
    return names;
}
std::string PrivateManifest(const std::string& file) {
    return R"(<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">)"
           R"(<assemblyIdentity type="win32" name="Velkorin" version="1.0.0.3"/><file name=")" + file + R"("/></assembly>)";
}
const PlantedRow kPlantedRows[] = {
    {"EverySearchedOne", SearchedLibraries(), ""},
    {"Msimg32Alone", {L"msimg32.dll"}, ""},
    {"PrivateComctl32Manifest", {L"comctl32.dll"}, PrivateManifest("comctl32.dll")},
    {"PrivateMsimg32Manifest", {L"msimg32.dll"}, PrivateManifest("msimg32.dll")},
};
INSTANTIATE_TEST_SUITE_P(StandIn, PlantedLibraries, ::testing::ValuesIn(kPlantedRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace velkorin::e2e
