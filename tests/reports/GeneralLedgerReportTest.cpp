#include "reports/GeneralLedgerReport.h"

#include "TrialBalanceBooks.h"
#include "common/report/RecordingReportOutput.h"
#include "platform/report/ReportDocument.h"
#include "reports/TrialBalanceReport.h"
#include "support/Printers.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

Money u(qint64 units)
{
    return Money::fromUnits(units);
}

struct Pair
{
    Money debit, credit;
    bool operator==(const Pair &o) const { return debit == o.debit && credit == o.credit; }
};
void PrintTo(const Pair &p, std::ostream *os)
{
    *os << p.debit.thousandths() << "/" << p.credit.thousandths();
}

// The ledger's extra columns, over books whose fiscal year closes in `closingMonth`.
class GeneralLedgerTest : public ::testing::Test
{
protected:
    explicit GeneralLedgerTest(int closingMonth = 12)
        : books(closingMonth)
    {
    }
    Pair totals(int month, int year, bool consolidated = false)
    {
        TrialBalanceOptions o = TrialBalanceReport::optionsFor(books.session, month, year);
        o.consolidated = consolidated;
        const auto t = GeneralLedgerReport::openingRangeTotals(books.db(), o);
        return {t.debit, t.credit};
    }
    void post(QDate date, qint64 units, const QString &type = "001", const QString &company = "E01")
    {
        books.post(date, "110501001", "410101001", u(units), type, company);
    }
    TrialBalanceBooks books;
};

class GeneralLedgerClosingInJune : public GeneralLedgerTest
{
protected:
    GeneralLedgerClosingInJune()
        : GeneralLedgerTest(6)
    {
    }
};

TEST_F(GeneralLedgerTest, TheFirstMonthTakesTheOpeningVoucherAloneLaterMonthsEveryLine)
{
    post({2024, 12, 10}, 1);
    post({2025, 1, 1}, 500, "999");
    post({2025, 1, 15}, 20);
    post({2025, 2, 3}, 300);
    post({2025, 2, 4}, 4000, "001", "E02");
    post({2025, 3, 5}, 50000);
    EXPECT_EQ(totals(1, 2025), (Pair{u(500), u(500)}));
    EXPECT_EQ(totals(2, 2025), (Pair{u(520), u(520)}));
    EXPECT_EQ(totals(3, 2025), (Pair{u(820), u(820)}));
    EXPECT_EQ(totals(3, 2025, true), (Pair{u(4820), u(4820)}));
    // The sums of all lines, not a balance: a one-sided line shows on its side only.
    books.db().exec("INSERT INTO MOVIMIENTO (Empresa, Matriz, TipoComprobante, "
                    "NumeroComprobante, Usuario, Linea, Cuenta, Fecha, ValorDebito, "
                    "ValorCredito) VALUES ('E01', 'E01', '001', '77', 'ANA', 1, '120101001', "
                    "'2025-02-28', ?, 0)",
                    {Money::fromThousandths(5).toSql()});
    EXPECT_EQ(totals(3, 2025), (Pair{u(820) + Money::fromThousandths(5), u(820)}));
    EXPECT_EQ(totals(4, 2025), (Pair{u(50820) + Money::fromThousandths(5), u(50820)}));
}

TEST_F(GeneralLedgerClosingInJune, TheRangeStartsInJulyAndRunsAcrossTheCalendarYear)
{
    post({2025, 6, 30}, 1, "099");
    post({2025, 7, 1}, 600, "999");
    post({2025, 7, 9}, 70);
    post({2025, 12, 31}, 800);
    post({2026, 1, 2}, 9000);
    EXPECT_EQ(totals(7, 2025), (Pair{u(600), u(600)}));
    EXPECT_EQ(totals(8, 2025), (Pair{u(670), u(670)}));
    EXPECT_EQ(totals(1, 2026), (Pair{u(1470), u(1470)}));
    EXPECT_EQ(totals(2, 2026), (Pair{u(10470), u(10470)}));
    // June closes the fiscal year that began the July before.
    EXPECT_EQ(totals(6, 2025), (Pair{Money(), Money()}));
    EXPECT_EQ(totals(6, 2026), (Pair{u(10470), u(10470)}));
}

TEST_F(GeneralLedgerTest, RowsAreTheTrialBalancesWithTheTotalsOnEach)
{
    books.postAFewMonths();
    books.session.gRutaReporte = QStringLiteral(VALDORIA_SOURCE_DIR "/reportes");
    const TrialBalanceOptions o = TrialBalanceReport::optionsFor(books.session, 3, 2025);
    const ReportData balance = TrialBalanceReport::rows(books.session, o);
    const ReportData ledger = GeneralLedgerReport::rows(books.session, o);
    ASSERT_EQ(ledger.rowCount(), balance.rowCount());
    ASSERT_EQ(ledger.columns().mid(0, balance.columns().size()), balance.columns());
    EXPECT_EQ(ledger.columns().mid(balance.columns().size()),
              QStringList({"DebitoAnterior", "CreditoAnterior"}));
    const qint64 expected = u(50000 + 8300).thousandths() + 1250050 * 10 + 750;
    for (int r = 0; r < ledger.rowCount(); ++r) {
        EXPECT_EQ(ledger.row(r).mid(0, balance.columns().size()), balance.row(r));
        EXPECT_EQ(ledger.row(r)[ledger.columnIndex("DebitoAnterior")].toLongLong(), expected);
        EXPECT_EQ(ledger.row(r)[ledger.columnIndex("CreditoAnterior")].toLongLong(), expected);
    }

    RecordingReportOutput output;
    ASSERT_EQ(GeneralLedgerReport::run(books.session, output, o), ReportOutcome::Previewed)
        << books.prompter.lastText().toStdString();
    const ReportDocument &document = *output.requests.at(0).document;
    EXPECT_EQ(output.requests[0].title, "Mayor Analitico");
    EXPECT_EQ(document.pageSetup().orientation, ReportOrientation::Landscape);
    const QStringList text = document.pageText(0).replaceInStrings(QRegularExpression("[.,]"), "");
    EXPECT_TRUE(text.contains("MAYOR ANALITICO")) << text.join('\n').toStdString();
    EXPECT_TRUE(text.contains("Totales | 000 | 1015025 | 1015025 | 000 | 7080125 | 7080125"))
        << text.join('\n').toStdString();
}

} // namespace
