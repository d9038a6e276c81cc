// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "Sessions.h"

#include "DialogHarness.h"
#include "Input.h"

#include "host/controls/TBlendedBitBtn.h"

#include <gtest/gtest.h>

#include <cmath>

using dialog::TfrmObservacaoMod;

QVector<QVariant> runSampleSessions(host::TClientDataSet &list)
{
    DialogHarness h;
    const QString caption = QStringLiteral("Observação");
    auto confirm = [&](const QStringList &codes) {
        return h.call(&list, caption, [&](TfrmObservacaoMod &f) {
            for (const QString &c : codes) {
                touch(f, c);
                f.sbtEnter->click();
                f.sbtCorrigir->click();
            }
            touch(f, codes.constLast());
            f.spbConfirmar->click();
        });
    };
    QVector<QVariant> results;
    results << confirm({QStringLiteral("01")}); // money null
    results << confirm({QStringLiteral("13")}); // money 3.5
    results << confirm({QStringLiteral("17")}); // no date
    results << confirm({QStringLiteral("7"), QStringLiteral("15")}); // "7" is "07"; two observations
    results << h.call(&list, caption, [&](TfrmObservacaoMod &f) { f.sbtSair->click(); });
    return results;
}

namespace {

bool same(const QVariant &a, const QVariant &b)
{
    if (a.metaType() != b.metaType())
        return false;
    if (a.metaType().id() == QMetaType::Double && std::isnan(a.toDouble()))
        return std::isnan(b.toDouble());
    if (a.metaType().id() == QMetaType::QVariantList) {
        const QVariantList x = a.toList(), y = b.toList();
        if (x.size() != y.size())
            return false;
        for (qsizetype i = 0; i < x.size(); ++i)
            if (!same(x.at(i), y.at(i)))
                return false;
        return true;
    }
    return a == b;
}

QString shown(const QVariant &v)
{
    if (v.metaType().id() == QMetaType::QVariantList) {
        QStringList parts;
        for (const QVariant &e : v.toList())
            parts << shown(e);
        return u'[' + parts.join(QStringLiteral(", ")) + u']';
    }
    return QStringLiteral("%1(%2)").arg(QString::fromLatin1(v.typeName()), v.toString());
}

} // namespace

void expectSameResults(const QVector<QVariant> &expected, const QVector<QVariant> &actual, const char *what)
{
    ASSERT_EQ(expected.size(), actual.size()) << what;
    for (qsizetype i = 0; i < expected.size(); ++i)
        EXPECT_TRUE(same(expected.at(i), actual.at(i)))
            << what << ", session " << i + 1 << ":\n  packet: " << shown(expected.at(i)).toStdString() << "\n  " << what
            << ": " << shown(actual.at(i)).toStdString();
}

QString samplePacketPath()
{
    return QStringLiteral(OBS_SOURCE_DIR "/samples/observacoes.xml");
}
