#include "driver/Figures.h"

#include <windows.h>

#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "common/Arguments.h"
#include "common/BenchTable.h"
#include "wine/launcher/ChildProcess.h"

namespace velkorin::bench {

namespace {

// A stage's difference under this, however large its ratio, is the machine's noise.
constexpr double kStageNoiseSeconds = 0.002;

// The "<stage> <seconds>" lines one fresh bench_stages process prints for `side`, in its order.
std::vector<std::pair<std::string, double>> StagesOf(const std::wstring& stagesExe, const wchar_t* side) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    wchar_t folder[MAX_PATH] = L"", path[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"stg", 0, path);
    win32::UniqueHandle out(CreateFileW(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    if (out.get() == INVALID_HANDLE_VALUE) return {};
    {
        launcher::ChildProcess child({stagesExe, side, FolderOf(stagesExe), {}, out.get(), kCloseDeadlineMs});
        if (!child.WaitForExit(kDeadlineMs) || child.ExitCode() != 0) return {};
    }
    std::string text(64 * 1024, '\0');
    DWORD read = 0;
    SetFilePointer(out.get(), 0, nullptr, FILE_BEGIN);
    ReadFile(out.get(), &text[0], static_cast<DWORD>(text.size()), &read, nullptr);
    std::istringstream lines(text.substr(0, read));
    std::vector<std::pair<std::string, double>> stages;
    std::string name;
    double seconds = 0;
    while (lines >> name >> seconds) stages.emplace_back(name, seconds);
    return stages;
}

}  // namespace

void StartStagesNotes(const std::wstring& stagesExe, int repetitions, const std::string& label) {
    std::vector<std::string> order;  // every stage, in the order the program runs them
    std::map<std::string, Samples> floor, velkorin;
    int runs = 0;
    for (int i = 0; i < repetitions + 1; ++i) {  // the first pair warms up
        const auto least = StagesOf(stagesExe, L"floor");
        const auto program = StagesOf(stagesExe, L"velkorin");
        if (least.empty() || program.empty()) continue;
        for (const auto& [stage, seconds] : program) {
            if (i == 0) order.push_back(stage);
        }
        if (i == 0) continue;
        ++runs;
        for (const auto& [stage, seconds] : least) floor[stage].Add(seconds);
        for (const auto& [stage, seconds] : program) velkorin[stage].Add(seconds);
    }
    std::string line = "- " + label + ", stage by stage (median of " + std::to_string(runs) +
                       " fresh processes each; the floor / Velkorin's own pieces in its entry's order):";
    double floorTotal = 0, velkorinTotal = 0;
    // Judged where both sides have ended the same work: a stage the floor has not (the library
    // search, whose loads the floor makes within OLE) counts with the next one it has.
    std::string over, joined;
    double pending = 0;
    for (const std::string& stage : order) {
        const auto f = floor.find(stage);
        const double least = f == floor.end() ? 0 : f->second.Median(), program = velkorin[stage].Median();
        floorTotal += least;
        velkorinTotal += program;
        line += " " + stage + " " + (f == floor.end() ? std::string("-") : FormatDuration(least)) + " / " +
                FormatDuration(program) + ";";
        joined += (joined.empty() ? "" : "+") + stage;
        pending += program;
        if (f == floor.end()) continue;
        if (pending > least * 1.05 && pending - least > kStageNoiseSeconds) {
            over += (over.empty() ? "" : ", ") + joined + " " + FormatDuration(pending) + " / " + FormatDuration(least);
        }
        joined.clear();
        pending = 0;
    }
    line += " all " + FormatDuration(floorTotal) + " / " + FormatDuration(velkorinTotal);
    std::fprintf(stderr, "%s\n", line.c_str());

    TableRow row;
    row.figure = label + ", stage by stage (in-process, to the first paint): stages that cost more than the floor's";
    row.baseline = "floor: " + FormatDuration(floorTotal);
    row.program = "Velkorin's pieces: " + FormatDuration(velkorinTotal);
    row.ratio = runs ? FormatRatio(velkorinTotal / floorTotal) : "-";
    row.goal = "none over 1.05x and 2 ms the floor's";
    row.met = !runs ? "**no** (the stage bench printed nothing)" : over.empty() ? "yes" : "**no** (" + over + ")";
    PrintRow(row);
}

}  // namespace velkorin::bench
