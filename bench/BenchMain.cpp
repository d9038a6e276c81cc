// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// Runs every benchmark with its baseline in one process, repetitions interleaved at
// random so that a slow spell of the machine falls on both sides, then prints the ratios.
#include "FirstFrame.h"
#include "Machine.h"
#include "RatioReporter.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <iostream>
#include <vector>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A child started to time a fresh process's first frame.
    if (const QByteArray side = qgetenv(bench::kFirstFrameChildVariable); !side.isEmpty()) {
        const int calls = qEnvironmentVariableIntValue("OBS_BENCH_CALLS");
        return bench::runFirstFrameChild(side, calls > 0 ? calls : 1);
    }

    // Defaults first: flags given on the command line come later and win.
    std::vector<char *> args {argv[0]};
    char repetitions[] = "--benchmark_repetitions=5";
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    char noAggregates[] = "--benchmark_report_aggregates_only=false";
    args.insert(args.end(), {repetitions, interleave, noAggregates});
    args.insert(args.end(), argv + 1, argv + argc);
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;

    const std::string machine = bench::machineDescription();
    benchmark::AddCustomContext("machine", machine);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printTable(std::cout, machine);
    benchmark::Shutdown();
    return 0;
}
