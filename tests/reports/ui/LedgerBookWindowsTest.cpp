#include "reports/ui/frmExpLibroAuxiliarDetallado.h"
#include "reports/ui/frmFoliadoDeLibro.h"
#include "reports/ui/frmRepLibroDiario.h"
#include "reports/ui/frmRepMayorAnalitico.h"

#include "common/report/RecordingReportOutput.h"
#include "platform/report/PdfExport.h"
#include "reports/TrialBalanceBooks.h"
#include "support/Screenshot.h"
#include "support/XlsxReadBack.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// ANA of group CONTA may print the books and export the auxiliary one.
class LedgerBookWindows : public ::testing::Test, protected TrialBalanceBooks
{
protected:
    LedgerBookWindows()
    {
        Fixtures::addGroup(db(), "CONTA");
        Fixtures::addUser(db(), "ANA", "x", {"CONTA"});
        for (const char *node : {"mnu_librodiario", "mnu_mayoranalitico", "mnu_foliado"})
            Fixtures::grantNode(db(), "CONTA", node, "S", {"Imprimir"});
        Fixtures::grantNode(db(), "CONTA", "mnu_exportarauxiliar", "S", {"Aprobar"});
        session.reports = &output;
        session.gRutaReporte = QStringLiteral(VALDORIA_SOURCE_DIR "/reportes");
    }
    static void keep(const ReportDocument &document, const QString &name)
    {
        const QString shots = qEnvironmentVariable("VALDORIA_SCREENSHOTS");
        if (!shots.isEmpty() && QDir().mkpath(shots))
            PdfExport::write(document, QDir(shots).filePath(name + ".pdf"));
    }
    RecordingReportOutput output;
};

TEST_F(LedgerBookWindows, TheJournalPrintsItsSummaryOrItsDetail)
{
    postAFewMonths();
    frmRepLibroDiario window(session);
    window.show();
    EXPECT_EQ(window.windowTitle(), "Libro Diario");
    EXPECT_EQ(window.cmbMes->currentText(), "Marzo");
    EXPECT_EQ(window.txtAno->text(), "2025");
    EXPECT_EQ(window.CheckMostrar->text(), "Mostrar Detalle");
    EXPECT_TRUE(window.chkConsolidado->isEnabled());
    SaveScreenshot(&window, "frmRepLibroDiario");

    QAction *print = window.button("Imprimir");
    ASSERT_TRUE(print && print->isVisible());
    print->trigger();
    window.CheckMostrar->setChecked(true);
    window.chkConsolidado->setChecked(true);
    print->trigger();
    ASSERT_EQ(output.requests.size(), 2u) << prompter.lastText().toStdString();
    const ReportData &summary = output.requests[0].document->data();
    const ReportData &detail = output.requests[1].document->data();
    EXPECT_EQ(summary.rowCount(), 1);
    EXPECT_LT(summary.columnIndex("Cuenta"), 0);
    EXPECT_EQ(detail.rowCount(), 4);
    EXPECT_EQ(detail.row(0)[detail.columnIndex("Consolidado")].toInt(), 1);
    keep(*output.requests[1].document, "crpLibroDiarioDet");

    window.txtAno->clear();
    window.imprimir();
    EXPECT_EQ(prompter.lastText(), "¡Debe seleccionar un año!");
    EXPECT_EQ(output.requests.size(), 2u);
}

TEST_F(LedgerBookWindows, TheGeneralLedgerTakesTheTrialBalancesFields)
{
    postAFewMonths();
    frmRepMayorAnalitico window(session);
    window.show();
    EXPECT_EQ(window.windowTitle(), "Mayor Analitico");
    EXPECT_EQ(window.Option1->text(), "Grupo");
    EXPECT_EQ(window.Option4->text(), "Detalle");
    EXPECT_EQ(window.ChkMostrar->text(), "Mostrar cuentas sin movimientos");
    SaveScreenshot(&window, "frmRepMayorAnalitico");
    window.Option1->setChecked(true);
    QAction *print = window.button("Imprimir");
    ASSERT_TRUE(print && print->isVisible());
    print->trigger();
    ASSERT_EQ(output.requests.size(), 1u) << prompter.lastText().toStdString();
    EXPECT_EQ(output.requests[0].title, "Mayor Analitico");
    const ReportData &data = output.requests[0].document->data();
    QStringList codes;
    for (int r = 0; r < data.rowCount(); ++r)
        codes << data.row(r)[data.columnIndex("Codigo")].toString();
    EXPECT_EQ(codes, QStringList({"1", "11", "12", "2", "21", "3", "31", "4", "41"}));
    EXPECT_EQ(data.row(0)[data.columnIndex("DebitoAnterior")].toLongLong(), 70801250);
}

