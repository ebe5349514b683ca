#include "shell/ui/frmPrincipal.h"

#include "common/ui/ApplicationLook.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/grid/ui/CatalogWindowPicker.h"
#include "common/ui/ChildWindow.h"
#include "platform/Db.h"
#include "platform/Version.h"
#include "platform/SettingsStore.h"
#include "platform/Workstation.h"
#include "shell/CompanySelection.h"
#include "shell/Connector.h"
#include "shell/ServerSetup.h"
#include "shell/Startup.h"
#include "shell/ui/VerificarClave.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

frmPrincipal::frmPrincipal(Session &session, Connector &connector, SettingsStore &settings,
                           Prompter &prompter, QWidget *parent)
    : QMainWindow(parent)
    , m_session(session)
    , m_connector(connector)
    , m_settings(settings)
    , m_prompter(prompter)
{
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(m_session.gDescripcionSistema);
    m_mdi = new QMdiArea(this);
    m_mdi->setBackground(QBrush(Qt::white));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);

    buildStatusBar();
    buildToolbar();
    buildContextMenu();
    LoadMenuFont();
    BuildFixedMenu();
    refreshServerPanel();

    m_loginTimer = new QTimer(this);
    m_loginTimer->setSingleShot(true);
    m_loginTimer->setInterval(0);
    connect(m_loginTimer, &QTimer::timeout, this, &frmPrincipal::loginRequested);
    resize(1024, 700);
}

void frmPrincipal::buildStatusBar()
{
    auto make = [this](const QString &name, const QString &tip, int stretch) {
        auto *label = new QLabel(this);
        label->setObjectName(name);
        label->setToolTip(tip);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setContentsMargins(4, 0, 4, 0);
        statusBar()->addPermanentWidget(label, stretch);
        return label;
    };
    m_panelUser = make(QStringLiteral("panel1"),
                       QStringLiteral("Nombre del usuario y periodo que procesa"), 4);
    m_panelServer =
        make(QStringLiteral("panel2"), QStringLiteral("Nombre del servidor y base de datos"), 3);
    m_panelHost = make(QStringLiteral("panel6"), QStringLiteral("Nombre del equipo"), 1);
    m_panelVersion = make(QStringLiteral("panel7"), QString(), 0);

    m_panelUser->setText(QStringLiteral("Linea de Mensajes"));
    m_panelHost->setText(Workstation::LocalHostName().toLower());
    m_panelVersion->setText(QStringLiteral("Ver: ") + ApplicationVersion());
}

void frmPrincipal::LoadMenuFont()
{
    QFont font = menuBar()->font();
    const QString family = m_settings.value(QStringLiteral("NombreFuente")).toString();
    if (!family.isEmpty())
        font.setFamily(family);
    const int size = m_settings.value(QStringLiteral("TamañoFuente")).toInt();
    if (size > 0)
        font.setPointSize(size);
    if (m_settings.contains(QStringLiteral("BoldFuente")))
        font.setBold(m_settings.value(QStringLiteral("BoldFuente")).toBool());
    if (m_settings.contains(QStringLiteral("ItalicFuente")))
        font.setItalic(m_settings.value(QStringLiteral("ItalicFuente")).toBool());
    applyMenuFont(font);
}

void frmPrincipal::applyMenuFont(const QFont &font)
{
    menuBar()->setFont(font);
    // The menus open as windows of their own, which do not take the bar's font by themselves.
    for (QMenu *menu : menuBar()->findChildren<QMenu *>())
        menu->setFont(font);
}

void frmPrincipal::setUserPanel(const QString &text)
{
    m_panelUser->setText(text);
}

void frmPrincipal::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

void frmPrincipal::refreshServerPanel()
{
    setServerPanel(ServerSetup::serverPanelText(m_connector));
}

void frmPrincipal::setServerPanel(const QString &text)
{
    m_panelServer->setText(text);
}

void frmPrincipal::setCompanyButtonVisible(bool visible)
{
    for (const char *name : {"Empresa", "Separador"})
        if (auto *action = m_toolbar->findChild<QAction *>(QLatin1String(name)))
            action->setVisible(visible);
}

std::vector<ChildWindowState> frmPrincipal::childWindows() const
{
    std::vector<ChildWindowState> windows;
    QList<QMdiSubWindow *> subs = m_mdi->subWindowList();
    if (QMdiSubWindow *active = m_mdi->activeSubWindow()) {
        subs.removeOne(active);
        subs.prepend(active);
    }
    for (QMdiSubWindow *sub : std::as_const(subs)) {
        const auto *child = qobject_cast<const ChildWindow *>(sub->widget());
        windows.push_back({sub->windowTitle(), child ? child->editState() : 0});
    }
    return windows;
}

bool frmPrincipal::closeChildWindows()
{
    m_mdi->closeAllSubWindows();
    return m_mdi->subWindowList().isEmpty();
}

void frmPrincipal::selectCompany()
{
    QMetaObject::invokeMethod(this, &frmPrincipal::companySelectionRequested, Qt::QueuedConnection);
}

