#include "demo/DemoCompany.h"

#include "calendar/PeriodService.h"
#include "reports/FinancialStatements.h"
#include "reports/TrialBalance.h"
#include "schema/BalanceStore.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <QCryptographicHash>
#include <gtest/gtest.h>

namespace {

const QDate Today(2026, 3, 15);

// One demo, built as of the middle of March 2026, for all the checks: it is only read.
class DemoBooksTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        database = new TestDatabase(TestDatabase::Content::Empty);
        summary = DemoCompany::Create(database->db(), Today);
    }
    static void TearDownTestSuite()
    {
        delete database;
        database = nullptr;
    }

    static Db &db() { return database->db(); }
    static QStringList companies() { return {summary.headOffice, summary.branch}; }
    static std::vector<TrialBalanceRow> balance(const QString &company, int month, int year)
    {
        TrialBalanceOptions o;
        o.company = company;
        o.headOffice = summary.headOffice;
        o.month = month;
        o.year = year;
        return TrialBalance::compute(db(), o);
    }
    static Money sql(const QString &statement, const QVariantList &values)
    {
        return Money::fromSql(db().scalar(statement, values));
    }

    static TestDatabase *database;
    static DemoCompany::Summary summary;
};

TestDatabase *DemoBooksTest::database = nullptr;
DemoCompany::Summary DemoBooksTest::summary;

// The months the demo has books for: all of 2025 and 2026 up to March.
std::vector<QDate> bookedMonths()
{
    std::vector<QDate> months;
    for (QDate m(2025, 1, 1); m <= Today; m = m.addMonths(1))
        months.push_back(m);
    return months;
}

TEST_F(DemoBooksTest, EveryMonthsTrialBalanceTiesAndTheStoreEqualsTheLines)
{
    const auto difference = BalanceStore::verify(db());
    EXPECT_FALSE(difference) << difference->text().toStdString();
    for (const QString &company : companies()) {
        for (const QDate &first : bookedMonths()) {
            const QDate next = first.addMonths(1);
            const std::string when =
                (company + QStringLiteral(" ") + first.toString(QStringLiteral("MM/yyyy")))
                    .toStdString();
            AccountSum total;
            for (const TrialBalanceRow &row : balance(company, first.month(), first.year())) {
                if (row.code.size() != 1)
                    continue;
                total += row.sum;
                // The class as the lines add it up: the fiscal year's opening vouchers and
                // earlier months, then the month without its opening vouchers.
                const QString like = row.code + QStringLiteral("%");
                EXPECT_EQ(row.sum.opening,
                          sql("SELECT SUM(ValorDebito - ValorCredito) FROM MOVIMIENTO WHERE "
                              "Empresa = ? AND Cuenta LIKE ? AND Fecha >= ? AND (Fecha < ? OR "
                              "(TipoComprobante = '999' AND Fecha < ?))",
                              {company, like, QDate(first.year(), 1, 1), first, next}))
                    << when << " class " << row.code.toStdString();
                EXPECT_EQ(row.sum.credit,
                          sql("SELECT SUM(ValorCredito) FROM MOVIMIENTO WHERE Empresa = ? AND "
                              "Cuenta LIKE ? AND Fecha >= ? AND Fecha < ? AND "
                              "TipoComprobante <> '999'",
                              {company, like, first, next}))
                    << when << " class " << row.code.toStdString();
            }
            EXPECT_TRUE(total.opening.isZero()) << when;
            EXPECT_FALSE(total.debit.isZero()) << when;
            EXPECT_EQ(total.debit, total.credit) << when;
        }
    }
}

// Every month of both years, each company and the group: the balance sheet balances and its
// result is the income statement's.
TEST_F(DemoBooksTest, EveryMonthsStatementsTie)
{
    for (const QString &company : companies())
        for (const QDate &first : bookedMonths())
            for (bool consolidated : {false, true}) {
                if (consolidated && company != companies().front())
                    continue; // the group is asked for from its head office
                StatementOptions o;
                o.company = company;
                o.headOffice = companies().front();
                o.consolidated = consolidated;
                o.month = first.month();
                o.year = first.year();
                const BalanceSheet sheet = FinancialStatements::balanceSheet(db(), o);
                const std::string when =
                    (company + first.toString(QStringLiteral(" MM/yyyy")) +
                     (consolidated ? QStringLiteral(" group") : QString()))
                        .toStdString();
                EXPECT_EQ(sheet.assets(), sheet.liabilities() + sheet.equity()) << when;
                EXPECT_FALSE(sheet.assets().isZero()) << when;
                const Money income = FinancialStatements::incomeStatement(db(), o).result();
                if (first.month() == 12 && first.year() == 2025) {
                    // Closed: the closing carried the result to its account; the income
                    // statement still shows the year as it stood before the closing.
                    EXPECT_TRUE(sheet.result.isZero()) << when;
                    EXPECT_FALSE(income.isZero()) << when;
                } else {
                    EXPECT_EQ(income, sheet.result) << when;
                }
            }
}

