#include "reports/ui/frmRepLibroAuxiliar.h"
#include "reports/ui/frmRepLibroAuxiliarDetallado.h"
#include "reports/ui/frmRepLibroAuxiliarIva.h"

#include "common/report/RecordingReportOutput.h"
#include "common/report/ui/frmPreview.h"
#include "demo/DemoCompany.h"
#include "platform/report/PageRenderer.h"
#include "platform/report/PdfExport.h"
#include "reports/AuxiliaryBooks.h"
#include "reports/MonthRange.h"
#include "shell/CompanySelection.h"
#include "shell/LoginService.h"
#include "support/Printers.h"
#include "support/Screenshot.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include "DemoBookkeeper.h"

#include <gtest/gtest.h>

namespace {

// ANA of group CONTA may print the books.
class AuxiliaryBookWindows : public ::testing::Test, protected AuxiliaryBooks
{
protected:
    AuxiliaryBookWindows()
    {
        Fixtures::addGroup(db(), "CONTA");
        Fixtures::addUser(db(), "ANA", "x", {"CONTA"});
        for (const char *node : {"mnu_auxiliar", "mnu_saldosterceros", "mnu_auxiliaranalitico",
                                 "mnu_auxiliardetallado", "mnu_auxiliariva"})
            Fixtures::grantNode(db(), "CONTA", node, "S", {"Imprimir"});
        session.reports = &output;
        postPurchases();
    }
    QStringList column(size_t request, const QString &name)
    {
        const ReportData &data = output.requests[request].document->data();
        QStringList list;
        for (int r = 0; r < data.rowCount(); ++r)
            list << data.row(r)[data.columnIndex(name)].toString();
        return list;
    }
    RecordingReportOutput output;
};

TEST_F(AuxiliaryBookWindows, TheBookOpensOnTheWorkingMonthAndPrintsItsRanges)
{
    frmRepLibroAuxiliar window(session);
    window.show();
    EXPECT_FALSE(window.partyBalances());
    EXPECT_EQ(window.windowTitle(), "Libro Auxiliar");
    EXPECT_EQ(window.cmbMes->currentText(), "Marzo");
    EXPECT_EQ(window.txtAno->text(), "2025");
    EXPECT_TRUE(window.chkConsolidado->isEnabled());
    SaveScreenshot(&window, "frmRepLibroAuxiliar");

    QAction *print = window.button("Imprimir");
    ASSERT_TRUE(print && print->isVisible());
    print->trigger();
    ASSERT_EQ(output.requests.size(), 1u) << prompter.lastText().toStdString();
    EXPECT_EQ(output.requests[0].title, "Libro Auxiliar");
    EXPECT_EQ(column(0, "Tercero"), QStringList({"*", "*", "J-1", "J-2", "*"}));

    window.txtDesdeCta->setText("2");
    window.txtHastaCta->setText("3");
    window.txtDesdeTerc->setText("J-2");
    window.txtHastaTerc->setText("J-2");
    window.chkConsolidado->setChecked(true);
    print->trigger();
    ASSERT_EQ(output.requests.size(), 2u);
    EXPECT_EQ(column(1, "Tercero"), QStringList({"J-2"}));
    EXPECT_EQ(column(1, "Consolidado"), QStringList({"1"}));

    window.txtAno->setText("202");
    window.imprimir();
    EXPECT_EQ(prompter.lastText(), "¡Debe seleccionar un año valido...!");
    EXPECT_EQ(window.focusWidget(), window.txtAno);
    EXPECT_EQ(output.requests.size(), 2u);
}

TEST_F(AuxiliaryBookWindows, OptionModeThreeListsTheBalancesByThirdParty)
{
    session.gModoOpcion = frmRepLibroAuxiliar::PartyBalancesMode;
    frmRepLibroAuxiliar window(session, "mnu_saldosterceros");
    window.show();
    EXPECT_TRUE(window.partyBalances());
    EXPECT_EQ(window.windowTitle(), "Saldos por Terceros");
    SaveScreenshot(&window, "frmRepLibroAuxiliar_saldos");
    window.imprimir();
    ASSERT_EQ(output.requests.size(), 1u) << prompter.lastText().toStdString();
    EXPECT_EQ(output.requests[0].title, "Saldos Por Terceros");
    EXPECT_EQ(column(0, "SaldoFinal"),
              QStringList({"49600000", "1300000", "-600000", "-300000", "-50000000"}));
}

TEST_F(AuxiliaryBookWindows, TheAnnualBooksCheckTheirMonthsAgainstTheFiscalYear)
{
    frmRepLibroAuxiliarAnalitico annual(session);
    annual.show();
    EXPECT_EQ(annual.windowTitle(), "Libros Auxiliares (Anual)");
    EXPECT_EQ(annual.cmbDesde->currentText(), "Enero");
    EXPECT_EQ(annual.cmbHasta->currentText(), "Marzo");
    SaveScreenshot(&annual, "frmRepLibroAuxiliarAnalitico");
    annual.imprimir();
    ASSERT_EQ(output.requests.size(), 1u) << prompter.lastText().toStdString();
    EXPECT_EQ(output.requests[0].title, "Libro Auxiliar (Anual)");
    EXPECT_EQ(column(0, "Periodo").value(0), "Enero a Marzo 2025");

    annual.cmbDesde->setCurrentIndex(5);
    annual.cmbHasta->setCurrentIndex(2);
    annual.imprimir();
    EXPECT_EQ(prompter.lastText(), MonthRange::FirstAfterLast);
    EXPECT_EQ(prompter.messages().back().title, "Error");
    EXPECT_EQ(output.requests.size(), 1u);

    frmRepLibroAuxiliarDetallado detailed(session);
    detailed.show();
    EXPECT_EQ(detailed.windowTitle(), "Libros Auxiliares (Anual Detallado)");
    SaveScreenshot(&detailed, "frmRepLibroAuxiliarDetallado");
    detailed.cmbDesde->setCurrentIndex(1);
    detailed.imprimir();
    ASSERT_EQ(output.requests.size(), 2u) << prompter.lastText().toStdString();
    EXPECT_EQ(output.requests[1].title, "Libro Auxiliar (Anual)");
    EXPECT_EQ(output.requests[1].document->data().rowCount(), 7);
}

TEST_F(AuxiliaryBookWindows, TheIvaBookNeedsItsAccountAndTakesTheChosenCompany)
{
    frmRepLibroAuxiliarIva window(session);
    window.show();
    EXPECT_EQ(window.windowTitle(), "Libros Auxiliares (IVA)");
    EXPECT_EQ(window.cmbSucursal->count(), 2);
    EXPECT_EQ(window.cmbSucursal->currentData().toString(), "E01");
    EXPECT_TRUE(window.optFecha->isChecked());
    SaveScreenshot(&window, "frmRepLibroAuxiliarIva");
    window.imprimir();
    EXPECT_EQ(prompter.lastText(), "¡Debe seleccionar una cuenta!");
    EXPECT_EQ(window.focusWidget(), window.txtCuenta);
    EXPECT_TRUE(output.requests.empty());

    window.txtCuenta->setText("410101001");
    window.cmbSucursal->setCurrentIndex(window.cmbSucursal->findData("E02"));
    window.optDocumento->setChecked(true);
    window.imprimir();
    ASSERT_EQ(output.requests.size(), 1u) << prompter.lastText().toStdString();
    EXPECT_EQ(output.requests[0].title, "Libro Auxiliar");
    EXPECT_EQ(column(0, "Tercero"), QStringList({"V-3"}));
}

class DemoAuxiliaryBooks : public DemoBookkeeper
{
protected:
    static void keep(const ReportDocument &document, const QString &name)
    {
        DemoBookkeeper::keep(document, name, 1200);
    }
};

TEST_F(DemoAuxiliaryBooks, EveryBookOfTheMonthPrints)
{
    frmRepLibroAuxiliar book(session);
    book.imprimir();
    session.gModoOpcion = frmRepLibroAuxiliar::PartyBalancesMode;
    frmRepLibroAuxiliar balances(session, "mnu_saldosterceros");
    balances.imprimir();
    session.gModoOpcion = 0;
    frmRepLibroAuxiliarAnalitico annual(session);
    annual.imprimir();
    frmRepLibroAuxiliarDetallado detailed(session);
    detailed.imprimir();
    frmRepLibroAuxiliarIva iva(session);
    iva.txtCuenta->setText("240810");
    iva.optDocumento->setChecked(true);
    iva.imprimir();
    ASSERT_EQ(output.requests.size(), 5u) << prompter.lastText().toStdString();

    const QStringList names{"crpAuxiliar", "crpSaldosXTerceros", "crpAuxiliarExpandido",
                            "crpauxiliardetallado", "crpAuxiliar_iva"};
    for (size_t i = 0; i < names.size(); ++i) {
        const ReportDocument &document = *output.requests[i].document;
        EXPECT_GT(document.data().rowCount(), 0) << names[i].toStdString();
        keep(document, names[i] + "_2026_03");
    }
    // The annual book runs from January and holds the monthly one's lines of March.
    EXPECT_GT(output.requests[2].document->data().rowCount(),
              output.requests[0].document->data().rowCount());
}

} // namespace
