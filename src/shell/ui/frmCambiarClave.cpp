#include "shell/ui/frmCambiarClave.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "shell/PasswordChange.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmCambiarClave::frmCambiarClave(Session &session, QWidget *parent)
    : FieldDialog(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("frmCambiarClave"));
    setWindowTitle(QStringLiteral("Cambiar Clave"));
    auto makeBox = [this] {
        auto *box = new QLineEdit(this);
        box->setEchoMode(QLineEdit::Password);
        return box;
    };
    TxtClave = makeBox();
    TxtClaveNueva = makeBox();
    TxtConfirmarClave = makeBox();

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Clave actual:"), TxtClave);
    form->addRow(QStringLiteral("Clave nueva:"), TxtClaveNueva);
    form->addRow(QStringLiteral("Confirmar clave:"), TxtConfirmarClave);
    QDialogButtonBox *buttons = fieldButtons();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    chainFields({TxtClave, TxtClaveNueva, TxtConfirmarClave}, buttons, [this] { aceptar(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setMinimumWidth(340);
}

void frmCambiarClave::aceptar()
{
    PasswordChange::Result result;
    try {
        result = PasswordChange::CambiarClave(m_session, TxtClave->text(), TxtClaveNueva->text(),
                                              TxtConfirmarClave->text());
    } catch (const DbError &e) {
        m_session.prompt().error(e.userText());
        return;
    }
    switch (result) {
    case PasswordChange::Result::MissingFields:
        for (QLineEdit *box : {TxtClave, TxtClaveNueva, TxtConfirmarClave})
            if (box->text().isEmpty()) {
                box->setFocus();
                break;
            }
        break;
    case PasswordChange::Result::WrongCurrent:
        TxtClave->setFocus();
        break;
    case PasswordChange::Result::ConfirmationDiffers:
        TxtClaveNueva->setFocus();
        break;
    case PasswordChange::Result::Changed:
        accept();
        break;
    }
}
