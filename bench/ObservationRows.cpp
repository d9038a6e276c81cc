// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "ObservationRows.h"

#include "host/data/TClientDataSet.h"

#include <QDate>

namespace bench {

const QByteArray &observationPacket()
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
        for (int i = 0; i < ObservationRows; ++i) {
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

} // namespace bench
