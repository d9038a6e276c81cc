// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// Reading a field where the table has no current record.
#include "host/data/TClientDataSet.h"
#include "platform/Exception.h"

#include <gtest/gtest.h>

#include <limits>

using host::FieldType;
using host::TClientDataSet;

TEST(FieldAccess, ReadingAnOpenTableWithoutRecordsGivesNullNotAnError)
{
    TClientDataSet t;
    t.AddFieldDef({QStringLiteral("IDESQUEMA"), FieldType::String, 3});
    t.AddFieldDef({QStringLiteral("INCOR1"), FieldType::Int32});
    t.CreateDataSet();
    const host::TField *scheme = t.FieldByName(QStringLiteral("IDESQUEMA"));
    const host::TField *colour = t.FieldByName(QStringLiteral("INCOR1"));
    EXPECT_TRUE(scheme->IsNull());
    EXPECT_EQ(scheme->AsString(), QString());
    EXPECT_EQ(colour->AsInteger(), 0);
    EXPECT_TRUE(colour->Value().isNull());

    // Writing still needs a record to write into.
    EXPECT_THROW(t.FieldByName(QStringLiteral("INCOR1"))->SetValue(5), platform::EDatabaseError);

    // A filter that hides every record leaves no current record either.
    t.AppendRecord({QStringLiteral("001"), 7});
    t.OnFilterRecord = [](const TClientDataSet &, const QVariantList &) { return false; };
    t.SetFiltered(true);
    EXPECT_EQ(colour->AsInteger(), 0);
    t.SetFiltered(false);
    EXPECT_EQ(colour->AsInteger(), 7);

    // A closed table is still an error.
    t.Close();
    EXPECT_THROW(colour->AsInteger(), platform::EDatabaseError);
}

TEST(FieldAccess, AsIntegerTakesWholeValuesThatFitAndRefusesTheRest)
{
    TClientDataSet t;
    t.AddFieldDef({QStringLiteral("N"), FieldType::Int64});
    t.CreateDataSet();
    host::TField *n = t.FieldByName(QStringLiteral("N"));
    const auto asInteger = [&](const QVariant &v) {
        n->SetValue(v);
        return n->AsInteger();
    };
    t.AppendRecord({});
    EXPECT_EQ(asInteger(QVariant(42.0)), 42);
    EXPECT_EQ(asInteger(QVariant(true)), 1);
    EXPECT_EQ(asInteger(QVariant(QStringLiteral(" 17"))), 17);
    EXPECT_EQ(asInteger(QVariant(qlonglong(std::numeric_limits<int>::min()))), std::numeric_limits<int>::min());
    EXPECT_THROW(asInteger(QVariant(42.5)), platform::EConvertError);
    EXPECT_THROW(asInteger(QVariant(qlonglong(std::numeric_limits<int>::max()) + 1)), platform::EConvertError);
    // An unsigned value past the 64-bit range once wrapped round to -1.
    EXPECT_THROW(asInteger(QVariant(std::numeric_limits<quint64>::max())), platform::EConvertError);
}
