#include "vouchers/VoucherAnnulment.h"
#include "vouchers/VoucherPosting.h"
#include "vouchers/ui/frmActivoFijo.h"
#include "vouchers/ui/frmAnularComprobante.h"
#include "vouchers/ui/frmCorregirMovimiento.h"
#include "vouchers/ui/frmCargarSucursal.h"
#include "vouchers/ui/frmConsolidacion.h"
#include "vouchers/ui/LineEntryPanel.h"
#include "vouchers/ui/frmRegistro.h"

#include "common/ui/AmountEdit.h"
#include "ledger/accounts/ui/CodeLookupEdit.h"
#include "support/Screenshot.h"
#include "vouchers/EntryFixture.h"
#include "vouchers/entry/EntryTexts.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

namespace {

class VoucherEntryWindow : public EntryFixture
{
protected:
    static void type(CodeLookupEdit *field, const QString &code)
    {
        field->txtCodigo->setFocus();
        field->txtCodigo->clear();
        QTest::keyClicks(field->txtCodigo, code);
        QTest::keyClick(field->txtCodigo, Qt::Key_Return);
        QApplication::processEvents();
    }
    static void amount(AmountEdit *field, const QString &typed)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, typed);
    }
    std::unique_ptr<frmRegistro> open()
    {
        auto w = std::make_unique<frmRegistro>(session);
        w->resize(980, 640);
        w->show();
        QApplication::processEvents();
        return w;
    }
};

TEST_F(VoucherEntryWindow, ALineTypedAtTheKeyboardIsWrittenAndTheDifferenceShown)
{
    auto w = open();
    ASSERT_TRUE(w->opened());
    type(w->txtTipoComprobante, "001");
    QTest::keyClicks(w->txtDia, "15");
    w->ToolbarAction("Nuevo");
    EXPECT_EQ(w->panel->lblLinea->text(), "1");
    EXPECT_FALSE(w->panel->sprRegistro->isEnabled());
    EXPECT_FALSE(w->button("Aprobar")->isEnabled());
    type(w->panel->txtCuenta, "610101001");
    EXPECT_EQ(w->panel->txtCuenta->lblNombre->text(), "SUELDOS");
    EXPECT_FALSE(w->panel->txtTercero->isEnabled());
    w->panel->txtDescripcion->setFocus();
    QTest::keyClicks(w->panel->txtDescripcion, "NOMINA QUINCENA");
    amount(w->panel->txtDebito, "1250" + QLocale().decimalPoint() + "5");
    SaveScreenshot(w.get(), "frmRegistro-linea");
    // Alt+G typed in a field saves the line; the field does not take the letter.
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.get()));
    w->panel->txtDescripcion->setFocus();
    QTest::keyClick(w->panel->txtDescripcion, Qt::Key_G, Qt::AltModifier);
    QApplication::processEvents();
    ASSERT_EQ(w->panel->sprRegistro->rowCount(), 3) << prompter.lastText().toStdString();
    EXPECT_EQ(w->panel->lblTotalDebito->text(), w->editor().totals().debit.format(QLocale()));
    EXPECT_EQ(w->panel->lblDiferencia->text(), "Falta: " + Money::fromThousandths(1250500).format(QLocale()) +
                                            " en Crédito");
    // Still entering: the next line proposes what is missing.
    EXPECT_EQ(w->panel->lblLinea->text(), "4");
    EXPECT_EQ(w->panel->txtCredito->money(), Money::fromThousandths(1250500));
    EXPECT_EQ(w->panel->txtDescripcion->text(), "NOMINA QUINCENA");
    SaveScreenshot(w.get(), "frmRegistro-diferencia");

    type(w->panel->txtCuenta, "110101001");
    w->ToolbarAction("Guardar");
    w->ToolbarAction("Cancelar");
    EXPECT_EQ(w->panel->lblDiferencia->text(), "");
    EXPECT_TRUE(w->button("Aprobar")->isEnabled());
    EXPECT_TRUE(w->panel->sprRegistro->isEnabled());
    EXPECT_FALSE(w->txtTipoComprobante->txtCodigo->isReadOnly() == false);
    SaveScreenshot(w.get(), "frmRegistro-consulta");
}

TEST_F(VoucherEntryWindow, AFailingCheckReturnsToItsFieldAndKeepsWhatWasTyped)
{
    auto w = open();
    type(w->txtTipoComprobante, "001");
    QTest::keyClicks(w->txtDia, "31");
    w->ToolbarAction("Nuevo");
    type(w->panel->txtCuenta, "610201001");
    amount(w->panel->txtDebito, "100");
    w->ToolbarAction("Guardar");
    EXPECT_EQ(prompter.lastText(), " El dia debe ser entre 1 y 30!");
    EXPECT_TRUE(w->txtDia->hasFocus());
    w->txtDia->setText("30");
    w->ToolbarAction("Guardar");
    EXPECT_EQ(prompter.lastText(), EntryTexts::SelectParty);
    EXPECT_TRUE(w->panel->txtTercero->txtCodigo->hasFocus());
    EXPECT_EQ(w->panel->txtDebito->money(), Money::fromUnits(100));
    EXPECT_EQ(areaRows(), 0);
}

