#include "driver/Figures.h"

#include "common/Arguments.h"
#include "common/BenchTable.h"
#include "common/Stopwatch.h"
#include "wine/launcher/ChildProcess.h"

namespace velkorin::bench {

namespace {

constexpr const wchar_t* kBareClass = L"VelkorinBenchBare";

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

void StartupFigure(const std::wstring& bareExe, const std::wstring& velkorinExe, int repetitions) {
    TimeToVisible(bareExe, kBareClass);  // warm-up: the first start of a session loads more
    TimeToVisible(velkorinExe, kFrmMainClass);
    Samples bare, velkorin;
    bool allShown = true;
    for (int i = 0; i < repetitions; ++i) {
        const double baseline = TimeToVisible(bareExe, kBareClass);
        const double program = TimeToVisible(velkorinExe, kFrmMainClass);
        allShown = allShown && baseline > 0 && program > 0;
        if (baseline > 0 && program > 0) {
            bare.Add(baseline);
            velkorin.Add(program);
        }
    }
    const Samples ratios = Ratios(bare, velkorin);
    TableRow row;
    row.figure = "start until the window is visible (from CreateProcess)";
    row.baseline = "bare one-window program: " + FormatDuration(bare.Median());
    row.program = "Velkorin.exe: " + FormatDuration(velkorin.Median());
    row.ratio = FormatRatio(ratios.Median());
    row.spread = FormatSpread(ratios);
    row.goal = "≤ 1.2x";
    row.met = allShown ? YesNo(ratios.Median() <= 1.2) : "**no** (a window never showed)";
    PrintRow(row);
}

}  // namespace velkorin::bench
