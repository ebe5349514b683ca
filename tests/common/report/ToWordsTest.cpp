#include "common/report/clsNumerosToLetras.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace {

QString words(qint64 cents, bool masculine = false)
{
    return clsNumerosToLetras::ToWords(Money::fromCents(cents), masculine);
}

TEST(ToWords, TheCasesThePrintedFormsDependOn)
{
    EXPECT_EQ(words(100'00), "CIEN");
    EXPECT_EQ(words(101'00), "CIENTO UN");
    EXPECT_EQ(words(200'00), "DOSCIENTOS ");
    EXPECT_EQ(words(1'000'000'00), "UN MILLON ");
    EXPECT_EQ(words(2'000'000'00), "DOS MILLONES ");
    EXPECT_EQ(words(21'00, true), "VEINTIUNO");
    EXPECT_EQ(words(21'00), "VEINTIUN");
    EXPECT_EQ(words(1'234'56), "UN MIL DOSCIENTOS TREINTA Y CUATRO CON 56/100");
    EXPECT_EQ(words(-5'00), "(CINCO)");
    EXPECT_EQ(clsNumerosToLetras::ToWords(Money::fromThousandths(7'995)), "SIETE CON 100/100");
    EXPECT_EQ(words(1'000'00), "UN MIL ");
}

TEST(ToWords, ZeroAndFractionsAlone)
{
    EXPECT_EQ(words(0), "CERO");
    EXPECT_EQ(words(0, true), "CERO");
    EXPECT_EQ(words(50), "CERO CON 50/100");
    EXPECT_EQ(words(-50), "(CERO CON 50/100)");
    EXPECT_EQ(words(5), "CERO CON 05/100");
    // Below half a cent the fraction still shows, as 00.
    EXPECT_EQ(clsNumerosToLetras::ToWords(Money::fromThousandths(4)), "CERO CON 00/100");
}

TEST(ToWords, TheHalfCentGoesToTheEvenNeighbour)
{
    auto thousandths = [](qint64 t) {
        return clsNumerosToLetras::ToWords(Money::fromThousandths(t));
    };
    EXPECT_EQ(thousandths(1'125), "UN CON 12/100");
    EXPECT_EQ(thousandths(1'135), "UN CON 14/100");
    EXPECT_EQ(thousandths(1'126), "UN CON 13/100");
    EXPECT_EQ(thousandths(1'005), "UN CON 00/100");
    EXPECT_EQ(thousandths(1'015), "UN CON 02/100");
    EXPECT_EQ(thousandths(1'985), "UN CON 98/100");
}

TEST(ToWords, ThousandsAndMillionsNeverTakeTheMasculineEnding)
{
    EXPECT_EQ(words(21'000'00, true), "VEINTIUN MIL ");
    EXPECT_EQ(words(21'001'00, true), "VEINTIUN MIL UNO");
    EXPECT_EQ(words(100'100'00), "CIEN MIL CIEN");
    // The hundreds word keeps its blank before " MIL ", so two blanks follow.
    EXPECT_EQ(words(500'000'00), "QUINIENTOS  MIL ");
    EXPECT_EQ(words(1'500'000'00), "UN MILLON QUINIENTOS  MIL ");
    EXPECT_EQ(words(31'000'000'00), "TREINTA Y UN MILLONES ");
    EXPECT_EQ(words(1'000'000'000'00), "UN MIL  MILLONES ");
    EXPECT_EQ(words(987'654'321'99),
              "NOVECIENTOS OCHENTA Y SIETE MILLONES SEISCIENTOS CINCUENTA Y CUATRO MIL "
              "TRESCIENTOS VEINTIUN CON 99/100");
}

// An independent reading of the same wording: the number is cut into groups of three digits
// from the right and each group is read from its digits, with the forms' own habits (UN MIL,
// CIEN alone, a blank after every hundreds word but CIEN).
QString readGroup(int n, bool masculine)
{
    static const QStringList small = {
        "",        "UN",     "DOS",       "TRES",       "CUATRO",    "CINCO",      "SEIS",
        "SIETE",   "OCHO",   "NUEVE",     "DIEZ",       "ONCE",      "DOCE",       "TRECE",
        "CATORCE", "QUINCE", "DIECISEIS", "DIECISIETE", "DIECIOCHO", "DIECINUEVE", "VEINTE"};
    static const QStringList tens = {"",          "",        "VEINTI",  "TREINTA", "CUARENTA",
                                     "CINCUENTA", "SESENTA", "SETENTA", "OCHENTA", "NOVENTA"};
    static const QStringList hundreds = {
        "",           "CIENTO",      "DOSCIENTOS",  "TRESCIENTOS", "CUATROCIENTOS",
        "QUINIENTOS", "SEISCIENTOS", "SETECIENTOS", "OCHOCIENTOS", "NOVECIENTOS"};
    if (n == 100)
        return "CIEN";
    QString out = n >= 100 ? hundreds[n / 100] + " " : QString();
    const int r = n % 100;
    QString last;
    if (r <= 20) {
        last = small[r];
    } else {
        const int u = r % 10;
        last = tens[r / 10] + (r / 10 > 2 && u ? " Y " : "") + small[u];
    }
    if (masculine && last.endsWith("UN"))
        last += "O";
    return out + last;
}

QString independentReading(qint64 whole, bool masculine)
{
    if (whole >= 1'000'000) {
        const qint64 m = whole / 1'000'000;
        return independentReading(m, false) + (m > 1 ? " MILLONES " : " MILLON ") +
               (whole % 1'000'000 ? independentReading(whole % 1'000'000, masculine) : "");
    }
    if (whole >= 1000)
        return readGroup(int(whole / 1000), false) + " MIL " +
               (whole % 1000 ? readGroup(int(whole % 1000), masculine) : "");
    return readGroup(int(whole), masculine);
}

TEST(ToWords, AgreesWithAnIndependentReadingOverHundredsOfAmounts)
{
    std::vector<qint64> wholes;
    for (qint64 n = 1; n <= 130; ++n)
        wholes.push_back(n);
    for (qint64 n :
         {199,     200,      201,       210,       215,      220,     221,     300,     456,
          500,     501,      777,       899,       900,      999,     1000,    1001,    1010,
          1021,    1100,     1111,      1999,      2000,     2021,    9999,    10000,   10101,
          15000,   21000,    21021,     99999,     100000,   100100,  101000,  110000,  121121,
          200200,  500500,   999999,    1000000,   1000001,  1000100, 1001000, 1234567, 2000000,
          2100000, 21000021, 100000000, 101101101, 999999999})
        wholes.push_back(n);
    for (qint64 n = 7; n < 5'000'000'000; n = n * 3 + 11)
        wholes.push_back(n);
    int checked = 0;
    for (qint64 whole : wholes) {
        for (bool masculine : {false, true}) {
            const qint64 cents = (whole * 37) % 100;
            const QString expected =
                independentReading(whole, masculine) +
                (cents ? QStringLiteral(" CON %1/100").arg(cents, 2, 10, QLatin1Char('0')) : "");
            EXPECT_EQ(words(whole * 100 + cents, masculine), expected) << whole;
            EXPECT_EQ(words(-(whole * 100 + cents), masculine), "(" + expected + ")") << whole;
            checked += 2;
        }
    }
    EXPECT_GT(checked, 700);
}

} // namespace