TEST_F(VoucherEntryWindow, AFixedAssetAccountAsksForTheAssetAndModifyReloadsTheLine)
{
    int asked = 0;
    auto w = open();
    w->panel->setAssetDialog([&](const AssetData &) {
        ++asked;
        return std::optional<AssetData>(AssetData{"EQ-9", "SERVIDOR", "HP", "DL", 60,
                                                  QDate(2026, 6, 3), QDate(2026, 7, 1), 1,
                                                  AssetMovement::Purchase});
    });
    type(w->txtTipoComprobante, "002");
    QTest::keyClicks(w->txtDia, "3");
    w->ToolbarAction("Nuevo");
    type(w->panel->txtCuenta, "120101001");
    EXPECT_EQ(asked, 1);
    amount(w->panel->txtDebito, "9000");
    w->ToolbarAction("Guardar");
    w->ToolbarAction("Cancelar");
    EXPECT_EQ(cell("SELECT Descripcion FROM ACTIVOFIJO WHERE Serial = 'EQ-9'"), "SERVIDOR");
    w->panel->sprRegistro->selectRow(0);
    w->ToolbarAction("Modificar");
    EXPECT_EQ(w->panel->txtDebito->money(), Money::fromUnits(9000));
    EXPECT_TRUE(w->panel->txtCuenta->txtCodigo->isReadOnly());
    EXPECT_TRUE(w->txtTipoComprobante->txtCodigo->isReadOnly());
}

TEST_F(VoucherEntryWindow, AVoucherOfAnotherMonthClosesTheWindow)
{
    session.gMes = 5;
    {
        auto e = openEditor();
        typeLine(*e, "110101001", "10");
        ASSERT_TRUE(e->save().written);
    }
    session.gMes = 6;
    auto w = open();
    EXPECT_FALSE(w->opened());
    EXPECT_TRUE(prompter.lastText().startsWith(EntryTexts::PendingVoucher + "05-2026"));
}

TEST_F(VoucherEntryWindow, AmountBoxesTakeOneWorkstationSeparatorAndTheKeypadKey)
{
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Venezuela));
    AmountEdit box;
    box.setLocale(QLocale(QLocale::Spanish, QLocale::Venezuela));
    box.show();
    box.setFocus();
    box.clear();
    QTest::keyClicks(&box, "12a3");
    QTest::keyClick(&box, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(&box, "4,5.6");
    EXPECT_EQ(box.text(), "123,456");
    EXPECT_EQ(box.money(), Money::fromThousandths(123456));
    box.clearFocus();
    QLineEdit other;
    other.show();
    other.setFocus();
    QApplication::processEvents();
    box.setText("1234567,5");
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(&box, &out);
    EXPECT_EQ(box.text(), "1.234.567,50");
    box.clear();
    QApplication::sendEvent(&box, &out);
    EXPECT_EQ(box.text(), "0,00");
    QLocale::setDefault(QLocale::c());
}

TEST_F(VoucherEntryWindow, TheAssetDialogLocksAKnownAssetAndOffersVariationOrRetirement)
{
    exec("INSERT INTO ACTIVOFIJO (Serial, Empresa, Matriz, TipoActivo, CodigoCategoria, "
         "Descripcion, FechaAdq, FechaDep, MesDepreciacion, Status) VALUES "
         "('EQ-1', '001', '001', '120101001', 1, 'LAPTOP', ?, ?, 36, 1)",
         {QDate(2025, 1, 10), QDate(2025, 2, 1)});
    LineEditor editor(session, WorkArea::registro("ANA", "001", "001"), "mnu_registro");
    ASSERT_TRUE(editor.open());
    frmActivoFijo dialog("120101001", "EQUIPOS", {{1, "EQUIPOS DE OFICINA"}}, {},
                         [&](const QString &s) { return editor.findAsset(s); }, {});
    dialog.show();
    EXPECT_TRUE(dialog.optCompra->isChecked());
    dialog.txtSerial->setText("EQ-1");
    dialog.takeSerial();
    EXPECT_EQ(dialog.txtDescripcion->text(), "LAPTOP");
    EXPECT_FALSE(dialog.txtDescripcion->isEnabled());
    EXPECT_FALSE(dialog.optCompra->isEnabled());
    EXPECT_TRUE(dialog.optVariacion->isChecked());
    dialog.optRetiro->setChecked(true);
    SaveScreenshot(&dialog, "frmActivoFijo");
    const AssetData asset = dialog.asset();
    EXPECT_TRUE(asset.complete());
    EXPECT_EQ(asset.movement, AssetMovement::Retirement);
    dialog.txtSerial->setText("EQ-2");
    dialog.takeSerial();
    EXPECT_TRUE(dialog.optCompra->isChecked());
    EXPECT_TRUE(dialog.txtDescripcion->isEnabled());
}

