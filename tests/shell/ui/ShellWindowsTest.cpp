#include "common/Session.h"
#include "common/ui/ChildWindow.h"
#include "platform/Db.h"
#include "platform/SettingsStore.h"
#include "shell/Connector.h"
#include "shell/DatabaseSetup.h"
#include "shell/ReportPathConfig.h"
#include "shell/ServerSetup.h"
#include "shell/ui/SplashWindow.h"
#include "shell/ui/VerificarClave.h"
#include "shell/ui/frmCambiarClave.h"
#include "shell/ui/frmConfRutaReporte.h"
#include "platform/Version.h"
#include "shell/ui/frmConfServidor.h"
#include "shell/ui/frmPrincipal.h"
#include "support/Printers.h"
#include "support/Screenshot.h"
#include "support/ScriptedPrompter.h"
#include "support/Workstation.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

// A child window whose edit state the test sets, as its toolbar would.
class EditingWindow : public ChildWindow
{
public:
    EditingWindow(Session &session, const QString &caption)
        : ChildWindow(session, QString())
    {
        setWindowTitle(caption);
    }
    void edit(int state) { setEditState(state); }
    // A box to type in, as every form has.
    QLineEdit *addField()
    {
        auto *box = new QLineEdit(this);
        body()->addWidget(box);
        return box;
    }
};

class ShellWindows : public ::testing::Test, protected TestWorkstation
{
protected:
    void connectEmbedded()
    {
        ASSERT_TRUE(TestWorkstation::connectEmbedded());
        DatabaseSetup(session.db()).createAdministrator("clave");
    }
    EditingWindow *openChild(frmPrincipal &main, const QString &caption, int editState = 0)
    {
        auto *window = new EditingWindow(session, caption);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->edit(editState);
        QMdiSubWindow *sub = main.mdiArea()->addSubWindow(window);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        sub->show();
        main.mdiArea()->setActiveSubWindow(sub);
        return window;
    }
    static int openChildren(frmPrincipal &main)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return int(main.mdiArea()->subWindowList().size());
    }
    // The administrator at work in a company and period, with the menu the login built.
    void loggedIn(frmPrincipal &main)
    {
        session.gSesionIniciada = true;
        session.gUsuario = "ADMIN";
        session.gNombreUsuario = "ADMINISTRADOR";
        session.gEmpresa = "E1";
        session.gMatriz = "E1";
        session.gMes = 3;
        session.gAno = 2026;
        main.BuildNavigationMenu();
        main.mainToolbar()->setVisible(true);
        main.setCompanyButtonVisible(true);
        main.setCaption(session.gDescripcionSistema + "   Empresa : EMPRESA UNO");
        main.setUserPanel(session.userPeriodText());
    }
    static QStringList menuCaptions(frmPrincipal &main)
    {
        QStringList captions;
        for (QAction *a : main.menuBar()->actions())
            captions << a->text();
        return captions;
    }
    // Answers the login window that the next exec() shows: `user` and `password`, or cancel
    // when no user is given.
    static void answerLogin(const QString &user = {}, const QString &password = {})
    {
        QTimer::singleShot(0, [user, password] {
            auto *login = qobject_cast<VerificarClave *>(QApplication::activeModalWidget());
            ASSERT_NE(login, nullptr);
            if (user.isEmpty()) {
                login->reject();
                return;
            }
            login->txtUsuario->setText(user);
            login->txtClave->setText(password);
            login->aceptar();
        });
    }
    static bool toolbarShows(frmPrincipal &main, const char *name)
    {
        auto *action = main.mainToolbar()->findChild<QAction *>(QLatin1String(name));
        return action && action->isVisible();
    }
};

TEST_F(ShellWindows, MainWindowShowsTheFixedMenuAndTheStatusPanels)
{
    connectEmbedded();
    settings.setValue("TamañoFuente", 13);
    settings.setValue("BoldFuente", true);
    frmPrincipal main(session, connector, settings, prompter);
    main.show();

    EXPECT_EQ(main.menuBar()->font().pointSize(), 13);
    EXPECT_TRUE(main.menuBar()->font().bold());

    EXPECT_EQ(main.windowTitle(), "Valdoria - Sistema de Contabilidad");
    EXPECT_EQ(main.panelUsuario()->text(), "Linea de Mensajes");
    EXPECT_EQ(main.panelServidor()->text(), "Servidor SQL:(local)\\valdoria");
    EXPECT_FALSE(main.panelEquipo()->text().isEmpty());
    EXPECT_EQ(main.panelVersion()->text(), "Ver: " + ApplicationVersion());
    EXPECT_FALSE(ApplicationVersion().isEmpty());

    bool loginAsked = false;
    QObject::connect(&main, &frmPrincipal::loginRequested, [&] { loginAsked = true; });
    main.startLoginTimer();
    QTest::qWait(20);
    EXPECT_TRUE(loginAsked);
    SaveScreenshot(&main, "frmPrincipal");

    prompter.answerYes();
    main.close();
}

