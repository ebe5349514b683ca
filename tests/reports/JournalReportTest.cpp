#include "reports/JournalReport.h"

#include "TrialBalanceBooks.h"
#include "common/report/RecordingReportOutput.h"
#include "platform/report/ReportDocument.h"
#include "support/Printers.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

Money u(qint64 units)
{
    return Money::fromUnits(units);
}

class JournalReportTest : public ::testing::Test, protected TrialBalanceBooks
{
protected:
    JournalReportTest()
    {
        session.gRutaReporte = QStringLiteral(VALDORIA_SOURCE_DIR "/reportes");
        session.reports = &output;
    }
    JournalOptions options(int month, bool detail = false, bool consolidated = false)
    {
        JournalOptions o = JournalReport::optionsFor(session, month, 2025);
        o.detail = detail;
        o.consolidated = consolidated;
        return o;
    }
    // "type account debit credit" per row, amounts in thousandths.
    static QStringList lines(const ReportData &data)
    {
        const bool detail = data.columnIndex("Cuenta") >= 0;
        QStringList list;
        for (int r = 0; r < data.rowCount(); ++r) {
            const QVariantList &row = data.row(r);
            QStringList parts{row[data.columnIndex("TipoComprobante")].toString()};
            if (detail)
                parts << row[data.columnIndex("Cuenta")].toString();
            parts << QString::number(row[data.columnIndex("ValorDebito")].toLongLong())
                  << QString::number(row[data.columnIndex("ValorCredito")].toLongLong());
            list << parts.join(' ');
        }
        return list;
    }
    // January: the opening voucher, a purchase and a closing voucher; a branch's sale.
    void postJanuary()
    {
        post({2025, 1, 1}, "110501001", "310101001", u(50000), "999");
        post({2025, 1, 15}, "120101001", "210101001", Money::fromCents(1250050));
        post({2025, 1, 20}, "110501001", "410101001", Money::fromCents(1), "001", "E02");
        post({2025, 1, 31}, "410101001", "310101001", u(10), "099");
        post({2025, 2, 1}, "110501001", "410101001", u(7));
    }
    RecordingReportOutput output;
};

TEST_F(JournalReportTest, TheSummaryHasOneRowPerVoucherTypeOpeningAndClosingIncluded)
{
    postJanuary();
    const ReportData data = JournalReport::rows(session, options(1));
    EXPECT_EQ(lines(data),
              QStringList({"001 12500500 12500500", "099 10000 10000", "999 50000000 50000000"}));
    const QVariantList &row = data.row(2);
    EXPECT_EQ(row[data.columnIndex("NombreComprobante")].toString(), "SALDOS INICIALES");
    EXPECT_EQ(row[data.columnIndex("Mes")].toInt(), 1);
    EXPECT_EQ(row[data.columnIndex("Ano")].toInt(), 2025);
    EXPECT_EQ(row[data.columnIndex("UsuarioReporte")].toString(), "Ana Rojas");
    EXPECT_EQ(row[data.columnIndex("NombreIdEmpresa")].toString(), "RIF J-29876543-1");
    EXPECT_EQ(row[data.columnIndex("Consolidado")].toInt(), 0);
    EXPECT_EQ(data.row(0)[0].toString(), "Distribuidora Alfa, C.A.");
    // The month ends on its last day: February's line stays out of January.
    EXPECT_EQ(lines(JournalReport::rows(session, options(2))), QStringList({"001 7000 7000"}));
}

TEST_F(JournalReportTest, TheDetailAddsUpEachAccountWithinEachType)
{
    postAFewMonths();
    post({2025, 3, 31}, "410101001", "310101001", u(3), "099");
    const ReportData data = JournalReport::rows(session, options(3, true));
    // Two March vouchers move 110501001: one row with both sums.
    EXPECT_EQ(lines(data), QStringList({"001 110501001 4150250 6000000", "001 210101001 6000000 0",
                                        "001 410101001 0 4150250", "099 310101001 0 3000",
                                        "099 410101001 3000 0"}));
    EXPECT_EQ(data.row(0)[data.columnIndex("NombreCuenta")].toString(),
              "Banco Mercantil cuenta corriente");
    EXPECT_EQ(data.row(0)[data.columnIndex("NombreComprobante")].toString(), "Diario");

    // Consolidated, the branch's lines join the head office's.
    const ReportData all = JournalReport::rows(session, options(3, true, true));
    EXPECT_EQ(lines(all), QStringList({"001 110501001 4150250 6000000", "001 110501002 900000 0",
                                       "001 210101001 6000000 0", "001 410101001 0 5050250",
                                       "099 310101001 0 3000", "099 410101001 3000 0"}));
    EXPECT_EQ(all.row(0)[all.columnIndex("Consolidado")].toInt(), 1);
    EXPECT_EQ(lines(JournalReport::rows(session, options(3, false, true))),
              QStringList({"001 11050250 11050250", "099 3000 3000"}));
}

TEST_F(JournalReportTest, ABranchSeesOnlyItsOwnLinesEvenWhenAskingToConsolidate)
{
    postAFewMonths();
    session.gEmpresa = "E02";
    JournalOptions o = options(3, false, true);
    o.company = "E02";
    const ReportData data = JournalReport::rows(session, o);
    EXPECT_EQ(lines(data), QStringList({"001 900000 900000"}));
    EXPECT_EQ(data.row(0)[data.columnIndex("Consolidado")].toInt(), 0);
}

TEST_F(JournalReportTest, AnEmptyYearIsRefusedWithItsMessage)
{
    EXPECT_FALSE(JournalReport::checkYear(" ", prompter));
    EXPECT_EQ(prompter.lastText(), "¡Debe seleccionar un año!");
    EXPECT_TRUE(JournalReport::checkYear("2025", prompter));
}

TEST_F(JournalReportTest, EachModePrintsWithItsLayoutAndTotals)
{
    postJanuary();
    ASSERT_EQ(JournalReport::run(session, output, options(1)), ReportOutcome::Previewed)
        << prompter.lastText().toStdString();
    ASSERT_EQ(JournalReport::run(session, output, options(1, true)), ReportOutcome::Previewed);
    ASSERT_EQ(output.requests.size(), 2u);
    EXPECT_EQ(output.requests[0].title, "Libro Diario");
    // Amounts without the locale's separators.
    const auto plain = [](QStringList lines) {
        return lines.replaceInStrings(QRegularExpression("[.,]"), "");
    };
    const QStringList summary = plain(output.requests[0].document->pageText(0));
    EXPECT_TRUE(summary.contains("LIBRO DIARIO")) << summary.join('\n').toStdString();
    EXPECT_TRUE(summary.contains("Totales | 6251050 | 6251050"))
        << summary.join('\n').toStdString();
    const QStringList detail = plain(output.requests[1].document->pageText(0));
    EXPECT_TRUE(detail.contains("Tipo 999 | SALDOS INICIALES")) << detail.join('\n').toStdString();
    EXPECT_TRUE(detail.contains("Total tipo 999 | 5000000 | 5000000"));
    EXPECT_TRUE(detail.contains("Totales | 6251050 | 6251050"));

    // A month without lines is told and not previewed.
    EXPECT_EQ(JournalReport::run(session, output, options(5)), ReportOutcome::Empty);
    EXPECT_EQ(output.requests.size(), 2u);
}

} // namespace
