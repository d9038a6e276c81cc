// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/data/DataPacket.h"

#include "host/data/PacketReader.h"
#include "host/data/PacketWriter.h"
#include "platform/Exception.h"

#include <QBuffer>

#include <limits>
#include <new>

using platform::EDatabaseError;

namespace host {

QString DataPacket::readFailure(const QString &source, const QString &problem)
{
    return source.isEmpty() ? QStringLiteral("Erro ao ler o pacote de dados: %1.").arg(problem)
                            : QStringLiteral("Erro ao ler '%1': %2.").arg(source, problem);
}

QString DataPacket::writeFailure(const QString &target, const QString &problem)
{
    return target.isEmpty() ? QStringLiteral("Erro ao gravar o pacote de dados: %1.").arg(problem)
                            : QStringLiteral("Erro ao gravar '%1': %2.").arg(target, problem);
}

DataPacket::Content DataPacket::read(const QByteArray &bytes, const QString &sourceName)
{
    QBuffer buffer;
    buffer.setData(bytes); // shares the bytes, no copy
    buffer.open(QIODevice::ReadOnly);
    return read(buffer, sourceName, std::numeric_limits<qint64>::max() - 1);
}

DataPacket::Content DataPacket::read(QIODevice &in, const QString &sourceName, qint64 maxBytes)
{
    try {
        return packet::readPacket(in, maxBytes);
    } catch (const platform::Exception &e) {
        throw EDatabaseError(readFailure(sourceName, e.message()));
    } catch (const std::bad_alloc &) {
        throw EDatabaseError(readFailure(sourceName, QStringLiteral("memória insuficiente")));
    }
}

QByteArray DataPacket::write(const QVector<FieldDef> &defs, const QVector<QVariantList> &records,
                             const QString &targetName)
{
    try {
        return packet::writePacket(defs, records);
    } catch (const platform::Exception &e) {
        throw EDatabaseError(writeFailure(targetName, e.message()));
    } catch (const std::bad_alloc &) {
        throw EDatabaseError(writeFailure(targetName, QStringLiteral("memória insuficiente")));
    }
}

} // namespace host
