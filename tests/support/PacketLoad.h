// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>

namespace host {
class TClientDataSet;
}

// The message of the error that loading bytes as the named file raises; a load that
// succeeds fails the test.
QString loadError(host::TClientDataSet &table, const QByteArray &bytes,
                  const QString &fileName = QStringLiteral("lista.xml"));
