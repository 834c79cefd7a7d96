// The Win32 side of the runtime, on the real system: the log file, the program folder, failures.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "runtime/win32/ScopedHandles.h"
#include "fakes/FailureNumber.h"
#include "runtime/win32/BoundLibrary.h"
#include "runtime/win32/SystemLibraries.h"
#include "runtime/win32/ComFailure.h"
#include "runtime/win32/LibraryRedirection.h"
#include "selftest/ControlLogBox.h"
#include "runtime/win32/forms/TextBoxControl.h"
#include "runtime/win32/TextConversion.h"
#include "runtime/win32/Win32DateTimeText.h"
#include "runtime/win32/Win32ProgramFolder.h"
#include "runtime/win32/Win32TextFileAppender.h"
#include "wine/WineTestSupport.h"

namespace velkorin::wine {
namespace {

using fakes::NumberOf;

TEST(Win32Services, ProgramFolderHasNoTrailingBackslash) {
    std::wstring folder = AppFolder();
    ASSERT_GT(folder.size(), 3u);
    EXPECT_NE(folder.back(), L'\\');
    EXPECT_NE(GetFileAttributesW((folder + L"\\fixtures\\test.mdb").c_str()), INVALID_FILE_ATTRIBUTES);
}

// While a run holds the program folder nobody can rename it, so no link to another folder can take
// its place; let go, it can be renamed (and is put back at once).
TEST(Win32Services, AHeldProgramFolderCannotBeRenamed) {
    const std::wstring folder = AppFolder(), moved = folder + L" moved";
    win32::Win32ProgramFolder programFolder;
    std::shared_ptr<void> held = programFolder.Hold();
    ASSERT_NE(held, nullptr);
    for (const bool holding : {true, false}) {
        const bool renamed = MoveFileW(folder.c_str(), moved.c_str()) != FALSE;
        if (renamed) {
            ASSERT_TRUE(MoveFileW(moved.c_str(), folder.c_str()));
        }
        EXPECT_NE(renamed, holding);
        held.reset();
    }
}

TEST(Win32Services, LogLinesGoInTheAnsiCodePageWithCrLfEvenUnderAFolderItCannotName) {
    // The test runs from a folder whose name the ANSI code page cannot hold.
    BOOL lossy = FALSE;
    std::wstring folder = AppFolder();
    WideCharToMultiByte(CP_ACP, 0, folder.c_str(), -1, nullptr, 0, nullptr, &lossy);
    EXPECT_TRUE(lossy) << "the folder name should need more than the ANSI code page";
    ASSERT_EQ(GetACP(), 1252u);

    const std::wstring path = AppFile(L"ansi.txt");
    RemoveFile(path);
    win32::Win32TextFileAppender files;
    files.AppendLine(win32::WideToUtf8(path), "caf\xC3\xA9");
    files.AppendLine(win32::WideToUtf8(path), "");
    files.AppendLine(win32::WideToUtf8(path), "\xE2\x82\xAC \xE6\x97\xA5");  // € and a character 1252 lacks
    EXPECT_EQ(ReadBytes(path), "caf\xE9\r\n\r\n\x80 ?\r\n");
    RemoveFile(path);
}

TEST(Win32Services, LogFileThatCannotBeOpenedIsAFailureOfThatCallOnly) {
    win32::Win32TextFileAppender files;
    EXPECT_EQ(NumberOf([&] { files.AppendLine(win32::WideToUtf8(AppFolder()) + "\\no such folder\\log.txt", "x"); }),
              76);

    const std::wstring path = AppFile(L"held.txt");
    RemoveFile(path);
    win32::UniqueHandle held = HoldWithoutSharing(path);
    ASSERT_TRUE(held);
    EXPECT_EQ(NumberOf([&] { files.AppendLine(win32::WideToUtf8(path), "x"); }), 70);
    held.reset();
    files.AppendLine(win32::WideToUtf8(path), "after");
    EXPECT_EQ(ReadBytes(path), "after\r\n");
    RemoveFile(path);
}

TEST(Win32Services, LogHeldByAnotherWriterStillReachesTheBox) {
    PlaceDatabase(L"test.mdb");
    const std::wstring log = AppFile(L"log.txt");
    RemoveFile(log);
    win32::UniqueHandle held = HoldWithoutSharing(log);
    ASSERT_TRUE(held);
    RealSelfTest self;
    self.log.AddToLogs("first");
    held.reset();
    self.log.AddToLogs("second");
    EXPECT_EQ(self.text1.text, "first\r\nsecond");
    EXPECT_EQ(ReadBytes(log), "second\r\n");
    RemoveFile(log);
}

// One of the user's regional settings, changed for one test and put back after it.
struct UserLocaleSetting {
    UserLocaleSetting(LCTYPE setting, const std::wstring& value) : type(setting) {
        GetLocaleInfoW(LOCALE_USER_DEFAULT, type, old, 128);
        EXPECT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, type, value.c_str()));
    }
    ~UserLocaleSetting() { SetLocaleInfoW(LOCALE_USER_DEFAULT, type, old); }
    const LCTYPE type;
    wchar_t old[128] = L"";
};

