// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "RatioReporter.h"

#include "Pairs.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace bench {

namespace {

double toNanoseconds(double value, benchmark::TimeUnit unit)
{
    switch (unit) {
    case benchmark::kSecond:
        return value * 1e9;
    case benchmark::kMillisecond:
        return value * 1e6;
    case benchmark::kMicrosecond:
        return value * 1e3;
    case benchmark::kNanosecond:
        break;
    }
    return value;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

std::string shownTime(double ns)
{
    char text[32];
    if (ns >= 1e6)
        std::snprintf(text, sizeof text, "%.2f ms", ns / 1e6);
    else if (ns >= 1e3)
        std::snprintf(text, sizeof text, "%.1f us", ns / 1e3);
    else
        std::snprintf(text, sizeof text, "%.0f ns", ns);
    return text;
}

} // namespace

RatioReporter::RatioReporter()
    : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular)
{ }

void RatioReporter::ReportRuns(const std::vector<Run> &runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run &run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred)
            continue;
        Times &t = m_times[run.run_name.function_name];
        t.real.push_back(toNanoseconds(run.GetAdjustedRealTime(), run.time_unit));
        t.cpu.push_back(toNanoseconds(run.GetAdjustedCPUTime(), run.time_unit));
    }
}

void RatioReporter::printTable(std::ostream &out, const std::string &machine) const
{
    out << "\nMachine: " << machine << "\n";
    out << "Medians of the repetitions, wall clock; the CPU-time ratio beside it.\n\n";
    out << "| benchmark | ours | baseline | ratio | goal | ratio (CPU) |\n";
    out << "|---|---:|---:|---:|---:|---:|\n";
    for (const Pair &p : pairs()) {
        const auto ours = m_times.find(p.ours);
        const auto base = m_times.find(p.baseline);
        char goal[16];
        if (p.goal > 0)
            std::snprintf(goal, sizeof goal, "<= %.1f", p.goal);
        else
            std::snprintf(goal, sizeof goal, "none");
        if (ours == m_times.end() || base == m_times.end()) {
            out << "| " << p.title << " | not run | | | " << goal << " | |\n";
            continue;
        }
        const double o = median(ours->second.real), b = median(base->second.real);
        const double oc = median(ours->second.cpu), bc = median(base->second.cpu);
        char ratio[16], cpuRatio[16];
        std::snprintf(ratio, sizeof ratio, "%.2f", b > 0 ? o / b : 0.0);
        std::snprintf(cpuRatio, sizeof cpuRatio, "%.2f", bc > 0 ? oc / bc : 0.0);
        out << "| " << p.title << " | " << shownTime(o) << " | " << shownTime(b) << " | " << ratio
            << (p.goal > 0 && b > 0 && o / b > p.goal ? " (over)" : "") << " | " << goal << " | " << cpuRatio << " |\n";
    }
}

} // namespace bench
