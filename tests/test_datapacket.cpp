// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "support/PacketLoad.h"

#include "host/data/TClientDataSet.h"
#include "platform/Exception.h"
#include "platform/Variants.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTime>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using host::FieldDef;
using host::FieldType;
using host::TClientDataSet;
using host::TField;
using platform::EConvertError;
using platform::EDatabaseError;

namespace {

const QByteArray Declaration = R"(<?xml version="1.0" standalone="yes"?>)";

QByteArray packet(const QByteArray &fields, const QByteArray &rows, const QByteArray &declaration = Declaration)
{
    return declaration + R"(<DATAPACKET Version="2.0"><METADATA><FIELDS>)" + fields
        + "</FIELDS><PARAMS/></METADATA><ROWDATA>" + rows + "</ROWDATA></DATAPACKET>";
}

const QByteArray TwoTextFields = R"(<FIELD attrname="A" fieldtype="string" WIDTH="20"/>)"
                                 R"(<FIELD attrname="B" fieldtype="string" WIDTH="20"/>)";

QStringList column(TClientDataSet &table, const QString &field)
{
    QStringList values;
    for (table.First(); !table.Eof(); table.Next())
        values << (table.FieldByName(field)->IsNull() ? QStringLiteral("<null>")
                                                      : table.FieldByName(field)->AsString());
    return values;
}

// sameContent goes by QVariant's ==, for which "5" equals 5; the types must match as well.
void expectSameTypedContent(const TClientDataSet &expected, const TClientDataSet &actual)
{
    ASSERT_TRUE(expected.sameContent(actual));
    for (qsizetype r = 0; r < expected.AllRecords().size(); ++r)
        for (qsizetype f = 0; f < expected.AllRecords()[r].size(); ++f)
            EXPECT_EQ(expected.AllRecords()[r][f].metaType(), actual.AllRecords()[r][f].metaType())
                << "record " << r << " field " << f;
}

} // namespace

TEST(DataPacketRead, EveryFieldTypeGivesItsVariantType)
{
    const QByteArray fields
        = R"(<FIELD attrname="S" fieldtype="string" WIDTH="2" required="true"/>)"
          R"(<FIELD attrname="W" fieldtype="string.uni" WIDTH="40"/>)"
          R"(<FIELD attrname="I1" fieldtype="i1"/><FIELD attrname="I2" fieldtype="i2"/>)"
          R"(<FIELD attrname="I4" fieldtype="i4"/><FIELD attrname="I8" fieldtype="i8"/>)"
          R"(<FIELD attrname="U1" fieldtype="ui1"/><FIELD attrname="U2" fieldtype="ui2"/>)"
          R"(<FIELD attrname="U4" fieldtype="ui4"/><FIELD attrname="R4" fieldtype="r4"/>)"
          R"(<FIELD attrname="R8" fieldtype="r8"/><FIELD attrname="M" fieldtype="r8" SUBTYPE="Money"/>)"
          R"(<FIELD attrname="FX" fieldtype="fixed" WIDTH="10" DECIMALS="2"/>)"
          R"(<FIELD attrname="BO" fieldtype="boolean"/><FIELD attrname="D" fieldtype="date"/>)"
          R"(<FIELD attrname="T" fieldtype="time"/><FIELD attrname="DT" fieldtype="dateTime"/>)"
          R"(<FIELD attrname="SDT" fieldtype="SQLdateTime"/>)"
          R"(<FIELD attrname="VALOR_T" fieldname="VALOR TOTAL" fieldtype="r8"/>)";
    const QByteArray row
        = R"(<ROW S="01" W="Ação" I1="-128" I2="32767" I4="-2147483648" I8="-9223372036854775808" )"
          R"(U1="255" U2="65535" U4="4294967295" R4="1.5" R8="0.1" M="12.34" FX="-3.25" BO="true" )"
          R"(D="20240229" T="13:31:01250" DT="20240229T23:59:59999" SDT="19991231T00:00:00000" VALOR_T="1E300"/>)";
    TClientDataSet t;
    t.LoadFromBytes(packet(fields, row + R"(<ROW S="02"/>)"));
    ASSERT_TRUE(t.Active());
    ASSERT_EQ(t.RecordCount(), 2);
    EXPECT_EQ(t.RecNo(), 0);

    const QVector<FieldDef> defs = t.FieldDefs();
    ASSERT_EQ(defs.size(), 19);
    EXPECT_EQ(defs[0], (FieldDef {QStringLiteral("S"), FieldType::String, 2, 0, true}));
    EXPECT_EQ(defs[11].type, FieldType::Currency);
    EXPECT_EQ(defs[12], (FieldDef {QStringLiteral("FX"), FieldType::Fixed, 10, 2, false}));
    EXPECT_EQ(defs[17].type, FieldType::SQLDateTime);
    EXPECT_EQ(defs[18].name, QStringLiteral("VALOR TOTAL")); // fieldname wins over attrname

    const QVariantList expected = {
        QStringLiteral("01"),
        QStringLiteral("Ação"),
        -128,
        32767,
        std::numeric_limits<int>::min(),
        QVariant(std::numeric_limits<qlonglong>::min()),
        255,
        65535,
        QVariant(qlonglong(4294967295LL)),
        1.5,
        0.1,
        12.34,
        -3.25,
        true,
        QDate(2024, 2, 29),
        QTime(13, 31, 1, 250),
        QDateTime(QDate(2024, 2, 29), QTime(23, 59, 59, 999)),
        QDateTime(QDate(1999, 12, 31), QTime(0, 0)),
        1e300,
    };
    const QVariantList actual = t.CurrentRecord();
    ASSERT_EQ(actual.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i], expected[i]) << "field " << i;
        EXPECT_EQ(actual[i].metaType(), expected[i].metaType()) << "field " << i;
    }
}