TEST(Win32Services, TimeTextOfAUserFormatFarPast128Characters) {
    // Morning and afternoon alike: a 40-character designator, six times over.
    const std::wstring designator = L"Velkorin's own designator, 40 chars long";
    UserLocaleSetting am(LOCALE_S1159, designator), pm(LOCALE_S2359, designator);
    UserLocaleSetting format(LOCALE_STIMEFORMAT, L"tt tt tt tt tt tt");
    const std::string one = win32::WideToUtf8(designator);
    EXPECT_EQ(win32::Win32DateTimeText().TimeText(), one + " " + one + " " + one + " " + one + " " + one + " " + one);
}

TEST(Win32Services, NumbersReadAndWrittenByTheSystemsCRuntime) {
    EXPECT_EQ(Value(2.5).AsText(), "2.5");
    EXPECT_EQ(Value(1.0 / 3.0).AsText(), "0.333333333333333");
    EXPECT_EQ(Value(-1234567.5).AsText(), "-1234567.5");
    EXPECT_EQ(Value(" 12.25\t").AsDouble(), 12.25);
    EXPECT_EQ(Value("1e3").AsInteger(), 1000);
    EXPECT_EQ(NumberOf([] { Value("12abc").AsDouble(); }), 13);
    EXPECT_EQ(NumberOf([] { Value("").AsDouble(); }), 13);
    EXPECT_EQ(NumberOf([] { Value("1e999").AsDouble(); }), 13);  // out of range
}

TEST(Win32Services, LogBoxTakesWholeTextsAndExtensionsAlike) {
    HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | ES_MULTILINE, 0, 0, 200, 100, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    ControlLogBox box;
    box.Attach(std::make_shared<win32::forms::TextBoxControl>(edit, true));
    box.SetText("Starting Test.");
    box.SetText("Starting Test.\r\nDate: caf\xC3\xA9 \xE6\x97\xA5");  // extends: added at the end
    EXPECT_EQ(box.Text(), "Starting Test.\r\nDate: caf\xC3\xA9 \xE6\x97\xA5");
    SendMessageW(edit, EM_SETSEL, 0, 3);  // a selection of the user's own does not move the addition
    box.SetText(box.Text() + "\r\n--Successful");
    EXPECT_EQ(box.Text(), "Starting Test.\r\nDate: caf\xC3\xA9 \xE6\x97\xA5\r\n--Successful");
    box.SetText("Starting");  // shorter, and a different text: replaced whole
    EXPECT_EQ(box.Text(), "Starting");
    box.SetText("Other");
    EXPECT_EQ(box.Text(), "Other");
    box.SetText(std::string());
    EXPECT_EQ(box.Text(), "");
    DestroyWindow(edit);
    EXPECT_EQ(NumberOf([&] { box.SetText("late"); }), 364);  // the window went while a run went on
}

TEST(Win32Services, ComFailuresCarryTheSignedCodeAndAText) {
    Failure notRegistered = win32::FailureFromHresult(REGDB_E_CLASSNOTREG);
    EXPECT_EQ(notRegistered.Number(), -2147221164);
    EXPECT_EQ(notRegistered.Description(), "Class not registered");
    Failure unknownName = win32::FailureFromHresult(DISP_E_UNKNOWNNAME);
    EXPECT_EQ(unknownName.Number(), 438);
    Failure accessDenied = win32::FailureFromHresult(E_ACCESSDENIED);
    EXPECT_EQ(accessDenied.Number(), -2147024891);
    EXPECT_FALSE(accessDenied.Description().empty());
    EXPECT_NE(accessDenied.Description().back(), '\n');
}