// The keys typed in a form are the form's: none of them opens the company picker or another
// entry of the main window's menu.
TEST_F(ShellWindows, TypingInAChildWindowNeverTriggersTheMainWindowsEntries)
{
    connectEmbedded();
    frmPrincipal main(session, connector, settings, prompter);
    main.show();
    loggedIn(main);
    bool companyAsked = false;
    QObject::connect(&main, &frmPrincipal::companySelectionRequested, [&] { companyAsked = true; });
    auto *window = new EditingWindow(session, "Terceros");
    window->setAttribute(Qt::WA_DeleteOnClose);
    QLineEdit *box = window->addField();
    QMdiSubWindow *sub = main.mdiArea()->addSubWindow(window);
    sub->show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    main.mdiArea()->setActiveSubWindow(sub);
    box->setFocus();
    QTest::keyClicks(box, "SUMINISTROS");
    QTest::keyClick(box, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(companyAsked);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier); // select all, not "Acerca de..."
    EXPECT_EQ(box->selectedText(), "SUMINISTROS");
    EXPECT_TRUE(prompter.texts().isEmpty()) << prompter.texts().join('|').toStdString();
    EXPECT_TRUE(main.menuSistema()->findChild<QAction *>("A")->shortcut().isEmpty());

    prompter.answerYes();
    main.close();
}

TEST_F(ShellWindows, TheSystemMenuListsEachEntryOnceAndTakesTheChosenFont)
{
    connectEmbedded();
    frmPrincipal main(session, connector, settings, prompter);
    main.show();
    loggedIn(main);
    QStringList captions;
    for (QAction *a : main.menuSistema()->actions())
        if (!a->isSeparator())
            captions << a->text();
    EXPECT_EQ(captions.count("Estructura del Menú"), 1) << captions.join('|').toStdString();
    EXPECT_EQ(QSet<QString>(captions.begin(), captions.end()).size(), captions.size())
        << captions.join('|').toStdString();

    QFont chosen = main.menuBar()->font();
    chosen.setPointSize(15);
    chosen.setItalic(true);
    main.setFontPicker([&](const QFont &) { return std::optional<QFont>(chosen); });
    main.menuChoice("Fuente del Menú Principal...", "A3");
    EXPECT_EQ(main.menuBar()->font().pointSize(), 15);
    EXPECT_EQ(main.menuSistema()->font().pointSize(), 15); // the open menus too, at once
    EXPECT_EQ(settings.value("TamañoFuente").toInt(), 15);
    EXPECT_TRUE(settings.value("ItalicFuente").toBool());

    // Cancelled: nothing changes.
    main.setFontPicker([](const QFont &) { return std::optional<QFont>(); });
    main.menuChoice("Fuente del Menú Principal...", "A3");
    EXPECT_EQ(main.menuBar()->font().pointSize(), 15);

    // Remembered: the next main window opens with it, menus rebuilt at login included.
    frmPrincipal next(session, connector, settings, prompter);
    next.BuildNavigationMenu();
    EXPECT_EQ(next.menuBar()->font().pointSize(), 15);
    EXPECT_EQ(next.menuSistema()->font().pointSize(), 15);

    prompter.answerYes();
    prompter.answerYes();
    next.close();
    main.close();
}

TEST_F(ShellWindows, ClosingAsksAndReleasesTheSession)
{
    connectEmbedded();
    session.gUsuario = "ADMIN";
    session.gEmpresa = "E1";
    session.gMatriz = "E1";
    session.db().exec("INSERT INTO SESIONUSUARIO (Empresa, Matriz, Usuario, Fecha, NombreEquipo) "
                      "VALUES (?, ?, ?, ?, ?)",
                      {"E1", "E1", "ADMIN", "20261206", "equipo"});
    frmPrincipal main(session, connector, settings, prompter);
    main.show();
    // The window in the middle of an edit is not the active one, and another window opened
    // and closed after it must not clear its state.
    openChild(main, "Plan de Cuentas", 2);
    openChild(main, "Comprobantes", 1)->ToolbarAction("Salir");
    openChild(main, "Terceros");
    ASSERT_EQ(openChildren(main), 2);

    prompter.answerNo();
    EXPECT_FALSE(main.close());
    EXPECT_EQ(prompter.lastText(),
              "Esta modificando un registro en Plan de Cuentas ¿Desea cancelar la operación?");
    EXPECT_TRUE(main.isVisible());

    prompter.answerYes();
    prompter.answerYes();
    EXPECT_TRUE(main.close());
    EXPECT_EQ(prompter.lastText(), "¿Desea abandonar el sistema?");
    EXPECT_FALSE(connector.isConnected());
    Connector reopen(session, dir.path());
    ASSERT_TRUE(reopen.OpenConnection(ServerSetup::embeddedDefault()));
    EXPECT_EQ(session.db().scalar("SELECT COUNT(*) FROM SESIONUSUARIO").toInt(), 0);
}

