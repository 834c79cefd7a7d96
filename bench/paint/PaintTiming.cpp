#include <functional>

#include "common/BenchTable.h"
#include "xptheme/ButtonPainting.h"
#include "paint/PaintRig.h"
#include "common/Stopwatch.h"

namespace velkorin::bench {

namespace {

// Seconds per call of `once`, over `count` calls.
double TimeBlock(int count, const std::function<void()>& once) {
    Stopwatch clock;
    for (int i = 0; i < count; ++i) once();
    GdiFlush();
    return clock.Seconds() / count;
}

}  // namespace

void TimingFigures(PaintRig& rig, int repetitions, int paints) {
    RECT rect = {};
    GetClientRect(rig.fixture.Button(), &rect);
    const HDC dc = rig.dc.Get();
    const HTHEME theme = rig.theme.get();
    const auto face = [&] { DrawThemeBackground(theme, dc, push_button::kPart, push_button::kNormal, &rect, &rect); };
    const auto paint = [&](Look look) {
        ObjectRef control = rig.fixture.Apply(look);
        return [&rig, control] { rig.Paint(rig.module, control); };
    };
    const Look looks[] = {Look::Caption, Look::CaptionAndPicture};
    // The face alone is far quicker: ten times as many calls make its block as long as a paint's.
    const int faceCalls = paints * 10;
    Samples faces, painted[2];
    TimeBlock(faceCalls / 4, face);  // warm-up: the first calls bind the functions and fill caches
    for (Look look : looks) TimeBlock(paints / 4, paint(look));
    for (int i = 0; i < repetitions; ++i) {
        faces.Add(TimeBlock(faceCalls, face));
        for (int l = 0; l < 2; ++l) painted[l].Add(TimeBlock(paints, paint(looks[l])));
    }
    for (int l = 0; l < 2; ++l) {
        const Samples ratios = Ratios(faces, painted[l]);
        TableRow row;
        row.figure = std::string("themed paint of a graphical button, ") + LookName(looks[l]) +
                     " (pvDrawButton, PBS_NORMAL, 100x64; context)";
        row.baseline = "one DrawThemeBackground, BP_PUSHBUTTON/PBS_NORMAL: " + FormatDuration(faces.Median());
        row.program = "pvDrawButton: " + FormatDuration(painted[l].Median());
        row.ratio = FormatRatio(ratios.Median());
        row.spread = FormatSpread(ratios);
        row.goal = "-";
        row.met = "-";
        PrintRow(row);
    }
}

}  // namespace velkorin::bench