TEST(DataPacketRead, AbsentAttributeIsNullAndEmptyAttributeIsEmptyText)
{
    TClientDataSet t;
    t.LoadFromBytes(
        packet(TwoTextFields + R"(<FIELD attrname="N" fieldtype="i4"/>)", R"(<ROW A="" B="  dois espaços  "/><ROW/>)"));
    ASSERT_EQ(t.RecordCount(), 2);
    EXPECT_FALSE(t.FieldByName(QStringLiteral("A"))->IsNull());
    EXPECT_EQ(t.FieldByName(QStringLiteral("A"))->Value(), QVariant(QString()));
    EXPECT_EQ(t.FieldByName(QStringLiteral("B"))->AsString(), QStringLiteral("  dois espaços  "));
    t.Next();
    for (const char *name : {"A", "B", "N"})
        EXPECT_TRUE(t.FieldByName(QString::fromLatin1(name))->IsNull()) << name;
    EXPECT_EQ(t.FieldByName(QStringLiteral("A"))->AsString(), QString());
    EXPECT_EQ(t.FieldByName(QStringLiteral("N"))->AsInteger(), 0);
}

TEST(DataPacketRead, NamesAreMatchedWithoutRegardToCase)
{
    const QByteArray bytes
        = R"(<datapacket version="2.0"><metadata><fields>)"
          R"(<field ATTRNAME="CdOcorr" FIELDTYPE="String" width="2"/><field AttrName="n" FieldType="I4"/>)"
          R"(</fields></metadata><rowdata><row cdocorr="0A" N="7"/><row rowstate="2" CDOCORR="0B"/></rowdata></datapacket>)";
    TClientDataSet t;
    t.LoadFromBytes(bytes);
    ASSERT_EQ(t.RecordCount(), 1);
    EXPECT_EQ(t.FieldByName(QStringLiteral("CDOCORR"))->AsString(), QStringLiteral("0A"));
    EXPECT_EQ(t.FieldByName(QStringLiteral("N"))->AsInteger(), 7);
    EXPECT_EQ(t.FieldDefs()[0].width, 2);
}

