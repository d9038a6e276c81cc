// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace bench {

// The console report, plus a table of each pair's ratio from the medians of their
// repetitions.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    // Colours only on a terminal, so that a report kept in a file stays plain text.
    RatioReporter();
    void ReportRuns(const std::vector<Run> &runs) override;
    void printTable(std::ostream &out, const std::string &machine) const;

private:
    struct Times
    {
        std::vector<double> real; // nanoseconds per iteration, one per repetition
        std::vector<double> cpu;
    };
    std::map<std::string, Times> m_times;
};

} // namespace bench