TEST_F(DemoBooksTest, LastYearIsClosedAndThisYearOpensWithItsBalanceSheet)
{
    for (const QString &company : companies()) {
        EXPECT_EQ(PeriodService(db()).closedUntil(company, summary.headOffice),
                  QDate(2025, 12, 31));
        const auto december = balance(company, 12, 2025);
        std::map<QString, Money> closing;
        for (const TrialBalanceRow &row : december) {
            if (row.code.front() >= u'4')
                EXPECT_TRUE(row.sum.closing().isZero())
                    << company.toStdString() << " " << row.code.toStdString();
            else
                closing[row.code] = row.sum.closing();
        }
        // A profit, carried into this year's retained earnings.
        EXPECT_LT(closing["3605"], Money()) << company.toStdString();
        std::map<QString, Money> opening;
        for (const TrialBalanceRow &row : balance(company, 1, 2026))
            if (row.code.front() < u'4' && !row.sum.opening.isZero())
                opening[row.code] = row.sum.opening;
        // December's balance-sheet balances, the year's result moved to retained earnings.
        const Money result = closing["3605"];
        for (const char *moved : {"36", "3605", "360505", "360505001"})
            closing.erase(moved);
        for (const char *into : {"37", "3705", "370505", "370505001"})
            closing[into] += result;
        std::erase_if(closing, [](const auto &c) { return c.second.isZero(); });
        EXPECT_EQ(opening, closing) << company.toStdString();
    }
}

TEST_F(DemoBooksTest, TheMonthsHoldWhatASmallCompanyBooks)
{
    const QString head = summary.headOffice;
    // About thirty vouchers a month in the head office, none after today; the closings add
    // their own two vouchers in each company.
    for (const QDate &first : bookedMonths()) {
        const int vouchers =
            db().scalar("SELECT COUNT(*) FROM (SELECT DISTINCT TipoComprobante, "
                        "NumeroComprobante FROM MOVIMIENTO WHERE Empresa = ? AND Fecha >= ? AND "
                        "Fecha < ? AND TipoComprobante <> '999') V",
                        {head, first, first.addMonths(1)})
                .toInt();
        EXPECT_GE(vouchers, first < Today.addDays(-Today.day()) ? 30 : 10)
            << first.toString().toStdString();
    }
    EXPECT_FALSE(db().exists("SELECT 1 FROM MOVIMIENTO WHERE Fecha > ?", {Today}));
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM MOVIMIENTO_USUARIOS").toInt(),
              summary.vouchers + 4);

    // Income tax withheld goes to the account of the concept and the kind of supplier.
    const auto retentions = db().rows(
        "SELECT M.Cuenta, C.CuentaRetencionPJ, C.CuentaRetencionPN, T.TipoPersona FROM "
        "MOVIMIENTO M INNER JOIN CONCEPTORET C ON M.ConceptoRetencion = C.Codigo INNER JOIN "
        "TERCERO T ON M.Tercero = T.Codigo WHERE M.TipoDocumento = 'FR' AND M.Cuenta LIKE '2365%'");
    EXPECT_GE(retentions.size(), 14u * 7);
    for (const QSqlRecord &r : retentions)
        EXPECT_EQ(r.value(0).toString(), r.value(r.value(3).toInt() == 0 ? 1 : 2).toString());
    // IVA withheld from suppliers, and by the customer who is a special taxpayer.
    EXPECT_GT(db().scalar("SELECT COUNT(*) FROM MOVIMIENTO WHERE Cuenta = '240810' AND "
                          "ValorCredito > 0")
                  .toInt(),
              15 * 5);
    EXPECT_GT(db().scalar("SELECT COUNT(*) FROM MOVIMIENTO WHERE Cuenta = '240807'").toInt(), 0);

    // Payroll split over the account's cost centres in whole bolívares, the last centre
    // taking the rest.
    const auto split = db().rows("SELECT CentroCosto, ValorDebito, GrupoLinea FROM MOVIMIENTO "
                                 "WHERE Cuenta = '510506001' AND Empresa = ? AND Fecha = ? "
                                 "ORDER BY Linea",
                                 {head, QDate(2025, 1, 15)});
    ASSERT_EQ(split.size(), 4u);
    QStringList centres;
    for (const QSqlRecord &r : split) {
        centres << r.value(0).toString();
        EXPECT_EQ(r.value(2).toInt(), split[0].value(2).toInt());
    }
    EXPECT_EQ(centres, QStringList({"ADM", "ALM", "GER", "SIS"}));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Money::fromSql(split[i].value(1)).thousandths() % 1000, 0) << i;

    // Every month: depreciation, and one transfer between the offices booked on each side.
    for (const QDate &first : bookedMonths()) {
        if (first.month() == Today.month() && first.year() == Today.year())
            continue;
        const QVariantList month{first, first.addMonths(1)};
        EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM MOVIMIENTO WHERE Empresa = ? AND "
                              "Cuenta LIKE '1592%' AND Fecha >= ? AND Fecha < ? AND "
                              "TipoComprobante <> '999'",
                              QVariantList{head} + month)
                      .toInt(),
                  4);
        const auto transfers = db().rows(
            "SELECT M.Empresa, M.Tercero, M.ValorDebito + M.ValorCredito FROM MOVIMIENTO M "
            "INNER JOIN EMPRESA E ON M.Cuenta = E.CuentaPorCobrar AND M.Tercero = E.Codigo "
            "WHERE M.Fecha >= ? AND M.Fecha < ? AND M.TipoComprobante <> '999' "
            "ORDER BY M.Empresa",
            month);
        ASSERT_EQ(transfers.size(), 2u) << first.toString().toStdString();
        EXPECT_EQ(transfers[0].value(1).toString(), transfers[1].value(0).toString());
        EXPECT_EQ(Money::fromSql(transfers[0].value(2)), Money::fromSql(transfers[1].value(2)));
    }
}

