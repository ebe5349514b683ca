#include "reports/StatementReports.h"

#include "StatementBooks.h"

#include "common/report/RecordingReportOutput.h"
#include "support/Printers.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

Money u(qint64 units)
{
    return Money::fromUnits(units);
}

// The books of the statements as the windows see them: session in E01, March 2025.
class StatementReportsTest : public ::testing::Test, protected StatementBooks
{
protected:
    StatementOptions options(int month = 3, int year = 2025)
    {
        StatementOptions o = StatementReport::optionsFor(session, month, year);
        o.codeLength = 6;
        return o;
    }
    // Revenues of 1,000 and salaries of 400 in March, a capital of 5,000 in January.
    void postAQuarter()
    {
        post({2025, 1, 1}, Bank, Capital, u(5000), "999");
        post({2025, 3, 5}, Bank, Sales, u(1000));
        post({2025, 3, 9}, Expenses, Bank, u(400));
    }
    static int rowOf(const ReportData &data, const QString &codeColumn, const QString &code)
    {
        const int c = data.columnIndex(codeColumn);
        for (int r = 0; r < data.rowCount(); ++r)
            if (data.row(r)[c].toString() == code)
                return r;
        return -1;
    }
    static QVariant value(const ReportData &data, int row, const QString &column)
    {
        return row < 0 ? QVariant(QStringLiteral("absent")) : data.row(row)[data.columnIndex(column)];
    }
    static Money amount(const ReportData &data, int row, const QString &column)
    {
        return Money::fromThousandths(value(data, row, column).toLongLong());
    }
    static QString pageText(const ReportDocument &document)
    {
        QStringList all;
        for (int p = 0; p < document.pageCount(); ++p)
            all << document.pageText(p);
        return all.join('\n');
    }
    // The digits of the amounts on the line that begins with `caption`.
    static QStringList amountsAfter(const QString &text, const QString &caption)
    {
        for (const QString &line : text.split('\n'))
            if (line.trimmed().startsWith(caption)) {
                QStringList parts = line.split(" | ");
                parts.removeFirst();
                for (QString &p : parts)
                    p.remove(QRegularExpression("[^0-9-]"));
                return parts;
            }
        return {"absent"};
    }
};

TEST_F(StatementReportsTest, TheBalanceSheetRowCarriesTheHeadingThenTheAccount)
{
    postAQuarter();
    const ReportData data = BalanceSheetReport::rows(session, options());
    EXPECT_EQ(data.columns().mid(8, BalanceSheetReport::rowColumnCount() - 8),
              QStringList({"Codigo", "nombre", "Mes", "Ano", "UsuarioReporte", "Acumulado",
                           "NombreIDEmpresa", "UtilidadEjercicio", "PerdidaEjercicio", "Nivel",
                           "Consolidado", "Reservado1", "Reservado2", "MostrarTodas"}));
    ASSERT_EQ(data.row(0).size(), data.columns().size());
    const int profit = rowOf(data, "Codigo", "310501");
    EXPECT_EQ(value(data, profit, "nombre").toString(), "RESULTADO DEL AÑO");
    EXPECT_EQ(value(data, profit, "UtilidadEjercicio").toString(), Profit);
    EXPECT_EQ(value(data, profit, "Nivel").toInt(), 6);
    // The row keeps debit minus credit; the layout reads equity with its sign turned.
    EXPECT_EQ(amount(data, profit, "Acumulado"), -u(600));
    EXPECT_EQ(amount(data, profit, "Saldo"), u(600));
    EXPECT_EQ(value(data, profit, "TituloTotal").toString(), "TOTAL PATRIMONIO");
    EXPECT_EQ(value(data, profit, "NombreClase").toString(), "PATRIMONIO");
    EXPECT_EQ(amount(data, profit, "TotalClase"), u(5600));
    EXPECT_EQ(value(data, profit, "CodigoSangrado").toString(), "      310501");
    const int bank = rowOf(data, "Codigo", "110501");
    EXPECT_EQ(amount(data, bank, "Saldo"), u(5600));
    EXPECT_EQ(value(data, bank, "TituloTotal").toString(), "TOTAL ACTIVO");
    EXPECT_EQ(amount(data, bank, "TotalActivo"), u(5600));
    EXPECT_EQ(amount(data, bank, "TotalPasivoPatrimonio"), u(5600));
    EXPECT_EQ(amount(data, bank, "ResultadoEjercicio"), u(600));
    EXPECT_EQ(rowOf(data, "nombre", BalanceSheetReport::UnassignedResult), -1);
}

