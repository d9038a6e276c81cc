// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/AccessibleText.h"

#include <QAccessibleWidget>

namespace platform {

class TLabel;

// What assistive technology reads of a TLabel, which paints its caption itself: static
// text whose name and text are the caption (an accessible name set on the label takes
// the name's place, as with QLabel).
class AccessibleLabel : public QAccessibleWidget, public AccessibleText
{
public:
    explicit AccessibleLabel(TLabel *label);

    // Makes queryAccessibleInterface answer with this class for every TLabel; once per
    // process, however often called.
    static void installFactory();

    QString text(QAccessible::Text t) const override;
    using AccessibleText::text;
    void *interface_cast(QAccessible::InterfaceType t) override;

    QString plainText() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;

private:
    TLabel *label() const;
};

} // namespace platform
