#include "platform/report/RowFilter.h"
#include "platform/report/ReportData.h"
#include "platform/report/ReportError.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace {

ReportData accounts()
{
    return ReportData({"Codigo", "Nombre", "Saldo", "Fecha"},
                      {
                          {"1101", "Caja principal", qlonglong(1'500'000), QDate(2024, 1, 31)},
                          {"1102", "Caja chica", qlonglong(0), QDate(2024, 2, 29)},
                          {"1103", "Banco O'Leary", qlonglong(-250'500), QDate(2024, 3, 31)},
                          {"2101", "Proveedores", QStringLiteral("75000.000"), QVariant()},
                          {"2102", QVariant(), qlonglong(10), QDate(2024, 2, 1)},
                      });
}

QStringList codesPassing(const QString &criteria)
{
    ReportData data = accounts();
    RowFilter::apply(data, criteria);
    QStringList codes;
    for (int r = 0; r < data.rowCount(); ++r)
        codes << data.row(r)[0].toString();
    return codes;
}

TEST(RowFilter, ComparesTextWithoutRegardToCase)
{
    EXPECT_EQ(codesPassing("Nombre = 'caja chica'"), QStringList{"1102"});
    EXPECT_EQ(codesPassing("Nombre <> 'CAJA CHICA'"), QStringList({"1101", "1103", "2101"}));
    EXPECT_EQ(codesPassing("Codigo >= '2'"), QStringList({"2101", "2102"}));
    EXPECT_EQ(codesPassing("Nombre = 'Banco O''Leary'"), QStringList{"1103"});
}

TEST(RowFilter, LikeTakesBothWildcards)
{
    EXPECT_EQ(codesPassing("Nombre LIKE 'caja*'"), QStringList({"1101", "1102"}));
    EXPECT_EQ(codesPassing("Nombre like '%chica'"), QStringList{"1102"});
    EXPECT_EQ(codesPassing("Nombre LIKE '*o*'"), QStringList({"1103", "2101"}));
    // Pattern characters of regular expressions mean themselves.
    EXPECT_EQ(codesPassing("Nombre LIKE 'Caja.*'"), QStringList{});
}

TEST(RowFilter, NumbersCompareExactlyWhateverTheyArriveAs)
{
    EXPECT_EQ(codesPassing("Saldo > 0"), QStringList({"1101", "2101", "2102"}));
    EXPECT_EQ(codesPassing("Saldo < 0"), QStringList{"1103"});
    EXPECT_EQ(codesPassing("Saldo = 75000"), QStringList{"2101"});
    EXPECT_EQ(codesPassing("Saldo <= -250500.0"), QStringList{"1103"});
    EXPECT_EQ(codesPassing("Saldo > 9.5"), QStringList({"1101", "2101", "2102"}));
    // A quoted value compares as text unless the column holds real numbers: codes stay text.
    EXPECT_EQ(codesPassing("Saldo > '9'"), QStringList({"1101", "2102"}));
}

TEST(RowFilter, DatesBetweenHashes)
{
    EXPECT_EQ(codesPassing("Fecha >= #2024-02-01# AND Fecha < #2024-03-01#"),
              QStringList({"1102", "2102"}));
    EXPECT_EQ(codesPassing("Fecha = #1/31/2024#"), QStringList{"1101"});
}

TEST(RowFilter, NullsAndJunctions)
{
    EXPECT_EQ(codesPassing("Fecha = NULL"), QStringList{"2101"});
    EXPECT_EQ(codesPassing("Nombre <> null"), QStringList({"1101", "1102", "1103", "2101"}));
    // AND binds tighter than OR, parentheses first.
    EXPECT_EQ(codesPassing("Codigo = '1101' OR Codigo = '1102' AND Saldo > 0"),
              QStringList{"1101"});
    EXPECT_EQ(codesPassing("(Codigo = '1101' OR Codigo = '1102') AND Saldo = 0"),
              QStringList{"1102"});
    EXPECT_EQ(codesPassing("[Codigo] = '2102'"), QStringList{"2102"});
    EXPECT_EQ(codesPassing("   "), QStringList({"1101", "1102", "1103", "2101", "2102"}));
}

TEST(RowFilter, AFilterThatDoesNotReadLeavesTheRowsAsTheyWere)
{
    for (const char *bad :
         {"Codigo", "Codigo = ", "Codigo == '1'", "Cuenta = '1'", "Nombre = 'abierta",
          "(Codigo = '1'", "Codigo = '1' AND", "Fecha > #2024-13-01#", "Saldo LIKE 5",
          "Saldo > NULL", "Codigo = '1' x"}) {
        ReportData data = accounts();
        try {
            RowFilter::apply(data, QString::fromUtf8(bad));
            ADD_FAILURE() << "accepted: " << bad;
        } catch (const ReportError &e) {
            EXPECT_TRUE(e.message().startsWith("El filtro \"")) << e.message().toStdString();
        }
        EXPECT_EQ(data.rowCount(), 5) << bad;
    }
}

} // namespace
