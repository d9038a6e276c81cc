// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// How the demo host reports a call: the JSON and text encodings of each variant kind
// and of a call's outcome.
#include "demo/driver/CallOutcome.h"
#include "demo/driver/VariantJson.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using demo::CallOutcome;
namespace VariantJson = demo::VariantJson;

namespace {

std::string json(const QVariant &v)
{
    return VariantJson::encode(v).toStdString();
}

// Parses a JSON value standing alone, as a reader of the host's output would.
QJsonValue parsed(const QByteArray &value)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson("[" + value + "]", &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << value.constData();
    return doc.array().at(0);
}

} // namespace

TEST(VariantJson, EmptyAndNullStayDistinct)
{
    EXPECT_EQ(json(QVariant()), R"({"empty":true})");
    EXPECT_EQ(json(QVariant::fromValue(nullptr)), "null");
    // An empty text is text, not null.
    EXPECT_EQ(json(QString()), R"("")");
}

TEST(VariantJson, ScalarsAreJsonScalars)
{
    EXPECT_EQ(json(QStringLiteral("Sem cebola")), R"("Sem cebola")");
    EXPECT_EQ(json(42), "42");
    EXPECT_EQ(json(-7), "-7");
    // 64-bit integers keep every digit, beyond what a double holds.
    EXPECT_EQ(json(qlonglong(9007199254740993LL)), "9007199254740993");
    EXPECT_EQ(json(std::numeric_limits<qulonglong>::max()), "18446744073709551615");
    EXPECT_EQ(json(1.5), "1.5");
    EXPECT_EQ(json(0.1), "0.1");
    EXPECT_EQ(json(3.0), "3");
    EXPECT_EQ(json(-2.5e-7), "-2.5e-07");
    EXPECT_EQ(json(true), "true");
    EXPECT_EQ(json(false), "false");
    EXPECT_EQ(json(std::nan("")), "null");

    // What a reader gets back.
    EXPECT_DOUBLE_EQ(parsed(VariantJson::encode(-2.5e-7)).toDouble(), -2.5e-7);
    EXPECT_EQ(parsed(VariantJson::encode(qlonglong(1) << 40)).toInteger(), qint64(1) << 40);
}

TEST(VariantJson, TextIsEscapedAndKeptAsUtf8)
{
    const QString text = QStringLiteral("Não \"usar\" C:\\pasta\n\tfim\x01");
    EXPECT_EQ(json(text), "\"Não \\\"usar\\\" C:\\\\pasta\\n\\tfim\\u0001\"");
    EXPECT_EQ(parsed(VariantJson::encode(text)).toString(), text);
    // Characters beyond the basic plane survive as well.
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    EXPECT_EQ(parsed(VariantJson::encode(emoji)).toString(), emoji);
}

TEST(VariantJson, DatesAndTimesAreTaggedObjects)
{
    EXPECT_EQ(json(QDate(2021, 3, 15)), R"({"date":"2021-03-15"})");
    EXPECT_EQ(json(QTime(8, 5, 3, 7)), R"({"time":"08:05:03.007"})");
    EXPECT_EQ(json(QDateTime(QDate(2024, 12, 31), QTime(23, 59, 58, 250))),
              R"({"dateTime":"2024-12-31T23:59:58.250"})");
}

TEST(VariantJson, ArraysCarryTheirBoundsAndNest)
{
    const QVariantList result {QStringLiteral("01"),         1,
                               QVariant::fromValue(nullptr), QVariant(),
                               QDate(2021, 3, 15),           QStringLiteral(" Sem cebola;")};
    EXPECT_EQ(json(result),
              R"({"low":0,"high":5,"items":["01",1,null,{"empty":true},{"date":"2021-03-15"}," Sem cebola;"]})");
    EXPECT_EQ(json(QVariantList {QStringLiteral("Erro")}), R"({"low":0,"high":0,"items":["Erro"]})");
    EXPECT_EQ(json(QVariantList {}), R"({"low":0,"high":-1,"items":[]})");
    EXPECT_EQ(json(QVariantList {QVariantList {1, 2}, QVariantList {}}),
              R"({"low":0,"high":1,"items":[{"low":0,"high":1,"items":[1,2]},{"low":0,"high":-1,"items":[]}]})");
}

TEST(CallOutcome, OneJsonLinePerCallWithItsMessagesInOrder)
{
    CallOutcome outcome;
    outcome.call = 2;
    outcome.result = QVariantList {QStringLiteral("Erro")};
    outcome.messages = {{QStringLiteral("Código deve ser informado."), QStringLiteral("005")},
                        {QStringLiteral("Observação não cadastrado(a)."), QString()}};
    const QByteArray line = outcome.toJson();
    EXPECT_EQ(line.toStdString(),
              R"({"call":2,"result":{"low":0,"high":0,"items":["Erro"]},"messages":[)"
              R"({"text":"Código deve ser informado.","scheme":"005"},)"
              R"({"text":"Observação não cadastrado(a).","scheme":""}]})");
    EXPECT_FALSE(line.contains('\n'));

    const QJsonObject o = parsed(line).toObject();
    EXPECT_EQ(o.value(QStringLiteral("call")).toInt(), 2);
    EXPECT_EQ(o.value(QStringLiteral("messages")).toArray().size(), 2);

    CallOutcome failed;
    failed.call = 1;
    EXPECT_EQ(failed.toJson().toStdString(), R"({"call":1,"result":{"empty":true},"messages":[]})");
}

TEST(CallOutcome, AHostWindowsKeyboardIsReportedOnlyWhenTheHostHadOne)
{
    CallOutcome outcome;
    outcome.call = 1;
    outcome.result = QVariantList {QStringLiteral("Erro")};
    EXPECT_FALSE(outcome.toJson().contains("hostWindow"));
    outcome.hostWindowActive = false;
    EXPECT_TRUE(outcome.toJson().endsWith(R"("messages":[],"hostWindow":{"active":false}})"));
    EXPECT_TRUE(outcome.toText().contains(QStringLiteral("did not get the keyboard back")));
    outcome.hostWindowActive = true;
    EXPECT_EQ(parsed(outcome.toJson())
                  .toObject()
                  .value(QStringLiteral("hostWindow"))
                  .toObject()
                  .value(QStringLiteral("active")),
              QJsonValue(true));
}

TEST(CallOutcome, TextForPeopleNamesEveryMessage)
{
    CallOutcome outcome;
    outcome.call = 1;
    outcome.result = QVariantList {QStringLiteral("Erro")};
    EXPECT_EQ(outcome.toText(), QStringLiteral("Call 1 returned array 0..0 [\"Erro\"]\n  no messages\n"));
    outcome.result
        = QVariantList {QStringLiteral("01"), 2.5, QDate(2021, 3, 15), QVariant(), QVariant::fromValue(nullptr)};
    outcome.messages = {{QStringLiteral("Observação não cadastrado(a)."), QStringLiteral("005")}};
    EXPECT_EQ(outcome.toText(),
              QStringLiteral("Call 1 returned array 0..4 [\"01\", 2.5, date 2021-03-15, (empty), null]\n"
                             "  message 1: \"Observação não cadastrado(a).\" (scheme \"005\")\n"));
}
