#pragma once

#include "common/ShellHost.h"

#include <QMainWindow>
#include <functional>
#include <optional>

class Connector;
class Prompter;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class QToolBar;
class SettingsStore;
struct Session;

// The main window: child windows in an MDI area, the menu built from the navigation tree, and
// the status bar that says who works, where, on which server and with which version.
class frmPrincipal : public QMainWindow, public ShellHost
{
    Q_OBJECT
public:
    // Makes the window of a class named by a navigation node; null when no such class exists.
    using WindowFactory = std::function<QWidget *(const QString &form, const QString &node)>;

    frmPrincipal(Session &session, Connector &connector, SettingsStore &settings,
                 Prompter &prompter, QWidget *parent = nullptr);

    void setWindowFactory(WindowFactory factory) { m_factory = std::move(factory); }
    // Whether this build has the window of a class; entries whose window it has not are
    // shown disabled. Every entry is offered while none is set.
    using WindowCheck = std::function<bool(const QString &form)>;
    void setWindowCheck(WindowCheck check) { m_hasWindow = std::move(check); }
    static inline const QString UnavailableText = QStringLiteral("Opción no disponible");
    // Asks for the menu font, starting from the current one; nothing when the user cancels.
    // A font dialog unless a test sets its own.
    using FontPicker = std::function<std::optional<QFont>(const QFont &current)>;
    void setFontPicker(FontPicker picker) { m_fontPicker = std::move(picker); }

    QMdiArea *mdiArea() const { return m_mdi; }
    QMenu *menuSistema() const { return m_menuSistema; }
    QToolBar *mainToolbar() const { return m_toolbar; }

    // The menu entries that exist before anyone logs in.
    void BuildFixedMenu();
    // The user's menu from the navigation tree, followed by the fixed entries.
    void BuildNavigationMenu();
    void LoadMenuFont();
    // Puts `font` on the menu bar and on every menu under it.
    void applyMenuFont(const QFont &font);
    void refreshServerPanel();
    // Starts the one-shot timer that opens the login.
    void startLoginTimer();
    // Shows the login window; afterwards the status bar and menu show who is logged in.
    void runLogin();
    // The choice of the working company, which goes on to the choice of the period. While the
    // database has no company, a member of "SISTEMAS" gets the companies window instead,
    // ready for the first head office.
    void runCompanySelection();
    // A click on a menu entry, by its caption and key.
    void menuChoice(const QString &caption, const QString &code);
    // Opens the window of a function node, or brings the open one to the front.
    void OpenNode(const QString &nodeCode);
    // Places a child window in the middle of the client area.
    void CenterChild(QMdiSubWindow *child);

    // ShellHost
    void setCaption(const QString &caption) override;
    void setUserPanel(const QString &text) override;
    void openNode(const QString &nodeCode) override { OpenNode(nodeCode); }
    void setServerPanel(const QString &text) override;
    void setCompanyButtonVisible(bool visible) override;
    std::vector<ChildWindowState> childWindows() const override;
    bool closeChildWindows() override;
    void selectCompany() override;

    QLabel *panelUsuario() const { return m_panelUser; }
    QLabel *panelServidor() const { return m_panelServer; }
    QLabel *panelEquipo() const { return m_panelHost; }
    QLabel *panelVersion() const { return m_panelVersion; }

signals:
    // The login window is opened by whoever listens (first tick of the timer, "Nueva Sesión").
    void loginRequested();
    // "Seleccionar Empresa" and the toolbar's "Empresa".
    void companySelectionRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildStatusBar();
    void clearMenus();
    void buildToolbar();
    void buildContextMenu();
    void appendFixedEntries(QMenu *first, bool withStructure);
    QMenu *addHelpMenu();
    QAction *addFixed(QMenu *menu, const QString &key, const QString &caption,
                      const QKeySequence &shortcut = {});
    void chooseMenuFont();
    void showHelp();
    void showAbout();
    void openFirstCompany();
    QMdiSubWindow *findChildWindow(const QString &form) const;
    QMdiSubWindow *showChild(QWidget *window);

    Session &m_session;
    Connector &m_connector;
    SettingsStore &m_settings;
    Prompter &m_prompter;
    WindowFactory m_factory;
    WindowCheck m_hasWindow;
    FontPicker m_fontPicker;
    QMdiArea *m_mdi = nullptr;
    QMenu *m_menuSistema = nullptr;
    QToolBar *m_toolbar = nullptr;
    QTimer *m_loginTimer = nullptr;
    QLabel *m_panelUser = nullptr;
    QLabel *m_panelServer = nullptr;
    QLabel *m_panelHost = nullptr;
    QLabel *m_panelVersion = nullptr;
};
