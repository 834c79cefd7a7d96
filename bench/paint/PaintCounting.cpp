#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "common/BenchTable.h"
#include "paint/PaintRig.h"
#include "common/ProcessCounts.h"
#include "common/Stopwatch.h"

namespace velkorin::bench {

namespace {

// 10,000 paints; fewer with a picture, since each of those costs Wine several IDispatch name lookups
// on the OLE picture (milliseconds each), and a leak per paint shows as well in 1,000 as in 2,000.
constexpr std::pair<Look, int> kCountedSeries[] = {
    {Look::Caption, 6000}, {Look::CaptionAndPicture, 1000}, {Look::Hot, 1000}, {Look::Pressed, 1000},
    {Look::Disabled, 1000}};
using Profile = std::map<std::string, CallTime>;

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

CallTime Since(const CallTime& before, const CallTime& after) {
    return {after.calls - before.calls, after.seconds - before.seconds};
}

double SecondsInTable(const Profile& before, const Profile& after) {
    double seconds = 0.0;
    for (const auto& [name, time] : after) {
        auto earlier = before.find(name);
        seconds += earlier == before.end() ? time.seconds : Since(earlier->second, time).seconds;
    }
    return seconds;
}

// One look's paints: the platform functions that took most, per paint, the late-bound calls on the
// pictures, and what is left (property reads, the module itself). One line on stderr.
void PrintProfile(Look look, int paints, double seconds, const Profile& before, const Profile& after,
                  const CallTime& pictureCalls) {
    std::vector<std::pair<double, std::string>> spent;
    double inTable = 0.0;
    for (const auto& [name, time] : after) {
        auto earlier = before.find(name);
        const CallTime delta = earlier == before.end() ? time : Since(earlier->second, time);
        if (delta.calls == 0) continue;
        inTable += delta.seconds;
        spent.emplace_back(delta.seconds, name + " x" + FormatCount(delta.calls / paints));
    }
    std::sort(spent.rbegin(), spent.rend());
    std::string line = std::string("- ") + LookName(look) + ": " + FormatDuration(seconds / paints) + " a paint; ";
    for (size_t i = 0; i < spent.size() && i < 4; ++i) {
        line += spent[i].second + " " + FormatDuration(spent[i].first / paints) + ", ";
    }
    line += "all platform calls " + FormatDuration(inTable / paints) + "; late-bound calls on the pictures x" +
            FormatCount(pictureCalls.calls / paints) + " " + FormatDuration(pictureCalls.seconds / paints) +
            "; the rest (property reads, the module itself) " +
            FormatDuration((seconds - inTable - pictureCalls.seconds) / paints);
    std::fprintf(stderr, "%s\n", line.c_str());
}

std::string Live(long long made, long long released) {
    return FormatCount(made - released) + " (" + FormatCount(made) + " made, " + FormatCount(released) + " released)";
}

std::string CountOrUnreadable(long count) { return count < 0 ? std::string("unreadable") : FormatCount(count); }

const std::string kSeries =
    "10,000 themed paints (6,000 caption only; 1,000 each with a picture: normal, hot, pressed, disabled): ";

void PrintGdiRow(const ResourceCounts& before, const ResourceCounts& after) {
    const long long failures = after.failuresReported - before.failuresReported;
    TableRow row;
    row.figure = kSeries + "GDI objects (regions, brushes, bitmaps) + memory DCs through the module's table";
    row.baseline = "before: " + FormatCount(before.LiveGdiObjects()) + " + " + FormatCount(before.LiveMemoryDcs());
    row.program = "after: " +
                  Live(after.gdiObjectsMade - before.gdiObjectsMade, after.gdiObjectsDeleted - before.gdiObjectsDeleted) +
                  " + " +
                  Live(after.memoryDcsMade - before.memoryDcsMade, after.memoryDcsDeleted - before.memoryDcsDeleted) +
                  "; " + FormatCount(failures) + " failures reported";
    row.goal = "no growth";
    row.met = YesNo(after.LiveGdiObjects() == before.LiveGdiObjects() &&
                    after.LiveMemoryDcs() == before.LiveMemoryDcs() && failures == 0);
    PrintRow(row);
}

void PrintUserRow(const ResourceCounts& before, const ResourceCounts& after, long windowsBefore, long windowsAfter) {
    TableRow row;
    row.figure = kSeries + "USER: window DCs held (GetDC - ReleaseDC), theme handles open, windows of the process";
    row.baseline = "before: " + FormatCount(before.HeldDcs()) + " DCs, " + FormatCount(before.OpenThemes()) +
                   " themes, " + FormatCount(windowsBefore) + " windows";
    row.program = "after: " + FormatCount(after.HeldDcs()) + " DCs, " + FormatCount(after.OpenThemes()) + " themes, " +
                  FormatCount(windowsAfter) + " windows";
    row.goal = "no growth";
    row.met = YesNo(after.HeldDcs() == before.HeldDcs() && after.OpenThemes() == before.OpenThemes() &&
                    windowsAfter == windowsBefore);
    PrintRow(row);
}

void PrintProcessRow(long gdiBefore, long gdiAfter) {
    TableRow row;
    row.figure = kSeries + "every GDI object of the process (its GDI handle table)";
    row.baseline = "before: " + CountOrUnreadable(gdiBefore);
    row.program = "after: " + CountOrUnreadable(gdiAfter);
    row.goal = "no growth";
    row.met = gdiBefore < 0 || gdiAfter < 0 ? "n/a" : YesNo(gdiAfter <= gdiBefore);
    PrintRow(row);
}

}  // namespace

void OwnShareFigures(PaintRig& rig, int repetitions, int paintsPerLook) {
    for (Look look : kAllLooks) {
        ObjectRef control = rig.fixture.Apply(look);
        const Profile first = rig.counting.Profile();
        const CallTime firstPictureCalls = rig.fixture.PictureCalls();
        Samples shares;
        double total = 0.0, inCalls = 0.0;
        for (int r = 0; r < repetitions; ++r) {
            const Profile before = rig.counting.Profile();
            const CallTime pictureCalls = rig.fixture.PictureCalls();
            Stopwatch clock;
            for (int i = 0; i < paintsPerLook; ++i) rig.Paint(rig.countedModule, control);
            const double seconds = clock.Seconds();
            const double platform = SecondsInTable(before, rig.counting.Profile()) +
                                    Since(pictureCalls, rig.fixture.PictureCalls()).seconds;
            shares.Add((seconds - platform) / seconds);
            total += seconds;
            inCalls += platform;
        }
        const int paints = repetitions * paintsPerLook;
        PrintRow(OwnShareRow(std::string("themed paint of a graphical button, ") + LookName(look) +
                                 " (pvDrawButton, 100x64): the paint less its platform calls and the pictures' own",
                             shares, inCalls / paints, total / paints, 0.05));
        PrintProfile(look, paints, total, first, rig.counting.Profile(),
                     Since(firstPictureCalls, rig.fixture.PictureCalls()));
    }
}

void CountingFigures(PaintRig& rig) {
    PumpMessages();
    const ResourceCounts before = rig.counting.Counts();
    const long gdiBefore = ProcessGdiObjects();
    const long windowsBefore = ProcessWindows();
    for (const auto& [look, paints] : kCountedSeries) {
        ObjectRef control = rig.fixture.Apply(look);
        for (int i = 0; i < paints; ++i) rig.Paint(rig.countedModule, control);
    }
    PumpMessages();
    const ResourceCounts& after = rig.counting.Counts();
    PrintGdiRow(before, after);
    PrintUserRow(before, after, windowsBefore, ProcessWindows());
    PrintProcessRow(gdiBefore, ProcessGdiObjects());
}

}  // namespace velkorin::bench
