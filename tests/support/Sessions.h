// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "host/data/TClientDataSet.h"

#include <QString>
#include <QVariant>
#include <QVector>

// The same operator sessions on any observation list holding the bundled sample's rows,
// wherever the list came from: their result arrays, in order.
QVector<QVariant> runSampleSessions(host::TClientDataSet &list);

// Every element of every array of the same type and value; what names the list's source.
void expectSameResults(const QVector<QVariant> &expected, const QVector<QVariant> &actual, const char *what);

// The bundled sample list, read from its packet.
QString samplePacketPath();
