// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// Feeds arbitrary bytes to the data packet reader. Every input must end in an error or a
// table, never in a crash, a hang or runaway memory; and a table that was read must save
// and read back as the same table, byte for byte on a second save.
#include "host/data/TClientDataSet.h"
#include "platform/Exception.h"

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void broken(const char *what, const QString &detail = QString())
{
    std::fprintf(stderr, "packet_fuzzer: %s%s%s\n", what, detail.isEmpty() ? "" : ": ", qUtf8Printable(detail));
    std::abort();
}

// What a loaded table must look like, whatever the input was.
void checkShape(host::TClientDataSet &t)
{
    if (!t.Active())
        broken("a loaded table is not open");
    if (t.FieldCount() == 0)
        broken("a loaded table has no fields");
    for (const QVariantList &record : t.AllRecords())
        if (record.size() != t.FieldCount())
            broken("a record's length differs from the field count");
    if (t.RecordCount() > 0 && t.RecNo() != 0)
        broken("the first record is not current after loading");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));

    host::TClientDataSet t;
    try {
        t.LoadFromBytes(bytes);
    } catch (const platform::Exception &e) {
        if (e.message().isEmpty())
            broken("a rejected packet gives no message");
        return 0; // refused with a message: a valid outcome
    }
    checkShape(t);

    // From here on any error is a fault: the writer must carry whatever the reader accepts.
    QByteArray saved;
    host::TClientDataSet back;
    try {
        saved = t.SaveToBytes();
        back.LoadFromBytes(saved);
    } catch (const platform::Exception &e) {
        broken("a table that was read does not save and read back", e.message());
    }
    if (!t.sameContent(back))
        broken("the table read back differs from the table saved", QString::fromUtf8(saved.left(4096)));
    try {
        if (back.SaveToBytes() != saved)
            broken("saving the same table twice gives different bytes");
    } catch (const platform::Exception &e) {
        broken("a table that was read back does not save", e.message());
    }
    return 0;
}
