// A bookkeeper's first morning: log in, get the only company assigned, choose the period,
// open a menu entry and find only the granted buttons; a blocked month stays closed to him.
// And the administrator's first hour on a new installation: from the server window to the
// first head office and a working period.
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
#include "shell/SystemData.h"
#include "shell/admin/ui/frmCrearEmpresa.h"
#include "shell/ui/VerificarClave.h"
#include "shell/ui/frmConfServidor.h"
#include "shell/ui/frmPrincipal.h"
#include "support/Fixtures.h"
#include "support/Printers.h"
#include "support/Screenshot.h"
#include "support/ScriptedPrompter.h"
#include "support/Workstation.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <functional>
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

// The room a child window has in the main window on a 1440 x 900 and a 1024 x 768 screen.
const QSize LargeWorkArea(1416, 740);
const QSize SmallWorkArea(1000, 610);

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
        // Every window fits the work area of a 1024 x 768 screen (the main window's menu,
        // toolbar and status bar take the rest) without cutting a field.
        const QSize smallest = w->minimumSizeHint();
        EXPECT_LE(smallest.width(), SmallWorkArea.width()) << form.toStdString();
        EXPECT_LE(smallest.height(), SmallWorkArea.height()) << form.toStdString();
        for (const QSize &area : {LargeWorkArea, SmallWorkArea}) {
            w->resize(w->sizeHint().expandedTo(w->size()).boundedTo(area));
            SaveScreenshot(w.get(), QStringLiteral("ventana-%1-%2").arg(form).arg(area.width()));
        }
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

// Answers the next modal window of type W with `answer`, once it is shown: the window may open
// only after the events already queued have run.
template <typename W> void answerModal(std::function<void(W *)> answer, int attempts = 200)
{
    QTimer::singleShot(0, [answer, attempts] {
        if (auto *window = qobject_cast<W *>(QApplication::activeModalWidget())) {
            answer(window);
            return;
        }
        ASSERT_GT(attempts, 0) << "no modal window came";
        answerModal<W>(answer, attempts - 1);
    });
}

class FirstStart : public ::testing::Test, protected TestWorkstation
{
};

TEST_F(FirstStart, TheAdministratorGoesFromTheServerWindowToHisFirstCompanyAndAWorkingPeriod)
{
    // The server window creates the embedded database and its administrator.
    {
        frmConfServidor server(session, connector, prompter);
        prompter.answerText("clave");
        prompter.answerText("clave");
        server.aceptar();
        ASSERT_TRUE(server.connected()) << prompter.texts().join('|').toStdString();
    }
    SystemData::LoadSystemData(session, dir.path());
    WindowRegistry windows;
    RegisterStandardWindows(windows, session, connector);
    frmPrincipal main(session, connector, settings, prompter);
    main.setWindowFactory(
        [&windows](const QString &form, const QString &node) { return windows.create(form, node); });
    main.setWindowCheck([&windows](const QString &form) { return windows.contains(form); });
    QObject::connect(&main, &frmPrincipal::companySelectionRequested, &main,
                     &frmPrincipal::runCompanySelection);
    session.host = &main;
    main.resize(1440, 900);
    main.show();

    // The login leads straight to a new head office: there is no company to choose.
    answerModal<VerificarClave>([](VerificarClave *login) {
        login->txtUsuario->setText("admin");
        login->txtClave->setText("clave");
        login->aceptar();
    });
    main.runLogin();
    ASSERT_TRUE(session.gSesionIniciada);
    ASSERT_EQ(main.mdiArea()->subWindowList().size(), 1) << prompter.texts().join('|').toStdString();
    auto *companies =
        qobject_cast<frmCrearEmpresa *>(main.mdiArea()->subWindowList().first()->widget());
    ASSERT_NE(companies, nullptr);
    EXPECT_EQ(companies->editState(), 1);
    EXPECT_TRUE(companies->optTipo1->isChecked());
    EXPECT_TRUE(companies->txtCodigo->isEnabled());
    EXPECT_TRUE(session.gEmpresa.isEmpty());
    SaveScreenshot(&main, "primer-inicio-empresa");

    // Entries whose window this build has not are shown disabled, saying so; the others are
    // offered.
    int unavailable = 0;
    for (const QSqlRecord &node : db().rows("SELECT CodNodo, Forma FROM SEG WHERE EsPadre = 'N' "
                                            "AND Forma <> ''")) {
        const auto *action = main.findChild<QAction *>(node.value(0).toString());
        if (!action)
            continue;
        const bool built = windows.contains(node.value(1).toString().trimmed());
        EXPECT_EQ(action->isEnabled(), built) << node.value(0).toString().toStdString();
        if (!built) {
            EXPECT_EQ(action->toolTip(), "Opción no disponible");
            ++unavailable;
        }
    }
    EXPECT_GT(unavailable, 0);

    // The menu entry opens it as well while there is no company, without "Debe seleccionar
    // una empresa...!".
    QAction *entry = main.findChild<QAction *>(CompanySelection::CompaniesNode);
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    EXPECT_EQ(main.mdiArea()->subWindowList().size(), 1);
    EXPECT_FALSE(prompter.texts().contains("Debe seleccionar una empresa...!"));

    // Saving the head office goes on to the company (the only one, taken without a list)
    // and its period, which exists for this year.
    const QDate today = QDate::currentDate();
    companies->txtCodigo->setText("J-30999888-1");
    companies->txtNombre->setText("SERVICIOS CONTABLES DEL SUR C.A.");
    companies->txtDireccion->setText("AV. BOLIVAR, MATURIN");
    bool periodAsked = false;
    answerModal<frmCambiarPeriodo>([&periodAsked, today](frmCambiarPeriodo *period) {
        periodAsked = true;
        period->TxtMesNuevo->setText(QString::number(today.month()));
        period->TxtAnoNuevo->setText(QString::number(today.year()));
        period->aceptar();
    });
    companies->ToolbarAction("Guardar");
    EXPECT_EQ(companies->editState(), 7);
    for (int i = 0; i < 100 && !periodAsked; ++i)
        QTest::qWait(10);
    ASSERT_TRUE(periodAsked) << prompter.texts().join('|').toStdString();
    EXPECT_TRUE(db().exists("SELECT 1 FROM PERIODO WHERE Empresa = ? AND Matriz = ? AND Ano = ?",
                            {"J-30999888-1", "J-30999888-1", today.year()}));
    EXPECT_EQ(session.gEmpresa, "J-30999888-1");
    EXPECT_EQ(session.gMatriz, "J-30999888-1");
    EXPECT_EQ(session.gMes, today.month());
    EXPECT_EQ(session.gAno, today.year());
    EXPECT_EQ(main.windowTitle(),
              session.gDescripcionSistema + "   Empresa : SERVICIOS CONTABLES DEL SUR C.A.");
    EXPECT_TRUE(main.panelUsuario()->text().contains(QString("/%1").arg(today.year())));
    SaveScreenshot(&main, "primer-inicio-periodo");

    // From now on the ordinary rules hold: a second company is no first one.
    EXPECT_FALSE(CompanySelection::NeedsFirstCompany(session));

    prompter.answerYes();
    main.close();
    session.host = nullptr;
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
