#include "common/BenchTable.h"

#include <algorithm>
#include <cstdio>

namespace velkorin::bench {

namespace {
std::vector<double> Sorted(const Samples& samples) {
    std::vector<double> values;
    for (size_t i = 0; i < samples.Size(); ++i) values.push_back(samples.At(i));
    std::sort(values.begin(), values.end());
    return values;
}

std::string Printf(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}
}  // namespace

double Samples::Median() const {
    if (values_.empty()) return 0.0;
    const std::vector<double> sorted = Sorted(*this);
    const size_t middle = sorted.size() / 2;
    return sorted.size() % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2.0;
}

double Samples::Min() const { return values_.empty() ? 0.0 : *std::min_element(values_.begin(), values_.end()); }

double Samples::Max() const { return values_.empty() ? 0.0 : *std::max_element(values_.begin(), values_.end()); }

Samples Ratios(const Samples& baseline, const Samples& program) {
    Samples ratios;
    for (size_t i = 0; i < baseline.Size() && i < program.Size(); ++i) {
        if (baseline.At(i) > 0.0) ratios.Add(program.At(i) / baseline.At(i));
    }
    return ratios;
}

void PrintRow(const TableRow& row) {
    std::printf("| %s | %s | %s | %s | %s | %s | %s |\n", row.figure.c_str(), row.baseline.c_str(),
                row.program.c_str(), row.ratio.c_str(), row.spread.c_str(), row.goal.c_str(), row.met.c_str());
    std::fflush(stdout);
}

std::string FormatDuration(double seconds) {
    if (seconds >= 1.0) return Printf("%.2f s", seconds);
    if (seconds >= 0.001) return Printf("%.1f ms", seconds * 1e3);
    return Printf("%.1f \xC2\xB5s", seconds * 1e6);
}

std::string FormatRatio(double ratio) { return Printf("%.2fx", ratio); }

std::string FormatSpread(const Samples& ratios) {
    if (ratios.Empty()) return "-";
    return FormatRatio(ratios.Min()) + " - " + FormatRatio(ratios.Max());
}

std::string FormatPercent(double share) { return Printf("%.1f%%", share * 100.0); }

std::string FormatPercentSpread(const Samples& shares) {
    if (shares.Empty()) return "-";
    return FormatPercent(shares.Min()) + " - " + FormatPercent(shares.Max());
}

TableRow OwnShareRow(const std::string& figure, const Samples& shares, double platformSeconds, double totalSeconds,
                     double goal) {
    TableRow row;
    row.figure = figure;
    row.baseline = "in platform calls: " + FormatDuration(platformSeconds);
    row.program = "its own: " + FormatDuration(totalSeconds - platformSeconds) + " of " + FormatDuration(totalSeconds);
    row.ratio = shares.Empty() ? "-" : FormatPercent(shares.Median());
    row.spread = FormatPercentSpread(shares);
    row.goal = "≤ " + Printf("%.0f%%", goal * 100.0) + " its own";
    row.met = shares.Empty() ? "**no** (nothing measured)" : YesNo(shares.Median() <= goal);
    return row;
}

std::string FormatCount(long long count) {
    std::string digits = std::to_string(count < 0 ? -count : count);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<size_t>(at), ",");
    return count < 0 ? "-" + digits : digits;
}

std::string YesNo(bool met) { return met ? "yes" : "**no**"; }

}  // namespace velkorin::bench
