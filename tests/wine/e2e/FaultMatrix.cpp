#include "wine/e2e/FaultMatrix.h"

#include <algorithm>

#include "wine/e2e/BoxLines.h"
#include "wine/e2e/E2eSupport.h"
#include "wine/e2e/RunPause.h"
#include "wine/e2e/Unwritable.h"

namespace velkorin::e2e {

using namespace std::string_literals;

namespace {

// In place of the real test.mdb that the folder holds.
bool PlaceDatabase(Database database, const std::wstring& fixtures, const std::wstring& target) {
    switch (database) {
    case Database::Missing: return DeleteFileW(target.c_str()) != FALSE;
    case Database::ZeroBytes: return WriteBytes(target, std::string());
    case Database::Damaged: return CopyFileW((fixtures + L"\\damaged.mdb").c_str(), target.c_str(), FALSE);
    case Database::WithoutTableTest: return CopyFileW((fixtures + L"\\no_table.mdb").c_str(), target.c_str(), FALSE);
    case Database::Real:
    case Database::HeldExclusively: return true;
    }
    return false;
}

std::wstring Filled(std::wstring line, const std::wstring& database) {
    const std::wstring placeholder = L"{db}";
    for (size_t at; (at = line.find(placeholder)) != std::wstring::npos;)
        line.replace(at, placeholder.size(), database);
    return line;
}

// The driver's side of run_pause.dll: the two events and the hook on FrmMain's thread. Going out of
// scope lets the program go on, whatever happened in between.
class RunPause {
public:
    RunPause(HWND window, DWORD processId)
        : paused_(CreateEventW(nullptr, TRUE, FALSE, RunPausedEventName(processId).c_str())),
          resume_(CreateEventW(nullptr, TRUE, FALSE, RunResumeEventName(processId).c_str())),
          library_(LoadLibraryW(L"run_pause.dll")) {
        // Through void*: GetProcAddress gives every export one function type.
        const auto hook =
            reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(library_.get(), kRunPauseHook)));
        if (paused_ && resume_ && hook) {
            hook_.reset(
                SetWindowsHookExW(WH_CALLWNDPROCRET, hook, library_.get(), GetWindowThreadProcessId(window, nullptr)));
        }
    }
    ~RunPause() { Resume(); }
    RunPause(const RunPause&) = delete;
    RunPause& operator=(const RunPause&) = delete;

    bool Armed() const { return static_cast<bool>(hook_); }
    bool WaitUntilPaused() const { return WaitForSingleObject(paused_.get(), kDeadlineMs) == WAIT_OBJECT_0; }
    void Resume() const {
        if (resume_) SetEvent(resume_.get());
    }

private:
    win32::UniqueHandle paused_, resume_;
    win32::UniqueLibrary library_;
    win32::UniqueHook hook_;
};

}  // namespace

void FaultMatrix::SetUp() {
    VelkorinTest::SetUp();
    if (HasFatalFailure()) return;
    const FaultRow& row = GetParam();
    if (row.log == LogFile::HeldWholeRun || row.log == LogFile::HeldUntilDaoSeparator) {
        heldLog_ = HoldWithoutSharing(File(L"log.txt"));
        ASSERT_TRUE(heldLog_) << "cannot hold log.txt, error " << GetLastError();
    }
    if (row.database == Database::HeldExclusively) {
        heldDatabase_ = HoldWithoutSharing(File(L"test.mdb"));
        ASSERT_TRUE(heldDatabase_) << "cannot hold test.mdb, error " << GetLastError();
    }
}

void FaultMatrix::PrepareFolder() {
    const FaultRow& row = GetParam();
    SetEnvironmentVariableW(L"STANDIN_FAIL", row.standInFail);  // the program inherits it
    ASSERT_TRUE(PlaceDatabase(row.database, fixtures_, File(L"test.mdb")));
    // A read-only folder holds no log.txt: the program would have to create it.
    if (row.log == LogFile::HardLinkElsewhere) {
        ASSERT_TRUE(WriteBytes(Elsewhere(), EarlierLog()));
        ASSERT_TRUE(CreateHardLinkW(File(L"log.txt").c_str(), Elsewhere().c_str(), nullptr)) << GetLastError();
    } else if (row.log != LogFile::FolderReadOnly) {
        ASSERT_TRUE(WriteBytes(File(L"log.txt"), EarlierLog()));
    }
    if (row.log == LogFile::ReadOnly) unwritable_.push_back(File(L"log.txt"));
    if (row.log == LogFile::FolderReadOnly) unwritable_.push_back(folder_);
    for (const std::wstring& path : unwritable_) {
        ASSERT_TRUE(MakeUnwritable(path)) << ToUtf8(path) << " still takes writes";
    }
}

