// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Export.h"

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <QVariantList>
#include <QVector>
#include <functional>
#include <memory>

namespace host {

// Field types of the data packet format; the comment gives the packet's own name.
enum class FieldType {
    String, // string
    WideString, // string.uni
    Int8, // i1
    Int16, // i2
    Int32, // i4
    Int64, // i8
    UInt8, // ui1
    UInt16, // ui2
    UInt32, // ui4
    Float32, // r4
    Float64, // r8
    Currency, // r8 with SUBTYPE="Money"
    Fixed, // fixed (BCD)
    Boolean, // boolean
    Date, // date
    Time, // time
    DateTime, // dateTime
    SQLDateTime, // SQLdateTime
};

struct FieldDef
{
    QString name;
    FieldType type = FieldType::String;
    int width = 0; // WIDTH: text length, or precision of a fixed field
    int decimals = 0; // DECIMALS
    bool required = false;
    // Spelled out: hosts include this header as C++17.
    friend bool operator==(const FieldDef &a, const FieldDef &b)
    {
        return a.name == b.name && a.type == b.type && a.width == b.width && a.decimals == b.decimals
            && a.required == b.required;
    }
    friend bool operator!=(const FieldDef &a, const FieldDef &b) { return !(a == b); }
};

class TClientDataSet;

// A field of a table, read and written in the table's current record.
class OBSHOST_EXPORT TField
{
public:
    TField(TClientDataSet *table, int index);

    QString FieldName() const;
    FieldType DataType() const;
    int Index() const { return m_index; }

    // The value as a variant of the field's own type; a null value is a null variant
    // (holding std::nullptr_t: platform::varIsNull).
    QVariant Value() const;
    // Converts the value to the field's type as AppendRecord does; raises EConvertError,
    // leaving the value as it was, when it does not convert.
    void SetValue(const QVariant &value);
    bool IsNull() const;
    // Null gives "".
    QString AsString() const;
    // Raises EConvertError when the value is not an integer; null gives 0.
    int AsInteger() const;

private:
    TClientDataSet *m_table;
    int m_index;
};

// In-memory table: fields with names and types, records of variants, a current record,
// an optional filter. What the host passes in as its observation list, and what the
// dialog reads its display parameters into.
class OBSHOST_EXPORT TClientDataSet
{
public:
    enum LocateOption { loCaseInsensitive = 0x1, loPartialKey = 0x2 };
    using FilterRecordEvent = std::function<bool(const TClientDataSet &table, const QVariantList &record)>;

    TClientDataSet();
    ~TClientDataSet();
    TClientDataSet(const TClientDataSet &) = delete;
    TClientDataSet &operator=(const TClientDataSet &) = delete;

    // Structure. Fields can be defined while the table is inactive.
    void AddFieldDef(const FieldDef &def);
    QVector<FieldDef> FieldDefs() const;
    // Opens the table with the defined fields and no records.
    void CreateDataSet();
    void Close();
    bool Active() const;
    // Opens the table; no change when it is open already.
    void SetActive(bool active);
    void Open() { SetActive(true); }

    int FieldCount() const;
    TField *GetField(int index);
    TField *Fields(int index) { return GetField(index); }
    // Raises EDatabaseError naming the field when there is none.
    TField *FieldByName(const QString &name);
    TField *FindField(const QString &name);

    // Records. Append adds a record (values in field order, missing ones null) and
    // makes it current. Each value is converted to its field's type (the README lists
    // which: text within its width, numbers, booleans, dates and times); a value that
    // does not convert raises EConvertError naming the field, the record and the value, and
    // nothing is appended.
    void AppendRecord(const QVariantList &values);
    // Replaces the fields and all records at once, converting every value as AppendRecord
    // does; the table opens with the first record current. When a value is refused (or
    // the fields are not valid) the table is left exactly as it was.
    void LoadFromRecords(const QVector<FieldDef> &defs, const QVector<QVariantList> &records);
    // Visible records (those the filter lets through).
    int RecordCount() const;
    bool IsEmpty() const { return RecordCount() == 0; }
    // 0-based position of the current record among the visible ones, -1 when none.
    int RecNo() const;
    void SetRecNo(int position);
    void First();
    void Next();
    bool Eof() const;
    // The current record's values, or an empty list when there is none.
    QVariantList CurrentRecord() const;
    // All records, visible or not, in table order.
    const QVector<QVariantList> &AllRecords() const;

    // Makes the first visible record whose field equals the whole value (or starts with
    // it, with loPartialKey) current and answers true; false when there is none. In a
    // numeric field a whole key that is a number is compared as a number ("01" finds 1).
    bool Locate(const QString &fieldName, const QVariant &value, int options);

    // Filtering.
    FilterRecordEvent OnFilterRecord;
    bool Filtered() const;
    void SetFiltered(bool on);
    // Re-applies OnFilterRecord after it changed; the current record stays where it is
    // still visible, otherwise the first becomes current.
    void Refilter();

    // Files: the XML data packet format.
    // LoadFromFile refuses a file larger than the limit before reading it, and stops reading
    // one whose size is not known in advance as soon as it passes the limit. The limit is
    // the table's own when set (SetFileSizeLimit, 0: none of its own), otherwise the one
    // shared by all tables (SetMaxFileSize; DefaultMaxFileSize unless a host sets another).
    static constexpr qint64 DefaultMaxFileSize = qint64(256) * 1024 * 1024;
    static void SetMaxFileSize(qint64 bytes);
    static qint64 MaxFileSize();
    void SetFileSizeLimit(qint64 bytes);
    qint64 FileSizeLimit() const;
    void LoadFromFile(const QString &fileName);
    void SaveToFile(const QString &fileName) const;
    void LoadFromBytes(const QByteArray &bytes, const QString &sourceName = QString());
    QByteArray SaveToBytes() const;

    // Same fields and same records, in the same order.
    bool sameContent(const TClientDataSet &other) const;

private:
    friend class TField;
    void checkActive() const;
    void rebuildVisible();
    void load(QVector<FieldDef> defs, QVector<QVariantList> records);
    QVariant &cell(int field);
    const QVariant &cell(int field) const;

    // Everything the table holds, behind one pointer: hosts keep tables on their stack, so
    // the class's size and layout are part of the library's interface and must not change.
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace host
