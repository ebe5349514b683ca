#include "reports/AuxiliaryBook.h"

#include "AuxiliaryBooks.h"
#include "common/report/RecordingReportOutput.h"
#include "reports/AuxiliaryBookReport.h"
#include "reports/MonthRange.h"
#include "reports/PartyBalancesReport.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace {

Money u(qint64 units)
{
    return Money::fromUnits(units);
}

class AuxiliaryBookTest : public ::testing::Test, protected AuxiliaryBooks
{
protected:
    explicit AuxiliaryBookTest(int closingMonth = 12)
        : AuxiliaryBooks(closingMonth)
    {
    }

    AuxiliaryBookOptions months(int first, int last, int year = 2025)
    {
        return AuxiliaryBookReport::optionsFor(session, first, last, year);
    }
    AuxiliaryBookData book(const AuxiliaryBookOptions &o)
    {
        return AuxiliaryBook::compute(db(), AuxiliaryBookReport::effective(session, o));
    }
    static const AuxiliaryAccount *account(const AuxiliaryBookData &b, const QString &code)
    {
        for (const AuxiliaryAccount &a : b.accounts)
            if (a.code == code)
                return &a;
        return nullptr;
    }
    static const AuxiliaryParty *party(const AuxiliaryBookData &b, const QString &account,
                                       const QString &code)
    {
        if (const AuxiliaryAccount *a = AuxiliaryBookTest::account(b, account))
            for (const AuxiliaryParty &p : a->parties)
                if (p.code == code)
                    return &p;
        return nullptr;
    }
    static QStringList pairs(const AuxiliaryBookData &b)
    {
        QStringList list;
        for (const AuxiliaryAccount &a : b.accounts)
            for (const AuxiliaryParty &p : a.parties)
                list << a.code + "/" + p.code;
        return list;
    }
    static QStringList amountsOf(const AuxiliaryParty &p)
    {
        QStringList list;
        for (const AuxiliaryLine &l : p.lines)
            list << (l.debit - l.credit).toPlainString();
        return list;
    }
    static QVariant cell(const ReportData &d, int row, const QString &column)
    {
        return d.row(row)[d.columnIndex(column)];
    }
};

TEST_F(AuxiliaryBookTest, AMonthOpensFromTheYearSoFarAndListsItsLines)
{
    postPurchases();
    const AuxiliaryBookData b = book(months(3, 3));
    EXPECT_EQ(pairs(b), QStringList({"110501001/*", "120101001/*", "210101001/J-1", "210101001/J-2",
                                     "310101001/*"}));
    const AuxiliaryParty *j1 = party(b, "210101001", "J-1");
    ASSERT_TRUE(j1);
    EXPECT_EQ(j1->name, "Suministros Uno, C.A.");
    EXPECT_EQ(j1->opening, u(-1000));
    EXPECT_EQ(j1->debit, u(400));
    EXPECT_EQ(j1->closing(), u(-600));
    ASSERT_EQ(j1->lines.size(), 1u);
    EXPECT_EQ(j1->lines[0].date, QDate(2025, 3, 5));
    EXPECT_EQ(j1->lines[0].description, "Pago");
    EXPECT_EQ(j1->lines[0].voucherName, "Diario");

    const AuxiliaryAccount *payables = account(b, "210101001");
    EXPECT_EQ(payables->name, "Proveedores nacionales");
    EXPECT_EQ(payables->opening, u(-1300));
    EXPECT_EQ(payables->closing(), u(-900));
    EXPECT_EQ(account(b, "110501001")->opening, u(50000));
    // The books balance: the openings add up to nothing, the debits to the credits.
    EXPECT_EQ(b.opening, Money());
    EXPECT_EQ(b.debit, u(400));
    EXPECT_EQ(b.credit, u(400));
}

