#include "common/Session.h"
#include "common/ui/ChildWindow.h"
#include "common/ui/frmCalculadora.h"
#include "platform/Db.h"
#include "platform/SettingsStore.h"
#include "shell/Connector.h"
#include "shell/DatabaseSetup.h"
#include "shell/ServerSetup.h"
#include "shell/ui/FrmEstructura.h"
#include "shell/ui/FrmSistema.h"
#include "shell/ui/frmPrincipal.h"
#include "support/Fixtures.h"
#include "support/Printers.h"
#include "support/Screenshot.h"
#include "support/ScriptedPrompter.h"
#include "support/Workstation.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// A child window that records which of its operations ran.
class ProbeWindow : public ChildWindow
{
public:
    ProbeWindow(Session &s, const QString &node)
        : ChildWindow(s, node)
    {
        setObjectName("frmProbe");
        LoadToolbarOptions();
    }
    QStringList calls;
    bool deletes = true;

protected:
    void onNuevo() override { calls << "Nuevo"; }
    bool onGuardar() override
    {
        calls << "Guardar";
        return true;
    }
    bool onEliminar() override
    {
        calls << "Eliminar";
        return deletes;
    }
    void DespuesDeNavegar(int action) override { calls << QString::number(action); }
};

class NavigationWindows : public ::testing::Test, protected TestWorkstation
{
protected:
    NavigationWindows()
    {
        EXPECT_TRUE(connectEmbedded());
        Fixtures::addUser(db(), "ADMIN", "x", {"SISTEMAS"});
        Fixtures::addGroup(db(), "CONTA", "CONTADORES");
        Fixtures::addUser(db(), "ANA", "x", {"CONTA"});
        Fixtures::grantNode(db(), "CONTA", "mnu_tablas");
        Fixtures::grantNode(db(), "CONTA", "mnu_terceros", "S", {"Nuevo", "Guardar", "Cancelar"});
        Fixtures::grantNode(db(), "CONTA", "mnu_documentos", "N");
        session.gUsuario = "ANA";
    }
    QStringList visibleButtons(ChildWindow &w)
    {
        QStringList names;
        for (QAction *a : w.tlbregistro()->actions())
            if (a->isVisible())
                names << a->objectName();
        return names;
    }
};