void FaultMatrix::TearDown() {
    VelkorinTest::TearDown();
    heldLog_.reset();
    heldDatabase_.reset();
    // Writable again, newest first (the folder before its log.txt), so the work folder can go.
    for (auto path = unwritable_.rbegin(); path != unwritable_.rend(); ++path) {
        EXPECT_TRUE(MakeWritable(*path)) << ToUtf8(*path) << " stays unwritable";
    }
}

std::wstring FaultMatrix::RunSelfTest() {
    const FaultRow& row = GetParam();
    std::unique_ptr<RunPause> pause;
    if (row.log == LogFile::HeldUntilDaoSeparator || row.midRun != MidRun::None) {
        pause = std::make_unique<RunPause>(window_, velkorin_->Id());
        EXPECT_TRUE(pause->Armed()) << "no hook on FrmMain's thread, error " << GetLastError();
    }
    dates_ = {ShortDate()};
    PostMessageW(Control(kCommand1Id), BM_CLICK, 0, 0);
    if (pause) {
        EXPECT_TRUE(pause->WaitUntilPaused()) << "the run did not stop at the end of its DAO stage";
        if (row.log == LogFile::HeldUntilDaoSeparator) heldLog_.reset();
        if (row.midRun == MidRun::Clicks) {
            // Posted now, handled by the run's next yield.
            PostMessageW(Control(kCommand1Id), BM_CLICK, 0, 0);
            PostClick(Control(kImage2Id));
            PostClick(Control(kLabel4Id));
            PostMessageW(Control(kCommand1Id), BM_CLICK, 0, 0);
        }
        windowsAtPause_ = OtherWindows();
        pause->Resume();
    }
    std::wstring box;
    const bool ended = WaitForRunToEnd(window_, box);
    dates_.push_back(ShortDate());  // the run may pass midnight
    EXPECT_TRUE(ended) << "the run did not end within the deadline; the box holds:\n" << ToUtf8(box);
    EXPECT_TRUE(PostedMessagesHandled(Control(kText1Id))) << "the program does not answer after the run";
    return box;
}

std::string FaultMatrix::EarlierLog() const {
    if (GetParam().log == LogFile::FolderReadOnly) return std::string();
    // An earlier run's lines, and bytes that are no text at all: none of it may change.
    return "Starting Test.\r\nDate: 01.02.2003 Time: 04:05:06\r\nnot a line of ours: \xE9\xFF and \x00 inside\r\n"s;
}

WideLines FaultMatrix::ExpectedBox() const {
    WideLines lines = ExpectedBoxLines(expected::Concat({GetParam().dao, GetParam().ado}));
    for (std::wstring& line : lines) line = Filled(line, File(L"test.mdb"));
    return lines;
}

std::string FaultMatrix::ExpectedLogGain(const WideLines& box) const {
    size_t first = 0;
    switch (GetParam().log) {
    case LogFile::Writable: first = 0; break;
    case LogFile::HeldUntilDaoSeparator:
        first = static_cast<size_t>(std::find(box.begin(), box.end(), Widened(log_lines::kAdoStageLine)) -
                                    box.begin());
        break;
    case LogFile::ReadOnly:
    case LogFile::FolderReadOnly:
    case LogFile::HeldWholeRun:
    case LogFile::HardLinkElsewhere: first = box.size(); break;
    }
    std::string gain;
    for (size_t line = first; line < box.size(); ++line) gain += ToAnsi(box[line]) + "\r\n";
    return gain;
}

std::vector<std::wstring> FaultMatrix::OtherWindows() const {
    std::vector<std::wstring> others;
    for (HWND hwnd : TopLevelWindows(velkorin_->Id())) {
        const bool visible = IsWindowVisible(hwnd) != FALSE;
        // The system gives every thread with windows a hidden default IME window of its own.
        if (hwnd == window_ || (!visible && ClassName(hwnd) == L"IME")) continue;
        others.push_back(ClassName(hwnd) + (visible ? L" (visible)" : L" (hidden)"));
    }
    return others;
}

}  // namespace velkorin::e2e
