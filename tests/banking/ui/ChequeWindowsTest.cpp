#include "banking/ui/frmChequesBancos.h"
#include "banking/ui/frmFormatosCheques.h"
#include "banking/ui/frmImprimirComprobanteEgreso.h"

#include "../DisbursementBooks.h"
#include "ledger/accounts/ui/CodeLookupEdit.h"
#include "ledger/masterdata/ui/MaintenanceForm.h"
#include "platform/report/PdfExport.h"
#include "platform/report/ReportDocument.h"
#include "support/Screenshot.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

namespace {

class ChequeWindows : public ::testing::Test, protected DisbursementBooks
{
protected:
    ChequeWindows()
    {
        // ANA may use every operation of the cheque windows.
        db().exec("INSERT INTO USUARIOGRUPO (CodUsuario, CodGrupo) VALUES ('ANA', 'SISTEMAS')");
    }

    static QStringList listed(MaintenanceWindow &w)
    {
        QStringList codes;
        for (int r = 0; r < w.grdLista->rowCount(); ++r)
            codes << w.grdLista->item(r, 0)->text();
        return codes;
    }

    // The pages as printed on a fixed day in Caracas, kept as PDF beside the screenshots.
    void savePdf(size_t request, const QString &name)
    {
        ASSERT_GT(output.requests.size(), request);
        ReportDocument document = *output.requests[request].document;
        document.setPrintedAt(QDateTime(QDate(2026, 3, 12), QTime(10, 30)));
        document.setLocale(QLocale(QLocale::Spanish, QLocale::Venezuela));
        const QString dir = qEnvironmentVariable("VALDORIA_SCREENSHOTS");
        if (!dir.isEmpty() && QDir().mkpath(dir))
            PdfExport::write(document, QDir(dir).filePath(name + ".pdf"));
    }
};

TEST_F(ChequeWindows, TheFormatsWindowListsByNameAndTakesOnlyDigitsAsNumber)
{
    frmFormatosCheques window(session);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(listed(window), QStringList({"1", "2"}));
    EXPECT_EQ(window.form()->lineEdit("Nombre")->text(), "CHQ1");
    SaveScreenshot(&window, "frmFormatosCheques");

    window.ToolbarAction("Nuevo");
    QLineEdit *number = window.form()->lineEdit("Numero");
    ASSERT_TRUE(number);
    QTest::keyClicks(number, "3a4");
    EXPECT_EQ(number->text(), "34");
    window.form()->lineEdit("Nombre")->setText("Banesco");
    window.ToolbarAction("Guardar");
    EXPECT_EQ(listed(window), QStringList({"34", "1", "2"})) << prompter.lastText().toStdString();
}

TEST_F(ChequeWindows, TheBankChequesWindowOffersTheFormatsByName)
{
    frmChequesBancos window(session);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(listed(window), QStringList({"CHQH", "CHQV"}));
    QComboBox *format = window.form()->comboBox("NumeroFormato");
    ASSERT_TRUE(format);
    EXPECT_EQ(format->count(), 2);
    EXPECT_EQ(format->currentText(), "CHQ2");
    SaveScreenshot(&window, "frmChequesBancos");

    window.setReportOutput(&output);
    window.ToolbarAction("Imprimir");
    ASSERT_EQ(output.requests.size(), 1u) << prompter.lastText().toStdString();
    EXPECT_EQ(output.requests[0].title, "Formatos Cheques");
    savePdf(0, "crpDocumento-FormatosCheques");
}

TEST_F(ChequeWindows, TheDisbursementWindowProposesTheBeneficiaryAndPrintsTheCheque)
{
    const VoucherToPrint voucher = approveDisbursement();
    frmImprimirComprobanteEgreso window(session, voucher, &output);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), "Imprimir Comprobante de Egreso");
    EXPECT_TRUE(window.optComprobante->isChecked());
    EXPECT_EQ(window.txtBeneficiario->code(), "J002");
    EXPECT_EQ(window.cmbChequeBanco->count(), 2);
    EXPECT_EQ(window.cmbChequeBanco->itemText(0), "CHEQUE CARTA HORIZONTAL");
    EXPECT_EQ(window.cmbChequeBanco->currentIndex(), -1);
    EXPECT_FALSE(window.cmbChequeBanco->isEnabled());

    window.optComprobanteCheque->setChecked(true);
    EXPECT_TRUE(window.cmbChequeBanco->isEnabled());
    QTest::mouseClick(window.cmdImprimir, Qt::LeftButton);
    EXPECT_EQ(prompter.lastText(), "Selecione un formato de cheque de banco!");
    EXPECT_TRUE(output.requests.empty());

    window.cmbChequeBanco->setCurrentIndex(1);
    window.txtObservacion->setText("Pago de la factura 77 y honorarios de marzo");
    window.chkMostrarBeneficiario->setChecked(true);
    SaveScreenshot(&window, "frmImprimirComprobanteEgreso");
    QTest::mouseClick(window.cmdImprimir, Qt::LeftButton);
    ASSERT_EQ(output.requests.size(), 2u) << prompter.lastText().toStdString();
    EXPECT_TRUE(output.requests[0].document->layout().sourcePath.endsWith("/CHQ1.rpt"));
    savePdf(0, "CHQ1");
    savePdf(1, "crpComprobanteCheque");

    // The landscape cheque, on the other bank cheque.
    window.cmbChequeBanco->setCurrentIndex(0);
    QTest::mouseClick(window.cmdImprimir, Qt::LeftButton);
    ASSERT_EQ(output.requests.size(), 4u);
    EXPECT_TRUE(output.requests[2].document->layout().sourcePath.endsWith("/CHQ2.rpt"));
    savePdf(2, "CHQ2");

    window.optComprobanteDocumento->setChecked(true);
    QTest::mouseClick(window.cmdImprimir, Qt::LeftButton);
    ASSERT_EQ(output.requests.size(), 5u);
    savePdf(4, "crpComprobanteTransferencia");

    // Without a beneficiary the cheque is refused and the field takes the focus.
    window.optComprobanteCheque->setChecked(true);
    window.txtBeneficiario->clear();
    QTest::mouseClick(window.cmdImprimir, Qt::LeftButton);
    EXPECT_EQ(prompter.lastText(), "Selecione un beneficiario!");
    EXPECT_EQ(output.requests.size(), 5u);

    QTest::mouseClick(window.cmdSalir, Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
}

} // namespace
