// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "PacketLoad.h"

#include "host/data/TClientDataSet.h"
#include "platform/Exception.h"

#include <gtest/gtest.h>

QString loadError(host::TClientDataSet &table, const QByteArray &bytes, const QString &fileName)
{
    try {
        table.LoadFromBytes(bytes, fileName);
    } catch (const platform::EDatabaseError &e) {
        return e.message();
    }
    ADD_FAILURE() << "loaded without error: " << bytes.left(300).toStdString();
    return {};
}
