// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// Values entering a table take their field's type, or are refused whole.
#include "support/DialogHarness.h"
#include "support/Input.h"

#include "host/controls/TBlendedBitBtn.h"
#include "host/data/TClientDataSet.h"
#include "platform/Exception.h"
#include "platform/Variants.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <gtest/gtest.h>

using host::FieldDef;
using host::FieldType;
using host::TClientDataSet;
using platform::EConvertError;

namespace {

// One field of the given type; the value appended, converted, or the refusal's message.
struct One
{
    explicit One(FieldDef def)
    {
        t.AddFieldDef(def);
        t.CreateDataSet();
    }
    QVariant put(const QVariant &v)
    {
        t.AppendRecord({v});
        return t.AllRecords().constLast().at(0);
    }
    QString refusal(const QVariant &v)
    {
        const int before = int(t.AllRecords().size());
        try {
            t.AppendRecord({v});
        } catch (const EConvertError &e) {
            EXPECT_EQ(t.AllRecords().size(), before);
            return e.message();
        }
        ADD_FAILURE() << "accepted " << v.toString().toStdString();
        return QString();
    }
    TClientDataSet t;
};

} // namespace

TEST(TypedRecords, TextKeepsToItsWidthCountingCharacters)
{
    One code({QStringLiteral("CDOCORR"), FieldType::String, 2});
    EXPECT_EQ(code.put(QStringLiteral("0Ç")), QVariant(QStringLiteral("0Ç")));
    EXPECT_EQ(code.put(QStringLiteral("😀a")), QVariant(QStringLiteral("😀a"))); // two characters
    // A number in a text field is its text, so the list's codes stay text.
    EXPECT_EQ(code.put(7).metaType(), QMetaType::fromType<QString>());
    EXPECT_EQ(code.put(7).toString(), QStringLiteral("7"));
    const QString tooLong = code.refusal(QStringLiteral("0444"));
    EXPECT_TRUE(tooLong.contains(QStringLiteral("'CDOCORR'"))) << tooLong.toStdString();
    EXPECT_TRUE(tooLong.contains(QStringLiteral("'0444'")));
    EXPECT_TRUE(tooLong.contains(QStringLiteral("registro 5")));
    EXPECT_TRUE(tooLong.contains(QStringLiteral("largura")));
    EXPECT_FALSE(code.refusal(QByteArray("\x01\x02")).isEmpty()); // bytes are not text

    One free({QStringLiteral("DSOBS"), FieldType::WideString});
    EXPECT_EQ(free.put(QString(500, u'x')).toString().size(), 500); // no width, no limit
}

TEST(TypedRecords, NumbersAreNumbersOfTheFieldsRange)
{
    One n({QStringLiteral("NRORDEM"), FieldType::Int32});
    EXPECT_EQ(n.put(QStringLiteral(" 12 ")), QVariant(12));
    EXPECT_EQ(n.put(2.0), QVariant(2));
    EXPECT_EQ(n.put(qlonglong(-5)).metaType(), QMetaType::fromType<int>());
    EXPECT_TRUE(n.refusal(QStringLiteral("garbage")).contains(QStringLiteral("'garbage'")));
    EXPECT_TRUE(n.refusal(1.5).contains(QStringLiteral("inteiro")));
    EXPECT_TRUE(n.refusal(qlonglong(1) << 40).contains(QStringLiteral("limites")));
    EXPECT_FALSE(n.refusal(QDate(2021, 3, 15)).isEmpty());

    One small({QStringLiteral("N"), FieldType::UInt8});
    EXPECT_EQ(small.put(255), QVariant(255));
    EXPECT_FALSE(small.refusal(-1).isEmpty());
    One big({QStringLiteral("N"), FieldType::Int64});
    EXPECT_EQ(big.put(QStringLiteral("9223372036854775807")), QVariant(std::numeric_limits<qlonglong>::max()));

    One money({QStringLiteral("VLACRESCIMO"), FieldType::Currency});
    EXPECT_EQ(money.put(QStringLiteral("2.5")), QVariant(2.5));
    EXPECT_EQ(money.put(3), QVariant(3.0));
    EXPECT_FALSE(money.refusal(QStringLiteral("2,5")).isEmpty()); // the C locale only, never a guess
    EXPECT_FALSE(money.refusal(QString()).isEmpty());
}

TEST(TypedRecords, BooleansAreTrueOrFalseAndNothingElse)
{
    One b({QStringLiteral("FLATIVO"), FieldType::Boolean});
    EXPECT_EQ(b.put(QStringLiteral("TRUE")), QVariant(true));
    EXPECT_EQ(b.put(QStringLiteral("f")), QVariant(false));
    EXPECT_EQ(b.put(1), QVariant(true));
    EXPECT_EQ(b.put(qlonglong(0)), QVariant(false));
    EXPECT_TRUE(b.refusal(QStringLiteral("garbage")).contains(QStringLiteral("'FLATIVO'")));
    EXPECT_FALSE(b.refusal(2).isEmpty());
    EXPECT_FALSE(b.refusal(QStringLiteral("sim")).isEmpty());
}

