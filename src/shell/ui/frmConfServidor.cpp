#include "shell/ui/frmConfServidor.h"

#include "common/Session.h"
#include "common/ui/AcceptCancelButtons.h"
#include "shell/Connector.h"
#include "shell/ServerSetup.h"
#include "shell/ui/WaitCursor.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmConfServidor::frmConfServidor(Session &session, Connector &connector, Prompter &prompter,
                                 QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_connector(connector)
    , m_prompter(prompter)
{
    setObjectName(QStringLiteral("frmConfServidor"));
    setWindowTitle(QStringLiteral("Configuración del Servidor"));

    lblProposito = new QLabel(Purpose, this);
    lblProposito->setObjectName(QStringLiteral("lblProposito"));
    lblProposito->setWordWrap(true);
    txtServidor = new QLineEdit(this);
    txtServidor->setToolTip(QStringLiteral("\"(local)\" para la base de datos de esta estación; "
                                           "o el servidor PostgreSQL: equipo, equipo:puerto o "
                                           "carpeta del socket"));
    txtBaseDatos = new QLineEdit(this);
    optAutenticacionSistema =
        new QRadioButton(QStringLiteral("Autenticación del sistema operativo"), this);
    optAutenticacionServidor =
        new QRadioButton(QStringLiteral("Usuario y clave del servidor"), this);
    auto *authGroup = new QButtonGroup(this);
    authGroup->addButton(optAutenticacionSistema, 0);
    authGroup->addButton(optAutenticacionServidor, 1);
    txtUsuario = new QLineEdit(this);
    txtPassword = new QLineEdit(this);
    txtPassword->setEchoMode(QLineEdit::Password);
    cmbSQL = new QComboBox(this);
    cmbSQL->addItems({QStringLiteral("SQL2000"), QStringLiteral("SQL2005")});
    lblStatusConexion = new QLabel(this);
    lblStatusConexion->setWordWrap(true);

    auto *serverForm = new QFormLayout;
    serverForm->addRow(QStringLiteral("Servidor:"), txtServidor);
    serverForm->addRow(QStringLiteral("Base de datos:"), txtBaseDatos);
    serverForm->addRow(QStringLiteral("Versión de reportes:"), cmbSQL);

    auto *authBox = new QGroupBox(QStringLiteral("Autenticación"), this);
    auto *authForm = new QFormLayout(authBox);
    authForm->addRow(optAutenticacionSistema);
    authForm->addRow(optAutenticacionServidor);
    authForm->addRow(QStringLiteral("Usuario:"), txtUsuario);
    authForm->addRow(QStringLiteral("Clave:"), txtPassword);

    QDialogButtonBox *buttons = AcceptCancelButtons(this);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmConfServidor::aceptar);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(authGroup, &QButtonGroup::idToggled, this, [this] { authenticationChanged(); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblProposito);
    layout->addLayout(serverForm);
    layout->addWidget(authBox);
    layout->addWidget(lblStatusConexion);
    layout->addWidget(buttons);

    ServerSetup setup(m_session, m_connector, m_prompter);
    // Once connected, the window shows the database the status bar names (the demo's too).
    ServerConfig initial =
        m_connector.isConnected() ? m_connector.config() : setup.initialConfig();
    if (!m_session.gServidor.isEmpty())
        initial.server = m_session.gServidor;
    initial.sqlVersion = m_session.gVersionSQL;
    setTypedConfig(initial);
    setMinimumWidth(440);
}

ServerConfig frmConfServidor::typedConfig() const
{
    ServerConfig c;
    c.server = txtServidor->text();
    c.database = txtBaseDatos->text();
    c.authMode = optAutenticacionServidor->isChecked() ? 1 : 0;
    c.user = txtUsuario->text();
    c.password = txtPassword->text();
    c.sqlVersion = cmbSQL->currentText();
    return c;
}

void frmConfServidor::setTypedConfig(const ServerConfig &config)
{
    txtServidor->setText(config.server);
    txtBaseDatos->setText(config.database);
    (config.authMode != 0 ? optAutenticacionServidor : optAutenticacionSistema)->setChecked(true);
    txtUsuario->setText(config.user);
    txtPassword->setText(config.password);
    cmbSQL->setCurrentIndex(config.sqlVersion == QLatin1String("SQL2000") ? 0 : 1);
    authenticationChanged();
}

void frmConfServidor::authenticationChanged()
{
    const bool login = optAutenticacionServidor->isChecked();
    if (!login) {
        txtUsuario->clear();
        txtPassword->clear();
    }
    txtUsuario->setEnabled(login);
    txtPassword->setEnabled(login);
}

void frmConfServidor::aceptar()
{
    WaitCursor wait;
    ServerSetup setup(m_session, m_connector, m_prompter);
    const auto outcome = setup.accept(typedConfig(), [this](const QString &text) {
        lblStatusConexion->setText(text);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    lblStatusConexion->clear();
    if (outcome == ServerSetup::Outcome::Connected) {
        m_connected = true;
        accept();
    }
}