TEST(DataPacketRead, ChangeLogRowsBecomeTheTableTheyDescribe)
{
    const QByteArray rows = R"(<ROW A="01" B="plain"/>)"
                            R"(<ROW RowState="2" A="02" B="deleted"/>)"
                            R"(<ROW RowState="1" A="03" B="old"/><ROW RowState="8" B="new"/>)"
                            R"(<ROW RowState="4" A="04" B="inserted"/>)"
                            R"(<ROW RowState="1" A="05" B="lone original"/>)"
                            R"(<ROW RowState="3" A="06" B="original, deleted"/>)"
                            R"(<ROW RowState="8" A="07"/>)"
                            R"(<ROW RowState="1" A="08" B="before delete"/><ROW RowState="2" A="08"/>)";
    TClientDataSet t;
    t.LoadFromBytes(packet(TwoTextFields, rows));
    EXPECT_EQ(column(t, QStringLiteral("A")), QStringList({"01", "03", "04", "05", "07", "08"}));
    EXPECT_EQ(column(t, QStringLiteral("B")),
              QStringList({"plain", "new", "inserted", "lone original", "<null>", "before delete"}));
}

TEST(DataPacketRead, TextEncodings)
{
    const QByteArray field = R"(<FIELD attrname="A" fieldtype="string" WIDTH="40"/>)";
    auto load = [&](const QByteArray &bytes) {
        TClientDataSet t;
        t.LoadFromBytes(bytes);
        return t.FieldByName(QStringLiteral("A"))->AsString();
    };
    const QString expected = QStringLiteral("Pão sem açúcar Ç €");
    // UTF-8, no declaration.
    EXPECT_EQ(load(packet(field, "<ROW A=\"" + expected.toUtf8() + "\"/>")), expected);
    // UTF-8 with a byte-order mark.
    EXPECT_EQ(load("\xEF\xBB\xBF" + packet(field, "<ROW A=\"" + expected.toUtf8() + "\"/>")), expected);
    // Windows-1252, as written on Windows without a declaration.
    EXPECT_EQ(load(packet(field,
                          "<ROW A=\"P\xE3o sem a\xE7\xFA"
                          "car \xC7 \x80\"/>")),
              expected);
    // Declared ISO-8859-1, with the euro as the platform writes it.
    EXPECT_EQ(load(packet(field,
                          "<ROW A=\"P\xE3o sem a\xE7\xFA"
                          "car \xC7 &#128;\"/>",
                          R"(<?xml version="1.0" encoding="ISO-8859-1" standalone="yes"?>)")),
              expected);
    // Declared Windows-1252, by either name: the code page's own codes, the undefined ones
    // kept as the control characters of their numbers.
    for (const QByteArray &name : {QByteArray("windows-1252"), QByteArray("CP1252")}) {
        EXPECT_EQ(load(packet(field, "<ROW A=\"\x93P\xE3o\x94 \x80\x81\"/>",
                              R"(<?xml version="1.0" encoding=")" + name + R"("?>)")),
                  QStringLiteral("“Pão” €\u0081"))
            << name.constData();
    }
    // Character references 128 to 159 are Windows-1252 characters in any encoding.
    EXPECT_EQ(load(packet(field, R"(<ROW A="&#128;&#133;&#150;&#159;&#8364;"/>)")), QStringLiteral("€…–Ÿ€"));
    // UTF-16 with its byte-order mark.
    const QString utf16Text = QString::fromUtf8(packet(field, "<ROW A=\"" + expected.toUtf8() + "\"/>"));
    QByteArray utf16("\xFF\xFE");
    utf16.append(reinterpret_cast<const char *>(utf16Text.utf16()), utf16Text.size() * 2);
    EXPECT_EQ(load(utf16), expected);

    TClientDataSet t;
    EXPECT_TRUE(loadError(t, packet(field, "<ROW A=\"P\xE3o\"/>", R"(<?xml version="1.0" encoding="UTF-8"?>)"))
                    .contains(QStringLiteral("UTF-8")));
    EXPECT_TRUE(loadError(t, packet(field, "<ROW A=\"x\"/>", R"(<?xml version="1.0" encoding="klingon-8"?>)"))
                    .contains(QStringLiteral("klingon-8")));
}

TEST(DataPacketRead, BadFilesRaiseAMessageNamingTheFileAndTheProblem)
{
    const QByteArray i4 = R"(<FIELD attrname="N" fieldtype="i4"/>)";
    auto typed = [](const char *type, const QByteArray &value) {
        return packet(QByteArray(R"(<FIELD attrname="V" fieldtype=")") + type + "\"/>", "<ROW V=\"" + value + "\"/>");
    };
    const struct
    {
        QByteArray bytes;
        QString problem;
    } cases[] = {
        {"", "vazio"},
        {" \r\n ", "vazio"},
        {QByteArray("\x96\x19\xE0\xBD\x01\x00\x00\x00\x12\x00\x00\x00", 12), "binário"},
        {QByteArray("MZ\x90\x00\x03\x00", 6), "binário"},
        {"FIELD;VALUE\n01;Sem cebola\n", "não é um pacote de dados XML"},
        {Declaration + "<TABLE><ROW/></TABLE>", "<TABLE>"},
        {Declaration + "<DATAPACKET/>", "METADATA"},
        {packet("", ""), "nenhum campo"},
        {packet(R"(<FIELD attrname="X" fieldtype="blob"/>)", ""), "tipo desconhecido 'blob'"},
        {packet(R"(<FIELD attrname="X" fieldtype="nested"><FIELDS/></FIELD>)", ""), "aninhada"},
        {packet(R"(<FIELD fieldtype="i4"/>)", ""), "attrname"},
        {packet(i4 + R"(<FIELD attrname="n" fieldtype="i4"/>)", ""), "duas vezes"},
        {packet(R"(<FIELD attrname="N" fieldtype="string" WIDTH="dez"/>)", ""), "WIDTH"},
        {packet(i4, R"(<ROW N="1" X="2"/>)"), "'X', que não é um campo"},
        {packet(i4, R"(<ROW N="1" n="2"/>)"), "repete o campo 'N'"},
        {packet(i4, R"(<ROW RowState="x" N="1"/>)"), "RowState"},
        {packet(i4, R"(<ROW N="1"><ROW/></ROW>)"), "registro 1"},
        {packet(i4, R"(<OTHER/>)"), "<OTHER>"},
        {packet(i4, R"(<ROW N="&foo;"/>)"), "XML malformado"},
        {packet(i4, R"(<ROW N="1"/>)").replace("</DATAPACKET>", "</DATAPACKET><X/>"), "XML malformado"},
        {packet(i4, R"(<ROW N="1"/>)").chopped(20), "truncado"},
        {R"(<?xml version="1.0"?><!DOCTYPE DATAPACKET [<!ENTITY a "aaaaaaaaaa"><!ENTITY b "&a;&a;&a;&a;&a;&a;">]>)"
             + packet(i4, "").mid(Declaration.size()),
         "DTD"},
        {typed("i4", "abc"), "'V' (i4) no registro 1: 'abc'"},
        {typed("i4", "2147483648"), "(i4)"},
        {typed("i1", "128"), "(i1)"},
        {typed("ui1", "-1"), "(ui1)"},
        {typed("ui4", "4294967296"), "(ui4)"},
        {typed("i8", "9223372036854775808"), "(i8)"},
        {typed("r8", "1,5"), "(r8)"},
        {typed("boolean", "sim"), "(boolean)"},
        {typed("date", "20230230"), "(date)"},
        {typed("date", "2023-01-01"), "(date)"},
        {typed("time", "24:00:00000"), "(time)"},
        {typed("dateTime", "20230101 10:00:00000"), "(dateTime)"},
    };
    for (const auto &c : cases) {
        TClientDataSet t;
        const QString message = loadError(t, c.bytes, QStringLiteral("teste.xml"));
        EXPECT_TRUE(message.contains(QStringLiteral("teste.xml"))) << message.toStdString();
        EXPECT_TRUE(message.contains(c.problem))
            << "expected '" << c.problem.toStdString() << "' in: " << message.toStdString();
        EXPECT_FALSE(t.Active());
    }
}

TEST(DataPacketRead, EveryTruncationIsRejected)
{
    TClientDataSet source;
    source.AddFieldDef({QStringLiteral("CDOCORR"), FieldType::String, 2});
    source.AddFieldDef({QStringLiteral("NRORDEM"), FieldType::Int32});
    source.CreateDataSet();
    source.AppendRecord({QStringLiteral("01"), 1});
    source.AppendRecord({QStringLiteral("0Ç"), platform::varNull()});
    const QByteArray whole = source.SaveToBytes();
    const qsizetype end = whole.lastIndexOf('>') + 1;
    for (qsizetype size = 0; size < end; ++size) {
        TClientDataSet t;
        EXPECT_THROW(t.LoadFromBytes(whole.left(size)), EDatabaseError) << "prefix of " << size << " bytes";
    }
    TClientDataSet t;
    t.LoadFromBytes(whole.left(end));
    EXPECT_TRUE(source.sameContent(t));
}

TEST(DataPacketRead, FailedLoadLeavesTheTableAsItWas)
{
    TClientDataSet t;
    t.LoadFromBytes(packet(TwoTextFields, R"(<ROW A="01" B="um"/><ROW A="02" B="dois"/>)"));
    t.Next();
    TField *fieldB = t.FieldByName(QStringLiteral("B"));
    TClientDataSet reference;
    reference.LoadFromBytes(t.SaveToBytes());

    // Fails on the second row, after the fields and a first row have been read.
    loadError(t, packet(R"(<FIELD attrname="N" fieldtype="i4"/>)", R"(<ROW N="1"/><ROW N="x"/>)"));
    EXPECT_THROW(t.LoadFromFile(QStringLiteral("/nonexistent/PARAMETROSLUM.CDS")), EDatabaseError);

    EXPECT_TRUE(t.Active());
    EXPECT_TRUE(t.sameContent(reference));
    EXPECT_EQ(t.RecNo(), 1);
    EXPECT_EQ(fieldB->AsString(), QStringLiteral("dois"));

    // A load that succeeds keeps field objects that still exist.
    t.LoadFromBytes(packet(TwoTextFields, R"(<ROW A="03" B="três"/>)"));
    EXPECT_EQ(fieldB->AsString(), QStringLiteral("três"));
}

TEST(DataPacketRead, VastAttributeCountsCostNoQuadraticTime)
{
    QByteArray row = "<ROW";
    for (int i = 0; i < 200000; ++i)
        row += " a" + QByteArray::number(i) + "=\"1\"";
    row += "/>";
    TClientDataSet t;
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(
        loadError(t, packet(R"(<FIELD attrname="a0" fieldtype="i4"/>)", row)).contains(QStringLiteral("atributos")));
    EXPECT_LT(timer.elapsed(), 5000); // the parser's pairwise check would take minutes

    // The widest table allowed still loads.
    QByteArray fields, wide = "<ROW";
    for (int i = 0; i < 1024; ++i) {
        fields += "<FIELD attrname=\"F" + QByteArray::number(i) + "\" fieldtype=\"i4\"/>";
        wide += " F" + QByteArray::number(i) + "=\"" + QByteArray::number(i) + "\"";
    }
    wide += " RowState=\"4\"/>";
    t.LoadFromBytes(packet(fields, wide.repeated(20)));
    EXPECT_EQ(t.RecordCount(), 20);
    EXPECT_EQ(t.FieldByName(QStringLiteral("F1023"))->AsInteger(), 1023);
    EXPECT_THROW(t.LoadFromBytes(packet(fields + R"(<FIELD attrname="G" fieldtype="i4"/>)", "")), EDatabaseError);
}

TEST(DataPacketFile, SaveAndLoadGiveBackTheSameTable)
{
    TClientDataSet t;
    const FieldType types[]
        = {FieldType::String,  FieldType::WideString, FieldType::Int8,       FieldType::Int16,   FieldType::Int32,
           FieldType::Int64,   FieldType::UInt8,      FieldType::UInt16,     FieldType::UInt32,  FieldType::Float32,
           FieldType::Float64, FieldType::Currency,   FieldType::Fixed,      FieldType::Boolean, FieldType::Date,
           FieldType::Time,    FieldType::DateTime,   FieldType::SQLDateTime};
    const QString names[]
        = {"CDOCORR", "Descrição longa", "RowState", "xmlns",   "I4", "I8", "U1",   "U2",     "U4", "R4",
           "R8",      "VALOR TOTAL",     "FX",       "FLATIVO", "DT", "HR", "DTHR", "SQLDTHR"};
    for (int i = 0; i < 18; ++i)
        t.AddFieldDef({names[i], types[i], i < 2 ? 60 : (i == 12 ? 12 : 0), i == 12 ? 4 : 0, i == 0});
    t.CreateDataSet();
    const QDateTime utc(QDate(2023, 10, 29), QTime(1, 30, 15, 7), Qt::UTC);
    t.AppendRecord({QStringLiteral("0Ç"), QStringLiteral("aspas \" e ' < > & \t tab\nlinha\r\n fim € 😀 \u0192"), -128,
                    -32768, 2147483647, QVariant(std::numeric_limits<qlonglong>::max()), 0, 65535,
                    QVariant(qlonglong(4294967295LL)), double(0.1f), 1.0 / 3.0, 0.1 + 0.2, -1234.5678, false,
                    QDate(1, 1, 1), QTime(23, 59, 59, 999), utc, QDateTime(QDate(9999, 12, 31), QTime(0, 0))});
    t.AppendRecord({QString(), QStringLiteral("  "), platform::varNull(), 0, -1, QVariant(qlonglong(-1)), 255, 0,
                    QVariant(qlonglong(0)), std::numeric_limits<double>::denorm_min(),
                    std::numeric_limits<double>::max(), -0.0, 1e-300, true, QDate(2024, 2, 29), QTime(0, 0),
                    QDateTime(QDate(2000, 1, 1), QTime(12, 0)), platform::varNull()});
    t.AppendRecord({}); // all null

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("tabela.xml"));
    t.SaveToFile(file);
    TClientDataSet loaded;
    loaded.LoadFromFile(file);
    EXPECT_EQ(loaded.FieldDefs(), t.FieldDefs());
    // The UTC value comes back as local time: the same instant, and sameContent compares instants.
    expectSameTypedContent(t, loaded);
    EXPECT_EQ(std::signbit(loaded.AllRecords()[1][11].toDouble()), true);

    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readLine().startsWith(R"(<?xml version="1.0" encoding="UTF-8")"));

    // A second round trip writes the same bytes.
    EXPECT_EQ(loaded.SaveToBytes(), t.SaveToBytes());
}

TEST(DataPacketFile, ValuesTheFormatCannotCarryAreRefused)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("obs.xml"));
    TClientDataSet t;
    t.AddFieldDef({QStringLiteral("DSOBS"), FieldType::String, 30});
    t.AddFieldDef({QStringLiteral("N"), FieldType::Int8});
    EXPECT_THROW(t.SaveToFile(file), EDatabaseError); // closed
    t.CreateDataSet();
    t.AppendRecord({QStringLiteral("ok"), 1});
    t.SaveToFile(file);
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray before = saved.readAll();
    saved.close();

    auto saveError = [&](const QVariantList &record) {
        t.AppendRecord(record);
        try {
            t.SaveToFile(file);
        } catch (const EDatabaseError &e) {
            t.CreateDataSet();
            t.AppendRecord({QStringLiteral("ok"), 1});
            return e.message();
        }
        ADD_FAILURE() << "saved without error";
        return QString();
    };
    const QString control = saveError({QStringLiteral("bip\x01"), 1});
    EXPECT_TRUE(control.contains(QStringLiteral("'DSOBS' do registro 2"))) << control.toStdString();
    EXPECT_TRUE(control.contains(file));
    // Numbers that do not fit their field no longer get into the table to be saved.
    EXPECT_THROW(t.AppendRecord({QStringLiteral("x"), 128}), platform::EConvertError);
    EXPECT_THROW(t.AppendRecord({QStringLiteral("x"), QStringLiteral("abc")}), platform::EConvertError);
    EXPECT_THROW(t.AppendRecord({QStringLiteral("x"), 1.5}), platform::EConvertError);
    EXPECT_TRUE(saveError({QString(QChar(0xD800)), 1}).contains(QStringLiteral("'DSOBS'")));

    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll(), before); // a refused save leaves the file as it was

    EXPECT_THROW(t.SaveToFile(dir.filePath(QStringLiteral("no/such/dir/obs.xml"))), EDatabaseError);
}