TEST_F(StatementReportsTest, AResultWithoutAccountGetsALineOfItsOwnAndTheSheetBalances)
{
    postAQuarter();
    db().exec("UPDATE PARAMETRO SET UtilidadEjercicio = NULL");
    const ReportData data = BalanceSheetReport::rows(session, options());
    const int unassigned = rowOf(data, "nombre", "Resultado del ejercicio no asignado");
    ASSERT_EQ(unassigned, data.rowCount() - 1) << "it closes the equity";
    EXPECT_EQ(value(data, unassigned, "Codigo").toString(), "");
    EXPECT_EQ(value(data, unassigned, "Clase").toString(), "3");
    EXPECT_EQ(amount(data, unassigned, "Saldo"), u(600));
    EXPECT_EQ(amount(data, unassigned, "TotalClase"), u(5600));
    EXPECT_EQ(amount(data, unassigned, "TotalPasivoPatrimonio"), u(5600));
}

TEST_F(StatementReportsTest, TheBalanceSheetPrintsItsTotalsThatBalance)
{
    postAQuarter();
    post({2025, 2, 1}, Furniture, Suppliers, u(1200));
    RecordingReportOutput output;
    ASSERT_EQ(BalanceSheetReport::run(session, output, options()), ReportOutcome::Previewed)
        << prompter.lastText().toStdString();
    EXPECT_EQ(output.requests[0].title, "Balance General");
    EXPECT_EQ(output.requests[0].document->pageSetup().orientation, ReportOrientation::Portrait);
    const QString text = pageText(*output.requests[0].document);
    EXPECT_TRUE(text.contains("BALANCE GENERAL")) << text.toStdString();
    EXPECT_EQ(amountsAfter(text, "TOTAL ACTIVO"), QStringList({"680000"}));
    EXPECT_EQ(amountsAfter(text, "TOTAL PASIVO |"), QStringList({"120000"}));
    EXPECT_EQ(amountsAfter(text, "TOTAL PATRIMONIO"), QStringList({"560000"}));
    EXPECT_EQ(amountsAfter(text, "TOTAL PASIVO Y PATRIMONIO"), QStringList({"680000"}));
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM AUDITORIAREPORTE WHERE Reporte = ?",
                          {"CRPBALANCEGENERAL.RPT"})
                  .toInt(),
              1);
}

TEST_F(StatementReportsTest, TheComparativeSetsLastYearBesideThisYear)
{
    post({2024, 3, 5}, Furniture, Suppliers, u(800));
    post({2025, 3, 5}, Furniture, Suppliers, u(100));
    post({2025, 3, 6}, Bank, Sales, u(50));
    const ReportData data = ComparativeBalanceSheetReport::rows(session, options());
    EXPECT_EQ(data.columns().mid(8, ComparativeBalanceSheetReport::rowColumnCount() - 8),
              QStringList({"Cuenta", "Nombre", "Mes", "Ano", "UsuarioReporte", "MontoActual",
                           "Nivel", "MontoAnterior", "Reservado1", "Consolidado"}));
    const int suppliers = rowOf(data, "Cuenta", "210101");
    EXPECT_EQ(amount(data, suppliers, "MontoActual"), -u(100));
    EXPECT_EQ(amount(data, suppliers, "MontoAnterior"), -u(800));
    EXPECT_EQ(amount(data, suppliers, "SaldoActual"), u(100));
    EXPECT_EQ(amount(data, suppliers, "Variacion"), -u(700));
    const int bank = rowOf(data, "Cuenta", "110501");
    EXPECT_EQ(amount(data, bank, "MontoAnterior"), Money()) << "this year only";
    EXPECT_EQ(value(data, bank, "AnoAnterior").toInt(), 2024);
    EXPECT_EQ(amount(data, bank, "TotalPasivoPatrimonioActual"), u(150));
    EXPECT_EQ(amount(data, bank, "TotalPasivoPatrimonioAnterior"), u(800));

    RecordingReportOutput output;
    ASSERT_EQ(ComparativeBalanceSheetReport::run(session, output, options()),
              ReportOutcome::Previewed);
    EXPECT_EQ(output.requests[0].title, "Balance General Comparativo");
    const QString text = pageText(*output.requests[0].document);
    EXPECT_EQ(amountsAfter(text, "TOTAL ACTIVO"), QStringList({"15000", "80000", "-65000"}));
    EXPECT_EQ(amountsAfter(text, "TOTAL PASIVO Y PATRIMONIO"),
              QStringList({"15000", "80000", "-65000"}));
}