TEST_F(VoucherEntryWindow, TheBranchPickerRefusesAnEmptyChoice)
{
    frmCargarSucursal picker(session);
    picker.show();
    ASSERT_EQ(picker.cmbSucursal->count(), 1);
    picker.Aceptar();
    EXPECT_EQ(prompter.lastText(), "¡Campo no debe estar vacio!");
    EXPECT_EQ(picker.result(), QDialog::Rejected);
    picker.cmbSucursal->setCurrentIndex(0);
    picker.Aceptar();
    EXPECT_EQ(picker.branch(), "002");
    EXPECT_EQ(picker.result(), QDialog::Accepted);
}

TEST_F(VoucherEntryWindow, TheConsolidationWindowCompletesTheBranchsLines)
{
    {
        auto e = openEditor();
        typeLine(*e, "130101001", "250.00");
        e->line().descripcion = "GASTOS PAGADOS POR LA SUCURSAL";
        ASSERT_TRUE(e->save().written);
    }
    exec("UPDATE EMPRESA SET Nombre = 'ANDINA VALENCIA' WHERE Codigo = '002'");
    frmConsolidacion w(session, "002", "001", 1, "15");
    w.resize(980, 600);
    w.show();
    EXPECT_EQ(w.lblComprobante->text(), "010 - INTER");
    EXPECT_EQ(w.lblEmpresa->text(), "ANDINA VALENCIA");
    EXPECT_FALSE(w.button("Aprobar")->isVisible());
    ASSERT_EQ(w.panel->sprRegistro->rowCount(), 1);
    EXPECT_EQ(w.panel->lblDiferencia->text(), "Falta: " + Money::fromUnits(250).format(QLocale()) +
                                                  " en Débito");
    w.ToolbarAction("Nuevo");
    w.panel->txtCuenta->txtCodigo->setText("610101001");
    w.panel->txtCuenta->checkTyped();
    QApplication::processEvents();
    EXPECT_EQ(w.panel->txtDebito->money(), Money::fromUnits(250));
    w.ToolbarAction("Guardar");
    w.ToolbarAction("Cancelar");
    EXPECT_EQ(w.panel->sprRegistro->rowCount(), 4);
    EXPECT_EQ(w.panel->lblDiferencia->text(), "");
    prompter.answerText("610101001");
    w.BuscarV();
    EXPECT_EQ(w.panel->sprRegistro->currentRow(), 1);
    SaveScreenshot(&w, "frmConsolidacion");
}

TEST_F(VoucherEntryWindow, TheAnnulmentAndCorrectionWindowsActOnWhatIsTyped)
{
    {
        auto e = openEditor();
        typeLine(*e, "110101001", "80.00");
        ASSERT_TRUE(e->save().written);
        e->setAccount("240816");
        ASSERT_TRUE(e->save().written);
        e->cancel();
        prompter.answerYes();
        ASSERT_TRUE(e->approve().approved());
    }
    Fixtures::grantNode(db(), "CONTA", "mnu_anular", "S", {"Guardar", "Cancelar"});
    Fixtures::grantNode(db(), "CONTA", "mnu_corregirmovimiento", "S", {"Aprobar"});
    frmAnularComprobante annulment(session, "mnu_anular");
    annulment.resize(640, 260);
    annulment.show();
    annulment.txtTipoComprobante->setCode("001", "DIARIO");
    annulment.txtNumero->txtCodigo->setText("1");
    SaveScreenshot(&annulment, "frmAnularComprobante");
    prompter.answerYes();
    annulment.ToolbarAction("Guardar");
    EXPECT_EQ(prompter.lastText(), VoucherAnnulment::Done);
    EXPECT_EQ(Money::fromSql(cell("SELECT SUM(ValorDebito) FROM MOVIMIENTO")), Money());

    frmCorregirMovimiento correction(session, "mnu_corregirmovimiento");
    correction.show();
    EXPECT_FALSE(correction.button("Aprobar")->isEnabled());
    correction.txtTercero->setCode("J001", "SERVICIOS JURIDICOS C.A.");
    QTest::keyClicks(correction.txtNuevoCodigo, "N001");
    EXPECT_TRUE(correction.button("Aprobar")->isEnabled());
    SaveScreenshot(&correction, "frmCorregirMovimiento");
}

} // namespace
