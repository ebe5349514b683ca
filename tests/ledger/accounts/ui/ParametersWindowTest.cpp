#include "ledger/accounts/Parameters.h"
#include "ledger/accounts/ui/CodeLookupEdit.h"
#include "ledger/accounts/ui/frmParametros.h"

#include "common/grid/CatalogPicker.h"
#include "common/grid/GridModel.h"
#include "ledger/accounts/AccountFixture.h"
#include "support/Screenshot.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Picks the first candidate, as a user pressing Enter in the catalogue would.
class FirstRowPicker : public CatalogPicker
{
public:
    std::optional<int> pick(GridModel &rows) override
    {
        shown = rows.rowCount();
        return 0;
    }
    int shown = 0;
};

class ParametersWindow : public AccountFixture
{
protected:
    ParametersWindow()
    {
        db().exec("UPDATE PARAMETRO SET PerdidaEjercicio = '110101001', PorcRetIVA = ?",
                  {Rate::fromMillionths(75125000).toSql()});
        window = std::make_unique<frmParametros>(session);
        window->show();
    }
    CodeLookupEdit *account(Parameters::Account a) { return window->txtCuentas[size_t(a)]; }
    std::unique_ptr<frmParametros> window; // opened once the stored values are in place
};

TEST_F(ParametersWindow, OpensToBrowseWithTheStoredValues)
{
    EXPECT_EQ(window->txtCantDigCuenta->text(), "9");
    EXPECT_EQ(window->txtNombreIDEmpresa->text(), "RIF");
    EXPECT_EQ(window->txtPorcRetIVA->text(), "75.125");
    EXPECT_EQ(account(Parameters::PerdidaEjercicio)->lblNombre->text(), "BANCO MERCANTIL");
    EXPECT_TRUE(window->txtCantDigCuenta->isReadOnly());
    EXPECT_FALSE(window->chkAplicaRetBase->isEnabled());
    EXPECT_TRUE(window->button("Modificar")->isVisible());
    EXPECT_FALSE(window->button("Nuevo")->isVisible());
    SaveScreenshot(window.get(), "frmParametros");
}

TEST_F(ParametersWindow, ASummaryAccountIsRefusedWhereverItComesFrom)
{
    window->ToolbarAction("Modificar");
    EXPECT_FALSE(window->txtCantDigCuenta->isReadOnly());
    QLineEdit *profit = account(Parameters::UtilidadEjercicio)->txtCodigo;
    QTest::keyClicks(profit, "1101");
    account(Parameters::UtilidadEjercicio)->checkTyped();
    EXPECT_EQ(prompter.lastText(), "Seleccione solo cuentas de detalle...");
    EXPECT_TRUE(account(Parameters::UtilidadEjercicio)->lblNombre->text().isEmpty());

    window->ToolbarAction("Guardar");
    EXPECT_EQ(prompter.messages().size(), 2u);
    EXPECT_EQ(window->focusWidget(), profit);
    EXPECT_TRUE(db().scalar("SELECT UtilidadEjercicio FROM PARAMETRO").toString().isEmpty());
    SaveScreenshot(window.get(), "frmParametros-resumen");

    // From the lookup: three accounts start with "1101"; the first is a summary account.
    FirstRowPicker picker;
    window->setCatalogPicker(&picker);
    profit->setText("1101");
    account(Parameters::UtilidadEjercicio)->lookup();
    EXPECT_EQ(picker.shown, 3);
    EXPECT_EQ(prompter.lastText(), "Seleccione solo cuentas de detalle...");
}

TEST_F(ParametersWindow, SavesWhatWasTyped)
{
    window->ToolbarAction("Modificar");
    window->txtCantDigCuenta->clear();
    QTest::keyClicks(window->txtCantDigCuenta, "10");
    window->txtPorcRetIVA->clear();
    QTest::keyClicks(window->txtPorcRetIVA, "12,5x");
    EXPECT_EQ(window->txtPorcRetIVA->text(), "12,5");
    QTest::keyClicks(account(Parameters::UtilidadEjercicio)->txtCodigo, "110101001");
    window->chkCierreAjusteInflacion->setChecked(true);
    window->ToolbarAction("Guardar");
    EXPECT_TRUE(prompter.messages().empty()) << prompter.lastText().toStdString();
    const Parameters stored = *ParametersService(session).load();
    EXPECT_EQ(stored.CantDigCuenta, 10);
    EXPECT_EQ(stored.PorcRetIVA, Rate::fromMillionths(12500000));
    EXPECT_EQ(stored.accounts[Parameters::UtilidadEjercicio], "110101001");
    EXPECT_TRUE(stored.CierreAjusteInflacion);
    EXPECT_TRUE(window->txtCantDigCuenta->isReadOnly());
}

TEST_F(ParametersWindow, AWrongReportDirectoryIsSelectedForCorrection)
{
    window->txtRutaReporte->setText("/no/existe");
    window->cmdVerificarRuta->click();
    EXPECT_FALSE(prompter.messages().empty());
    EXPECT_EQ(window->focusWidget(), window->txtRutaReporte);
    EXPECT_EQ(window->txtRutaReporte->selectedText(), "/no/existe");
}

} // namespace
