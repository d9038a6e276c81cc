// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// Time to the first frame: from the call to the first paint of its window. Warm, in this
// process after earlier calls; fresh, in a new process of obsbench whose first call is
// timed, font database and all. Beside each, the window built from Qt's stock widgets.
#include "FirstFrame.h"
#include "HostSetup.h"
#include "Plugin.h"
#include "StockWindow.h"

#include "host/data/TClientDataSet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <benchmark/benchmark.h>

namespace {

void warmModule(benchmark::State &state)
{
    bench::prepareHost();
    const bench::Plugin &p = bench::plugin();
    if (!p.observacaoMod) {
        state.SkipWithError(qPrintable(QStringLiteral("cannot load the plug-in: ") + p.error));
        return;
    }
    const auto list = bench::sampleList();
    for (auto _ : state) {
        bench::FirstFrame frame;
        p.observacaoMod(list.get(), QStringLiteral("Observação"));
        if (frame.nanoseconds() < 0) {
            state.SkipWithError("the window did not paint");
            break;
        }
        state.SetIterationTime(double(frame.nanoseconds()) / 1e9);
    }
}

void warmStock(benchmark::State &state)
{
    for (auto _ : state) {
        bench::FirstFrame frame;
        bench::StockWindow window;
        window.exec();
        if (frame.nanoseconds() < 0) {
            state.SkipWithError("the window did not paint");
            break;
        }
        state.SetIterationTime(double(frame.nanoseconds()) / 1e9);
    }
}

// One fresh process per iteration; its own figure is the time, the whole process's
// wall time (start to exit) a counter beside it.
void fresh(benchmark::State &state, const char *side)
{
    double processSeconds = 0;
    for (auto _ : state) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(bench::kFirstFrameChildVariable), QString::fromLatin1(side));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer clock;
        clock.start();
        child.start(QCoreApplication::applicationFilePath(), {});
        const bool ended = child.waitForFinished(30000);
        processSeconds += double(clock.nsecsElapsed()) / 1e9;
        bool ok = false;
        const qint64 ns = child.readAllStandardOutput().trimmed().toLongLong(&ok);
        if (!ended || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0 || !ok) {
            state.SkipWithError("the child process failed");
            break;
        }
        state.SetIterationTime(double(ns) / 1e9);
    }
    state.counters["process_ms"] = benchmark::Counter(processSeconds * 1e3, benchmark::Counter::kAvgIterations);
}

void freshModule(benchmark::State &state)
{
    fresh(state, "module");
}

void freshStock(benchmark::State &state)
{
    fresh(state, "stock");
}

} // namespace

BENCHMARK(warmModule)->Name("first_frame/module")->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(warmStock)->Name("first_frame/stock_dialog")->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(freshModule)
    ->Name("first_frame_fresh/module")
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(freshStock)
    ->Name("first_frame_fresh/stock_dialog")
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);
