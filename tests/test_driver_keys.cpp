// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// Code entry and the keyboard, driven through the same script driver as the demo host.
#include "support/DialogTest.h"

#include "demo/driver/ScriptDriver.h"
#include "demo/driver/ScriptParser.h"
#include "dialog/CallState.h"
#include "module/Entry.h"
#include "platform/TLabel.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct Session
{
    QVariant result;
    bool stillOpen = false; // the script ran out with the window open
    QString code; // the fields at that moment
    QString desc;
    QString error;
};

class DrivenKeys : public DialogTest
{
protected:
    Session drive(const QString &script)
    {
        Session s;
        const demo::ScriptParser::Result parsed = demo::ScriptParser::parse(script);
        if (!parsed.ok()) {
            s.error = parsed.error;
            return s;
        }
        demo::ScriptDriver driver(parsed.steps);
        // Bound to the driver, so a wind-up still pending when this call ends dies with it.
        const auto windUp = [&] {
            QTimer::singleShot(0, &driver, [&] {
                dialog::TfrmObservacaoMod *f = module::callState().frmObservacaoMod;
                if (f && f->isVisible()) {
                    s.stillOpen = true;
                    s.code = code(*f);
                    s.desc = desc(*f);
                    f->done(0);
                }
            });
        };
        QObject::connect(&driver, &demo::ScriptDriver::finished, windUp);
        QObject::connect(&driver, &demo::ScriptDriver::failed, [&](const QString &m) {
            s.error = m;
            windUp();
        });
        QTimer::singleShot(0, &driver, &demo::ScriptDriver::start);
        s.result = module::observacaoMod(list.get(), QStringLiteral("Observação"));
        return s;
    }
};

TEST_F(DrivenKeys, TypedAndTouchedCharacters)
{
    EXPECT_EQ(drive(QStringLiteral("1 2 3")).code, QStringLiteral("12"));
    EXPECT_EQ(drive(QStringLiteral("a")).code, QStringLiteral("a"));
    EXPECT_EQ(drive(QStringLiteral("tap:sbtA")).code, QStringLiteral("A"));
    EXPECT_EQ(drive(QStringLiteral("é -")).code, QString());
    EXPECT_EQ(drive(QStringLiteral("7 tap:sbtCCdil tap:sbtCCdil")).code, QStringLiteral("7Ç"));
    EXPECT_EQ(drive(QStringLiteral("Ç tap:sbtEspaco Space")).code, QStringLiteral("Ç "));
}

TEST_F(DrivenKeys, BackspaceAndDeleteAfterALookup)
{
    const Session back = drive(QStringLiteral("0 1 Return Backspace"));
    EXPECT_EQ(back.code, QStringLiteral("0"));
    EXPECT_EQ(drive(QStringLiteral("0 1 Return Backspace tap:spdBackSpace")).code, QString());
    const Session del = drive(QStringLiteral("0 1 Return Delete"));
    EXPECT_EQ(del.code, QString());
    EXPECT_EQ(del.desc, QStringLiteral(" Sem cebola;"));
}

TEST_F(DrivenKeys, LocatedCodeSwallowsTypingUntilShortened)
{
    const Session s = drive(QStringLiteral("0 2 Return 5 tap:sbt5 tap:sbtCCdil tap:sbtEspaco Space Backspace 9"));
    EXPECT_EQ(s.code, QStringLiteral("09"));
    EXPECT_EQ(s.desc, QStringLiteral(" Bem passado;"));
}

TEST_F(DrivenKeys, AltShortcuts)
{
    const Session s = drive(QStringLiteral("Ctrl+P Alt+Shift+P Alt+F4"));
    EXPECT_TRUE(s.stillOpen);
    EXPECT_TRUE(h.pesquisaCalls.isEmpty());
    drive(QStringLiteral("Alt+P"));
    EXPECT_EQ(h.pesquisaCalls.size(), 1);
    const Session edit = drive(QStringLiteral("Alt+E"));
    EXPECT_EQ(h.editaCalls.size(), 1);
    EXPECT_EQ(edit.code, QString()); // Alt+E typed no "e"
    const Session confirm = drive(QStringLiteral("0 1 Alt+C"));
    EXPECT_FALSE(confirm.stillOpen);
    EXPECT_EQ(confirm.result.toList().value(0), QVariant(QStringLiteral("01")));
}

TEST_F(DrivenKeys, LeavingByEscapeOrByTheSystem)
{
    for (const char *script : {"Shift+Escape", "0 1 Return Escape", "Alt+Shift+F4", "close"}) {
        const Session s = drive(QString::fromLatin1(script));
        EXPECT_FALSE(s.stillOpen) << script;
        EXPECT_TRUE(s.error.isEmpty()) << script << ": " << s.error.toStdString();
        EXPECT_EQ(s.result.toList(), QVariantList {QStringLiteral("Erro")}) << script;
    }
}

} // namespace
