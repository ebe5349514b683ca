#include "banking/DisbursementPrint.h"
#include "banking/ChequeLines.h"

#include "DisbursementBooks.h"
#include "platform/report/ReportDocument.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

class DisbursementPrintTest : public ::testing::Test, protected DisbursementBooks
{
protected:
    const ReportDocument &document(size_t request)
    {
        EXPECT_GT(output.requests.size(), request);
        return *output.requests.at(request).document;
    }
    static QString layoutOf(const ReportDocument &d)
    {
        return d.layout().sourcePath.section('/', -1);
    }
    DisbursementRequest chequeRequest(const QString &bankCheque = "CHQV")
    {
        DisbursementRequest r;
        r.option = DisbursementRequest::Option::VoucherAndCheque;
        r.beneficiary = "J002";
        r.bankCheque = bankCheque;
        return r;
    }
};

TEST_F(DisbursementPrintTest, TheBeneficiaryProposedIsTheFirstPaidThirdPartyOfTheVoucher)
{
    DisbursementPrint print(session, output, approveDisbursement());
    // J001's line carries a delivery note, which pays nothing; the invoice paid names J002.
    auto proposed = print.proposedBeneficiary();
    ASSERT_TRUE(proposed);
    EXPECT_EQ(proposed->code, "J002");
    EXPECT_EQ(proposed->name, "Papelería Caracas, C.A.");

    // Without a paid third party of its own, the lines it generated in E02 are asked.
    db().exec("UPDATE MOVIMIENTO SET Tercero = '*' WHERE Empresa = 'E01'");
    EXPECT_FALSE(print.proposedBeneficiary());
    db().exec("UPDATE MOVIMIENTO SET Tercero = 'J001', TipoDocumento = 'TE' "
              "WHERE Empresa = 'E02' AND Cuenta = '220101001'");
    proposed = print.proposedBeneficiary();
    ASSERT_TRUE(proposed);
    EXPECT_EQ(proposed->code, "J001");
    // A line at zero proposes nobody.
    db().exec("UPDATE MOVIMIENTO SET ValorCredito = 0 WHERE Empresa = 'E02'");
    EXPECT_FALSE(print.proposedBeneficiary());
}

TEST_F(DisbursementPrintTest, TheChequeIsTheLineOnABankAccountOfGroup1110)
{
    const VoucherToPrint voucher = approveDisbursement();
    const std::vector<ChequeLine> cheques = ChequeLines::of(db(), voucher);
    ASSERT_EQ(cheques.size(), 1u);
    EXPECT_EQ(cheques[0].line, 3);
    EXPECT_EQ(cheques[0].document, "00004471");
    EXPECT_EQ(cheques[0].amount, Money::fromCents(123456));
    EXPECT_EQ(cheques[0].date, QDate(2026, 3, 12));
    EXPECT_EQ(cheques[0].partyName, "Papelería Caracas, C.A.");

    const ReportData rows = ChequeLines::rows(cheques, "SERVICIOS JURÍDICOS", "Caracas");
    auto cell = [&](const char *column) { return rows.row(0)[rows.columnIndex(column)]; };
    EXPECT_EQ(Money::fromSql(cell("Monto")), Money::fromCents(123456));
    EXPECT_EQ(cell("MontoEnLetras").toString(), "UN MIL DOSCIENTOS TREINTA Y CUATRO CON 56/100");
    EXPECT_EQ(cell("Beneficiario").toString(), "SERVICIOS JURÍDICOS");
    EXPECT_EQ(cell("Dia").toString(), "12");
    EXPECT_EQ(cell("Mes").toString(), "03");
    EXPECT_EQ(cell("Ano").toString(), "2026");
    EXPECT_EQ(cell("LugarFecha").toString(), "Caracas, 12 de marzo de 2026");

    // Only paying documents count; a debit on the bank (a deposit) is a cheque amount too.
    db().exec("UPDATE MOVIMIENTO SET TipoDocumento = 'TE' WHERE Cuenta = '111005001'");
    EXPECT_TRUE(ChequeLines::of(db(), voucher).empty());
    db().exec("UPDATE MOVIMIENTO SET TipoDocumento = 'RC', ValorDebito = 50000, "
              "ValorCredito = 0 WHERE Cuenta = '111005001'");
    ASSERT_EQ(ChequeLines::of(db(), voucher).size(), 1u);
    EXPECT_EQ(ChequeLines::of(db(), voucher)[0].amount, Money::fromCents(5000));
}

TEST_F(DisbursementPrintTest, AChequeNeedsABankChequeFirstAndThenABeneficiary)
{
    DisbursementPrint print(session, output, approveDisbursement());
    DisbursementRequest request = chequeRequest(QString());
    request.beneficiary.clear();
    auto result = print.print(request);
    EXPECT_EQ(result.refused, DisbursementPrint::Result::Field::BankCheque);
    EXPECT_EQ(prompter.lastText(), DisbursementPrint::NoBankCheque);
    EXPECT_EQ(prompter.lastText(), "Selecione un formato de cheque de banco!");

    request.bankCheque = "CHQV";
    result = print.print(request);
    EXPECT_EQ(result.refused, DisbursementPrint::Result::Field::Beneficiary);
    EXPECT_EQ(prompter.lastText(), "Selecione un beneficiario!");
    request.beneficiary = "NOEXISTE";
    EXPECT_EQ(print.print(request).refused, DisbursementPrint::Result::Field::Beneficiary);
    EXPECT_TRUE(output.requests.empty());

    // A bank cheque whose format is gone has nothing to print with.
    db().exec("DELETE FROM FORMATOCHEQUE WHERE Numero = 1");
    EXPECT_EQ(print.print(chequeRequest()).refused, DisbursementPrint::Result::Field::BankCheque);
    EXPECT_TRUE(output.requests.empty());
}