TEST_F(AuxiliaryBookTest, AThirdPartyWithABalanceAndNoLinesPrintsOneLineWithIt)
{
    postPurchases();
    const AuxiliaryBookData b = book(months(3, 3));
    const AuxiliaryParty *j2 = party(b, "210101001", "J-2");
    ASSERT_TRUE(j2);
    EXPECT_TRUE(j2->lines.empty());
    EXPECT_EQ(j2->opening, u(-300));

    const ReportData data = AuxiliaryBookReport::rows(session, months(3, 3));
    std::vector<int> rowsOfJ2;
    for (int r = 0; r < data.rowCount(); ++r)
        if (cell(data, r, "Tercero").toString() == "J-2")
            rowsOfJ2.push_back(r);
    ASSERT_EQ(rowsOfJ2.size(), 1u);
    const int r = rowsOfJ2[0];
    EXPECT_EQ(cell(data, r, "NombreTercero").toString(), "Papelería Dos, S.R.L.");
    EXPECT_EQ(cell(data, r, "TipoComprobante").toString(), "");
    EXPECT_EQ(cell(data, r, "Debito").toLongLong(), 0);
    EXPECT_EQ(cell(data, r, "Saldo").toLongLong(), u(-300).thousandths());
    EXPECT_EQ(cell(data, r, "SaldoInicialTercero").toLongLong(), u(-300).thousandths());
    EXPECT_EQ(cell(data, r, "SaldoFinalCuenta").toLongLong(), u(-900).thousandths());
}

TEST_F(AuxiliaryBookTest, RowsRunTheBalanceOfTheirPairInTheReportsColumnOrder)
{
    postPurchases();
    voucher({2025, 3, 28}, {{"210101001", "J-1", u(100), {}}, {"110501001", "*", {}, u(100)}});
    const ReportData data = AuxiliaryBookReport::rows(session, months(3, 3));
    const QStringList columns = data.columns().mid(0, AuxiliaryBookReport::rowColumnCount());
    EXPECT_EQ(columns.mid(8, 3),
              QStringList({"TipoComprobante", "NombreComprobante", "NumeroComprobante"}));
    EXPECT_EQ(columns.last(), "Consolidado");
    ASSERT_EQ(data.row(0).size(), data.columns().size());
    QStringList balances;
    for (int r = 0; r < data.rowCount(); ++r)
        if (cell(data, r, "Tercero").toString() == "J-1")
            balances << Money::fromThousandths(cell(data, r, "Saldo").toLongLong()).toPlainString();
    EXPECT_EQ(balances, QStringList({"-600.00", "-500.00"}));
    EXPECT_EQ(cell(data, 0, "Periodo").toString(), "Marzo 2025");
}

TEST_F(AuxiliaryBookTest, TheFirstMonthOpensFromItsOpeningVouchersWhichAreNoLinesOfIt)
{
    postPurchases();
    const AuxiliaryBookData b = book(months(1, 1));
    EXPECT_EQ(pairs(b), QStringList({"110501001/*", "310101001/*"}));
    EXPECT_EQ(account(b, "110501001")->opening, u(50000));
    EXPECT_EQ(b.lineCount(), 0u);
}

TEST_F(AuxiliaryBookTest, LinesThatAreNoPostingsAreLeftOut)
{
    postPurchases();
    for (const auto &[number, user, line] : std::vector<std::tuple<QString, QString, int>>{
             {"0", "ANA", 1}, {"90", "*", 1}, {"91", "ANA", -1}})
        db().exec("INSERT INTO MOVIMIENTO (Empresa, Matriz, TipoComprobante, NumeroComprobante, "
                  "Usuario, Linea, Cuenta, Fecha, ValorDebito, ValorCredito) VALUES ('E01', "
                  "'E01', '001', ?, ?, ?, '120101001', ?, 5000, 0)",
                  {number, user, line, QDate(2025, 3, 9)});
    EXPECT_TRUE(party(book(months(3, 3)), "120101001", "*")->lines.empty());
}

TEST_F(AuxiliaryBookTest, ConsolidatedAddsTheBranchesOnlyFromTheHeadOffice)
{
    postPurchases();
    AuxiliaryBookOptions o = months(3, 3);
    EXPECT_EQ(book(o).lineCount(), 2u);
    o.consolidated = true;
    const AuxiliaryBookData all = book(o);
    EXPECT_EQ(all.lineCount(), 4u);
    const AuxiliaryParty *sale = party(all, "410101001", "V-3");
    ASSERT_TRUE(sale);
    EXPECT_EQ(sale->lines[0].company, "E02");
    EXPECT_EQ(sale->credit, u(900));
    EXPECT_EQ(all.debit, all.credit);

    const ReportData data = AuxiliaryBookReport::rows(session, o);
    EXPECT_EQ(cell(data, 0, "Consolidado").toInt(), 1);

    // A branch sees its own books only, whatever it asks.
    session.gEmpresa = "E02";
    o.company = "E02";
    EXPECT_EQ(pairs(book(o)), QStringList({"110501002/*", "410101001/V-3"}));
}

