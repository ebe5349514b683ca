#include "shell/ui/frmPrincipal.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/SettingsStore.h"
#include "platform/Workstation.h"
#include "shell/Connector.h"
#include "shell/HelpFile.h"
#include "shell/Startup.h"
#include "shell/ui/VerificarClave.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

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
    m_panelServer = make(QStringLiteral("panel2"),
                         QStringLiteral("Nombre del servidor y base de datos"), 3);
    m_panelHost = make(QStringLiteral("panel6"), QStringLiteral("Nombre del equipo"), 1);
    m_panelVersion = make(QStringLiteral("panel7"), QString(), 0);

    m_panelUser->setText(QStringLiteral("Linea de Mensajes"));
    m_panelHost->setText(Workstation::LocalHostName().toLower());
    m_panelVersion->setText(QStringLiteral("Ver: ") + QCoreApplication::applicationVersion());
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
    menuBar()->setFont(font);
}

void frmPrincipal::BuildFixedMenu()
{
    menuBar()->clear();
    m_menuSistema = menuBar()->addMenu(QStringLiteral("&Sistema"));
    QAction *a1 = m_menuSistema->addAction(QStringLiteral("Nueva Sesión"));
    a1->setObjectName(QStringLiteral("A1"));
    a1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(a1, &QAction::triggered, this, &frmPrincipal::loginRequested);
    QAction *a2 = m_menuSistema->addAction(QStringLiteral("Salir del Sistema"));
    a2->setObjectName(QStringLiteral("A2"));
    a2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(a2, &QAction::triggered, this, &QWidget::close);

    QMenu *help = menuBar()->addMenu(QStringLiteral("A&yuda"));
    QAction *b1 = help->addAction(QStringLiteral("Ayuda..."));
    b1->setObjectName(QStringLiteral("B1"));
    b1->setShortcut(QKeySequence(Qt::Key_F1));
    connect(b1, &QAction::triggered, this, &frmPrincipal::showHelp);
    QAction *b2 = help->addAction(QStringLiteral("Acerca de..."));
    b2->setObjectName(QStringLiteral("B2"));
    b2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(b2, &QAction::triggered, this, &frmPrincipal::showAbout);
}

void frmPrincipal::setUserPanel(const QString &text)
{
    m_panelUser->setText(text);
}

void frmPrincipal::refreshServerPanel()
{
    if (m_connector.isConnected())
        m_panelServer->setText(QStringLiteral("Servidor SQL:")
                               + m_connector.config().serverAndDatabase());
    else
        m_panelServer->setText(QStringLiteral("Sin conexión"));
}

void frmPrincipal::startLoginTimer()
{
    m_loginTimer->start();
}

void frmPrincipal::runLogin()
{
    VerificarClave login(m_session, this);
    login.exec();
    setWindowTitle(m_session.gDescripcionSistema);
    if (m_session.gSesionIniciada) {
        setUserPanel(QStringLiteral("USUARIO: ") + m_session.gNombreUsuario.trimmed());
    } else {
        setUserPanel(QStringLiteral("Linea de mensajes "));
        BuildFixedMenu();
    }
}

void frmPrincipal::showHelp()
{
    QString path = HelpFile::Locate(QCoreApplication::applicationDirPath());
    if (path.isEmpty()) {
        if (!m_prompter.question(HelpFile::MissingQuestion))
            return;
        path = QFileDialog::getOpenFileName(this, QStringLiteral("Ayuda"), QString(),
                                            QStringLiteral("Ayuda (*.htm *.html *.pdf)"));
        if (path.isEmpty())
            return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void frmPrincipal::showAbout()
{
    const QFileInfo program(QCoreApplication::applicationFilePath());
    m_prompter.info(QStringLiteral("%1\nVersión %2\nÚltima modificación: %3")
                        .arg(m_session.gDescripcionSistema, QCoreApplication::applicationVersion(),
                             program.lastModified().toString(QStringLiteral("dd/MM/yy hh:mm AP"))),
                    QStringLiteral("Acerca de ") + m_session.gNombreSistema);
}

void frmPrincipal::closeEvent(QCloseEvent *event)
{
    QString caption;
    int editState = 0;
    if (QMdiSubWindow *active = m_mdi->activeSubWindow()) {
        caption = active->windowTitle();
        editState = m_session.gEstadoEdicion;
    }
    if (!Startup::ConfirmExit(m_session, m_prompter, editState, caption)) {
        event->ignore();
        return;
    }
    m_mdi->closeAllSubWindows();
    Startup::ReleaseSession(m_session, m_connector);
    event->accept();
}
