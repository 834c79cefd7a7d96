#pragma once

#include <string>
#include <vector>

namespace velkorin::bench {

// Repeated measurements of one quantity.
class Samples {
public:
    void Add(double value) { values_.push_back(value); }
    bool Empty() const { return values_.empty(); }
    size_t Size() const { return values_.size(); }
    double At(size_t index) const { return values_[index]; }
    double Median() const;
    double Min() const;
    double Max() const;

private:
    std::vector<double> values_;
};

// program[i] / baseline[i] for each repetition measured as a pair.
Samples Ratios(const Samples& baseline, const Samples& program);

// One row of the results table: figure, baseline, program, ratio median, spread, goal, met?
struct TableRow {
    std::string figure;
    std::string baseline;
    std::string program;
    std::string ratio = "-";
    std::string spread = "-";
    std::string goal;
    std::string met;
};

// "| a | b | ... |" on stdout, flushed at once so a later crash cannot swallow it.
void PrintRow(const TableRow& row);

// "12.3 ms" or "45.6 µs", whichever reads better.
std::string FormatDuration(double seconds);
// "6.86x"
std::string FormatRatio(double ratio);
// "6.50x - 7.10x"
std::string FormatSpread(const Samples& ratios);
// "4.2%" for 0.042, and "3.9% - 4.6%"
std::string FormatPercent(double share);
std::string FormatPercentSpread(const Samples& shares);
// A figure judged by the program's own share of its time: what is left once the time inside the
// platform calls it must make is taken away. shares: own / total per repetition; the durations are
// per run or paint, over all repetitions.
TableRow OwnShareRow(const std::string& figure, const Samples& shares, double platformSeconds, double totalSeconds,
                     double goal);
// "10,000"
std::string FormatCount(long long count);
std::string YesNo(bool met);

}  // namespace velkorin::bench
