#include "driver/Figures.h"

#include "common/Arguments.h"
#include "common/BenchTable.h"
#include "common/Stopwatch.h"
#include "wine/launcher/ChildProcess.h"

namespace velkorin::bench {

namespace {

constexpr const wchar_t* kBareClass = L"VelkorinBenchBare";
constexpr const wchar_t* kFloorClass = L"VelkorinBenchFloor";

// Seconds from CreateProcess until the window is visible; a negative value when it never is.
double TimeToVisible(const std::wstring& exe, const wchar_t* className) {
    Stopwatch clock;
    launcher::ChildProcess child({exe, L"", FolderOf(exe), {}, nullptr, kCloseDeadlineMs});
    HWND window = child.WaitForWindow(className, kDeadlineMs, 1);
    const double seconds = clock.Seconds();
    child.Close(window);
    return window ? seconds : -1.0;
}

}  // namespace

void StartupFigure(const std::wstring& bareExe, const std::wstring& floorExe, const std::wstring& velkorinExe,
                   int repetitions) {
    TimeToVisible(bareExe, kBareClass);  // warm-up: the first start of a session loads more
    TimeToVisible(floorExe, kFloorClass);
    TimeToVisible(velkorinExe, kFrmMainClass);
    Samples bare, floor, velkorin;
    bool allShown = true;
    for (int i = 0; i < repetitions; ++i) {
        const double baseline = TimeToVisible(bareExe, kBareClass);
        const double least = TimeToVisible(floorExe, kFloorClass);
        const double program = TimeToVisible(velkorinExe, kFrmMainClass);
        allShown = allShown && baseline > 0 && least > 0 && program > 0;
        if (baseline > 0 && least > 0 && program > 0) {
            bare.Add(baseline);
            floor.Add(least);
            velkorin.Add(program);
        }
    }
    const std::string figure = "start until the window is visible (from CreateProcess)";
    const Samples overFloor = Ratios(floor, velkorin);
    TableRow row;
    row.figure = figure + ", against the floor";
    row.baseline = "floor: OLE, the common controls, the theme library, FrmMain's window by direct Win32 calls: " +
                   FormatDuration(floor.Median());
    row.program = "Velkorin.exe: " + FormatDuration(velkorin.Median());
    row.ratio = FormatRatio(overFloor.Median());
    row.spread = FormatSpread(overFloor);
    row.goal = "≤ 1.05x";
    row.met = allShown ? YesNo(overFloor.Median() <= 1.05) : "**no** (a window never showed)";
    PrintRow(row);

    const Samples overBare = Ratios(bare, velkorin);
    row.figure = figure + ", against a bare window (context)";
    row.baseline = "bare one-window program: " + FormatDuration(bare.Median());
    row.ratio = FormatRatio(overBare.Median());
    row.spread = FormatSpread(overBare);
    row.goal = "-";
    row.met = "-";
    PrintRow(row);
}

}  // namespace velkorin::bench
