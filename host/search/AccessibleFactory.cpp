// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/search/AccessibleFactory.h"

#include "host/search/AccessibleSearchDialog.h"
#include "host/search/AccessibleSearchList.h"
#include "host/search/AccessibleTextArea.h"
#include "host/search/TAreaTexto.h"
#include "host/search/TListaPesquisa.h"
#include "host/search/TfrmPesquisa.h"

namespace host {

namespace {

template<typename Widget> bool names(const QString &className)
{
    return className == QLatin1String(Widget::staticMetaObject.className());
}

QAccessibleInterface *searchFactory(const QString &className, QObject *object)
{
    if (names<TAreaTexto>(className))
        if (auto *area = qobject_cast<TAreaTexto *>(object))
            return new AccessibleTextArea(area);
    if (names<TListaPesquisa>(className))
        if (auto *list = qobject_cast<TListaPesquisa *>(object))
            return new AccessibleSearchList(list);
    if (names<TfrmPesquisa>(className))
        if (auto *dialog = qobject_cast<TfrmPesquisa *>(object))
            return new AccessibleSearchDialog(dialog);
    return nullptr;
}

} // namespace

void installSearchAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(searchFactory);
        return true;
    }();
    (void)installed;
}

} // namespace host
