// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// Loading a 10,000-row packet of the observation list's shape into a table; beside it
// one QXmlStreamReader pass over the same bytes.
#include "host/data/TClientDataSet.h"

#include <QDate>
#include <QXmlStreamReader>
#include <benchmark/benchmark.h>

namespace {

constexpr int Rows = 10000;

const QByteArray &packet()
{
    static const QByteArray bytes = [] {
        using host::FieldType;
        host::TClientDataSet t;
        t.AddFieldDef({QStringLiteral("CDOCORR"), FieldType::String, 2});
        t.AddFieldDef({QStringLiteral("DSOBS"), FieldType::String, 30});
        t.AddFieldDef({QStringLiteral("DSOCORR"), FieldType::String, 60});
        t.AddFieldDef({QStringLiteral("NRORDEM"), FieldType::Int32});
        t.AddFieldDef({QStringLiteral("VLACRESCIMO"), FieldType::Currency});
        t.AddFieldDef({QStringLiteral("DTCADASTRO"), FieldType::Date});
        t.AddFieldDef({QStringLiteral("FLATIVO"), FieldType::Boolean});
        t.CreateDataSet();
        const QDate start(2021, 3, 15);
        for (int i = 0; i < Rows; ++i) {
            const QString code = QString::number(i % 100).rightJustified(2, QLatin1Char('0'));
            t.AppendRecord({code, QStringLiteral("Observação %1").arg(i),
                            QStringLiteral("Descrição da ocorrência nº %1, com açúcar").arg(i), i,
                            i % 7 == 0 ? QVariant::fromValue(nullptr) : QVariant(i * 0.25), start.addDays(i % 365),
                            i % 3 != 0});
        }
        return t.SaveToBytes();
    }();
    return bytes;
}

void tableLoad(benchmark::State &state)
{
    const QByteArray &bytes = packet();
    host::TClientDataSet t;
    for (auto _ : state) {
        t.LoadFromBytes(bytes);
        if (t.RecordCount() != Rows) {
            state.SkipWithError("the packet did not load whole");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void xmlPass(benchmark::State &state)
{
    const QByteArray &bytes = packet();
    for (auto _ : state) {
        QXmlStreamReader xml(bytes);
        int elements = 0;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement)
                ++elements;
        benchmark::DoNotOptimize(elements);
        if (xml.hasError()) {
            state.SkipWithError("the reader failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

} // namespace

BENCHMARK(tableLoad)->Name("load_packet/TClientDataSet")->Unit(benchmark::kMillisecond);
BENCHMARK(xmlPass)->Name("load_packet/QXmlStreamReader")->Unit(benchmark::kMillisecond);
