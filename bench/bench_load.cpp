// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// Loading a 10,000-row packet of the observation list's shape into a table; beside it
// one QXmlStreamReader pass over the same bytes.
#include "ObservationRows.h"

#include "host/data/TClientDataSet.h"

#include <QXmlStreamReader>
#include <benchmark/benchmark.h>

namespace {

using bench::ObservationRows;

const QByteArray &packet()
{
    return bench::observationPacket();
}

void tableLoad(benchmark::State &state)
{
    const QByteArray &bytes = packet();
    host::TClientDataSet t;
    for (auto _ : state) {
        t.LoadFromBytes(bytes);
        if (t.RecordCount() != ObservationRows) {
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
