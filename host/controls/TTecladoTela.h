// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "host/controls/KeyDesc.h"
#include "platform/Export.h"

#include <QImage>
#include <QList>
#include <QWidget>
#include <span>

class QAbstractButton;
class QButtonGroup;

namespace host {

class TBlendedButton;

// On-screen keyboard: a panel of touch keys made from a layout table (KeyDesc). Keys sit
// on a grid of equal cells with a 2-pixel gap, laid out again whenever the keyboard is
// resized, or on fixed rectangles. The panel paints nothing, takes no focus and ignores
// presses, so one anywhere but on a key goes on to the window, as Qt hands on any
// event a widget leaves. (A mask of the keys would clip every key's painting to
// forty-five rectangles, at a cost on every paint of the window.)
//
// Every key that reports is in one button group, and a press is reported once: a command
// key through commandClicked, a character key through characterTyped. An exception from a receiver
// is shown to the operator and goes no further. Keys take the panel's font (set it
// before adding keys) unless their description gives one. No key takes focus, so
// physical keys keep going to the owning window.
class OBSHOST_EXPORT TTecladoTela : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Gap = 2;

    // A keyboard of fixed rectangles.
    explicit TTecladoTela(QWidget *parent = nullptr);
    // A keyboard of columns x rows equal cells.
    TTecladoTela(int columns, int rows, QWidget *parent = nullptr);

    // Adds the table's keys in order, which is also their stacking order. With a
    // context, captions and accessible names are translated in it.
    void addKeys(std::span<const KeyDesc> keys, const char *context = nullptr);
    // Adds one key (or the run of character keys it describes) and returns the last
    // key made; picture is shown by a key that has one.
    TBlendedButton *addKey(const KeyDesc &desc, const char *context = nullptr, const QImage &picture = {});

    // The keys, in the order they were made.
    QList<TBlendedButton *> keys() const;
    TBlendedButton *key(const QString &objectName) const;
    QButtonGroup *group() const { return m_group; }

    bool upperCase() const { return m_upperCase; }
    // Letters of character keys follow the case, caption and accessible name alike.
    void setUpperCase(bool upper);

Q_SIGNALS:
    void commandClicked(int command, QAbstractButton *key);
    void characterTyped(QChar c);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Placed
    {
        TBlendedButton *key;
        KeyDesc::Cell cell;
        bool fixed;
        QChar character; // null for a command key
    };

    TBlendedButton *place(TBlendedButton *key, const KeyDesc &desc, KeyDesc::Cell cell, QChar character);
    void clicked(QAbstractButton *key);
    QChar shown(QChar c) const;
    void layoutKeys();
    QRect cellRect(const KeyDesc::Cell &cell) const;

    int m_columns;
    int m_rows;
    bool m_upperCase = true;
    QButtonGroup *m_group;
    QList<Placed> m_keys;
};

} // namespace host
