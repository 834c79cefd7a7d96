// The themed paint of a graphical button (pvDrawButton through the real platform table):
//   bench_paint time <repetitions> <paints per block>   against one DrawThemeBackground of the same
//       part and state, in pairs, with notes on stderr of where a paint's time goes;
//   bench_paint count                                    10,000 paints in five looks, every object
//       the module makes counted.
// Prints one results-table row per figure.
#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "common/Arguments.h"
#include "common/BenchTable.h"
#include "xptheme/ButtonPainting.h"
#include "startup/Win32Process.h"
#include "paint/PaintRig.h"

namespace velkorin::bench {

namespace {

constexpr int kProfiledPaintsPerLook = 50;

void PrintFailure(const std::string& why) {
    TableRow row;
    row.figure = "themed paint of a graphical button";
    row.baseline = row.program = row.goal = "-";
    row.met = "**no** (" + why + ")";
    PrintRow(row);
}

// Each look painted once through the counting table: the module reported nothing and drew the face
// in the look's state. A paint that failed early would time as fast as it is wrong.
std::string CheckLooks(PaintRig& rig) {
    const std::pair<Look, int32_t> expected[] = {{Look::Caption, push_button::kNormal},
                                                 {Look::CaptionAndPicture, push_button::kNormal},
                                                 {Look::Hot, push_button::kHot},
                                                 {Look::Pressed, push_button::kPressed},
                                                 {Look::Disabled, push_button::kDisabled}};
    for (const auto& [look, state] : expected) {
        const ResourceCounts before = rig.counting.Counts();
        rig.Paint(rig.countedModule, rig.fixture.Apply(look));
        const ResourceCounts& after = rig.counting.Counts();
        if (after.failuresReported != before.failuresReported || after.themedFaces != before.themedFaces + 1 ||
            after.lastFaceState != state) {
            return std::string("the ") + LookName(look) + " look reported failures or drew another state";
        }
    }
    return std::string();
}

int Bench(bool timing, int repetitions, int paints) {
    win32::Win32Process process;
    PaintRig rig(GetModuleHandleW(nullptr));
    if (!process.OleReady() || !rig.fixture.Ready()) {
        PrintFailure("no button window, font or pictures");
        return 1;
    }
    if (!rig.dc.Get() || !rig.theme.get()) {
        PrintFailure("no device context, or no visual style for BUTTON");
        return 1;
    }
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    const std::string failure = CheckLooks(rig);
    if (!failure.empty()) {
        PrintFailure(failure);
        return 1;
    }
    if (timing) {
        TimingFigures(rig, repetitions, paints);
        OwnShareFigures(rig, repetitions, kProfiledPaintsPerLook);
    } else {
        CountingFigures(rig);
    }
    return 0;
}

}  // namespace

}  // namespace velkorin::bench

int main() {
    const std::vector<std::wstring> arguments = velkorin::bench::Arguments();
    if (arguments.size() == 1 && arguments[0] == L"count") return velkorin::bench::Bench(false, 0, 0);
    const long repetitions = arguments.size() == 3 ? std::wcstol(arguments[1].c_str(), nullptr, 10) : 0;
    const long paints = arguments.size() == 3 ? std::wcstol(arguments[2].c_str(), nullptr, 10) : 0;
    if (arguments.empty() || arguments[0] != L"time" || repetitions <= 0 || paints < 4) {
        std::fprintf(stderr, "usage: bench_paint time <repetitions> <paints per block> | bench_paint count\n");
        return 2;
    }
    return velkorin::bench::Bench(true, static_cast<int>(repetitions), static_cast<int>(paints));
}
