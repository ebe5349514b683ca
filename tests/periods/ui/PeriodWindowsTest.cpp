#include "periods/PeriodBlockingModel.h"
#include "periods/ui/frmBloquearPeriodos.h"
#include "periods/ui/frmCambiarPeriodo.h"
#include "periods/ui/frmCierre.h"
#include "periods/ui/frmGenerarPeriodo.h"
#include "periods/ui/frmMes.h"

#include "periods/PeriodFixture.h"
#include "support/Screenshot.h"
#include "vouchers/VoucherPosting.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTimer>

namespace {

const QDate Today(2026, 3, 15);

class PeriodWindows : public PeriodFixture
{
protected:
    PeriodWindows() { session.gUsuario = "ADMIN"; }
};

TEST_F(PeriodWindows, GenerarPeriodoProposesTheNextYearAndGeneratesItOnAprobar)
{
    addPeriod("A01", "A01", 2025);
    frmGenerarPeriodo window(session, PeriodGeneration::NodeCode, nullptr, Today);
    window.show();
    EXPECT_EQ(window.txtAno->text(), "2026");
    QAction *approve = window.button("Aprobar");
    ASSERT_TRUE(approve);
    EXPECT_TRUE(approve->isVisible() && approve->isEnabled());
    EXPECT_LT(window.height(), 200); // sized to its one field, not a default page
    EXPECT_LT(window.width(), 500);
    SaveScreenshot(&window, "frmGenerarPeriodo");

    window.txtAno->clear();
    QTest::keyClicks(window.txtAno, "20x2");
    EXPECT_EQ(window.txtAno->text(), "202"); // digits only
    window.ToolbarAction("Aprobar");
    EXPECT_TRUE(window.isVisible());

    QTest::keyClicks(window.txtAno, "6");
    prompter.answerYes();
    approve->trigger();
    EXPECT_EQ(count("PERIODO", 2026), 3);
    EXPECT_FALSE(window.isVisible());
}

// A01 closed up to 2024, a sale and an expense in 2025, the result accounts and the tax
// authority in place; the session works in December 2025.
class ClosingWindow : public PeriodWindows
{
protected:
    ClosingWindow()
    {
        session.host = &host;
        session.gMes = 12;
        session.gAno = 2025;
        db().exec("UPDATE EMPRESA SET Ano = 2024 WHERE Codigo = 'A01'");
        db().exec("INSERT INTO TERCERO (Codigo, Nombre, Tributario) VALUES ('G-1', 'FISCO', 1)");
        for (const char *account : {"110101001", "310101001", "310101002", "410101001"})
            db().exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre, EsPadre) VALUES (?, 'C', 0)",
                      {account});
        db().exec("UPDATE PARAMETRO SET UtilidadEjercicio = '310101001', "
                  "PerdidaEjercicio = '310101002'");
        addPeriod("A01", "A01", 2025);
        PostingLine cash, sales;
        cash.cuenta = "110101001";
        cash.fecha = QDate(2025, 6, 1);
        cash.valorDebito = Money::fromUnits(800);
        sales = cash;
        sales.cuenta = "410101001";
        sales.valorDebito = Money();
        sales.valorCredito = Money::fromUnits(800);
        EXPECT_TRUE(
            VoucherPosting(db()).post({"A01", "A01", "001", "ADMIN", {cash, sales}}).posted());
    }
    RecordingHost host;
};

TEST_F(ClosingWindow, ClosesTheYearAndMovesTheSessionIntoTheNext)
{
    frmCierre window(session, ClosingRun::NodeCode, nullptr, QDate(2026, 1, 5));
    window.show();
    ASSERT_TRUE(window.opened());
    EXPECT_EQ(window.cmbMes->currentIndex(), 11);
    EXPECT_EQ(window.txtAno->text(), "2025");
    EXPECT_FALSE(window.cmbMes->isEnabled());
    EXPECT_TRUE(window.cmdReabrir->isVisible()); // ADMIN belongs to "SISTEMAS"
    SaveScreenshot(&window, "frmCierre");

    prompter.answerYes();
    window.ToolbarAction("Aprobar");
    EXPECT_EQ(prompter.lastText(), "Cierre realizado con éxito...!");
    EXPECT_EQ(QString("%1/%2").arg(session.gMes).arg(session.gAno), "1/2026");
    EXPECT_TRUE(host.panel.endsWith("Enero/2026"));
    EXPECT_EQ(count("PERIODO", 2026), 3); // the next year was prepared first
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM MOVIMIENTO WHERE TipoComprobante = '099'").toInt(),
              2);
}