TEST(DataPacketFile, MissingFileOrDirectoryIsNamedInTheError)
{
    QTemporaryDir dir;
    TClientDataSet t;
    const QString missing = dir.filePath(QStringLiteral("PARAMETROSLUM.CDS"));
    try {
        t.LoadFromFile(missing);
        ADD_FAILURE() << "loaded a missing file";
    } catch (const EDatabaseError &e) {
        EXPECT_TRUE(e.message().contains(missing));
        EXPECT_TRUE(e.message().contains(QStringLiteral("não existe")));
    }
    EXPECT_THROW(t.LoadFromFile(dir.path()), EDatabaseError);
    EXPECT_FALSE(t.Active());
}

TEST(LoadedTable, LocateIgnoringCaseFindsAccentedLetters)
{
    TClientDataSet t;
    t.LoadFromBytes(packet(TwoTextFields,
                           R"(<ROW A="01" B="Sem cebola"/><ROW A="0Ç" B="Sem açafrão"/>)"
                           R"(<ROW A="0c" B="minúscula"/><ROW B="sem código"/>)"));
    EXPECT_TRUE(t.Locate(QStringLiteral("A"), QStringLiteral("0ç"), TClientDataSet::loCaseInsensitive));
    EXPECT_EQ(t.FieldByName(QStringLiteral("B"))->AsString(), QStringLiteral("Sem açafrão"));
    EXPECT_TRUE(t.Locate(QStringLiteral("a"), QStringLiteral("0C"), TClientDataSet::loCaseInsensitive));
    EXPECT_EQ(t.RecNo(), 2);
    EXPECT_FALSE(t.Locate(QStringLiteral("A"), QStringLiteral("0ç"), 0));
    EXPECT_FALSE(t.Locate(QStringLiteral("A"), QStringLiteral("0"), TClientDataSet::loCaseInsensitive));
    EXPECT_FALSE(t.Locate(QStringLiteral("A"), QString(), TClientDataSet::loCaseInsensitive)); // null is no match
}

