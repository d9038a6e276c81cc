// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// A whole call through the plug-in, loaded once as a host loads it: build, show, leave
// with a posted Escape, release. Beside it a bare frameless QDialog with as many plain
// children, shown modally and closed the same way, and the window built from Qt's stock
// widgets, shown and closed the same way.
#include "HostSetup.h"
#include "PaintCounter.h"
#include "Plugin.h"
#include "StockWindow.h"

#include "dialog/WindowDescription.h"
#include "host/data/TClientDataSet.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

using bench::leaveWithEscapeOnceShown;
using bench::Plugin;
using bench::plugin;

void moduleCall(benchmark::State &state)
{
    bench::prepareHost();
    const Plugin &p = plugin();
    if (!p.observacaoMod) {
        state.SkipWithError(qPrintable(QStringLiteral("cannot load the plug-in: ") + p.error));
        return;
    }
    const auto list = bench::sampleList();
    const QVariantList left {QStringLiteral("Erro")};
    const int messagesBefore = bench::messagesShown();
    bench::PaintCounter paints;
    for (auto _ : state) {
        leaveWithEscapeOnceShown();
        const QVariant result = p.observacaoMod(list.get(), QStringLiteral("Observação"));
        if (result.toList() != left) {
            state.SkipWithError("the call did not end by the exit command");
            break;
        }
    }
    if (bench::messagesShown() != messagesBefore)
        state.SkipWithError("the module showed a message");
    state.counters["paints"] = benchmark::Counter(double(paints.count()), benchmark::Counter::kAvgIterations);
}

void bareDialog(benchmark::State &state)
{
    bench::PaintCounter paints;
    for (auto _ : state) {
        auto *window = new QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint);
        window->setFixedSize(dialog::kClientWidth, dialog::kClientHeight);
        for (const dialog::ControlDesc &d : dialog::windowControls())
            (new QWidget(window))->setGeometry(d.bounds);
        leaveWithEscapeOnceShown();
        window->exec();
        delete window;
    }
    state.counters["paints"] = benchmark::Counter(double(paints.count()), benchmark::Counter::kAvgIterations);
}

void stockDialog(benchmark::State &state)
{
    bench::PaintCounter paints;
    for (auto _ : state) {
        auto *window = new bench::StockWindow;
        leaveWithEscapeOnceShown();
        window->exec();
        delete window;
    }
    state.counters["paints"] = benchmark::Counter(double(paints.count()), benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK(moduleCall)->Name("call/module")->Unit(benchmark::kMicrosecond);
BENCHMARK(bareDialog)->Name("call/bare_dialog")->Unit(benchmark::kMicrosecond);
BENCHMARK(stockDialog)->Name("call/stock_dialog")->Unit(benchmark::kMicrosecond);
