#include "vouchers/print/VoucherPrint.h"

#include "PrintBooks.h"
#include "common/report/RecordingReportOutput.h"
#include "platform/report/ReportDocument.h"
#include "support/Printers.h"

namespace {

class VoucherPrintTest : public ::testing::Test, protected PrintBooks
{
protected:
    VoucherToPrint march(const QString &number = "1", const QString &type = "001")
    {
        return {"E01", "E01", 2026, 3, type, number};
    }
    QVariant value(const ReportData &data, int row, const QString &column)
    {
        const int c = data.columnIndex(column);
        EXPECT_GE(c, 0) << column.toStdString();
        return c < 0 ? QVariant() : data.row(row)[c];
    }
    QString text(const ReportData &data, int row, const QString &column)
    {
        return value(data, row, column).toString().trimmed();
    }
    Money amount(const ReportData &data, int row, const QString &column)
    {
        return Money::fromSql(value(data, row, column));
    }
    // "criterion/company/account" of every row, in order.
    QStringList outline(const ReportData &data)
    {
        QStringList lines;
        for (int r = 0; r < data.rowCount(); ++r)
            lines << QStringLiteral("%1/%2/%3")
                         .arg(text(data, r, "Criterio"), text(data, r, "EmpresaLinea"),
                              text(data, r, "Cuenta"));
        return lines;
    }