TEST(TypedRecords, DatesAndTimesFromTheirValuesAndTheirIsoText)
{
    One d({QStringLiteral("DTCADASTRO"), FieldType::Date});
    EXPECT_EQ(d.put(QStringLiteral("2021-03-15")), QVariant(QDate(2021, 3, 15)));
    EXPECT_EQ(d.put(QStringLiteral("20210315")), QVariant(QDate(2021, 3, 15)));
    EXPECT_EQ(d.put(QDateTime(QDate(2021, 3, 15), QTime(0, 0))), QVariant(QDate(2021, 3, 15)));
    EXPECT_TRUE(d.refusal(QStringLiteral("2021-02-30")).contains(QStringLiteral("data")));
    EXPECT_FALSE(d.refusal(QStringLiteral("15/03/2021")).isEmpty());
    EXPECT_FALSE(d.refusal(QDateTime(QDate(2021, 3, 15), QTime(10, 0))).isEmpty()); // would lose the hour
    EXPECT_FALSE(d.refusal(20210315).isEmpty());

    One t({QStringLiteral("HR"), FieldType::Time});
    EXPECT_EQ(t.put(QStringLiteral("10:30")), QVariant(QTime(10, 30)));
    EXPECT_EQ(t.put(QStringLiteral("10:30:15.250")), QVariant(QTime(10, 30, 15, 250)));
    EXPECT_EQ(t.put(QStringLiteral("10:30:15250")), QVariant(QTime(10, 30, 15, 250)));
    EXPECT_FALSE(t.refusal(QStringLiteral("25:00")).isEmpty());

    One dt({QStringLiteral("DTHR"), FieldType::DateTime});
    const QDateTime ten(QDate(2021, 3, 15), QTime(10, 0));
    EXPECT_EQ(dt.put(QStringLiteral("2021-03-15 10:00:00")), QVariant(ten));
    EXPECT_EQ(dt.put(QStringLiteral("2021-03-15T10:00:00.000")), QVariant(ten));
    EXPECT_EQ(dt.put(QStringLiteral("20210315T10:00:00000")), QVariant(ten));
    EXPECT_EQ(dt.put(QDate(2021, 3, 15)), QVariant(QDateTime(QDate(2021, 3, 15), QTime(0, 0))));
    EXPECT_EQ(dt.put(QStringLiteral("2021-03-15")), QVariant(QDateTime(QDate(2021, 3, 15), QTime(0, 0))));
    // An instant elsewhere comes in as this machine's wall-clock time, as a packet gives it.
    const QVariant utc = dt.put(QDateTime(QDate(2021, 3, 15), QTime(10, 0), Qt::UTC));
    EXPECT_EQ(utc.toDateTime().timeSpec(), Qt::LocalTime);
    EXPECT_EQ(utc.toDateTime(), QDateTime(QDate(2021, 3, 15), QTime(10, 0), Qt::UTC));
    EXPECT_FALSE(dt.refusal(QStringLiteral("amanhã")).isEmpty());
}

TEST(TypedRecords, EveryKindOfNullComesBackAsTheTablesNull)
{
    for (FieldType type : {FieldType::String, FieldType::Int32, FieldType::Float64, FieldType::Boolean, FieldType::Date,
                           FieldType::Time, FieldType::DateTime}) {
        One f({QStringLiteral("F"), type, 10});
        for (const QVariant &v : {QVariant(), platform::varNull(), QVariant(QMetaType::fromType<QString>()),
                                  QVariant(QMetaType::fromType<int>())})
            EXPECT_TRUE(platform::varIsNull(f.put(v))) << int(type);
    }
    One d({QStringLiteral("D"), FieldType::Date});
    EXPECT_TRUE(platform::varIsNull(d.put(QDate())));
    // An empty text is a text, not a null.
    One s({QStringLiteral("S"), FieldType::String, 2});
    EXPECT_FALSE(platform::varIsNull(s.put(QString())));
}

TEST(TypedRecords, ARefusedValueChangesNothing)
{
    TClientDataSet t;
    t.AddFieldDef({QStringLiteral("CDOCORR"), FieldType::String, 2});
    t.AddFieldDef({QStringLiteral("NRORDEM"), FieldType::Int32});
    t.AddFieldDef({QStringLiteral("FLATIVO"), FieldType::Boolean});
    t.CreateDataSet();
    t.AppendRecord({QStringLiteral("01"), 1, true});
    t.AppendRecord({QStringLiteral("02"), 2, false});
    t.First();
    EXPECT_THROW(t.AppendRecord({QStringLiteral("03"), 3, QStringLiteral("garbage")}), EConvertError);
    EXPECT_EQ(t.RecordCount(), 2);
    EXPECT_EQ(t.RecNo(), 0);

    host::TField *n = t.FieldByName(QStringLiteral("NRORDEM"));
    try {
        n->SetValue(QStringLiteral("dois"));
        ADD_FAILURE() << "SetValue took text in an integer field";
    } catch (const EConvertError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("registro 1"))) << e.message().toStdString();
    }
    EXPECT_EQ(n->Value(), QVariant(1));
    n->SetValue(QStringLiteral("5"));
    EXPECT_EQ(n->Value(), QVariant(5));

    // A whole replacement with one bad value in its last record leaves the old table.
    const QVector<FieldDef> defs = t.FieldDefs();
    EXPECT_THROW(t.LoadFromRecords(defs, {{QStringLiteral("AA"), 1, true}, {QStringLiteral("BB"), 2, 7}}),
                 EConvertError);
    EXPECT_THROW(t.LoadFromRecords(defs, {{1, 2, true, 4}}), platform::EDatabaseError);
    EXPECT_EQ(t.RecordCount(), 2);
    EXPECT_EQ(t.FieldByName(QStringLiteral("CDOCORR"))->AsString(), QStringLiteral("01"));
    t.LoadFromRecords(defs, {{QStringLiteral("AA"), QStringLiteral("9"), QStringLiteral("t")}});
    EXPECT_EQ(t.RecordCount(), 1);
    EXPECT_EQ(t.FieldByName(QStringLiteral("NRORDEM"))->Value(), QVariant(9));
}

