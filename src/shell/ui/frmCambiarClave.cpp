#include "shell/ui/frmCambiarClave.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "shell/PasswordChange.h"

#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QFormLayout>
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
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Aceptar"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Cancelar"));
    for (QPushButton *b : buttons->findChildren<QPushButton *>())
        b->setAutoDefault(false);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    // Enter moves to the next field; on the last one it accepts.
    connect(TxtClave, &QLineEdit::returnPressed, TxtClaveNueva, qOverload<>(&QWidget::setFocus));
    connect(TxtClaveNueva, &QLineEdit::returnPressed, TxtConfirmarClave,
            qOverload<>(&QWidget::setFocus));
    connect(TxtConfirmarClave, &QLineEdit::returnPressed, this, &frmCambiarClave::aceptar);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmCambiarClave::aceptar);
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
