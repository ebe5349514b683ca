#include "platform/report/FieldFormatter.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace {

const QLocale venezuela(QLocale::Spanish, QLocale::Venezuela);

ReportFormatting formatting(ReportFormat format)
{
    ReportFormatting s;
    s.format = format;
    return s;
}

TEST(FieldFormatterNumbers, ReadsWhatEachEngineHandsBack)
{
    EXPECT_EQ(FieldFormatter::wholeNumber(qlonglong(1'234'560)), 1'234'560);
    EXPECT_EQ(FieldFormatter::wholeNumber(QStringLiteral("1234560")), 1'234'560);
    // PostgreSQL's NUMERIC sums, with or without a fraction.
    EXPECT_EQ(FieldFormatter::wholeNumber(QStringLiteral("1234560.000")), 1'234'560);
    EXPECT_EQ(FieldFormatter::wholeNumber(QStringLiteral("-7.5")), -8);
    EXPECT_EQ(FieldFormatter::wholeNumber(QStringLiteral(" 12 ")), 12);
    EXPECT_EQ(FieldFormatter::wholeNumber(2.5), 3);
    EXPECT_EQ(FieldFormatter::wholeNumber(true), 1);
    EXPECT_FALSE(FieldFormatter::wholeNumber(QVariant()).has_value());
    EXPECT_FALSE(FieldFormatter::wholeNumber(QStringLiteral("12a")).has_value());
    EXPECT_FALSE(FieldFormatter::wholeNumber(QStringLiteral(".")).has_value());
    EXPECT_FALSE(FieldFormatter::wholeNumber(QStringLiteral("99999999999999999999")).has_value());
}

TEST(FieldFormatterFormat, AmountsFromTextAndBlankZeros)
{
    ReportFormatting amount = formatting(ReportFormat::Amount);
    EXPECT_EQ(FieldFormatter::format(QStringLiteral("1500250.000"), amount, venezuela), "1.500,25");
    EXPECT_EQ(FieldFormatter::format(0, amount, venezuela), "0,00");
    EXPECT_EQ(FieldFormatter::format(QVariant(), amount, venezuela), "");
    amount.blankWhenZero = true;
    EXPECT_EQ(FieldFormatter::format(0, amount, venezuela), "");
    EXPECT_EQ(FieldFormatter::format(4, amount, venezuela), "0,00"); // below a cent, not zero
    // Something that is not a number is printed as it came rather than lost.
    EXPECT_EQ(FieldFormatter::format(QStringLiteral("n/d"), amount, venezuela), "n/d");
}

TEST(FieldFormatterFormat, DatesFromEveryShapeTheyArriveIn)
{
    const ReportFormatting date = formatting(ReportFormat::Date);
    EXPECT_EQ(FieldFormatter::format(QDate(2024, 2, 29), date, venezuela), "29/02/2024");
    EXPECT_EQ(FieldFormatter::format(QStringLiteral("2024-02-29"), date, venezuela), "29/02/2024");
    EXPECT_EQ(FieldFormatter::format(QStringLiteral("2024-02-29T10:11:12"), date, venezuela),
              "29/02/2024");
    EXPECT_EQ(FieldFormatter::format(QStringLiteral("20240229"), date, venezuela), "29/02/2024");
    EXPECT_EQ(FieldFormatter::format(QStringLiteral("ayer"), date, venezuela), "");
    ReportFormatting pattern = date;
    pattern.pattern = QStringLiteral("dd-MM-yyyy");
    EXPECT_EQ(FieldFormatter::format(QDate(2024, 2, 29), pattern, venezuela), "29-02-2024");
    EXPECT_EQ(FieldFormatter::format(QDateTime(QDate(2024, 1, 1), QTime(15, 7)),
                                     formatting(ReportFormat::Time), venezuela),
              "03:07 PM");
}

TEST(FieldFormatterFormat, FlagsChoicesAndCapitals)
{
    ReportFormatting flag = formatting(ReportFormat::Flag);
    EXPECT_EQ(FieldFormatter::format(1, flag, venezuela), "Sí");
    EXPECT_EQ(FieldFormatter::format(QStringLiteral("0"), flag, venezuela), "No");
    EXPECT_EQ(FieldFormatter::format(QVariant(), flag, venezuela), "No");
    flag.yes = QStringLiteral("X");
    flag.no.clear();
    EXPECT_EQ(FieldFormatter::format(true, flag, venezuela), "X");
    EXPECT_EQ(FieldFormatter::format(false, flag, venezuela), "");

    ReportFormatting choice = formatting(ReportFormat::Choice);
    choice.choices = QStringList{"JURÍDICA", "NATURAL", "EXTRANJERA"};
    EXPECT_EQ(FieldFormatter::format(1, choice, venezuela), "NATURAL");
    EXPECT_EQ(FieldFormatter::format(QStringLiteral("2"), choice, venezuela), "EXTRANJERA");
    EXPECT_EQ(FieldFormatter::format(3, choice, venezuela), "");

    ReportFormatting upper = formatting(ReportFormat::Text);
    upper.upperCase = true;
    EXPECT_EQ(FieldFormatter::format(QStringLiteral("Centros de costos"), upper, venezuela),
              "CENTROS DE COSTOS");
}

TEST(FieldFormatterConditions, ZeroBlankAndNullHoldNothing)
{
    for (const QVariant &empty :
         {QVariant(), QVariant(QString()), QVariant(QStringLiteral("  ")), QVariant(0),
          QVariant(QStringLiteral("0")), QVariant(false), QVariant(QByteArray())})
        EXPECT_FALSE(FieldFormatter::holdsSomething(empty)) << empty.toString().toStdString();
    for (const QVariant &full :
         {QVariant(1), QVariant(QStringLiteral("Nombre")), QVariant(QStringLiteral("0.5")),
          QVariant(true), QVariant(QByteArray("\x89PNG")), QVariant(QDate(2024, 1, 1))})
        EXPECT_TRUE(FieldFormatter::holdsSomething(full)) << full.toString().toStdString();
}

} // namespace
