// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// The Enter command's lookup in a list of 100,000 records whose code is the last one,
// typed in the other case; beside it a plain loop comparing the same codes.
#include "HostSetup.h"

#include "dialog/CallState.h"
#include "dialog/TfrmObservacaoMod.h"
#include "host/controls/TBlendedBitBtn.h"
#include "host/data/TClientDataSet.h"
#include "host/search/Search.h"
#include "platform/TLabel.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Records = 100000;

host::TClientDataSet &bigList()
{
    static const std::unique_ptr<host::TClientDataSet> list = [] {
        auto t = std::make_unique<host::TClientDataSet>();
        t->AddFieldDef({QStringLiteral("CDOCORR"), host::FieldType::String, 2});
        t->AddFieldDef({QStringLiteral("DSOBS"), host::FieldType::String, 30});
        t->AddFieldDef({QStringLiteral("DSOCORR"), host::FieldType::String, 60});
        t->CreateDataSet();
        // Every code but "ZZ" many times over; "ZZ" once, at the end.
        const QString digits = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXY");
        for (int i = 0; i < Records - 1; ++i) {
            const QString code = QString(digits.at(i % digits.size())) + digits.at(i / digits.size() % digits.size());
            const QString text = QStringLiteral("Observação %1").arg(i);
            t->AppendRecord({code, text, text});
        }
        t->AppendRecord({QStringLiteral("ZZ"), QStringLiteral("Última"), QStringLiteral("Última observação")});
        t->First();
        return t;
    }();
    return *list;
}

const QString Typed = QStringLiteral("zz");

void windowEnter(benchmark::State &state)
{
    bench::prepareHost();
    host::TClientDataSet &list = bigList();
    dialog::CallState call;
    dialog::TfrmObservacaoMod window(call);
    window.InicializaForm(&list, QStringLiteral("Observação"));
    // The edit command, with an editor that clears the text, resets what Enter builds.
    const host::EditaTextoProc savedEditor = host::EditaTexto;
    host::EditaTexto = [](int, const QString &, int, int, int) { return QString(); };
    const QString found = QStringLiteral("ZZ - Última");

    for (auto _ : state) {
        state.PauseTiming();
        window.sbtEditaDescClick(window.sbtEditaDesc);
        window.lblInformacao->SetCaption(Typed);
        state.ResumeTiming();
        window.sbtEnterClick(window.sbtEnter);
        if (window.lblInformacao->Caption() != found) {
            state.SkipWithError("Enter did not find the last record");
            break;
        }
    }
    host::EditaTexto = savedEditor;
}

void plainLoop(benchmark::State &state)
{
    QVector<QString> codes;
    codes.reserve(Records);
    for (const QVariantList &record : bigList().AllRecords())
        codes.append(record.at(0).toString());
    for (auto _ : state) {
        qsizetype at = -1;
        for (qsizetype i = 0; i < codes.size(); ++i) {
            if (codes.at(i).compare(Typed, Qt::CaseInsensitive) == 0) {
                at = i;
                break;
            }
        }
        benchmark::DoNotOptimize(at);
        if (at != Records - 1) {
            state.SkipWithError("the loop did not find the last record");
            break;
        }
    }
}

} // namespace

BENCHMARK(windowEnter)->Name("enter_lookup/window")->Unit(benchmark::kMicrosecond);
BENCHMARK(plainLoop)->Name("enter_lookup/plain_loop")->Unit(benchmark::kMicrosecond);