TEST_F(DemoBooksTest, TheBankNeverRunsDryAndTheBookkeeperWorksInTheCurrentMonth)
{
    for (const QString &bank : {QStringLiteral("111005001"), QStringLiteral("111005002")}) {
        Money running;
        for (const QSqlRecord &r : db().rows(
                 "SELECT Fecha, SUM(ValorDebito - ValorCredito) FROM MOVIMIENTO WHERE Cuenta = ? "
                 "AND NOT (TipoComprobante IN ('099', '999') AND Fecha > ?) GROUP BY Fecha "
                 "ORDER BY Fecha",
                 {bank, QDate(2025, 1, 1)})) {
            running += Money::fromSql(r.value(1));
            ASSERT_FALSE(running.isNegative())
                << bank.toStdString() << " " << r.value(0).toString().toStdString();
        }
    }
    PeriodService periods(db());
    EXPECT_EQ(
        periods.status(summary.headOffice, summary.headOffice, Today, DemoCompany::BookkeeperCode),
        PeriodService::Status::Open);
    EXPECT_EQ(periods.status(summary.headOffice, summary.headOffice, QDate(2025, 12, 1),
                             DemoCompany::BookkeeperCode),
              PeriodService::Status::YearClosed);
    EXPECT_FALSE(db().exists("SELECT 1 FROM REGISTRO"));
}

// Everything a report could read, but the moments of creation and approval.
QByteArray fingerprint(Db &db)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QSqlRecord &r : db.rows(
             "SELECT Empresa, TipoComprobante, NumeroComprobante, Linea, Cuenta, Fecha, Tercero, "
             "TipoDocumento, Documento, CentroCosto, ValorDebito, ValorCredito, Descripcion, "
             "GrupoLinea, ConceptoRetencion, PorcentajeImpuesto FROM MOVIMIENTO ORDER BY "
             "Empresa, TipoComprobante, NumeroComprobante, Fecha, Linea"))
        for (int c = 0; c < r.count(); ++c)
            hash.addData(r.value(c).toString().toUtf8() + '|');
    return hash.result().toHex();
}

TEST_F(DemoBooksTest, BuildingAgainGivesTheSameBooks)
{
    TestDatabase again(TestDatabase::Content::Empty);
    const auto second = DemoCompany::Create(again.db(), Today);
    EXPECT_EQ(second.vouchers, summary.vouchers);
    EXPECT_EQ(fingerprint(again.db()), fingerprint(db()));
}

} // namespace
