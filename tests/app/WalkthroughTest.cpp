// A bookkeeper's first morning: log in, get the only company assigned, choose the period,
// open a menu entry and find only the granted buttons; a blocked month stays closed to him.
#include "app/StandardWindows.h"
#include "app/WindowRegistry.h"
#include "common/Session.h"
#include "common/grid/ui/CatalogWindowPicker.h"
#include "common/ui/ChildWindow.h"
#include "periods/ClosingRun.h"
#include "periods/PeriodChange.h"
#include "periods/ui/frmCambiarPeriodo.h"
#include "platform/Db.h"
#include "platform/SettingsStore.h"
#include "shell/CompanySelection.h"
#include "shell/Connector.h"
#include "shell/DatabaseSetup.h"
#include "shell/LoginService.h"
#include "shell/ServerSetup.h"
#include "shell/ui/frmPrincipal.h"
#include "support/Fixtures.h"
#include "support/Printers.h"
#include "support/Screenshot.h"
#include "support/ScriptedPrompter.h"
#include "support/Workstation.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

class Walkthrough : public ::testing::Test, protected TestWorkstation
{
protected:
    Walkthrough()
    {
        session.gDescripcionSistema = "Valdoria";
        EXPECT_TRUE(connectEmbedded());
        Fixtures::addCompany(db(), "J-30123456-7", "COMERCIAL ANDINA C.A.");
        Fixtures::addCompany(db(), "J-30123456-8", "ANDINA VALENCIA", "J-30123456-7");
        Fixtures::addGroup(db(), "CONTA", "CONTADORES");
        Fixtures::addUser(db(), "ANA", "clave", {"CONTA"});
        Fixtures::assignCompany(db(), "ANA", "J-30123456-8", "J-30123456-7");
        for (const char *menu : {"mnu_sistema", "mnu_procesos"})
            Fixtures::grantNode(db(), "CONTA", menu);
        Fixtures::grantNode(db(), "CONTA", "mnu_nombresistema", "S", {"Imprimir"});
        db().exec("INSERT INTO PERIODO (Empresa, Matriz, Ano, Marzo) VALUES (?, ?, 2026, 1)",
                  {"J-30123456-8", "J-30123456-7"});
        RegisterStandardWindows(windows, session, connector);
    }

    WindowRegistry windows;
};

TEST_F(Walkthrough, BookkeeperGetsHisBranchAPeriodAndOnlyHisButtons)
{
    frmPrincipal main(session, connector, settings, prompter);
    main.setWindowFactory(
        [this](const QString &form, const QString &node) { return windows.create(form, node); });
    session.host = &main;
    main.show();

    LoginService login(session);
    login.setFailureDelay(0);
    ASSERT_EQ(login.VerificarClave("ana", "CLAVE", false), LoginService::Result::User);
    main.BuildNavigationMenu();

    // The period window opens by itself once the company is taken: answer it as Ana would.
    QTimer::singleShot(0, [] {
        auto *period = qobject_cast<frmCambiarPeriodo *>(QApplication::activeModalWidget());
        ASSERT_NE(period, nullptr);
        period->TxtMesNuevo->setText("2");
        period->TxtAnoNuevo->setText("2026");
        period->aceptar();
    });
    CompanySelection selection(
        session,
        [this, &main](const QString &sql, const QVariantList &params) {
            return ShowCatalog(session, &main, params + QVariantList{"SinMsj"}, sql).values;
        },
        "pc-ana");
    ASSERT_EQ(selection.SelectCompany(selection.modeForUser()),
              CompanySelection::Outcome::Selected);
    EXPECT_EQ(session.gEmpresa, "J-30123456-8");
    EXPECT_EQ(session.gMatriz, "J-30123456-7");
    EXPECT_EQ(session.gMes, 2);
    EXPECT_EQ(main.windowTitle(), "Valdoria   Sucursal : ANDINA VALENCIA - COMERCIAL ANDINA C.A.");
    EXPECT_TRUE(main.panelUsuario()->text().contains("PROCESA: Febrero/2026"));

    // Only the granted entries are usable, and the window shows only the granted button.
    QAction *name = main.findChild<QAction *>("mnu_nombresistema");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(main.findChild<QAction *>("mnu_usuarios"), nullptr);
    name->trigger();
    ASSERT_EQ(main.mdiArea()->subWindowList().size(), 1);
    auto *child = qobject_cast<ChildWindow *>(main.mdiArea()->subWindowList().first()->widget());
    ASSERT_NE(child, nullptr);
    QStringList visible;
    for (QAction *a : child->tlbregistro()->actions())
        if (a->isVisible())
            visible << a->objectName();
    EXPECT_EQ(visible, QStringList({"Imprimir"}));
    SaveScreenshot(&main, "walkthrough-bookkeeper");

    // March is blocked: Ana may not move into it.
    PeriodChange change(session, QDate(2026, 12, 6));
    EXPECT_EQ(change.CambiarPeriodo("3", "2026"), PeriodChange::Result::Blocked);
    EXPECT_EQ(prompter.lastText(), "¡Periodo bloqueado!");
    EXPECT_EQ(session.gMes, 2);

    prompter.answerYes();
    main.close();
    session.host = nullptr;
}

TEST_F(Walkthrough, EveryWindowTheMenuNamesOpensForTheAdministrator)
{
    Fixtures::addUser(db(), "ADMIN", "x", {"SISTEMAS"});
    session.gUsuario = "ADMIN";
    session.gEmpresa = "J-30123456-7";
    session.gMatriz = "J-30123456-7";
    session.gAno = 2026;
    session.gMes = 3;
    int opened = 0;
    for (const QSqlRecord &node :
         db().rows("SELECT CodNodo, Forma FROM SEG WHERE Forma <> '' ORDER BY CodNodo")) {
        const QString code = node.value(0).toString();
        const QString form = node.value(1).toString();
        if (!windows.contains(form))
            continue; // "Opción no disponible" for now
        std::unique_ptr<QWidget> w(windows.create(form, code));
        ASSERT_NE(w, nullptr) << form.toStdString();
        w->show();
        EXPECT_TRUE(w->isVisible()) << form.toStdString();
        if (auto *child = qobject_cast<ChildWindow *>(w.get())) {
            EXPECT_TRUE(child->button("Salir")) << form.toStdString();
        }
        ++opened;
    }
    EXPECT_GE(opened, 20);
    // None of them had anything to complain about on an empty company, but the closing
    // window, which tells March is no closing month and closes itself.
    QStringList complaints = prompter.texts();
    complaints.removeIf([](const QString &text) {
        return text.startsWith("El cierre debe efectuarse") || text == ClosingRun::WrongMonthText;
    });
    EXPECT_EQ(complaints, QStringList());
}

TEST(WindowRegistryTest, EveryRegisteredFormIsFoundWithoutRegardToCase)
{
    Session session;
    QTemporaryDir dir;
    Connector connector(session, dir.path());
    WindowRegistry windows;
    RegisterStandardWindows(windows, session, connector);
    EXPECT_TRUE(windows.contains("frmcambiarperiodo"));
    EXPECT_TRUE(windows.contains("FRMESTRUCTURA"));
    EXPECT_TRUE(windows.contains("frmRepBalancedePrueba")); // "Balance de Comprobación"
    EXPECT_FALSE(windows.contains("frmNoExiste"));
    EXPECT_EQ(windows.create("frmNoExiste", "x"), nullptr);
}

} // namespace
