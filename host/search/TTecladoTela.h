// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

#include <QList>
#include <QWidget>

namespace host {

class TBlendedButton;
struct SearchLook;

// On-screen keyboard: touch keys on a grid of equal cells with a 2-pixel gap, laid out
// again whenever the keyboard is resized. Character keys report their character;
// letters follow the keyboard's case. Command keys are handed back for the owner to
// wire. No key takes focus, so physical keys keep going to the owning dialog.
class OBSHOST_EXPORT TTecladoTela : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Gap = 2;

    TTecladoTela(int columns, int rows, QWidget *parent = nullptr);

    // A key typing c, named "btnTecla<code>" after the upper-case character's code,
    // which is also its Tag.
    TBlendedButton *addCharacter(QChar c, int row, int column, int span = 1);
    TBlendedButton *addCommand(const QString &objectName, const QString &caption, const QString &accessibleName,
                               int row, int column, int span = 1);

    bool upperCase() const { return m_upperCase; }
    void setUpperCase(bool upper);

    void setLook(const SearchLook &look);

Q_SIGNALS:
    void characterTyped(QChar c);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Cell
    {
        TBlendedButton *key;
        int row;
        int column;
        int span;
        QChar character; // null for a command key
    };

    TBlendedButton *place(TBlendedButton *key, int row, int column, int span, QChar character);
    QChar shown(QChar c) const;
    void layoutKeys();

    int m_columns;
    int m_rows;
    bool m_upperCase = true;
    QList<Cell> m_cells;
};

} // namespace host
