#include "ledger/accounts/AccountTreeModel.h"
#include "ledger/accounts/CostCentreShareModel.h"
#include "ledger/accounts/ui/AccountForm.h"
#include "ledger/accounts/ui/AccountGridPages.h"
#include "ledger/accounts/ui/CodeLookupEdit.h"
#include "ledger/accounts/ui/frmCuentaContable.h"

#include "common/report/RecordingReportOutput.h"
#include "ledger/accounts/AccountFixture.h"
#include "platform/report/PdfExport.h"
#include "support/Screenshot.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTreeView>

namespace {

class ChartWindow : public AccountFixture
{
protected:
    ChartWindow()
    {
        window.show();
        form = window.frmCuenta;
    }
    void typeInto(QLineEdit *box, const QString &text)
    {
        box->clear();
        QTest::keyClicks(box, text);
    }
    // Adds a cost centre by typing its code, and gives it a share.
    void addShare(const QString &code, const QString &share)
    {
        CostCentrePage *page = form->tabCentros;
        typeInto(page->txtCentroCosto->txtCodigo, code);
        page->txtCentroCosto->checkTyped();
        CostCentreShareModel *model = page->model();
        model->setData(model->index(model->find(code), CostCentreShareModel::PercentageColumn),
                       share);
    }
    bool browsing() const
    {
        return window.button("Modificar")->isEnabled() && !window.button("Guardar")->isEnabled();
    }