TEST(LoadedTable, FilterHidesRecordsUntilSwitchedOff)
{
    TClientDataSet t;
    t.OnFilterRecord = [](const TClientDataSet &, const QVariantList &record) { return record.at(1).toBool(); };
    t.SetFiltered(true);
    const QByteArray fields
        = R"(<FIELD attrname="A" fieldtype="string" WIDTH="2"/><FIELD attrname="ATIVO" fieldtype="boolean"/>)";
    t.LoadFromBytes(
        packet(fields, R"(<ROW A="01" ATIVO="FALSE"/><ROW A="02" ATIVO="TRUE"/><ROW A="03" ATIVO="TRUE"/>)"));
    EXPECT_EQ(t.RecordCount(), 2);
    EXPECT_EQ(t.FieldByName(QStringLiteral("A"))->AsString(), QStringLiteral("02")); // first visible is current
    EXPECT_FALSE(t.Locate(QStringLiteral("A"), QStringLiteral("01"), TClientDataSet::loCaseInsensitive));
    t.SetFiltered(false);
    EXPECT_EQ(t.RecordCount(), 3);
    EXPECT_TRUE(t.Locate(QStringLiteral("A"), QStringLiteral("01"), TClientDataSet::loCaseInsensitive));
    // Saving writes every record, filtered or not.
    t.SetFiltered(true);
    TClientDataSet copy;
    copy.LoadFromBytes(t.SaveToBytes());
    EXPECT_EQ(copy.RecordCount(), 3);
}