TEST_F(ShellWindows, ChangingTheServerStartsTheMainWindowOverOnTheNewDatabase)
{
    connectEmbedded();
    frmPrincipal main(session, connector, settings, prompter);
    session.host = &main;
    main.show();
    loggedIn(main);
    openChild(main, "Plan de Cuentas", 1);
    openChild(main, "Terceros");
    frmConfServidor window(session, connector, prompter);
    // It opens on the database the status bar shows.
    EXPECT_EQ(window.txtBaseDatos->text(), "valdoria");
    EXPECT_EQ(main.panelServidor()->text(), "Servidor SQL:(local)\\valdoria");
    window.txtBaseDatos->setText("otra");

    // Keeping the edit keeps the old server and everything shown.
    prompter.answerYes();
    prompter.answerNo();
    window.aceptar();
    EXPECT_EQ(prompter.lastText(),
              "Esta incluyendo un nuevo registro en Plan de Cuentas ¿Desea cancelar la operación?");
    EXPECT_FALSE(window.connected());
    EXPECT_EQ(openChildren(main), 2);
    EXPECT_EQ(main.panelServidor()->text(), "Servidor SQL:(local)\\valdoria");
    EXPECT_TRUE(toolbarShows(main, "Empresa"));

    prompter.answerYes();
    prompter.answerYes();
    prompter.answerText("otra");
    prompter.answerText("otra");
    window.aceptar();
    ASSERT_TRUE(window.connected()) << prompter.texts().join('|').toStdString();
    EXPECT_EQ(openChildren(main), 0);
    EXPECT_EQ(main.panelServidor()->text(), "Servidor SQL:(local)\\otra");
    EXPECT_EQ(main.panelUsuario()->text(), "Linea de Mensajes");
    EXPECT_EQ(main.windowTitle(), session.gDescripcionSistema);
    EXPECT_FALSE(toolbarShows(main, "Empresa"));
    EXPECT_FALSE(toolbarShows(main, "Separador"));
    EXPECT_TRUE(toolbarShows(main, "Sesion"));
    EXPECT_TRUE(session.gEmpresa.isEmpty());
    SaveScreenshot(&main, "frmPrincipal-servidor-cambiado");

    session.host = nullptr;
    prompter.answerYes();
    main.close();
}

TEST_F(ShellWindows, CancellingANewSessionKeepsTheOneThatWasOpen)
{
    connectEmbedded();
    frmPrincipal main(session, connector, settings, prompter);
    main.show();
    loggedIn(main);
    openChild(main, "Plan de Cuentas", 2);
    const QStringList menus = menuCaptions(main);
    const QString caption = main.windowTitle();
    const QString panel = main.panelUsuario()->text();
    bool companyAsked = false;
    QObject::connect(&main, &frmPrincipal::companySelectionRequested, [&] { companyAsked = true; });

    // From the menu and from the toolbar: the edit is given up only for a new login.
    prompter.answerYes();
    answerLogin();
    main.menuSistema()->findChild<QAction *>("A5")->trigger();
    prompter.answerYes();
    answerLogin();
    main.mainToolbar()->findChild<QAction *>("Sesion")->trigger();
    EXPECT_EQ(prompter.lastText(),
              "Esta modificando un registro en Plan de Cuentas ¿Desea cancelar la operación?");
    EXPECT_EQ(menuCaptions(main), menus);
    EXPECT_EQ(main.windowTitle(), caption);
    EXPECT_EQ(main.panelUsuario()->text(), panel);
    EXPECT_TRUE(main.mainToolbar()->isVisible());
    EXPECT_TRUE(toolbarShows(main, "Empresa"));
    EXPECT_EQ(openChildren(main), 1);
    EXPECT_TRUE(session.gSesionIniciada);
    EXPECT_EQ(session.gUsuario, "ADMIN");
    EXPECT_EQ(session.gEmpresa, "E1");
    EXPECT_EQ(session.gMes, 3);
    EXPECT_FALSE(companyAsked);

    // Keeping the edit offers no login at all.
    prompter.answerNo();
    main.menuSistema()->findChild<QAction *>("A5")->trigger();
    EXPECT_FALSE(prompter.pendingAnswers());
    EXPECT_EQ(openChildren(main), 1);

    // A login that succeeds starts over without the old windows.
    prompter.answerYes();
    answerLogin("admin", "clave");
    main.menuSistema()->findChild<QAction *>("A5")->trigger();
    EXPECT_EQ(openChildren(main), 0);
    EXPECT_TRUE(session.gEmpresa.isEmpty());
    EXPECT_TRUE(companyAsked);

    prompter.answerYes();
    main.close();
}

