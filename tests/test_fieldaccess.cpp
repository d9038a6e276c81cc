// Reading a field where the table has no current record.
#include "host/TClientDataSet.h"
#include "platform/Exception.h"

#include <gtest/gtest.h>

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