void frmPrincipal::runCompanySelection()
{
    auto picker = [this](const QString &sql, const QVariantList &params) -> QStringList {
        return ShowCatalog(m_session, this, params + QVariantList{QStringLiteral("SinMsj")}, sql,
                           QStringLiteral("Empresas"))
            .values;
    };
    CompanySelection selection(m_session, picker, Workstation::LocalHostName());
    try {
        if (selection.needsFirstCompany()) {
            openFirstCompany();
            return;
        }
        const int mode = selection.modeForUser();
        if (mode != 0)
            selection.SelectCompany(mode);
    } catch (const DbError &e) {
        m_prompter.error(e.userText());
    }
}

void frmPrincipal::openFirstCompany()
{
    OpenNode(CompanySelection::CompaniesNode);
    QMdiSubWindow *sub = m_mdi->activeSubWindow();
    auto *window = sub ? qobject_cast<ChildWindow *>(sub->widget()) : nullptr;
    // Straight into a new record: the window's empty list has nothing else to offer.
    if (window && window->nodeCode() == CompanySelection::CompaniesNode &&
        window->editState() == 0 && window->allowedOptions().contains(QStringLiteral("Nuevo")))
        window->ToolbarAction(QStringLiteral("Nuevo"));
}

void frmPrincipal::startLoginTimer()
{
    m_loginTimer->start();
}

void frmPrincipal::runLogin()
{
    const bool hadSession = m_session.gSesionIniciada;
    // Whoever logs in next starts without this session's windows: an edit in progress is
    // given up before the login is offered, or the login is not offered at all.
    if (hadSession && !Startup::ConfirmPendingEdits(m_prompter, childWindows()))
        return;
    VerificarClave login(m_session, this);
    if (login.exec() != QDialog::Accepted || !m_session.gSesionIniciada) {
        // Cancelled: a session that was open goes on as it was (menu, company, period and
        // windows); before the first login the window stays bare.
        if (!hadSession) {
            setUserPanel(QStringLiteral("Linea de mensajes "));
            BuildFixedMenu();
            m_toolbar->setVisible(false);
        }
        return;
    }
    closeChildWindows();
    setWindowTitle(m_session.gDescripcionSistema);
    setUserPanel(QStringLiteral("USUARIO: ") + m_session.gNombreUsuario.trimmed());
    BuildNavigationMenu();
    m_toolbar->setVisible(true);
    setCompanyButtonVisible(true);
    emit companySelectionRequested();
}

void frmPrincipal::buildToolbar()
{
    m_toolbar = addToolBar(QStringLiteral("Principal"));
    m_toolbar->setObjectName(QStringLiteral("tlbPrincipal"));
    m_toolbar->setMovable(false);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    QAction *company = m_toolbar->addAction(ApplicationLook::operationIcon(QStringLiteral("Empresa")),
                                            QStringLiteral("Empresa"));
    company->setObjectName(QStringLiteral("Empresa"));
    connect(company, &QAction::triggered, this, &frmPrincipal::companySelectionRequested);
    m_toolbar->addSeparator()->setObjectName(QStringLiteral("Separador"));
    QAction *login = m_toolbar->addAction(ApplicationLook::operationIcon(QStringLiteral("Sesion")),
                                          QStringLiteral("Sesion"));
    login->setObjectName(QStringLiteral("Sesion"));
    connect(login, &QAction::triggered, this, &frmPrincipal::runLogin);
    QAction *exit = m_toolbar->addAction(
        ApplicationLook::operationIcon(QStringLiteral("SalirSistema")),
                                         QStringLiteral("Salir"));
    exit->setObjectName(QStringLiteral("Salir"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    m_toolbar->setVisible(false);
}

void frmPrincipal::buildContextMenu()
{
    m_mdi->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_mdi, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu menu(this);
        menu.addAction(QStringLiteral("Calculadora"), this, [this] {
            menuChoice(QStringLiteral("Calculadora..."), QStringLiteral("A4"));
        });
        menu.addSeparator();
        menu.addAction(QStringLiteral("Cascada"), m_mdi, &QMdiArea::cascadeSubWindows);
        menu.addAction(QStringLiteral("MosaicoV"), m_mdi, &QMdiArea::tileSubWindows);
        menu.addAction(QStringLiteral("MosaicoH"), this, [this] {
            // Stacked one above the other, full width.
            const auto windows = m_mdi->subWindowList();
            if (windows.isEmpty())
                return;
            const int h = m_mdi->viewport()->height() / int(windows.size());
            for (int i = 0; i < windows.size(); ++i)
                windows[i]->setGeometry(0, i * h, m_mdi->viewport()->width(), h);
        });
        menu.addAction(QStringLiteral("Centrar"), this,
                       [this] { CenterChild(m_mdi->activeSubWindow()); });
        menu.addAction(QStringLiteral("Cerrar"), m_mdi, &QMdiArea::closeActiveSubWindow);
        menu.exec(m_mdi->mapToGlobal(at));
    });
}

void frmPrincipal::closeEvent(QCloseEvent *event)
{
    if (!Startup::ConfirmExit(m_session, m_prompter, childWindows())) {
        event->ignore();
        return;
    }
    m_mdi->closeAllSubWindows();
    Startup::ReleaseSession(m_session, m_connector);
    event->accept();
}
