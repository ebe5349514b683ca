#pragma once

#include <QMainWindow>

class Connector;
class Prompter;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class SettingsStore;
struct Session;

// The main window: child windows in an MDI area, the menu, and the status bar that says who
// works, where, on which server and with which version.
class frmPrincipal : public QMainWindow
{
    Q_OBJECT
public:
    frmPrincipal(Session &session, Connector &connector, SettingsStore &settings,
                 Prompter &prompter, QWidget *parent = nullptr);

    QMdiArea *mdiArea() const { return m_mdi; }
    QMenu *menuSistema() const { return m_menuSistema; }

    // The menu entries that exist before anyone logs in.
    void BuildFixedMenu();
    void LoadMenuFont();
    void setUserPanel(const QString &text);
    void refreshServerPanel();
    // Starts the one-shot timer that opens the login.
    void startLoginTimer();
    // Shows the login window; afterwards the status bar and menu show who is logged in.
    void runLogin();

    QLabel *panelUsuario() const { return m_panelUser; }
    QLabel *panelServidor() const { return m_panelServer; }
    QLabel *panelEquipo() const { return m_panelHost; }
    QLabel *panelVersion() const { return m_panelVersion; }

signals:
    // The login window is opened by whoever listens (first tick of the timer, "Nueva Sesión").
    void loginRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildStatusBar();
    void showHelp();
    void showAbout();

    Session &m_session;
    Connector &m_connector;
    SettingsStore &m_settings;
    Prompter &m_prompter;
    QMdiArea *m_mdi = nullptr;
    QMenu *m_menuSistema = nullptr;
    QTimer *m_loginTimer = nullptr;
    QLabel *m_panelUser = nullptr;
    QLabel *m_panelServer = nullptr;
    QLabel *m_panelHost = nullptr;
    QLabel *m_panelVersion = nullptr;
};
