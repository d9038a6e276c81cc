// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "Input.h"

#include "dialog/TfrmObservacaoMod.h"
#include "host/controls/TBlendedButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

void press(QWidget &w, int key, Qt::KeyboardModifiers mods, const QString &text)
{
    QKeyEvent down(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(&w, &down);
    QKeyEvent up(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(&w, &up);
}

void type(QWidget &w, QChar c)
{
    int key = c.toUpper().unicode();
    if (c == u'-')
        key = Qt::Key_Minus;
    else if (c == u' ')
        key = Qt::Key_Space;
    const Qt::KeyboardModifiers mods = c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
    press(w, key, mods, QString(c));
}

void type(QWidget &w, const QString &text)
{
    for (QChar c : text)
        type(w, c);
}

void typeText(QWidget *w, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

host::TBlendedButton *key(QWidget *window, const QString &name)
{
    auto *button = window->findChild<host::TBlendedButton *>(name);
    EXPECT_NE(button, nullptr) << name.toStdString();
    return button;
}

void tap(QWidget *window, const QString &name)
{
    if (host::TBlendedButton *button = key(window, name))
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

void touch(dialog::TfrmObservacaoMod &f, const QString &code)
{
    for (QChar c : code) {
        const QString name = c == QChar(0xC7) ? QStringLiteral("sbtCCdil") : QStringLiteral("sbt") + c;
        auto *button = qobject_cast<host::TBlendedButton *>(f.control(name));
        ASSERT_NE(button, nullptr) << name.toStdString();
        button->click();
    }
}
