// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/data/TClientDataSet.h"

#include "host/data/DataPacket.h"
#include "host/data/FieldValue.h"
#include "host/data/PacketForms.h"
#include "platform/Exception.h"
#include "platform/Variants.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <atomic>
#include <cmath>
#include <limits>
#include <utility>

using platform::EConvertError;
using platform::EDatabaseError;

namespace host {

// What a table holds (TClientDataSet::d).
struct TClientDataSet::Private
{
    QVector<FieldDef> m_defs;
    std::vector<std::unique_ptr<TField>> m_fields;
    QVector<QVariantList> m_records;
    QVector<int> m_visible; // indexes into m_records
    int m_current = -1; // index into m_visible
    bool m_active = false;
    bool m_filtered = false;
    qint64 m_fileSizeLimit = 0;
};

// ---- TField ----

TField::TField(TClientDataSet *table, int index)
    : m_table(table)
    , m_index(index)
{ }

QString TField::FieldName() const
{
    return m_table->d->m_defs.at(m_index).name;
}

FieldType TField::DataType() const
{
    return m_table->d->m_defs.at(m_index).type;
}

QVariant TField::Value() const
{
    // Reading must take the const path: the writable cell raises when there is no
    // current record, where a read gives null as for a null value.
    return std::as_const(*m_table).cell(m_index);
}

void TField::SetValue(const QVariant &value)
{
    QVariant &cell = m_table->cell(m_index);
    const int record = int(m_table->d->m_visible.at(m_table->d->m_current)) + 1;
    cell = FieldValue::convert(m_table->d->m_defs.at(m_index), value, record);
}

bool TField::IsNull() const
{
    return platform::varIsNull(Value());
}

QString TField::AsString() const
{
    return platform::varToStr(Value());
}

int TField::AsInteger() const
{
    const QVariant v = Value();
    if (platform::varIsNull(v))
        return 0;
    const std::optional<qint64> n = platform::varToInt64(v);
    if (!n || *n < std::numeric_limits<int>::min() || *n > std::numeric_limits<int>::max())
        throw EConvertError(
            QStringLiteral("'%1' não é um valor inteiro válido para o campo '%2'.").arg(v.toString(), FieldName()));
    return int(*n);
}

// ---- TClientDataSet ----

TClientDataSet::TClientDataSet()
    : d(std::make_unique<Private>())
{ }

TClientDataSet::~TClientDataSet() = default;

QVector<FieldDef> TClientDataSet::FieldDefs() const
{
    return d->m_defs;
}

bool TClientDataSet::Active() const
{
    return d->m_active;
}

int TClientDataSet::FieldCount() const
{
    return int(d->m_defs.size());
}

const QVector<QVariantList> &TClientDataSet::AllRecords() const
{
    return d->m_records;
}

bool TClientDataSet::Filtered() const
{
    return d->m_filtered;
}

void TClientDataSet::SetFileSizeLimit(qint64 bytes)
{
    d->m_fileSizeLimit = bytes > 0 ? bytes : 0;
}

qint64 TClientDataSet::FileSizeLimit() const
{
    return d->m_fileSizeLimit > 0 ? d->m_fileSizeLimit : MaxFileSize();
}

void TClientDataSet::AddFieldDef(const FieldDef &def)
{
    if (d->m_active)
        throw EDatabaseError(QStringLiteral("Não é possível definir campos numa tabela aberta."));
    if (def.name.isEmpty())
        throw EDatabaseError(QStringLiteral("Campo sem nome."));
    for (const FieldDef &d : std::as_const(d->m_defs))
        if (d.name.compare(def.name, Qt::CaseInsensitive) == 0)
            throw EDatabaseError(QStringLiteral("Campo '%1' definido duas vezes.").arg(def.name));
    d->m_defs.append(def);
    d->m_fields.push_back(std::make_unique<TField>(this, int(d->m_defs.size()) - 1));
}

void TClientDataSet::CreateDataSet()
{
    d->m_records.clear();
    d->m_active = true;
    rebuildVisible();
}

void TClientDataSet::Close()
{
    d->m_active = false;
}

void TClientDataSet::SetActive(bool active)
{
    if (active == d->m_active)
        return;
    if (active)
        CreateDataSet();
    else
        Close();
}

void TClientDataSet::checkActive() const
{
    if (!d->m_active)
        throw EDatabaseError(QStringLiteral("Operação não permitida numa tabela fechada."));
}

TField *TClientDataSet::GetField(int index)
{
    if (index < 0 || index >= FieldCount())
        throw EDatabaseError(QStringLiteral("Índice de campo fora dos limites: %1.").arg(index));
    return d->m_fields[size_t(index)].get();
}

TField *TClientDataSet::FindField(const QString &name)
{
    for (int i = 0; i < FieldCount(); ++i)
        if (d->m_defs.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return d->m_fields[size_t(i)].get();
    return nullptr;
}

TField *TClientDataSet::FieldByName(const QString &name)
{
    if (TField *f = FindField(name))
        return f;
    throw EDatabaseError(QStringLiteral("Campo '%1' não encontrado.").arg(name));
}

void TClientDataSet::AppendRecord(const QVariantList &values)
{
    checkActive();
    if (values.size() > FieldCount())
        throw EDatabaseError(
            QStringLiteral("Registro com %1 valores numa tabela de %2 campos.").arg(values.size()).arg(FieldCount()));
    // Converted whole before the table is touched: a refused value appends nothing.
    const int number = int(d->m_records.size()) + 1;
    QVariantList record;
    record.reserve(FieldCount());
    for (int i = 0; i < FieldCount(); ++i)
        record.append(FieldValue::convert(d->m_defs.at(i), i < values.size() ? values.at(i) : QVariant(), number));
    d->m_records.append(record);
    const int raw = int(d->m_records.size()) - 1;
    if (!d->m_filtered || !OnFilterRecord || OnFilterRecord(*this, record)) {
        d->m_visible.append(raw);
        d->m_current = int(d->m_visible.size()) - 1;
    }
}

void TClientDataSet::LoadFromRecords(const QVector<FieldDef> &defs, const QVector<QVariantList> &records)
{
    QStringList names;
    for (const FieldDef &def : defs) {
        if (def.name.isEmpty())
            throw EDatabaseError(QStringLiteral("Campo sem nome."));
        for (const QString &name : std::as_const(names))
            if (name.compare(def.name, Qt::CaseInsensitive) == 0)
                throw EDatabaseError(QStringLiteral("Campo '%1' definido duas vezes.").arg(def.name));
        names.append(def.name);
    }
    QVector<QVariantList> converted;
    converted.reserve(records.size());
    for (qsizetype r = 0; r < records.size(); ++r) {
        const QVariantList &values = records.at(r);
        if (values.size() > defs.size())
            throw EDatabaseError(QStringLiteral("Registro %1 com %2 valores numa tabela de %3 campos.")
                                     .arg(r + 1)
                                     .arg(values.size())
                                     .arg(defs.size()));
        QVariantList record;
        record.reserve(defs.size());
        for (qsizetype i = 0; i < defs.size(); ++i)
            record.append(FieldValue::convert(defs.at(i), i < values.size() ? values.at(i) : QVariant(), int(r) + 1));
        converted.append(std::move(record));
    }
    load(defs, std::move(converted));
}

int TClientDataSet::RecordCount() const
{
    checkActive();
    return int(d->m_visible.size());
}

int TClientDataSet::RecNo() const
{
    return d->m_visible.isEmpty() ? -1 : d->m_current;
}

void TClientDataSet::SetRecNo(int position)
{
    checkActive();
    if (position < 0 || position >= d->m_visible.size())
        throw EDatabaseError(QStringLiteral("Registro %1 fora dos limites.").arg(position));
    d->m_current = position;
}

void TClientDataSet::First()
{
    checkActive();
    d->m_current = 0;
}

void TClientDataSet::Next()
{
    checkActive();
    if (d->m_current < d->m_visible.size())
        ++d->m_current;
}

bool TClientDataSet::Eof() const
{
    return d->m_visible.isEmpty() || d->m_current >= d->m_visible.size();
}

QVariantList TClientDataSet::CurrentRecord() const
{
    if (!d->m_active || d->m_current < 0 || d->m_current >= d->m_visible.size())
        return {};
    return d->m_records.at(d->m_visible.at(d->m_current));
}

const QVariant &TClientDataSet::cell(int field) const
{
    checkActive();
    if (d->m_visible.isEmpty() || d->m_current < 0 || d->m_current >= d->m_visible.size()) {
        static const QVariant null = platform::varNull();
        return null;
    }
    return d->m_records.at(d->m_visible.at(d->m_current)).at(field);
}

QVariant &TClientDataSet::cell(int field)
{
    checkActive();
    if (d->m_visible.isEmpty() || d->m_current < 0 || d->m_current >= d->m_visible.size())
        throw EDatabaseError(QStringLiteral("Não há registro corrente."));
    return d->m_records[d->m_visible.at(d->m_current)][field];
}

bool TClientDataSet::Locate(const QString &fieldName, const QVariant &value, int options)
{
    checkActive();
    const int field = FieldByName(fieldName)->Index();
    const Qt::CaseSensitivity cs = (options & loCaseInsensitive) ? Qt::CaseInsensitive : Qt::CaseSensitive;
    const QString key = platform::varToStr(value);
    const bool partial = options & loPartialKey;
    // A numeric field holds numbers, which have no leading zeros to compare as text.
    const packet::ValueKind kind = packet::kindOf(d->m_defs.at(field).type);
    if (!partial && (kind == packet::ValueKind::Integer || kind == packet::ValueKind::Decimal)) {
        QString problem;
        const QVariant number = FieldValue::tryConvert(d->m_defs.at(field), value, &problem);
        if (number.isValid() && !platform::varIsNull(number)) {
            for (int pos = 0; pos < d->m_visible.size(); ++pos) {
                const QVariant &v = d->m_records.at(d->m_visible.at(pos)).at(field);
                if (!platform::varIsNull(v) && v.toDouble() == number.toDouble()
                    && (kind == packet::ValueKind::Decimal || v.toLongLong() == number.toLongLong())) {
                    d->m_current = pos;
                    return true;
                }
            }
            return false;
        }
    }
    const QMetaType textType = QMetaType::fromType<QString>();
    for (int pos = 0; pos < d->m_visible.size(); ++pos) {
        const QVariant &v = d->m_records.at(d->m_visible.at(pos)).at(field);
        // Text, as codes are, is compared where it lies: a copy per record would cost
        // more than the comparison in a long list.
        const bool isText = v.metaType() == textType;
        if (!isText && platform::varIsNull(v))
            continue;
        const QString converted = isText ? QString() : v.toString();
        const QString &text = isText ? *static_cast<const QString *>(v.constData()) : converted;
        const bool match = partial ? text.startsWith(key, cs) : text.compare(key, cs) == 0;
        if (match) {
            d->m_current = pos;
            return true;
        }
    }
    return false;
}

void TClientDataSet::SetFiltered(bool on)
{
    if (on == d->m_filtered)
        return;
    d->m_filtered = on;
    rebuildVisible();
}

void TClientDataSet::Refilter()
{
    rebuildVisible();
}

void TClientDataSet::rebuildVisible()
{
    const int rawCurrent
        = (d->m_current >= 0 && d->m_current < d->m_visible.size()) ? d->m_visible.at(d->m_current) : -1;
    d->m_visible.clear();
    d->m_visible.reserve(d->m_records.size());
    const bool filtering = d->m_filtered && OnFilterRecord;
    for (int i = 0; i < d->m_records.size(); ++i)
        if (!filtering || OnFilterRecord(*this, d->m_records.at(i)))
            d->m_visible.append(i);
    // Keep the current record where it is still visible; otherwise the first.
    const int kept = rawCurrent < 0 ? -1 : int(d->m_visible.indexOf(rawCurrent));
    d->m_current = kept >= 0 ? kept : 0;
}

namespace {

// QVariant's == converts between types ("5" equals 5), so the types must match too; and a
// NaN, which equals nothing, is the same value as another NaN, or a table would differ
// from its own copy.
bool sameValue(const QVariant &a, const QVariant &b)
{
    if (a.metaType() != b.metaType())
        return false;
    const int id = a.metaType().id();
    if ((id == QMetaType::Double || id == QMetaType::Float) && std::isnan(a.toDouble()) && std::isnan(b.toDouble()))
        return true;
    return a == b;
}

} // namespace

bool TClientDataSet::sameContent(const TClientDataSet &other) const
{
    if (d->m_defs != other.d->m_defs || d->m_records.size() != other.d->m_records.size())
        return false;
    for (qsizetype r = 0; r < d->m_records.size(); ++r) {
        const QVariantList &a = d->m_records.at(r);
        const QVariantList &b = other.d->m_records.at(r);
        if (a.size() != b.size())
            return false;
        for (qsizetype i = 0; i < a.size(); ++i)
            if (!sameValue(a.at(i), b.at(i)))
                return false;
    }
    return true;
}

// ---- Files: the XML data packet ----

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
        fields.push_back(i < d->m_fields.size() ? nullptr : std::make_unique<TField>(this, int(i)));
    QVector<int> visible;
    visible.reserve(records.size());

    for (size_t i = 0; i < fieldCount && i < d->m_fields.size(); ++i)
        fields[i] = std::move(d->m_fields[i]);
    d->m_fields.swap(fields);
    d->m_defs.swap(defs);
    d->m_records.swap(records);
    d->m_visible.swap(visible);
    d->m_current = -1;
    d->m_active = true;
    rebuildVisible(); // the first (visible) record becomes current
}

QByteArray TClientDataSet::SaveToBytes() const
{
    checkActive();
    return DataPacket::write(d->m_defs, d->m_records);
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
        throw EDatabaseError(DataPacket::readFailure(fileName, QStringLiteral("o arquivo não existe")));
    if (!info.isFile())
        throw EDatabaseError(DataPacket::readFailure(fileName, QStringLiteral("não é um arquivo")));
    const qint64 limit = FileSizeLimit();
    if (info.size() > limit)
        throw EDatabaseError(DataPacket::readFailure(
            fileName,
            QStringLiteral("o arquivo tem %1 bytes, mais que o limite de %2 bytes").arg(info.size()).arg(limit)));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EDatabaseError(
            DataPacket::readFailure(fileName, QStringLiteral("não foi possível abri-lo (%1)").arg(file.errorString())));
    DataPacket::Content content = DataPacket::read(file, fileName, limit);
    load(std::move(content.defs), std::move(content.records));
}

void TClientDataSet::SaveToFile(const QString &fileName) const
{
    checkActive();
    const QByteArray bytes = DataPacket::write(d->m_defs, d->m_records, fileName);
    // Written aside and renamed into place: a failure leaves any previous file as it was.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw EDatabaseError(DataPacket::writeFailure(fileName, file.errorString()));
}

} // namespace host