TEST_F(StatementReportsTest, TheIncomeStatementShowsTheYearOrTheMonthBesideIt)
{
    post({2025, 11, 5}, Bank, Sales, u(300));
    post({2025, 12, 5}, Bank, Sales, u(1000));
    post({2025, 12, 9}, Expenses, Bank, u(400));
    post({2025, 12, 10}, Other, Bank, u(50));
    auto o = options(12, 2025);
    o.beforeClosing = true; // asked, but not offered before the closing voucher
    ReportData data = IncomeStatementReport::rows(session, o);
    EXPECT_EQ(data.columns().mid(8, IncomeStatementReport::rowColumnCount() - 8),
              QStringList({"Codigo", "nombre", "Mes", "Ano", "UsuarioReporte", "Actual",
                           "Acumulado", "NombreIDEmpresa", "Nivel", "Reservado1", "Consolidado",
                           "AntesDelCierre"}));
    int sales = rowOf(data, "Codigo", "410101");
    EXPECT_EQ(value(data, sales, "AntesDelCierre").toInt(), 0);
    EXPECT_EQ(amount(data, sales, "Actual"), -u(1300)) << "the fiscal year";
    EXPECT_EQ(amount(data, sales, "Acumulado"), Money());
    EXPECT_EQ(amount(data, sales, "SaldoActual"), u(1300)) << "revenues read positive";
    EXPECT_EQ(amount(data, sales, "TotalClaseActual"), u(1300));
    EXPECT_EQ(value(data, sales, "TituloTotal").toString(), "TOTAL INGRESOS");
    EXPECT_EQ(amount(data, sales, "ResultadoActual"), u(850)) << "class 7 included";
    EXPECT_EQ(amount(data, sales, "OtrosActual"), u(50));
    EXPECT_EQ(rowOf(data, "Codigo", "710101"), -1);

    // The closing voucher: now offered, and still left out of both columns.
    post({2025, 12, 31}, Sales, Profit, u(1300), "099");
    post({2025, 12, 31}, Profit, Expenses, u(400), "099");
    post({2025, 12, 31}, Profit, Other, u(50), "099");
    EXPECT_TRUE(IncomeStatementReport::offersBeforeClosing(db(), "E01", "E01", 12, 2025));
    data = IncomeStatementReport::rows(session, o);
    sales = rowOf(data, "Codigo", "410101");
    EXPECT_EQ(value(data, sales, "AntesDelCierre").toInt(), 1);
    EXPECT_EQ(amount(data, sales, "Actual"), -u(1000)) << "the month";
    EXPECT_EQ(amount(data, sales, "Acumulado"), -u(1300)) << "the fiscal year";
    EXPECT_EQ(amount(data, sales, "ResultadoActual"), u(550));
    EXPECT_EQ(amount(data, sales, "ResultadoAcumulado"), u(850));

    RecordingReportOutput output;
    ASSERT_EQ(IncomeStatementReport::run(session, output, o), ReportOutcome::Previewed);
    EXPECT_EQ(output.requests[0].title, "Perdidas y Ganancias");
    const QString text = pageText(*output.requests[0].document);
    EXPECT_EQ(amountsAfter(text, "TOTAL INGRESOS"), QStringList({"100000", "130000"}));
    EXPECT_EQ(amountsAfter(text, "TOTAL GASTOS"), QStringList({"40000", "40000"}));
    EXPECT_EQ(amountsAfter(text, "Otras cuentas de resultado"), QStringList({"5000", "5000"}));
    EXPECT_EQ(amountsAfter(text, "RESULTADO DEL EJERCICIO"), QStringList({"55000", "85000"}));
}

TEST_F(StatementReportsTest, OnlyAHeadOfficeConsolidatesAndTheLevelOptionsAreCodeLengths)
{
    post({2025, 3, 5}, Bank, Sales, u(100));
    post({2025, 3, 5}, Bank, Sales, u(40), "001", "E02");
    auto o = options();
    o.consolidated = true;
    EXPECT_EQ(amount(BalanceSheetReport::rows(session, o), 0, "ResultadoEjercicio"), u(140));
    session.gEmpresa = "E02";
    o = options();
    o.consolidated = true;
    const ReportData branch = BalanceSheetReport::rows(session, o);
    EXPECT_EQ(amount(branch, 0, "ResultadoEjercicio"), u(40));
    EXPECT_EQ(value(branch, 0, "Consolidado").toInt(), 0);

    EXPECT_EQ(StatementReport::codeLengthOf(1), 2);
    EXPECT_EQ(StatementReport::codeLengthOf(2), 4);
    EXPECT_EQ(StatementReport::codeLengthOf(3), 6);
    EXPECT_EQ(StatementReport::codeLengthOf(4), 0);
}

TEST_F(StatementReportsTest, AnEmptyStatementIsReportedAsEmpty)
{
    RecordingReportOutput output;
    EXPECT_EQ(BalanceSheetReport::run(session, output, options()), ReportOutcome::Empty);
    EXPECT_EQ(IncomeStatementReport::run(session, output, options()), ReportOutcome::Empty);
    EXPECT_EQ(prompter.lastText(), ReportMessages::Empty);
}

} // namespace