TEST_F(ShellWindows, ServerWindowCreatesTheEmbeddedDatabaseOnFirstStart)
{
    frmConfServidor window(session, connector, prompter);
    window.show();
    EXPECT_EQ(window.txtServidor->text(), "(local)");
    EXPECT_EQ(window.txtBaseDatos->text(), "valdoria");
    EXPECT_TRUE(window.optAutenticacionSistema->isChecked());
    EXPECT_FALSE(window.txtUsuario->isEnabled());
    EXPECT_EQ(window.cmbSQL->currentText(), "SQL2005");
    EXPECT_TRUE(window.lblProposito->text().contains("\"(local)\" es la base de datos "
                                                     "incorporada"));
    SaveScreenshot(&window, "frmConfServidor");

    window.optAutenticacionServidor->setChecked(true);
    EXPECT_TRUE(window.txtUsuario->isEnabled());
    window.aceptar();
    EXPECT_FALSE(window.connected());

    window.optAutenticacionSistema->setChecked(true);
    prompter.answerText("clave");
    prompter.answerText("clave");
    window.aceptar();
    EXPECT_TRUE(window.connected());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_TRUE(QFile::exists(dir.filePath("srvsql.txt")));
    EXPECT_FALSE(DatabaseSetup(session.db()).needsAdministrator());
}

TEST_F(ShellWindows, ReportDirectoryWindowWritesAndClearsTheWorkstationsDirectory)
{
    frmConfRutaReporte window(session, dir.path(), prompter);
    window.show();
    EXPECT_TRUE(window.optReportesBaseDatos->isChecked());
    EXPECT_FALSE(window.TxtRutaReporte->isEnabled());

    window.optReportesPropia->setChecked(true);
    window.TxtRutaReporte->setText("/srv/reportes");
    SaveScreenshot(&window, "frmConfRutaReporte");
    window.aceptar();
    EXPECT_EQ(session.gRutaReporte, "/srv/reportes");
    const QString file = dir.filePath(ReportPathConfig::FileName);
    EXPECT_EQ(ReportPathConfig::read(file), "/srv/reportes");

    frmConfRutaReporte again(session, dir.path(), prompter);
    EXPECT_TRUE(again.optReportesPropia->isChecked());
    again.optReportesBaseDatos->setChecked(true);
    EXPECT_TRUE(again.TxtRutaReporte->text().isEmpty());
    again.aceptar();
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(session.gRutaReporte, "/srv/reportes");
}

TEST_F(ShellWindows, LoginWindowRefusesThenLogsInAndRemembersTheUser)
{
    connectEmbedded();
    {
        VerificarClave login(session);
        login.service().setFailureDelay(0);
        login.show();
        EXPECT_EQ(login.lblSistema->text(), "Valdoria");
        EXPECT_TRUE(login.txtUsuario->text().isEmpty());
        login.txtUsuario->setText("admin");
        login.txtClave->setText("mala");
        SaveScreenshot(&login, "VerificarClave");
        login.aceptar();
        EXPECT_EQ(prompter.lastText(), "Usuario ó clave inválida");
        EXPECT_TRUE(login.txtClave->text().isEmpty());
        EXPECT_TRUE(login.isVisible());

        login.txtClave->setText("CLAVE");
        login.chkRecordar->setChecked(true);
        login.aceptar();
        EXPECT_EQ(login.loginResult(), LoginService::Result::Administrator);
        EXPECT_EQ(login.result(), QDialog::Accepted);
        EXPECT_EQ(session.gUsuario, "ADMIN");
    }
    VerificarClave again(session);
    EXPECT_EQ(again.txtUsuario->text(), "admin");
    EXPECT_TRUE(again.chkRecordar->isChecked());
}

TEST_F(ShellWindows, PasswordWindowChangesTheUsersOwnPassword)
{
    connectEmbedded();
    session.gUsuario = "ADMIN";
    frmCambiarClave window(session);
    window.show();
    window.TxtClave->setText("clave");
    window.TxtClaveNueva->setText("nueva");
    window.TxtConfirmarClave->setText("otra");
    SaveScreenshot(&window, "frmCambiarClave");
    window.aceptar();
    EXPECT_EQ(window.focusWidget(), window.TxtClaveNueva); // left open to type again
    EXPECT_NE(window.result(), QDialog::Accepted);
    window.TxtConfirmarClave->setText("nueva");
    window.aceptar();
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST(SplashWindowTest, FillsAndClosesByItself)
{
    SplashWindow splash("Valdoria");
    splash.runModal(60);
    EXPECT_FALSE(splash.isVisible());
    SaveScreenshot(&splash, "frmSplash");
}

} // namespace