TEST_F(LedgerBookWindows, PageNumberingFollowsItsPagesAndRefusesBadNumbers)
{
    frmFoliadoDeLibro window(session);
    window.show();
    window.TxtLibro->setText("Libro Diario 2025");
    window.TxtInicial->setText("8");
    window.TxtFinal->setText("7");
    window.imprimir();
    EXPECT_EQ(prompter.lastText(), "Numero final debe se mayor o igual al numero inicial..!");
    window.TxtInicial->setText("1");
    window.TxtFinal->setText("1301"); // 1301 pages
    window.imprimir();
    EXPECT_EQ(prompter.lastText(),
              "El numero de paginas a foliar no debe execder de 1300 paginas..!");
    EXPECT_TRUE(output.requests.empty());

    window.TxtInicial->setText("12");
    window.TxtFinal->setText("14");
    QAction *print = window.button("Imprimir");
    ASSERT_TRUE(print && print->isVisible());
    print->trigger();
    ASSERT_EQ(output.requests.size(), 1u) << prompter.lastText().toStdString();
    EXPECT_EQ(output.requests[0].document->pageCount(), 3);
    EXPECT_EQ(window.ProgressBar1->value(), 3);
    EXPECT_EQ(window.lblFoliando->text(), "Foliando pagina Nº 14");
    SaveScreenshot(&window, "frmFoliadoDeLibro");
    keep(*output.requests[0].document, "crpFoliadoDeLibro");
}

TEST_F(LedgerBookWindows, TheExportAsksForAFileWritesItAndOffersToOpenIt)
{
    postAFewMonths();
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("auxiliar");
    frmExpLibroAuxiliarDetallado window(session);
    int asked = 0;
    QStringList opened;
    window.chooseFile = [&] {
        ++asked;
        return path;
    };
    window.openFile = [&](const QString &file) { opened << file; };
    window.show();
    EXPECT_EQ(window.cmbDesde->currentText(), "Enero");
    EXPECT_EQ(window.cmbHasta->currentText(), "Marzo");
    SaveScreenshot(&window, "frmExpLibroAuxiliarDetallado");

    // A range across the fiscal year's end is told before any file is asked for.
    window.cmbDesde->setCurrentIndex(11);
    window.cmbHasta->setCurrentIndex(0);
    window.exportar();
    EXPECT_EQ(prompter.lastText(), "Mes inicial debe ser mayor o igual a mes final!");
    EXPECT_EQ(prompter.messages().back().title, "Error");
    EXPECT_EQ(asked, 0);

    window.cmbDesde->setCurrentIndex(0);
    window.cmbHasta->setCurrentIndex(2);
    prompter.answerYes();
    QAction *approve = window.button("Aprobar");
    ASSERT_TRUE(approve && approve->isVisible());
    approve->trigger();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(prompter.lastText(), "Desea abrir el archivo generado...?");
    EXPECT_EQ(opened, QStringList({path + ".xlsx"}));
    const auto book = XlsxReadBack::open(path + ".xlsx");
    ASSERT_TRUE(book);
    EXPECT_EQ(book->cell("B2").text, "EmpresaConsolidacion");
    EXPECT_EQ(book->lastRow(), 2 + 10) << "five two-line vouchers of E01";
    EXPECT_EQ(window.ProgressBar1->value(), 10);

    window.exportar();
    EXPECT_EQ(prompter.lastText(), "El archivo ya existe...!");
    EXPECT_EQ(opened.size(), 1);
}

} // namespace