TEST_F(AuxiliaryBookTest, RangesOfAccountsAndThirdPartiesCompareAsText)
{
    postPurchases();
    AuxiliaryBookOptions o = months(3, 3);
    o.accountFrom = "2";
    o.accountTo = "29";
    EXPECT_EQ(pairs(book(o)), QStringList({"210101001/J-1", "210101001/J-2"}));
    o.partyFrom = "J-2";
    o.partyTo = "J-9";
    const AuxiliaryBookData b = book(o);
    EXPECT_EQ(pairs(b), QStringList({"210101001/J-2"}));
    EXPECT_EQ(account(b, "210101001")->opening, u(-300));
    o.accountTo = "";
    EXPECT_EQ(book(o).accounts.size(), 1u) << "a range needs both ends";
}

TEST_F(AuxiliaryBookTest, TheIvaBookListsOneAccountOfOneCompanyByDateOrByDocument)
{
    postPurchases();
    voucher({2025, 3, 2}, {{"210101001", "J-1", {}, u(10), "Factura B", "0002"}});
    voucher({2025, 3, 3}, {{"210101001", "J-1", {}, u(20), "Factura A", "0005"}});
    voucher({2025, 3, 4}, {{"210101001", "J-1", {}, u(30), "Factura A", "0001"}});
    AuxiliaryBookOptions o = months(3, 3);
    o.account = "210101001";
    AuxiliaryBookData b = book(o);
    EXPECT_EQ(pairs(b), QStringList({"210101001/J-1", "210101001/J-2"}));
    EXPECT_EQ(amountsOf(*party(b, "210101001", "J-1")),
              QStringList({"-10.00", "-20.00", "-30.00", "400.00"}));
    EXPECT_EQ(party(b, "210101001", "J-1")->lines[0].documentName, "FACTURA");

    o.order = AuxiliaryBookOptions::Order::Document;
    b = book(o);
    EXPECT_EQ(amountsOf(*party(b, "210101001", "J-1")),
              QStringList({"-30.00", "-20.00", "-10.00", "400.00"}));

    // Another company of the head office is chosen by its code.
    o.company = "E02";
    o.account = "410101001";
    EXPECT_EQ(pairs(book(o)), QStringList({"410101001/V-3"}));
    EXPECT_EQ(AuxiliaryBookReport::companiesOf(db(), "E01"),
              (std::vector<std::pair<QString, QString>>{{"E02", "Alfa Valencia"},
                                                        {"E01", "Distribuidora Alfa, C.A."}}));
}

TEST_F(AuxiliaryBookTest, BalancesByThirdPartyAddUpEachPair)
{
    postPurchases();
    const ReportData data = PartyBalancesReport::rows(session, months(3, 3));
    EXPECT_EQ(data.columns().mid(8, 4),
              QStringList({"Cuenta", "NombreCuenta", "Tercero", "NombreTercero"}));
    QStringList lines;
    for (int r = 0; r < data.rowCount(); ++r) {
        QStringList fields{cell(data, r, "Cuenta").toString(), cell(data, r, "Tercero").toString()};
        for (const char *amount : {"SaldoAnterior", "ValorDebito", "ValorCredito", "SaldoFinal"})
            fields << Money::fromThousandths(cell(data, r, amount).toLongLong()).toPlainString();
        lines << fields.join(' ');
    }
    EXPECT_EQ(lines, QStringList({"110501001 * 50000.00 0.00 400.00 49600.00",
                                  "120101001 * 1300.00 0.00 0.00 1300.00",
                                  "210101001 J-1 -1000.00 400.00 0.00 -600.00",
                                  "210101001 J-2 -300.00 0.00 0.00 -300.00",
                                  "310101001 * -50000.00 0.00 0.00 -50000.00"}));
}