TEST_F(DisbursementPrintTest, AFormatNamedCHQ1PrintsWithCHQ1OfTheReportDirectoryThenTheVoucher)
{
    DisbursementPrint print(session, output, approveDisbursement());
    DisbursementRequest request = chequeRequest();
    request.observation = "  Pago de honorarios  ";
    const auto result = print.print(request);
    EXPECT_EQ(result.refused, DisbursementPrint::Result::Field::None);
    EXPECT_EQ(result.printed,
              (std::vector<ReportOutcome>{ReportOutcome::Previewed, ReportOutcome::Previewed}))
        << prompter.lastText().toStdString();
    ASSERT_EQ(output.requests.size(), 2u);

    const ReportDocument &cheque = document(0);
    EXPECT_EQ(cheque.layout().sourcePath, session.gRutaReporte + "/CHQ1.rpt");
    EXPECT_EQ(cheque.pageSetup().orientation, ReportOrientation::Portrait);
    EXPECT_EQ(output.requests[0].title, DisbursementPrint::ChequeTitle);
    ASSERT_EQ(cheque.data().rowCount(), 1);
    const QString page = cheque.pageText(0).join("\n");
    EXPECT_TRUE(page.contains("PAPELERÍA CARACAS, C.A.")) << page.toStdString();
    EXPECT_TRUE(page.contains("UN MIL DOSCIENTOS TREINTA Y CUATRO CON 56/100"))
        << page.toStdString();

    // The voucher goes in portrait, so on its half-page layout.
    const ReportDocument &voucher = document(1);
    EXPECT_EQ(layoutOf(voucher), "crpComprobanteCheque_MEDIA.rpt");
    EXPECT_EQ(output.requests[1].title, "Comprobante de Egreso");
    EXPECT_EQ(voucher.data().parameter("ChequeBanco").toString(), "CHEQUE CARTA VERTICAL");
    EXPECT_EQ(voucher.data().parameter("NumeroCheque").toString(), "00004471");
    EXPECT_EQ(voucher.data().parameter("Observacion").toString(), "Pago de honorarios");
    // The beneficiary is printed on the voucher only when asked.
    EXPECT_EQ(voucher.data().parameter("Beneficiario").toString(), "");
}

TEST_F(DisbursementPrintTest, ALandscapeFormatPrintsItsOwnFileInLandscape)
{
    const VoucherToPrint voucher = approveDisbursement();
    QTemporaryDir reports;
    ASSERT_TRUE(QFile::copy(session.gRutaReporte + "/CHQ2.rpt", reports.filePath("LAGO.rpt")));
    ASSERT_TRUE(QFile::copy(session.gRutaReporte + "/crpComprobanteCheque_MEDIA.rpt",
                            reports.filePath("crpComprobanteCheque_MEDIA.rpt")));
    db().exec("INSERT INTO FORMATOCHEQUE (Numero, Nombre, Ruta, Orientacion) "
              "VALUES (9, 'LAGO', '', 0)");
    db().exec("INSERT INTO CHEQUESBANCO (Codigo, Nombre, NumeroFormato) "
              "VALUES ('BL', 'BANCO DEL LAGO', 9)");
    session.gRutaReporte = reports.path();
    DisbursementPrint print(session, output, voucher);
    DisbursementRequest request = chequeRequest("BL");
    request.showBeneficiary = true;
    print.print(request);
    ASSERT_EQ(output.requests.size(), 2u) << prompter.lastText().toStdString();
    EXPECT_EQ(document(0).layout().sourcePath, reports.filePath("LAGO.rpt"));
    // Any orientation other than 1 is landscape.
    EXPECT_EQ(document(0).pageSetup().orientation, ReportOrientation::Landscape);
    EXPECT_EQ(document(1).data().parameter("Beneficiario").toString(), "Papelería Caracas, C.A.");
}

TEST_F(DisbursementPrintTest, TheVoucherAloneOrAsAnElectronicPayment)
{
    DisbursementPrint print(session, output, approveDisbursement());
    DisbursementRequest request;
    request.beneficiary = "J001";
    request.showBeneficiary = true;
    request.observation = "Transferencia 123";
    EXPECT_EQ(print.print(request).printed, std::vector{ReportOutcome::Previewed});
    ASSERT_EQ(output.requests.size(), 1u);
    EXPECT_EQ(layoutOf(document(0)), "crpComprobante_MEDIA.rpt");
    EXPECT_EQ(output.requests[0].title, "Comprobante");
    EXPECT_EQ(document(0).data().rowCount(), 6);

    request.option = DisbursementRequest::Option::VoucherAndTransfer;
    EXPECT_EQ(print.print(request).printed, std::vector{ReportOutcome::Previewed});
    ASSERT_EQ(output.requests.size(), 2u);
    EXPECT_EQ(layoutOf(document(1)), "crpComprobanteTransferencia_MEDIA.rpt");
    EXPECT_EQ(output.requests[1].title, "Comprobante de Egreso");
    EXPECT_EQ(document(1).data().parameter("Beneficiario").toString(),
              "Servicios Jurídicos Andinos, C.A.");
    const QString page = document(1).pageText(0).join("\n");
    EXPECT_TRUE(page.contains("Beneficiario: Servicios Jurídicos Andinos, C.A."))
        << page.toStdString();
    EXPECT_TRUE(page.contains("Observación: Transferencia 123"));

    request.showBeneficiary = false;
    print.print(request);
    EXPECT_EQ(document(2).data().parameter("Beneficiario").toString(), "");
    EXPECT_FALSE(document(2).pageText(0).join("\n").contains("Beneficiario:"));
}

} // namespace