TEST_F(NavigationWindows, ToolbarShowsOnlyTheGrantedOperations)
{
    ProbeWindow w(session, "mnu_terceros");
    w.show();
    EXPECT_EQ(visibleButtons(w), QStringList({"Nuevo", "Cancelar", "Guardar"}));
    EXPECT_FALSE(w.button("Guardar")->isEnabled());

    // Alt+N runs "Nuevo"; the toolbar switches to editing.
    QTest::keyClick(&w, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(w.calls, QStringList({"Nuevo", "1"}));
    EXPECT_EQ(w.editState(), 1);
    EXPECT_TRUE(w.button("Guardar")->isEnabled());
    EXPECT_FALSE(w.button("Nuevo")->isEnabled());
    w.ToolbarAction("Guardar");
    EXPECT_EQ(w.editState(), 7);
    EXPECT_TRUE(w.button("Nuevo")->isEnabled());

    // An operation the user was not granted does nothing, even when called directly.
    w.calls.clear();
    w.ToolbarAction("Eliminar");
    EXPECT_TRUE(w.calls.isEmpty());

    ProbeWindow none(session, "mnu_documentos");
    EXPECT_EQ(visibleButtons(none), QStringList({"Salir"}));
}

TEST_F(NavigationWindows, DeleteAsksAndReportsTheOutcome)
{
    session.gUsuario = "ADMIN";
    ProbeWindow w(session, "mnu_terceros");
    prompter.answerNo();
    w.ConfirmDelete();
    EXPECT_TRUE(w.calls.isEmpty());
    EXPECT_EQ(prompter.messages().back().title, "Eliminar Valdoria");
    EXPECT_FALSE(prompter.messages().back().defaultYes) << "Enter must not delete";
    prompter.answerYes();
    w.ConfirmDelete();
    EXPECT_EQ(prompter.lastText(), "Registro eliminado con exito!");
    w.deletes = false;
    prompter.answerYes();
    w.ConfirmDelete();
    EXPECT_EQ(prompter.lastText(), "Registro no se puede eliminar!");
}

TEST_F(NavigationWindows, MainWindowMenuFollowsTheUserAndOpensEachWindowOnce)
{
    frmPrincipal main(session, connector, settings, prompter);
    int created = 0;
    main.setWindowFactory([&](const QString &form, const QString &node) -> QWidget * {
        if (form != "frmTercero")
            return nullptr;
        ++created;
        auto *w = new ProbeWindow(session, node);
        w->setObjectName(form);
        return w;
    });
    main.show();
    main.BuildNavigationMenu();

    QStringList menus;
    for (QAction *a : main.menuBar()->actions())
        menus << a->text();
    EXPECT_EQ(menus, QStringList({"Tablas", "A&yuda"}));
    QAction *terceros = main.findChild<QAction *>("mnu_terceros");
    QAction *documentos = main.findChild<QAction *>("mnu_documentos");
    ASSERT_NE(terceros, nullptr);
    ASSERT_NE(documentos, nullptr);
    EXPECT_TRUE(terceros->isEnabled());
    EXPECT_FALSE(documentos->isEnabled());
    EXPECT_EQ(main.findChild<QAction *>("A2"), nullptr); // menu structure: SISTEMAS only
    EXPECT_NE(main.findChild<QAction *>("A4"), nullptr);

    // Without a company and period the window is refused (the guard is tested on its own).
    const size_t told = prompter.messages().size();
    terceros->trigger();
    EXPECT_EQ(created, 0);
    EXPECT_EQ(prompter.messages().size(), told + 1);
    session.gEmpresa = "001";
    session.gMatriz = "001";
    session.gMes = 3;
    session.gAno = 2026;
    terceros->trigger();
    terceros->trigger();
    EXPECT_EQ(created, 1);
    EXPECT_EQ(main.mdiArea()->subWindowList().size(), 1);
    EXPECT_EQ(session.gFormaActual, "frmTercero");
    SaveScreenshot(&main, "frmPrincipal-menu");

    prompter.clear();
    main.OpenNode("mnu_plancuentas"); // a window this build does not have
    EXPECT_EQ(prompter.lastText(), "Opción no disponible");
    prompter.answerYes();
    main.close();
}

TEST_F(NavigationWindows, StructureWindowShowsTheTreeAndAddsANode)
{
    session.gUsuario = "ADMIN";
    const QString node = "mnu_estructura";
    FrmEstructura w(session, node);
    w.show();
    ASSERT_GT(w.tvwMenu->topLevelItemCount(), 0);
    EXPECT_EQ(w.tvwMenu->topLevelItem(0)->text(0), "Valdoria");
    EXPECT_GT(w.tvwMenu->topLevelItem(0)->childCount(), 5);
    w.selectNode("mnu_tablas");
    w.ToolbarAction("Nuevo");
    w.txtCodigo->setText("mnu_prueba");
    w.txtNombre->setText("Prueba");
    w.txtFormulario->setText("frmPrueba");
    SaveScreenshot(&w, "FrmEstructura");
    w.ToolbarAction("Guardar");
    EXPECT_EQ(w.selectedCode(), "mnu_prueba");
    EXPECT_EQ(db().scalar("SELECT NodoPadre FROM SEG WHERE CodNodo = 'mnu_prueba'").toString(),
              "mnu_tablas");
}

TEST_F(NavigationWindows, SystemNameWindowSavesTheCaption)
{
    session.gUsuario = "ADMIN";
    FrmSistema w(session, "mnu_nombresistema");
    w.show();
    EXPECT_EQ(w.txtNombre->text(), "Valdoria");
    EXPECT_FALSE(w.txtNombre->isEnabled());
    w.ToolbarAction("Modificar");
    w.txtDescripcion->setText("Valdoria - Contabilidad");
    SaveScreenshot(&w, "FrmSistema");
    w.ToolbarAction("Guardar");
    EXPECT_EQ(session.gDescripcionSistema, "Valdoria - Contabilidad");
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM SISTEMAS").toInt(), 1);
}

TEST_F(NavigationWindows, OneCalculatorWhichEscapeClosesFrameAndAll)
{
    frmPrincipal main(session, connector, settings, prompter);
    main.setWindowFactory([](const QString &form, const QString &) -> QWidget * {
        return form == "frmCalculadora" ? new frmCalculadora : nullptr;
    });
    main.show();
    main.BuildNavigationMenu();
    QAction *calculator = main.findChild<QAction *>("A4");
    ASSERT_NE(calculator, nullptr);
    EXPECT_EQ(calculator->shortcut(), QKeySequence(Qt::Key_F12));
    calculator->trigger();
    calculator->trigger();
    ASSERT_EQ(main.mdiArea()->subWindowList().size(), 1);
    QMdiSubWindow *frame = main.mdiArea()->subWindowList().first();
    EXPECT_EQ(main.mdiArea()->activeSubWindow(), frame);

    QTest::keyClick(frame->widget(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(main.mdiArea()->subWindowList().isEmpty()) << "an empty frame was left";
    prompter.answerYes();
    main.close();
}

TEST(CalculatorWindow, ShowsTheWorkstationsDecimalSeparator)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Venezuela));
    {
        frmCalculadora calc;
        calc.show();
        QTest::keyClicks(&calc, "12,5");
        EXPECT_EQ(calc.txtResultado->text(), "12,5");
        QTest::keyClicks(&calc, "/4");
        QTest::keyClick(&calc, Qt::Key_Return);
        EXPECT_EQ(calc.txtResultado->text(), "3,125");
        calc.press("Copiar");
        EXPECT_EQ(QApplication::clipboard()->text(), "3,125");
        const auto buttons = calc.findChildren<QPushButton *>();
        EXPECT_EQ(std::count_if(buttons.begin(), buttons.end(),
                                [](QPushButton *b) { return b->text() == ","; }),
                  1);
    }
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    {
        frmCalculadora calc;
        QTest::keyClicks(&calc, "0.5");
        EXPECT_EQ(calc.txtResultado->text(), "0.5");
    }
    QLocale::setDefault(before);
}

TEST(CalculatorWindow, KeysAndCopy)
{
    frmCalculadora calc;
    calc.show();
    QTest::keyClicks(&calc, "12,5*4");
    QTest::keyClick(&calc, Qt::Key_Return);
    EXPECT_EQ(calc.txtResultado->text(), "50");
    calc.press("Copiar");
    EXPECT_EQ(QApplication::clipboard()->text(), "50");
    SaveScreenshot(&calc, "frmCalculadora");
}

} // namespace