TEST_F(ClosingWindow, OutsideTheClosingMonthItRefusesAndCloses)
{
    session.gMes = 11;
    frmCierre window(session, ClosingRun::NodeCode, nullptr, QDate(2026, 1, 5));
    window.show();
    EXPECT_FALSE(window.opened());
    EXPECT_EQ(prompter.texts().first(),
              "El cierre debe efectuarse un día Mayor o igual a el 31/12/2025");
    EXPECT_EQ(prompter.lastText(), ClosingRun::WrongMonthText);
    QTest::qWait(10);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(PeriodWindows, BloquearPeriodosLoadsMarksAndSaves)
{
    session.gMatriz = "A01";
    addPeriod("A01", "A01", 2025);
    addPeriod("A02", "A01", 2025);
    addPeriod("B01", "B01", 2026, {1, 2});
    frmBloquearPeriodos window(session, PeriodBlocking::NodeCode, nullptr, Today);
    window.show();

    EXPECT_EQ(window.cmbEmpresa->itemText(0), "0 - TODAS LAS EMPRESAS");
    EXPECT_EQ(window.cmbEmpresa->count(), 3);
    EXPECT_EQ(window.chosenHeadOffice(), "A01");
    EXPECT_EQ(window.txtAno->value(), 2026);
    ASSERT_EQ(window.model()->rowCount(), 2);
    QAction *save = window.button("Guardar");
    ASSERT_TRUE(save);
    EXPECT_TRUE(save->isVisible());
    EXPECT_FALSE(save->isEnabled()); // offered from the first change

    QStringList keys;
    for (QAction *a : window.contextMenu()->actions())
        keys << a->objectName();
    EXPECT_EQ(keys, PeriodBlockingModel::MenuKeys());
    window.runMenuKey("Marcar1", window.model()->index(1, 0));
    window.runMenuKey("Desmarcar2", window.model()->index(0, 9));
    SaveScreenshot(&window, "frmBloquearPeriodos");

    ASSERT_TRUE(save->isEnabled());
    save->trigger();
    EXPECT_EQ(periodFlags("A02", "A01", 2026), "111111101111");
    EXPECT_EQ(periodFlags("A01", "A01", 2026), "000000000000");
    EXPECT_FALSE(save->isEnabled());
    window.runMenuKey("Marcar2", window.model()->index(0, 9));
    EXPECT_TRUE(save->isEnabled()); // the grid stays open for further changes
    window.button("Cancelar")->trigger();
    EXPECT_FALSE(save->isEnabled());
    EXPECT_EQ(periodFlags("A02", "A01", 2026), "111111101111");

    window.cmbEmpresa->setCurrentIndex(0);
    EXPECT_EQ(window.model()->rowCount(), 3);
    window.txtAno->stepDown();
    EXPECT_EQ(window.model()->rowCount(), 2);
    SaveScreenshot(&window, "frmBloquearPeriodos-todas");
}

TEST_F(PeriodWindows, CambiarPeriodoOpensOnThisMonthAndAcceptsAnOpenPeriod)
{
    addPeriod("A01", "A01", 2026, {2});
    RecordingHost host;
    session.host = &host;
    session.gUsuario = "ANA";
    frmCambiarPeriodo window(session, nullptr, Today);
    window.show();
    EXPECT_EQ(window.TxtMesNuevo->text(), "3");
    EXPECT_EQ(window.TxtAnoNuevo->text(), "2026");
    SaveScreenshot(&window, "frmCambiarPeriodo");

    window.TxtMesNuevo->setText("2");
    window.aceptar();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(session.gMes, 0);

    window.TxtMesNuevo->setText("1");
    QTest::keyClick(window.TxtAnoNuevo, Qt::Key_Return);
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(session.gMes, 1);
    EXPECT_EQ(session.gAno, 2026);
    EXPECT_EQ(host.panel, "USUARIO: Ana Pérez        PROCESA: Enero/2026");
}

TEST_F(PeriodWindows, MesHandsBackTheDayOnEnterAndNothingOnEscape)
{
    frmMes picker;
    auto press = [&picker](Qt::Key key) {
        QTimer::singleShot(0, &picker, [&picker, key] {
            if (key == Qt::Key_Return)
                SaveScreenshot(&picker, "frmMes");
            QWidget *focus = picker.focusWidget() ? picker.focusWidget() : picker.Calendario;
            QTest::keyClick(focus, key);
        });
    };
    press(Qt::Key_Return);
    EXPECT_EQ(picker.ElegirDia(QDate(2026, 3, 15)), "15");
    EXPECT_FALSE(picker.isVisible());

    press(Qt::Key_Escape);
    EXPECT_EQ(picker.ElegirDia(QDate(2026, 3, 9)), "");
    EXPECT_EQ(picker.dia(), "");

    QString handed = "x";
    QObject::connect(&picker, &frmMes::diaElegido, [&handed](const QString &d) { handed = d; });
    emit picker.Calendario->activated(QDate(2026, 2, 7));
    EXPECT_EQ(handed, "7");
}

} // namespace