    RecordingReportOutput output;
};

TEST_F(VoucherPrintTest, TheVoucherLinesComeFirstThenTheLinesItGeneratedLinesAtZeroLeftOut)
{
    approveMarchVoucher();
    const ReportData data = VoucherPrint::rows(db(), march(), "RIF J-29876543-1");
    EXPECT_EQ(outline(data), QStringList({"1/E01/610201001", "1/E01/130101001", "1/E01/110101001",
                                          "2/E02/610101001", "2/E02/220101001"}));
    EXPECT_EQ(value(data, 0, "Generado").toInt(), 0);
    EXPECT_EQ(value(data, 3, "Generado").toInt(), 1);
    EXPECT_EQ(text(data, 0, "Grupo"), "E01-001-1");
    EXPECT_EQ(text(data, 4, "Grupo"), "E02-001-1");
    // Line numbers run in each voucher; the line at zero of E02 was line 2.
    EXPECT_EQ(value(data, 2, "Linea").toInt(), 3);
    EXPECT_EQ(value(data, 4, "Linea").toInt(), 3);
}

TEST_F(VoucherPrintTest, EachRowCarriesTheVoucherTheLineAndWhoCreatedIt)
{
    approveMarchVoucher();
    const ReportData data = VoucherPrint::rows(db(), march(), "RIF J-29876543-1");
    ASSERT_EQ(data.rowCount(), 5);
    for (int r = 0; r < data.rowCount(); ++r) {
        // The heading is the printed voucher's on every row, generated lines included.
        EXPECT_EQ(text(data, r, "NombreEmpresa"), "Distribuidora Alfa, C.A.");
        EXPECT_EQ(text(data, r, "NombreIDEmpresa"), "RIF J-29876543-1");
        EXPECT_EQ(text(data, r, "TipoComprobante"), "001");
        EXPECT_EQ(text(data, r, "NombreComprobante"), "DIARIO");
        EXPECT_EQ(text(data, r, "NumeroComprobante"), "1");
        EXPECT_EQ(text(data, r, "FechaComprobante").left(10), "2026-03-12");
        EXPECT_EQ(text(data, r, "NombreCreador"), "Ana Rojas");
    }
    EXPECT_EQ(text(data, 0, "NombreCuenta"),
              "Honorarios profesionales por servicios jurídicos y contables");
    EXPECT_EQ(text(data, 0, "Tercero"), "J001");
    EXPECT_EQ(text(data, 0, "NombreTercero"), "Servicios Jurídicos Andinos, C.A.");
    EXPECT_EQ(text(data, 0, "TipoDocumento"), "FC");
    EXPECT_EQ(text(data, 0, "NombreDocumento"), "FACTURA");
    EXPECT_EQ(text(data, 0, "Documento"), "0001234");
    EXPECT_EQ(text(data, 0, "Descripcion"), "Honorarios de marzo");
    EXPECT_EQ(text(data, 0, "Fechadoc").left(10), "2026-03-09");
    EXPECT_EQ(text(data, 0, "Fecha").left(10), "2026-03-10");
    EXPECT_EQ(amount(data, 0, "ValorDebito"), Money::fromCents(150000));
    EXPECT_EQ(amount(data, 2, "ValorCredito"), Money::fromCents(230000));
    EXPECT_TRUE(amount(data, 2, "ValorDebito").isZero());
    // No third party, document type or cost centre prints empty, not as "*".
    EXPECT_EQ(text(data, 1, "Tercero"), "");
    EXPECT_EQ(text(data, 1, "NombreTercero"), "");
    EXPECT_EQ(text(data, 1, "TipoDocumento"), "");
    EXPECT_EQ(text(data, 1, "CentroCosto"), "");
    // The generated lines name the company whose books hold them and its voucher.
    EXPECT_EQ(text(data, 3, "NombreEmpresaLinea"), "Alfa Valencia");
    EXPECT_EQ(text(data, 3, "NombreMatrizLinea"), "Distribuidora Alfa, C.A.");
    EXPECT_EQ(text(data, 0, "NombreEmpresaLinea"), "Distribuidora Alfa, C.A.");
    EXPECT_EQ(text(data, 3, "TipoComprobanteLinea"), "001");
    EXPECT_EQ(text(data, 3, "NumeroComprobanteLinea"), "1");
    EXPECT_EQ(text(data, 3, "CentroCosto"), "VEN");
}

TEST_F(VoucherPrintTest, OnlyTheVoucherOfThatMonthTypeAndNumberIsPrinted)
{
    approveMarchVoucher();
    // Another voucher of March (number 2), and in April a voucher 1 of the same type with a
    // line linked to it as if it too came from 001-1: neither belongs to March's 001-1.
    enter({"110101001", 20, 5000, 0, "Otro comprobante"});
    enter({"220101001", 20, 0, 5000, "Otro comprobante"});
    ASSERT_EQ(approveWorkArea().number, "2");
    for (const char *company : {"E01", "E02"})
        db().exec("INSERT INTO MOVIMIENTO (Empresa, Matriz, TipoComprobante, NumeroComprobante, "
                  "Usuario, Linea, Cuenta, Fecha, ValorDebito, ValorCredito, "
                  "EmpresaConsolidacion, TipoComprobanteConsolidacion, "
                  "NumeroComprobanteConsolidacion) VALUES (?, 'E01', '001', '1', 'ANA', 1, "
                  "'110101001', ?, 100000, 0, ?, '001', '1')",
                  {company, QDate(2026, 4, 1), QString(company) == "E02" ? "E01" : "0"});
    const ReportData data = VoucherPrint::rows(db(), march(), QString());
    EXPECT_EQ(data.rowCount(), 5);
    EXPECT_EQ(VoucherPrint::rows(db(), march("2"), QString()).rowCount(), 2);
    EXPECT_EQ(VoucherPrint::rows(db(), {"E01", "E01", 2026, 4, "001", "1"}, QString()).rowCount(),
              2);
    EXPECT_EQ(VoucherPrint::rows(db(), march("3"), QString()).rowCount(), 0);
}

TEST_F(VoucherPrintTest, TheReportIsPreviewedWithItsTitleOnTheHalfPageLayout)
{
    approveMarchVoucher();
    EXPECT_EQ(VoucherPrint::print(session, output, march()), ReportOutcome::Previewed)
        << prompter.lastText().toStdString();
    ASSERT_EQ(output.requests.size(), 1u);
    const auto &request = output.requests[0];
    EXPECT_EQ(request.kind, RecordingReportOutput::Request::Kind::Preview);
    EXPECT_EQ(request.title, "Comprobantes");
    EXPECT_TRUE(
        request.document->layout().sourcePath.endsWith("/reportes/crpComprobante_MEDIA.rpt"))
        << request.document->layout().sourcePath.toStdString();
    EXPECT_EQ(request.document->pageSetup().orientation, ReportOrientation::Portrait);
    EXPECT_EQ(request.document->data().rowCount(), 5);
    // The audit keeps the file the window asked for.
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM AUDITORIAREPORTE WHERE Reporte = ?",
                          {"CRPCOMPROBANTE.RPT"})
                  .toInt(),
              1);
}

TEST_F(VoucherPrintTest, BothVoucherLayoutsReadEveryColumnTheyName)
{
    approveMarchVoucher();
    // Landscape takes the full-page file; portrait the half page (above).
    EXPECT_EQ(RunReport(session, output, VoucherPrint::query(march(), "RIF"),
                        "\\" + VoucherPrint::LayoutFile, VoucherPrint::Title, 0, 2, QString(), true,
                        1, QString()),
              ReportOutcome::Previewed)
        << prompter.lastText().toStdString();
    ASSERT_EQ(output.requests.size(), 1u);
    EXPECT_TRUE(
        output.requests[0].document->layout().sourcePath.endsWith("/reportes/crpComprobante.rpt"));
    EXPECT_TRUE(output.requests[0].document->missingFields().isEmpty());
}

TEST_F(VoucherPrintTest, AVoucherWithoutLinesWarnsAndPrintsNothing)
{
    EXPECT_EQ(VoucherPrint::print(session, output, march("9")), ReportOutcome::Empty);
    EXPECT_EQ(prompter.lastText(), ReportMessages::Empty);
    EXPECT_TRUE(output.requests.empty());
}