TEST(Win32Services, UnboundFunctionsFailTheSameWayAtEveryCall) {
    using NoArgumentsFn = BOOL(WINAPI*)();
    struct Table {
        explicit Table(const char* name) : library(name) {}
        win32::BoundLibrary library;
        using VelkorinFirstFn = NoArgumentsFn;
        using VelkorinSecondFn = NoArgumentsFn;
        VELKORIN_BIND(VelkorinFirst);
        VELKORIN_BIND(VelkorinSecond);
    };
    Table absent("velkorin-absent-library.dll");
    Table present("kernel32");
    for (int call = 1; call <= 2; ++call) {
        SCOPED_TRACE(call);
        EXPECT_EQ(NumberOf([&] { absent.pVelkorinFirst(); }), 53);
        EXPECT_EQ(NumberOf([&] { absent.pVelkorinSecond(); }), 53);  // another function of the same table
        EXPECT_EQ(NumberOf([&] { present.pVelkorinFirst(); }), 453);
    }
    try {
        absent.pVelkorinFirst();
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.Description(), "File not found: velkorin-absent-library.dll");
    }
}

std::string SystemFolderFile(const char* name) {
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    return std::string(folder, length) + "\\" + name;
}

// Every trusted library is asked for where its row says: by its full path in the system folder
// (comctl32 too: the checks carry no manifest), never by a name that Windows would look for in the
// program's folder first; kernel32 is the module already there. The binding tables ask as their rows.
TEST(Win32Services, TrustedLibrariesAreAskedForWhereTheirRowsSay) {
    const auto where = [](const win32::TrustedLibrary& row) {
        const std::string file = std::string(row.name) + (std::strchr(row.name, '.') ? "" : ".dll");
        return row.origin == win32::LibraryOrigin::kInProcess ? std::string(row.name) : SystemFolderFile(file.c_str());
    };
    for (const win32::TrustedLibrary& row : win32::kTrustedLibraries) {
        EXPECT_EQ(win32::LoadLibraryFrom(row.name, row.origin).requested, where(row)) << row.name;
    }
    win32::Uxtheme().pIsThemeActive();
    win32::Msimg32().pTransparentBlt(nullptr, 0, 0, 0, 0, nullptr, 0, 0, 0, 0, 0u);
    DLLVERSIONINFO version = {};
    version.cbSize = sizeof(version);
    win32::Comctl32().pDllGetVersion(&version);
    win32::Gdi32().pDeleteObject(nullptr);
    win32::User32().pGetFocus();
    win32::Kernel32().pOutputDebugStringA("");
    for (const win32::BoundLibrary* table : {&win32::Uxtheme().library, &win32::Msimg32().library,
                                             &win32::Comctl32().library, &win32::Gdi32().library,
                                             &win32::User32().library, &win32::Kernel32().library}) {
        EXPECT_EQ(table->Requested(), where(win32::Trusted(table->Name()))) << table->Name();
    }
}

// Manifests that make an activation context: one asking for common controls 6 from the system, and
// one whose own assembly names a comctl32.dll of its own, beside the checks.
const char kCommonControls6[] =
    R"(<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0"><dependency>)"
    R"(<dependentAssembly><assemblyIdentity type="win32" name="Microsoft.Windows.Common-Controls")"
    R"( version="6.0.0.0" processorArchitecture="*" publicKeyToken="6595b64144ccf1df" language="*"/>)"
    R"(</dependentAssembly></dependency></assembly>)";
const char kPrivateComctl32[] =
    R"(<assembly xmlns="urn:schemas-microsoft-com:asm.v1" manifestVersion="1.0">)"
    R"(<assemblyIdentity type="win32" name="Velkorin.Checks" version="1.0.0.0"/>)"
    R"(<file name="comctl32.dll"/></assembly>)";

// An activation context made from `manifest` beside the checks (null: none), released at the end.
struct ManifestContext {
    explicit ManifestContext(const char* manifest) {
        if (!manifest) return;
        const std::wstring path = AppFile(L"checks.manifest");
        std::ofstream(path.c_str()) << manifest;
        ACTCTXW request = {};
        request.cbSize = sizeof(request);
        request.lpSource = path.c_str();
        context = CreateActCtxW(&request);
        EXPECT_NE(context, INVALID_HANDLE_VALUE) << GetLastError();
    }
    ~ManifestContext() { if (context != INVALID_HANDLE_VALUE) ReleaseActCtx(context); }
    HANDLE Get() const { return context == INVALID_HANDLE_VALUE ? nullptr : context; }
    HANDLE context = INVALID_HANDLE_VALUE;
};