TEST(LoadedTable, FieldAccessErrorsNameTheField)
{
    TClientDataSet t;
    t.LoadFromBytes(
        packet(R"(<FIELD attrname="IDESQUEMA" fieldtype="string" WIDTH="3"/><FIELD attrname="INCOR1" fieldtype="i4"/>)"
               R"(<FIELD attrname="R" fieldtype="r8"/>)",
               R"(<ROW IDESQUEMA="abc" INCOR1="2907084" R="1E20"/>)"));
    try {
        t.FieldByName(QStringLiteral("INCOR5"));
        ADD_FAILURE() << "no error for a missing field";
    } catch (const EDatabaseError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("INCOR5")));
    }
    try {
        t.FieldByName(QStringLiteral("IDESQUEMA"))->AsInteger();
        ADD_FAILURE() << "no error for text read as integer";
    } catch (const EConvertError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("IDESQUEMA")));
    }
    EXPECT_EQ(t.FieldByName(QStringLiteral("incor1"))->AsInteger(), 2907084);
    EXPECT_THROW(t.FieldByName(QStringLiteral("R"))->AsInteger(), EConvertError); // beyond any integer
}

TEST(Samples, ObservationListAndDisplayParametersLoad)
{
    const QDir samples(QStringLiteral(OBS_SOURCE_DIR "/samples"));
    TClientDataSet list;
    list.LoadFromFile(samples.filePath(QStringLiteral("observacoes.xml")));
    ASSERT_GE(list.FieldCount(), 7);
    EXPECT_EQ(list.GetField(0)->FieldName(), QStringLiteral("CDOCORR"));
    EXPECT_EQ(list.GetField(1)->FieldName(), QStringLiteral("DSOBS"));
    EXPECT_NE(list.FindField(QStringLiteral("DSOCORR")), nullptr);
    EXPECT_GE(list.RecordCount(), 20);
    QSet<QString> codes;
    bool someNull = false;
    for (list.First(); !list.Eof(); list.Next()) {
        const QString code = list.GetField(0)->AsString();
        EXPECT_EQ(code.size(), 2) << code.toStdString();
        EXPECT_FALSE(codes.contains(code)) << code.toStdString();
        codes.insert(code);
        for (int f = 0; f < list.FieldCount(); ++f)
            someNull = someNull || list.GetField(f)->IsNull();
    }
    EXPECT_TRUE(someNull);
    EXPECT_TRUE(list.Locate(QStringLiteral("CDOCORR"), QStringLiteral("0a"), TClientDataSet::loCaseInsensitive));
    EXPECT_TRUE(list.Locate(QStringLiteral("DSOBS"), QStringLiteral("Pão sem glúten"), 0));

    TClientDataSet params;
    params.LoadFromFile(samples.filePath(QStringLiteral("PARAMETROSLUM.CDS")));
    EXPECT_EQ(params.FieldByName(QStringLiteral("IDESQUEMA"))->AsString(), QStringLiteral("001"));
    for (const char *name : {"INCOR1", "INCOR2", "INCOR3", "INCOR5"})
        EXPECT_GT(params.FieldByName(QString::fromLatin1(name))->AsInteger(), 0) << name;
}

TEST(DataPacketWrite, DatesAndTimesTakeThePlatformsFormsWithEveryDigit)
{
    TClientDataSet t;
    t.AddFieldDef({QStringLiteral("D"), FieldType::Date});
    t.AddFieldDef({QStringLiteral("T"), FieldType::Time});
    t.AddFieldDef({QStringLiteral("DT"), FieldType::DateTime});
    t.CreateDataSet();
    t.AppendRecord({QDate(1, 2, 3), QTime(4, 5, 6, 7), QDateTime(QDate(987, 6, 5), QTime(0, 0))});
    const QByteArray bytes = t.SaveToBytes();
    EXPECT_TRUE(bytes.contains(R"(D="00010203" T="04:05:06007" DT="09870605T00:00:00000")")) << bytes.constData();
}