TEST_F(VoucherPrintTest, AfterApprovalTheVoucherIsPrintedAndNoIslrQuestionIsAskedYet)
{
    approveMarchVoucher();
    session.reports = &output;
    // The voucher withholds ISLR, but that voucher has no print yet: no question (the
    // scripted prompter would throw on one).
    EXPECT_TRUE(VoucherPrint::withholdsIslr(db(), march()));
    EXPECT_FALSE(ApprovedVoucherPrint::offersIslrRetentionVoucher(db(), march()));
    PrintApprovedVoucher(session, "001", "1", 2026, 3);
    ASSERT_EQ(output.requests.size(), 1u);
    EXPECT_EQ(output.requests[0].title, VoucherPrint::Title);
    EXPECT_FALSE(prompter.pendingAnswers());
}

TEST_F(VoucherPrintTest, WithoutItsWindowADisbursementVoucherIsPrintedLikeAnyOther)
{
    enter({"610101001", 5, 40000, 0, "Pago de nómina"});
    enter({"110101001", 5, 0, 40000, "Cheque 4480"});
    db().exec("UPDATE REGISTRO SET TipoComprobante = 'EG'");
    const ApprovalOutcome outcome = approveWorkArea();
    ASSERT_TRUE(outcome.approved());
    EXPECT_TRUE(VoucherPrint::isDisbursement(db(), "EG"));
    EXPECT_FALSE(VoucherPrint::isDisbursement(db(), "001"));
    session.reports = &output;
    PrintApprovedVoucher(session, "EG", outcome.number, 2026, 3);
    ASSERT_EQ(output.requests.size(), 1u);
    EXPECT_EQ(output.requests[0].document->data().rowCount(), 2);
}

TEST_F(VoucherPrintTest, ADisbursementVoucherGoesToTheWindowTheApplicationInstalled)
{
    enter({"610101001", 5, 40000, 0, "Pago de nómina"});
    enter({"110101001", 5, 0, 40000, "Cheque 4480"});
    db().exec("UPDATE REGISTRO SET TipoComprobante = 'EG'");
    const ApprovalOutcome outcome = approveWorkArea();
    ASSERT_TRUE(outcome.approved());
    session.reports = &output;

    std::vector<VoucherToPrint> opened;
    ApprovedVoucherPrint::setDisbursementWindow(
        [&](Session &s, const VoucherToPrint &voucher) {
            EXPECT_EQ(&s, &session);
            opened.push_back(voucher);
        });
    PrintApprovedVoucher(session, "EG", outcome.number, 2026, 3);
    // An ordinary voucher still prints at once.
    PrintApprovedVoucher(session, "001", outcome.number, 2026, 3);
    ApprovedVoucherPrint::setDisbursementWindow({});

    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].company, "E01");
    EXPECT_EQ(opened[0].headOffice, "E01");
    EXPECT_EQ(opened[0].year, 2026);
    EXPECT_EQ(opened[0].month, 3);
    EXPECT_EQ(opened[0].type, "EG");
    EXPECT_EQ(opened[0].number, outcome.number);
    // The window prints; nothing was printed behind its back. The voucher 001 has no lines.
    EXPECT_TRUE(output.requests.empty());
    EXPECT_EQ(prompter.lastText(), ReportMessages::Empty);

    PrintApprovedVoucher(session, "EG", outcome.number, 2026, 3);
    EXPECT_EQ(output.requests.size(), 1u);
}

TEST_F(VoucherPrintTest, OnlyARetentionConceptOnAnIslrAccountWithholds)
{
    approveMarchVoucher();
    db().exec("UPDATE MOVIMIENTO SET ConceptoRetencion = '999' WHERE Cuenta = '610201001'");
    EXPECT_FALSE(VoucherPrint::withholdsIslr(db(), march()));
    db().exec("UPDATE MOVIMIENTO SET ConceptoRetencion = '' WHERE Cuenta = '610201001'");
    EXPECT_FALSE(VoucherPrint::withholdsIslr(db(), march()));
    // A concept on an account that does not withhold ISLR is not enough.
    db().exec("UPDATE MOVIMIENTO SET ConceptoRetencion = 'H01' WHERE Cuenta = '110101001'");
    EXPECT_FALSE(VoucherPrint::withholdsIslr(db(), march()));
    db().exec("UPDATE MOVIMIENTO SET ConceptoRetencion = 'H01' WHERE Cuenta = '610201001'");
    EXPECT_TRUE(VoucherPrint::withholdsIslr(db(), march()));
    EXPECT_FALSE(VoucherPrint::withholdsIslr(db(), march("2")));
}

} // namespace
