// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// Memory growth over many calls in one process: a host calls the module for every order
// all day long, so a call must give back everything it takes.
#include "support/DialogHarness.h"

#include "platform/TLabel.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>
#include <malloc.h>
#include <unistd.h>

using dialog::TfrmObservacaoMod;

namespace {

// Resident set size in bytes, after deferred deletions have run and the allocator has
// handed its free pages back, so that the figure follows live memory.
qint64 residentBytes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().simplified().split(' ');
    return fields.size() < 2 ? -1 : fields.at(1).toLongLong() * sysconf(_SC_PAGESIZE);
}

TEST(Growth, ThousandCallsLeftWithTheExitCommandKeepResidentMemoryFlat)
{
    DialogHarness h;
    h.writeParameterFile(parameterPacket(QStringLiteral("001"), 0x2C5BCC, 0xCCCCCC, 0x808080, 0xFFFFFF));
    const auto list = makeObservationList();

    constexpr int Calls = 1000;
    constexpr int Settled = 100; // caches (fonts, glyphs, pictures) are warm by then
    constexpr qint64 Allowed = 1024 * 1024;
    qint64 atSettled = -1;
    int leftWithExit = 0;
    int composed = 0;

    for (int call = 1; call <= Calls; ++call) {
        // Each call paints its window, looks an observation up, so its text is built, then
        // leaves by Escape.
        const QVariant result = h.call(list.get(), QStringLiteral("Observação"), [&](TfrmObservacaoMod &f) {
            if (!QTest::qWaitForWindowExposed(&f)) {
                ADD_FAILURE() << "call " << call << ": the window was not exposed";
                return;
            }
            QTest::keyClicks(&f, QStringLiteral("02"));
            QTest::keyClick(&f, Qt::Key_Return);
            if (f.lblDesc->Caption() == QStringLiteral(" Bem passado;"))
                ++composed;
            QTest::keyClick(&f, Qt::Key_Escape);
        });
        if (!h.leftOpen && result.toList() == QVariantList {QStringLiteral("Erro")})
            ++leftWithExit;
        if (call == Settled)
            atSettled = residentBytes();
    }
    const qint64 atEnd = residentBytes();

    EXPECT_EQ(leftWithExit, Calls);
    EXPECT_EQ(composed, Calls);
    EXPECT_TRUE(h.messages.isEmpty()) << messageTexts(h.messages).join(u'\n').toStdString();
    ASSERT_GT(atSettled, 0);
    const qint64 growth = atEnd - atSettled;
    RecordProperty("rss_at_100_kib", int(atSettled / 1024));
    RecordProperty("rss_at_1000_kib", int(atEnd / 1024));
    EXPECT_LT(growth, Allowed) << "resident memory grew by " << growth / 1024 << " KiB from call " << Settled
                               << " to call " << Calls;
}

} // namespace
