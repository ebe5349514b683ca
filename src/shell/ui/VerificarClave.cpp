#include "shell/ui/VerificarClave.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/Db.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

VerificarClave::VerificarClave(Session &session, QWidget *parent)
    : FieldDialog(parent)
    , m_session(session)
    , m_service(session)
{
    setObjectName(QStringLiteral("VerificarClave"));
    setWindowTitle(QStringLiteral("Iniciar Sesión"));
    // Entering a box highlights its frame; leaving it removes the highlight.
    setStyleSheet(
        QStringLiteral("QLineEdit:focus { border: 2px solid #2f6fb5; border-radius: 3px; }"));

    lblSistema = new QLabel(m_session.gNombreSistema, this);
    QFont big = lblSistema->font();
    big.setPointSize(big.pointSize() + 8);
    big.setBold(true);
    lblSistema->setFont(big);
    lblSistema->setAlignment(Qt::AlignCenter);

    txtUsuario = new QLineEdit(this);
    txtUsuario->setMaxLength(20);
    txtClave = new QLineEdit(this);
    txtClave->setEchoMode(QLineEdit::Password);
    chkRecordar = new QCheckBox(QStringLiteral("Recordar usuario"), this);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("&Usuario:"), txtUsuario);
    form->addRow(QStringLiteral("&Clave:"), txtClave);
    form->addRow(QString(), chkRecordar);

    QDialogButtonBox *buttons = fieldButtons();
    m_accept = buttons->button(QDialogButtonBox::Ok);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblSistema);
    layout->addSpacing(8);
    layout->addLayout(form);
    layout->addWidget(buttons);

    chainFields({txtUsuario, txtClave}, buttons, [this] { aceptar(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &VerificarClave::cancelar);

    const QString remembered = m_service.rememberedUser();
    txtUsuario->setText(remembered);
    chkRecordar->setChecked(!remembered.isEmpty());
    (remembered.isEmpty() ? txtUsuario : txtClave)->setFocus();
    setMinimumWidth(360);
}

void VerificarClave::holdNextAttempt()
{
    const int wait = m_service.retryDelay();
    if (wait <= 0)
        return;
    m_accept->setEnabled(false);
    QTimer::singleShot(wait, this, [this] { m_accept->setEnabled(true); });
}

void VerificarClave::aceptar()
{
    // Enter in the password box comes here too, not only the button.
    if (!m_accept->isEnabled())
        return;
    try {
        m_result = m_service.VerificarClave(txtUsuario->text(), txtClave->text(),
                                            chkRecordar->isChecked());
    } catch (const DbError &e) {
        m_session.prompt().error(e.userText());
        return;
    }
    switch (m_result) {
    case LoginService::Result::MissingFields:
        (txtUsuario->text().trimmed().isEmpty() ? txtUsuario : txtClave)->setFocus();
        break;
    case LoginService::Result::Invalid:
    case LoginService::Result::NoCompanies:
        txtClave->clear();
        txtClave->setFocus();
        holdNextAttempt();
        break;
    case LoginService::Result::Inactive:
        holdNextAttempt();
        break;
    case LoginService::Result::Administrator:
    case LoginService::Result::User:
        accept();
        break;
    }
}

void VerificarClave::cancelar()
{
    // Cancelling changes nothing: a session that was open goes on.
    reject();
}