TEST(TypedRecords, AppendedValuesEqualThePacketsOwn)
{
    TClientDataSet t;
    t.AddFieldDef({QStringLiteral("CDOCORR"), FieldType::String, 2});
    t.AddFieldDef({QStringLiteral("NRORDEM"), FieldType::Int32});
    t.AddFieldDef({QStringLiteral("N8"), FieldType::Int64});
    t.AddFieldDef({QStringLiteral("VL"), FieldType::Currency});
    t.AddFieldDef({QStringLiteral("DT"), FieldType::Date});
    t.AddFieldDef({QStringLiteral("FL"), FieldType::Boolean});
    t.CreateDataSet();
    t.AppendRecord(
        {1, QStringLiteral("1"), 2, QStringLiteral("3.5"), QStringLiteral("2021-03-15"), QStringLiteral("t")});
    TClientDataSet loaded;
    loaded.LoadFromBytes(t.SaveToBytes());
    ASSERT_TRUE(loaded.sameContent(t));
    for (int i = 0; i < t.FieldCount(); ++i)
        EXPECT_EQ(loaded.AllRecords()[0][i].metaType(), t.AllRecords()[0][i].metaType()) << i;
}

TEST(TypedRecords, ANumericCodeIsFoundByItsDigits)
{
    TClientDataSet t;
    t.AddFieldDef({QStringLiteral("CDOCORR"), FieldType::Int32});
    t.AddFieldDef({QStringLiteral("VL"), FieldType::Float64});
    t.CreateDataSet();
    t.AppendRecord({1, 0.5});
    t.AppendRecord({12, 2.0});
    EXPECT_TRUE(t.Locate(QStringLiteral("CDOCORR"), QStringLiteral("01"), TClientDataSet::loCaseInsensitive));
    EXPECT_EQ(t.RecNo(), 0);
    EXPECT_TRUE(t.Locate(QStringLiteral("CDOCORR"), QStringLiteral("12"), TClientDataSet::loCaseInsensitive));
    EXPECT_EQ(t.RecNo(), 1);
    EXPECT_FALSE(t.Locate(QStringLiteral("CDOCORR"), QStringLiteral("2"), TClientDataSet::loCaseInsensitive));
    EXPECT_FALSE(t.Locate(QStringLiteral("CDOCORR"), QStringLiteral("AB"), TClientDataSet::loCaseInsensitive));
    EXPECT_TRUE(t.Locate(QStringLiteral("VL"), QStringLiteral("2"), 0));
    EXPECT_EQ(t.RecNo(), 1);
    // A partial key still compares the text: "1" starts "1" and "12".
    EXPECT_TRUE(t.Locate(QStringLiteral("CDOCORR"), QStringLiteral("1"), TClientDataSet::loPartialKey));
    EXPECT_EQ(t.RecNo(), 0);
}

TEST(TypedRecords, TheDialogFindsAnIntegerCodeTypedWithItsLeadingZero)
{
    TClientDataSet list;
    list.AddFieldDef({QStringLiteral("CDOCORR"), FieldType::Int32});
    list.AddFieldDef({QStringLiteral("DSOBS"), FieldType::String, 30});
    list.AddFieldDef({QStringLiteral("DSOCORR"), FieldType::String, 60});
    list.CreateDataSet();
    list.AppendRecord({1, QStringLiteral("Sem cebola"), QStringLiteral("Retirar a cebola")});
    list.AppendRecord({12, QStringLiteral("Sem sal"), QStringLiteral("Preparar sem sal")});
    DialogHarness h;
    const QVariant r = h.call(&list, QStringLiteral("Observação"), [](dialog::TfrmObservacaoMod &f) {
        touch(f, QStringLiteral("01"));
        f.sbtEnter->click();
        f.spbConfirmar->click();
    });
    EXPECT_TRUE(h.messages.isEmpty()) << messageTexts(h.messages).join(u'\n').toStdString();
    const QVariantList items = r.toList();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(items.at(0), QVariant(1));
    EXPECT_EQ(items.at(1), QVariant(QStringLiteral("Sem cebola")));
    EXPECT_EQ(items.at(3), QVariant(QStringLiteral(" Sem cebola;")));
}
