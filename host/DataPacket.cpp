#include "host/DataPacket.h"

#include "host/PacketReader.h"
#include "host/PacketWriter.h"
#include "platform/Exception.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <atomic>
#include <limits>
#include <new>

using platform::EDatabaseError;

namespace host {

namespace {

QString readFailure(const QString &source, const QString &problem)
{
    return source.isEmpty() ? QStringLiteral("Erro ao ler o pacote de dados: %1.").arg(problem)
                            : QStringLiteral("Erro ao ler '%1': %2.").arg(source, problem);
}

QString writeFailure(const QString &target, const QString &problem)
{
    return target.isEmpty() ? QStringLiteral("Erro ao gravar o pacote de dados: %1.").arg(problem)
                            : QStringLiteral("Erro ao gravar '%1': %2.").arg(target, problem);
}

} // namespace

// ---- DataPacket ----

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

// ---- TClientDataSet's files ----

void TClientDataSet::LoadFromBytes(const QByteArray &bytes, const QString &sourceName)
{
    DataPacket::Content content = DataPacket::read(bytes, sourceName);
    load(std::move(content.defs), std::move(content.records));
}

void TClientDataSet::load(QVector<FieldDef> defs, QVector<QVariantList> records)
{
    // Everything that can fail happens before the table is touched. Field objects that
    // exist already are kept, so pointers to them stay valid.
    const size_t fieldCount = size_t(defs.size());
    std::vector<std::unique_ptr<TField>> fields;
    fields.reserve(fieldCount);
    for (size_t i = 0; i < fieldCount; ++i)
        fields.push_back(i < m_fields.size() ? nullptr : std::make_unique<TField>(this, int(i)));
    QVector<int> visible;
    visible.reserve(records.size());

    for (size_t i = 0; i < fieldCount && i < m_fields.size(); ++i)
        fields[i] = std::move(m_fields[i]);
    m_fields.swap(fields);
    m_defs.swap(defs);
    m_records.swap(records);
    m_visible.swap(visible);
    m_current = -1;
    m_active = true;
    rebuildVisible(); // the first (visible) record becomes current
}

QByteArray TClientDataSet::SaveToBytes() const
{
    checkActive();
    return DataPacket::write(m_defs, m_records);
}

namespace {
std::atomic<qint64> sharedFileSizeLimit {TClientDataSet::DefaultMaxFileSize};
} // namespace

void TClientDataSet::SetMaxFileSize(qint64 bytes)
{
    sharedFileSizeLimit = bytes > 0 ? bytes : DefaultMaxFileSize;
}

qint64 TClientDataSet::MaxFileSize()
{
    return sharedFileSizeLimit;
}

void TClientDataSet::LoadFromFile(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        throw EDatabaseError(readFailure(fileName, QStringLiteral("o arquivo não existe")));
    if (!info.isFile())
        throw EDatabaseError(readFailure(fileName, QStringLiteral("não é um arquivo")));
    const qint64 limit = FileSizeLimit();
    if (info.size() > limit)
        throw EDatabaseError(readFailure(
            fileName, QStringLiteral("o arquivo tem %1 bytes, mais que o limite de %2 bytes").arg(info.size()).arg(limit)));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EDatabaseError(
            readFailure(fileName, QStringLiteral("não foi possível abri-lo (%1)").arg(file.errorString())));
    DataPacket::Content content = DataPacket::read(file, fileName, limit);
    load(std::move(content.defs), std::move(content.records));
}

void TClientDataSet::SaveToFile(const QString &fileName) const
{
    checkActive();
    const QByteArray bytes = DataPacket::write(m_defs, m_records, fileName);
    // Written aside and renamed into place: a failure leaves any previous file as it was.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EDatabaseError(writeFailure(fileName, file.errorString()));
}

} // namespace host