// Where a library is asked for: comctl32 from the side-by-side store only where the activation
// context sends it into the store.
TEST(Win32Services, LibrariesComeOnlyFromTheSystemFolderOrTheSideBySideStore) {
    char windows[MAX_PATH];
    const std::string store = std::string(windows, GetSystemWindowsDirectoryA(windows, MAX_PATH)) + "\\WinSxS\\";
    const std::string comctl32 = SystemFolderFile("comctl32.dll");
    const std::pair<const char*, std::string> rows[] = {  // manifest, what the request begins with
        {kCommonControls6, store}, {kPrivateComctl32, comctl32}, {nullptr, comctl32}};
    for (const auto& [manifest, asked] : rows) {
        SCOPED_TRACE(manifest ? manifest : "no manifest");
        const ManifestContext context(manifest);
        ULONG_PTR cookie = 0;
        EXPECT_EQ(manifest && ActivateActCtx(context.Get(), &cookie), manifest != nullptr) << GetLastError();
        win32::BoundLibrary library(win32::Trusted("comctl32.dll"));
        EXPECT_NE(library.Resolve("DllGetVersion"), nullptr);
        if (cookie) DeactivateActCtx(0, cookie);
        EXPECT_EQ(library.Requested().substr(0, asked.size()), asked);
        EXPECT_EQ(library.Requested().substr(library.Requested().find_last_of('\\') + 1), "comctl32.dll");
    }
}

// The decision of the program's first line, for each release it knows: a "<program>.local", as a
// file and as a folder, where the release honours it for a program with a manifest of its own,
// and an activation context that maps a library to a file of the folder's own.
TEST(LibraryRedirection, DecidedFromTheReleaseAndWhatLiesBesideTheProgram) {
    using Redirect = win32::LibraryRedirect;
    enum DotLocal { kNone, kFile, kFolder };
    const struct {
        win32::WindowsRelease release;
        bool machineEnablesRedirection;
        DotLocal dotLocal;
        const char* manifest;
        Redirect expected;
    } rows[] = {
        {{5, 0, 4}, false, kFile, nullptr, Redirect::kDotLocal},  // 2000 SP4
        {{5, 0, 4}, false, kFolder, nullptr, Redirect::kDotLocal},
        {{5, 0, 4}, false, kNone, nullptr, Redirect::kNone},
        {{5, 1, 1}, false, kFile, nullptr, Redirect::kDotLocal},  // XP SP1
        {{5, 1, 2}, false, kFile, nullptr, Redirect::kNone},      // XP SP2 and later, 2003
        {{5, 2, 0}, false, kFolder, nullptr, Redirect::kNone},
        {{6, 0, 2}, false, kFile, nullptr, Redirect::kNone},      // Vista and later
        {{6, 1, 1}, true, kFile, nullptr, Redirect::kDotLocal},   // 7, redirection on for the machine
        {{10, 0, 0}, true, kFolder, nullptr, Redirect::kDotLocal},
        {{10, 0, 0}, false, kFolder, nullptr, Redirect::kNone},
        {{5, 1, 3}, false, kNone, kPrivateComctl32, Redirect::kManifest},
        {{5, 1, 3}, false, kNone, kCommonControls6, Redirect::kNone},
        {{5, 0, 4}, false, kFile, kPrivateComctl32, Redirect::kDotLocal},
    };
    wchar_t program[MAX_PATH];
    const std::wstring dotLocal = std::wstring(program, GetModuleFileNameW(nullptr, program, MAX_PATH)) + L".local";
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "row " << (&row - rows));
        if (row.dotLocal == kFile) std::ofstream(dotLocal.c_str()) << "";
        if (row.dotLocal == kFolder) CreateDirectoryW(dotLocal.c_str(), nullptr);
        const ManifestContext context(row.manifest);
        EXPECT_EQ(win32::RedirectBesideTheProgram(row.release, row.machineEnablesRedirection, context.Get()),
                  row.expected);
        DeleteFileW(dotLocal.c_str());
        RemoveDirectoryW(dotLocal.c_str());
    }
    // This process: the checks carry no manifest, and Wine's prefix turns no redirection on.
    EXPECT_FALSE(win32::MapsLibrariesOutsideTheStore(nullptr));
    EXPECT_FALSE(win32::MachineEnablesDllRedirection());
}

// Once the process object has settled the search, a library that lies only beside the checks is
// not found by its bare name, where the system lets a process keep bare names in the system folder.
TEST(LibraryRedirection, ABareNameIsNotLookedForBesideTheProgram) {
    const win32::WindowsRelease release = win32::RunningWindowsRelease();
    if (release.major * 100 + release.minor < 601) GTEST_SKIP() << "no search setting before 7";
    ASSERT_NE(GetFileAttributesW(AppFile(L"velkorin_beside.dll").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(LoadLibraryA("velkorin_beside.dll"), nullptr);
}

}  // namespace
}  // namespace velkorin::wine