    frmCuentaContable window{session};
    AccountForm *form = nullptr;
};

TEST_F(ChartWindow, TheTreeShowsTheChartUnderItsRoot)
{
    EXPECT_TRUE(window.tvwCuentas->isExpanded(window.tree()->rootIndex()));
    EXPECT_FALSE(window.button("Modificar")->isEnabled()); // the root is no account
    ASSERT_TRUE(window.selectAccount("110101001"));
    EXPECT_EQ(form->txtNombre->text(), "BANCO MERCANTIL");
    EXPECT_EQ(form->txtNivel[4]->text(), "001");
    EXPECT_TRUE(form->chkDetalle->isChecked());
    EXPECT_FALSE(window.button("Nuevo")->isEnabled()); // nothing below level 5
    window.tvwCuentas->expandAll();
    SaveScreenshot(&window, "frmCuentaContable");
    for (int tab = 1; tab < 4; ++tab) {
        form->setCurrentIndex(tab);
        SaveScreenshot(&window, QStringLiteral("frmCuentaContable-tab%1").arg(tab));
    }
}

TEST_F(ChartWindow, ANewUserCreatesALevelFiveAccountUnderAnExistingOne)
{
    ASSERT_TRUE(window.selectAccount("110101"));
    window.ToolbarAction("Nuevo");
    EXPECT_EQ(window.editState(), 1);
    EXPECT_FALSE(window.tvwCuentas->isEnabled());
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(form->txtNivel[size_t(i)]->isReadOnly());
    EXPECT_EQ(form->txtNivel[3]->text(), "01");
    QLineEdit *segment = form->txtNivel[4];
    EXPECT_FALSE(segment->isReadOnly());
    EXPECT_EQ(segment->maxLength(), 3);
    EXPECT_TRUE(form->chkDetalle->isChecked());
    QTest::keyClicks(segment, "0025"); // the fourth digit does not fit
    EXPECT_EQ(segment->text(), "002");
    QTest::keyClicks(form->txtNombre, "BANCO DE VENEZUELA");
    SaveScreenshot(&window, "frmCuentaContable-nueva");

    window.ToolbarAction("Guardar");
    EXPECT_TRUE(prompter.messages().empty()) << prompter.lastText().toStdString();
    EXPECT_TRUE(accountExists("110101002"));
    EXPECT_EQ(window.selectedCode(), "110101002");
    const QModelIndex node = window.tree()->indexOf("110101002");
    EXPECT_EQ(node.parent(), window.tree()->indexOf("110101"));
    EXPECT_EQ(node.data().toString(), "110101002 - BANCO DE VENEZUELA");
    EXPECT_TRUE(window.tvwCuentas->isEnabled());
    EXPECT_TRUE(form->txtNombre->isReadOnly());
    EXPECT_TRUE(window.button("Eliminar")->isEnabled());
}

TEST_F(ChartWindow, AOneDigitLevelThreeSegmentIsRefusedWithTheFocusOnIt)
{
    ASSERT_TRUE(window.selectAccount("11"));
    window.ToolbarAction("Nuevo");
    QLineEdit *segment = form->txtNivel[2];
    QTest::keyClicks(segment, "2");
    QTest::keyClicks(form->txtNombre, "INVERSIONES");
    form->txtNombre->setFocus();
    window.ToolbarAction("Guardar");
    EXPECT_EQ(prompter.lastText(), "¡Longitud de codigo invalido!");
    EXPECT_EQ(window.focusWidget(), segment);
    EXPECT_EQ(form->txtNombre->text(), "INVERSIONES"); // what was typed stays
    EXPECT_TRUE(window.button("Guardar")->isEnabled());
    SaveScreenshot(&window, "frmCuentaContable-segmento");

    EXPECT_EQ(segment->selectedText(), "2");
    QTest::keyClicks(segment, "20");
    window.ToolbarAction("Guardar");
    EXPECT_TRUE(accountExists("1120"));
    EXPECT_EQ(window.tree()->indexOf("1120").data(AccountTreeModel::ImageRole), "Maestra");
}

TEST_F(ChartWindow, CostCentresThatDoNotMakeAHundredAreRefused)
{
    ASSERT_TRUE(window.selectAccount("110101001"));
    window.ToolbarAction("Modificar");
    form->flag(AccountFlag::Centrodecosto)->click();
    addShare("ADM", "50");
    addShare("VEN", "49,99");
    EXPECT_EQ(form->tabCentros->lblTotal->text(), "99.99");
    form->setCurrentIndex(0);
    window.ToolbarAction("Guardar");
    EXPECT_EQ(prompter.lastText(), "¡Total de centros de costos debe ser igual a 100 %!");
    EXPECT_EQ(form->currentWidget(), form->tabCentros);
    SaveScreenshot(&window, "frmCuentaContable-centros");

    addShare("VEN", "50.00");
    EXPECT_EQ(form->tabCentros->lblTotal->text(), "100.00");
    window.ToolbarAction("Guardar");
    EXPECT_EQ(count("CUENTACENTROCOSTO"), 2);
    EXPECT_TRUE(browsing());
}

TEST_F(ChartWindow, UncheckingAFlagAsksBeforeEmptyingItsGrid)
{
    ASSERT_TRUE(window.selectAccount("110101001"));
    window.ToolbarAction("Modificar");
    QAbstractButton *costCentre = form->flag(AccountFlag::Centrodecosto);
    costCentre->click();
    addShare("ADM", "100");
    prompter.answerNo();
    costCentre->click();
    EXPECT_EQ(prompter.lastText(), "La cuenta tiene centro de costos!, desea quitarlos?");
    EXPECT_EQ(prompter.messages().back().title, "Quitar Centro de Costo");
    EXPECT_TRUE(costCentre->isChecked());
    EXPECT_EQ(form->tabCentros->model()->rowCount(), 1);
    prompter.answerYes();
    costCentre->click();
    EXPECT_FALSE(costCentre->isChecked());
    EXPECT_EQ(form->tabCentros->model()->rowCount(), 0);

    QAbstractButton *retention = form->flag(AccountFlag::ManejaReteFuente);
    retention->click();
    ConceptPage *concepts = form->tabConceptos;
    typeInto(concepts->txtConcepto->txtCodigo, "001");
    concepts->txtConcepto->checkTyped();
    typeInto(concepts->txtConcepto->txtCodigo, "001");
    concepts->txtConcepto->checkTyped();
    EXPECT_EQ(prompter.lastText(), "Ya el concepto esta incluido...!");
    EXPECT_EQ(concepts->count(), 1);
    prompter.answerYes();
    retention->click();
    EXPECT_EQ(prompter.lastText(), "La cuenta tiene conceptos de retencion!, desea quitarlos?");
    EXPECT_EQ(concepts->count(), 0);
}

TEST_F(ChartWindow, APurchaseBookAccountIsNotASalesBookOne)
{
    ASSERT_TRUE(window.selectAccount("110101001"));
    window.ToolbarAction("Modificar");
    QAbstractButton *purchases = form->flag(AccountFlag::CuentaLibroCompras);
    QAbstractButton *sales = form->flag(AccountFlag::CuentaLibroVentas);
    purchases->click();
    EXPECT_FALSE(form->cmbLibroVentas->isEnabled());
    sales->click();
    EXPECT_FALSE(purchases->isChecked());
    EXPECT_TRUE(form->cmbLibroVentas->isEnabled());
    sales->click();
    EXPECT_FALSE(sales->isChecked()); // neither book is a choice too
    EXPECT_FALSE(form->cmbLibroVentas->isEnabled());
}

TEST_F(ChartWindow, ASalesBookAccountKeepsTheBookColumnItFeeds)
{
    ASSERT_TRUE(window.selectAccount("110101001"));
    window.ToolbarAction("Modificar");
    form->flag(AccountFlag::CuentaLibroVentas)->click();
    form->cmbLibroVentas->hidePopup();
    const int withheld = form->cmbLibroVentas->findData(8);
    ASSERT_GE(withheld, 0);
    EXPECT_EQ(form->cmbLibroVentas->itemText(withheld), "8 - IVA retenido por el cliente");
    form->cmbLibroVentas->setCurrentIndex(withheld);
    form->setCurrentIndex(1); // the flags
    SaveScreenshot(&window, "frmCuentaContable-libroventas");
    window.ToolbarAction("Guardar");
    EXPECT_EQ(
        db().scalar("SELECT CuentaLibroVentas FROM CUENTACONTABLE WHERE Codigo = ?", {"110101001"})
            .toInt(),
        8);
    ASSERT_TRUE(window.selectAccount("110101"));
    ASSERT_TRUE(window.selectAccount("110101001"));
    EXPECT_EQ(form->cmbLibroVentas->currentData().toInt(), 8);
    EXPECT_FALSE(form->cmbLibroVentas->isEnabled()); // browsing
}

TEST_F(ChartWindow, ADeletedLeafLeavesTheTreeOnItsParent)
{
    ASSERT_TRUE(window.selectAccount("110101001"));
    prompter.answerYes();
    window.ToolbarAction("Eliminar");
    // The question names the account it deletes, under its own words.
    ASSERT_FALSE(prompter.messages().empty());
    EXPECT_EQ(prompter.messages().front().text,
              ChildWindow::DeleteQuestion + "\n\n110101001 BANCO MERCANTIL");
    EXPECT_FALSE(window.tree()->indexOf("110101001").isValid());
    EXPECT_EQ(window.selectedCode(), "110101");
    EXPECT_EQ(form->txtNombre->text(), "BANCOS");
}

TEST_F(ChartWindow, BuscarGoesToTheTypedCode)
{
    prompter.answerText("110101001");
    window.ToolbarAction("Buscar");
    EXPECT_EQ(prompter.messages().front().title, "Buscar Cuenta");
    EXPECT_EQ(prompter.messages().front().text, "Ingrese el codigo de la cuenta a buscar:");
    EXPECT_EQ(window.selectedCode(), "110101001");
    prompter.answerText("999");
    window.ToolbarAction("Buscar");
    EXPECT_EQ(prompter.lastText(), "La cuenta no existe!");
    EXPECT_EQ(window.selectedCode(), "110101001");
}

TEST_F(ChartWindow, ImprimirPrintsTheChartWithItsFlags)
{
    RecordingReportOutput output;
    session.reports = &output;
    session.gRutaReporte = QStringLiteral(VALDORIA_SOURCE_DIR "/reportes");
    db().exec("UPDATE CUENTACONTABLE SET Centrodecosto = 1, ManejaTerc = 1 "
              "WHERE Codigo = '110101001'");
    window.ToolbarAction("Imprimir");
    ASSERT_EQ(output.requests.size(), 1u) << prompter.lastText().toStdString();
    const auto &request = output.requests.front();
    EXPECT_EQ(request.title, "Cuentas Contables");
    const QStringList page = request.document->pageText(0);
    EXPECT_TRUE(page.contains("CUENTAS CONTABLES"));
    EXPECT_TRUE(page.contains("110101001 | BANCO MERCANTIL | X | X"))
        << page.join('\n').toStdString();
    const QString shots = qEnvironmentVariable("VALDORIA_SCREENSHOTS");
    if (!shots.isEmpty())
        PdfExport::write(*request.document, QDir(shots).filePath("crpCuentas.pdf"));
}

} // namespace
