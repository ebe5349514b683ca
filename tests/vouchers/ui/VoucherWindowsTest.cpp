#include "vouchers/VoucherCounterModel.h"
#include "vouchers/ui/frmComprobante.h"
#include "vouchers/ui/frmCorrelativoComprobante.h"

#include "common/Session.h"
#include "common/report/RecordingReportOutput.h"
#include "ledger/masterdata/ui/MaintenanceForm.h"
#include "platform/Db.h"
#include "platform/report/ReportDocument.h"
#include "support/Fixtures.h"
#include "support/Printers.h"
#include "support/Screenshot.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class VoucherWindows : public ::testing::Test
{
protected:
    VoucherWindows()
    {
        Fixtures::addCompany(db(), "001", "COMERCIAL ANDINA C.A.");
        Fixtures::addCompany(db(), "002", "ANDINA VALENCIA", "001");
        Fixtures::addUser(db(), "ANA", "x", {"SISTEMAS"});
        db().exec(
            "INSERT INTO CUENTACONTABLE (Codigo, Nombre, EsPadre) VALUES ('110101', 'CAJA', 0)");
        db().exec("INSERT INTO COMPROBANTE (Codigo, Nombre, Status, Consolidacion) "
                  "VALUES ('001', 'DIARIO', 1, 0), ('002', 'CONSOLIDACION', 1, 1)");
        for (const char *type : {"999", "001", "002"})
            db().exec("INSERT INTO CORRCOMPROBANTE (CodigoComprobante, Empresa, Matriz, Ano, "
                      "Continuo, NumeroContinuo, Enero) VALUES (?, '001', '001', 2026, 0, 0, 3)",
                      {type});
        session.gConexion = &db();
        session.prompter = &prompter;
        session.gUsuario = "ANA";
        session.gEmpresa = "001";
        session.gMatriz = "001";
        session.gAno = 2026;
        session.gMes = 3;
        session.gNombreEmpresa = "COMERCIAL ANDINA C.A.";
        session.gRutaReporte = QStringLiteral(VALDORIA_SOURCE_DIR "/reportes");
    }
    Db &db() { return data.db(); }
    static void showActive(QWidget &window)
    {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    int storedJanuary(const QString &type)
    {
        return db()
            .scalar("SELECT Enero FROM CORRCOMPROBANTE WHERE CodigoComprobante = ? "
                    "AND Empresa = '001' AND Ano = 2026",
                    {type})
            .toInt();
    }

    TestDatabase data;
    Session session;
    ScriptedPrompter prompter;
    RecordingReportOutput output;
};

TEST_F(VoucherWindows, TypesWindowListsRefusesASecondConsolidationTypeAndPrints)
{
    frmComprobante window(session);
    window.setReportOutput(&output);
    showActive(window);
    QStringList codes;
    for (int r = 0; r < window.grdLista->rowCount(); ++r)
        codes << window.grdLista->item(r, 0)->text();
    EXPECT_EQ(codes, QStringList({"001", "002", "099"}));

    window.ToolbarAction("Nuevo");
    MaintenanceForm &form = *window.form();
    form.lineEdit("Codigo")->setText("c03");
    form.lineEdit("Nombre")->setText("CONSOLIDACION 2");
    form.checkBox("Consolidacion")->setChecked(true);
    SaveScreenshot(&window, "frmComprobante");
    window.ToolbarAction("Guardar");
    EXPECT_FALSE(form.checkBox("Consolidacion")->isChecked());
    EXPECT_EQ(form.lineEdit("Nombre")->text(), "CONSOLIDACION 2");
    window.ToolbarAction("Guardar");
    EXPECT_EQ(
        db().scalar("SELECT COUNT(*) FROM CORRCOMPROBANTE WHERE CodigoComprobante = 'C03'").toInt(),
        2);

    window.ToolbarAction("Imprimir");
    ASSERT_EQ(output.requests.size(), 1u) << prompter.texts().join(" / ").toStdString();
    EXPECT_EQ(output.requests[0].title, "Comprobantes");
    const QStringList text = output.requests[0].document->pageText(0);
    EXPECT_TRUE(text.contains("LISTADO DE COMPROBANTES"));
    EXPECT_TRUE(text.contains("C03 | CONSOLIDACION 2"));
    EXPECT_FALSE(text.join('\n').contains("SALDOS INICIALES"));
}

TEST_F(VoucherWindows, CounterWindowSavesWhatWasTypedAndRefusesACounterBelowTheBooks)
{
    db().exec("INSERT INTO MOVIMIENTO (Empresa, Matriz, TipoComprobante, NumeroComprobante, "
              "Usuario, Linea, Cuenta, Fecha) VALUES ('001', '001', '002', '3', 'ANA', 1, "
              "'110101', ?)",
              {QDate(2026, 1, 20)});
    frmCorrelativoComprobante window(session);
    showActive(window);
    EXPECT_EQ(window.cmbEmpresa->currentText(), "001 - COMERCIAL ANDINA C.A.");
    EXPECT_EQ(window.cmbEmpresa->count(), 2);
    EXPECT_EQ(window.txtAno->value(), 2026);
    VoucherCounterModel &grid = *window.model();
    ASSERT_EQ(grid.rowCount(), 2); // never 999
    QAction *save = window.button("Guardar");
    QAction *cancel = window.button("Cancelar");
    ASSERT_TRUE(save && save->isVisible() && cancel);
    EXPECT_FALSE(save->isEnabled()); // nothing typed, nothing to save
    EXPECT_FALSE(cancel->isEnabled());

    // Typed into the cell and saved with the editor still open.
    const QModelIndex february = grid.counterIndex(0, 2);
    window.SpreadCorrelativo->setCurrentIndex(february);
    QWidget *editor = QApplication::focusWidget();
    ASSERT_TRUE(editor && window.SpreadCorrelativo->viewport()->isAncestorOf(editor));
    EXPECT_TRUE(save->isEnabled());
    EXPECT_TRUE(cancel->isEnabled());
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, "1-x2"); // digits only get in
    save->trigger();
    EXPECT_EQ(db().scalar("SELECT Febrero FROM CORRCOMPROBANTE WHERE CodigoComprobante = '001' "
                          "AND Empresa = '001' AND Ano = 2026")
                  .toInt(),
              12);
    EXPECT_EQ(window.lblMensaje->text(), "Información completada..");
    SaveScreenshot(&window, "frmCorrelativoComprobante");
    window.SpreadCorrelativo->setFocus();
    EXPECT_FALSE(save->isEnabled()); // saved: nothing left to save

    const QModelIndex january = grid.counterIndex(1, 1);
    grid.setData(grid.counterIndex(0, 1), 1);
    grid.setData(january, 2);
    ASSERT_TRUE(save->isEnabled());
    save->trigger();
    EXPECT_EQ(prompter.lastText(),
              "El correlativo no puede ser menor al último comprobante registrado: 3");
    EXPECT_EQ(window.SpreadCorrelativo->currentIndex(), january);
    EXPECT_EQ(grid.data(january).toInt(), 2); // what was typed stays on screen
    EXPECT_EQ(storedJanuary("001"), 3);       // and nothing reached the books
    EXPECT_TRUE(save->isEnabled());           // still to be saved

    // Moving to another year asks first; keeping the changes keeps the year too.
    prompter.answerNo();
    window.txtAno->stepDown();
    EXPECT_EQ(window.txtAno->value(), 2026);
    EXPECT_EQ(grid.data(january).toInt(), 2);
    prompter.answerYes();
    window.txtAno->stepDown();
    EXPECT_EQ(grid.rowCount(), 0);
    window.txtAno->stepUp();
    EXPECT_EQ(grid.data(january).toInt(), 3);
    window.cmbEmpresa->setCurrentIndex(1);
    EXPECT_EQ(grid.rowCount(), 0);
    EXPECT_FALSE(prompter.pendingAnswers());
}

} // namespace