TEST_F(AuxiliaryBookTest, TheLayoutsPrintEveryBook)
{
    postPurchases();
    RecordingReportOutput output;
    session.reports = &output;
    for (auto kind : {AuxiliaryBookReport::Kind::Monthly, AuxiliaryBookReport::Kind::Annual,
                      AuxiliaryBookReport::Kind::AnnualDetailed}) {
        const ReportOutcome outcome = AuxiliaryBookReport::run(session, output, kind, months(2, 3));
        ASSERT_EQ(outcome, ReportOutcome::Previewed) << prompter.lastText().toStdString();
    }
    ASSERT_EQ(PartyBalancesReport::run(session, output, months(3, 3)), ReportOutcome::Previewed)
        << prompter.lastText().toStdString();
    ASSERT_EQ(output.requests.size(), 4u);
    EXPECT_EQ(output.requests[0].title, "Libro Auxiliar");
    EXPECT_EQ(output.requests[1].title, "Libro Auxiliar (Anual)");
    EXPECT_EQ(output.requests[3].title, "Saldos Por Terceros");
    const QStringList text = output.requests[0].document->pageText(0);
    EXPECT_TRUE(text.contains("LIBRO AUXILIAR")) << text.join('\n').toStdString();
    EXPECT_TRUE(text.contains("Febrero a Marzo 2025"));
}

TEST_F(AuxiliaryBookTest, TheWindowsChecksSayWhatIsMissing)
{
    for (const QString year : {"", "25", "0025"}) {
        EXPECT_FALSE(AuxiliaryBookReport::checkYear(year, prompter));
        EXPECT_EQ(prompter.lastText(), "¡Debe seleccionar un año valido...!");
    }
    EXPECT_TRUE(AuxiliaryBookReport::checkYear("2025", prompter));
    EXPECT_FALSE(AuxiliaryBookReport::checkAccount(" ", prompter));
    EXPECT_EQ(prompter.lastText(), "¡Debe seleccionar una cuenta!");
}

// A company whose fiscal year closes in June.
class JuneClosingTest : public AuxiliaryBookTest
{
protected:
    JuneClosingTest()
        : AuxiliaryBookTest(6)
    {
        voucher({2024, 6, 15}, {{"120101001", "*", u(700), {}}, {"210101001", "J-1", {}, u(700)}});
        voucher({2024, 7, 1}, {{"110501001", "*", u(5000), {}}, {"310101001", "*", {}, u(5000)}},
                "999");
        voucher({2024, 9, 10},
                {{"120101001", "*", u(1000), {}}, {"210101001", "J-1", {}, u(1000)}});
        voucher({2025, 1, 20}, {{"210101001", "J-1", u(200), {}}, {"110501001", "*", {}, u(200)}});
        voucher({2025, 3, 3}, {{"120101001", "*", u(50), {}}, {"210101001", "J-2", {}, u(50)}});
    }
};

TEST_F(JuneClosingTest, ARangeOpensAtJulysStartOfTheFiscalYear)
{
    AuxiliaryBookData b = book(months(2, 4));
    // June 2024 belongs to the fiscal year before.
    EXPECT_EQ(party(b, "210101001", "J-1")->opening, u(-800));
    EXPECT_EQ(account(b, "110501001")->opening, u(4800));
    EXPECT_EQ(b.lineCount(), 2u);

    b = book(months(1, 3));
    EXPECT_EQ(party(b, "210101001", "J-1")->opening, u(-1000));
    EXPECT_EQ(amountsOf(*party(b, "210101001", "J-1")), QStringList({"200.00"}));
    EXPECT_EQ(b.lineCount(), 4u);

    // July opens the fiscal year from its opening voucher alone.
    b = book(months(7, 9, 2024));
    EXPECT_EQ(pairs(b),
              QStringList({"110501001/*", "120101001/*", "210101001/J-1", "310101001/*"}));
    EXPECT_EQ(party(b, "210101001", "J-1")->opening, Money());
    EXPECT_EQ(account(b, "110501001")->opening, u(5000));
}

TEST_F(JuneClosingTest, ARangeMustStayInOneFiscalYear)
{
    EXPECT_TRUE(AuxiliaryBookReport::checkMonths(session, 1, 3, prompter));
    EXPECT_TRUE(AuxiliaryBookReport::checkMonths(session, 7, 12, prompter));
    EXPECT_FALSE(AuxiliaryBookReport::checkMonths(session, 5, 8, prompter));
    EXPECT_EQ(prompter.lastText(), MonthRange::LastUpToClosing);
    EXPECT_EQ(prompter.messages().back().title, "Error");
}

} // namespace
