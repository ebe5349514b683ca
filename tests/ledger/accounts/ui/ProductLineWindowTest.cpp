#include "ledger/accounts/ProductLineAccounts.h"
#include "ledger/accounts/ui/CodeLookupEdit.h"
#include "ledger/accounts/ui/frmCuentaContableLinea.h"
#include "ledger/accounts/ui/frmIncCuentaContableLinea.h"

#include "ledger/accounts/AccountFixture.h"
#include "support/Screenshot.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

namespace {

class ProductLineWindow : public AccountFixture
{
protected:
    ProductLineWindow()
    {
        addSalesAccounts();
    }
    int lines() { return count("CUENTACONTABLELINEA"); }
};

TEST_F(ProductLineWindow, ANewLineIsSavedAndListed)
{
    frmCuentaContableLinea window(session);
    window.show();
    EXPECT_EQ(window.windowTitle(), "Cuenta Contable por Categorias");
    EXPECT_FALSE(window.button("Modificar")->isEnabled()); // nothing listed yet
    window.ToolbarAction("Nuevo");
    QTest::keyClicks(window.txtCodigoLinea, "L01");
    QTest::keyClicks(window.txtNombre, "VIVERES");
    QTest::keyClicks(window.txtCuenta->txtCodigo, "110101001");
    window.txtCuenta->checkTyped();
    EXPECT_EQ(prompter.lastText(), "La cuenta no existe!");
    window.txtCuenta->txtCodigo->setText("413501001");
    window.txtCuenta->checkTyped();
    EXPECT_EQ(window.txtCuenta->lblNombre->text(), "VENTAS DE VIVERES");
    window.ToolbarAction("Guardar");
    EXPECT_EQ(lines(), 1);
    ASSERT_EQ(window.grdLineas->model()->rowCount(), 1);
    EXPECT_EQ(window.grdLineas->model()->index(0, 3).data().toString(), "VENTAS DE VIVERES");
    EXPECT_TRUE(window.button("Modificar")->isEnabled());
    SaveScreenshot(&window, "frmCuentaContableLinea");

    window.ToolbarAction("Modificar");
    EXPECT_TRUE(window.txtCodigoLinea->isReadOnly());
    window.txtNombre->setText("");
    window.ToolbarAction("Guardar");
    EXPECT_EQ(prompter.lastText(), ProductLineAccounts::NameBlank);
    EXPECT_EQ(window.focusWidget(), window.txtNombre);
    window.ToolbarAction("Cancelar");
    EXPECT_EQ(window.txtNombre->text(), "VIVERES");

    prompter.answerYes();
    window.ToolbarAction("Eliminar");
    EXPECT_EQ(prompter.lastText(), "Registro eliminado con exito!");
    EXPECT_EQ(lines(), 0);
    EXPECT_EQ(window.grdLineas->model()->rowCount(), 0);
}

TEST_F(ProductLineWindow, TheSmallDialogAddsALineInOneStep)
{
    frmIncCuentaContableLinea dialog(session, "L07");
    dialog.show();
    QTest::keyClicks(dialog.txtNombre, "CHARCUTERIA");
    dialog.txtCuenta->txtCodigo->setText("413501002");
    SaveScreenshot(&dialog, "frmIncCuentaContableLinea");
    dialog.cmdAceptar->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const auto listed = ProductLineAccounts(session).list();
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0], (ProductLine{"L07", "CHARCUTERIA", "413501002", "VENTAS DE CHARCUTERIA"}));
}

} // namespace
