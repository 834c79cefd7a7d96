// Times Velkorin.exe from outside, against baselines measured in the same run, and prints one
// results-table row per figure.
// usage: bench_driver startup <bench_bare.exe> <bench_floor.exe> <Velkorin.exe> <repetitions>
//        bench_driver run <Velkorin.exe> <bench_appender.exe> <repetitions>
//        bench_driver stages <bench_stages.exe> <label> <repetitions>
#include <cstdio>
#include <cwchar>

#include "common/Arguments.h"
#include "driver/Figures.h"

int main() {
    using namespace velkorin::bench;
    const std::vector<std::wstring> arguments = Arguments();
    const size_t count = arguments.empty() ? 0 : arguments[0] == L"startup" ? 5 : 4;  // "stages" as "run"
    const int repetitions =
        arguments.size() == count ? static_cast<int>(std::wcstol(arguments.back().c_str(), nullptr, 10)) : 0;
    if (repetitions <= 0) {
        std::fprintf(stderr, "usage: bench_driver startup <bare> <floor> <Velkorin> <repetitions> | "
                             "run <Velkorin> <appender> <repetitions> | stages <bench_stages> <label> <repetitions>\n");
        return 2;
    }
    if (arguments[0] == L"startup") {
        StartupFigure(arguments[1], arguments[2], arguments[3], repetitions);
    } else if (arguments[0] == L"stages") {
        const std::wstring& label = arguments[2];
        StartStagesNotes(arguments[1], repetitions, std::string(label.begin(), label.end()));
    } else if (arguments[0] == L"run") {
        RunFigure(arguments[1], arguments[2], repetitions);
    } else {
        std::fprintf(stderr, "unknown figure\n");
        return 2;
    }
    return 0;
}
