#include "ledger/accounts/ui/frmIncCuentaContableLinea.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "ledger/accounts/ProductLineAccounts.h"
#include "ledger/accounts/ui/CodeLookupEdit.h"
#include "ledger/accounts/ui/EnterMovesFocus.h"
#include "ledger/accounts/ui/frmCuentaContableLinea.h"
#include "platform/Db.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmIncCuentaContableLinea::frmIncCuentaContableLinea(Session &session, const QString &lineCode,
                                                     QWidget *parent)
    : QDialog(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("frmIncCuentaContableLinea"));
    setWindowTitle(QStringLiteral("Cuenta Contable por Categoria"));
    txtCodigoLinea = new QLineEdit(lineCode, this);
    txtCodigoLinea->setObjectName(QStringLiteral("txtCodigoLinea"));
    txtCodigoLinea->setMaxLength(20);
    txtNombre = new QLineEdit(this);
    txtNombre->setObjectName(QStringLiteral("txtNombre"));
    txtNombre->setMaxLength(100);
    txtCuenta = frmCuentaContableLinea::salesAccountEdit(session, this);
    cmdAceptar = new QPushButton(QStringLiteral("Aceptar"), this);
    cmdAceptar->setObjectName(QStringLiteral("cmdAceptar"));
    cmdCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    cmdAceptar->setAutoDefault(false);
    cmdCancelar->setAutoDefault(false);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(cmdAceptar, QDialogButtonBox::AcceptRole);
    buttons->addButton(cmdCancelar, QDialogButtonBox::RejectRole);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Línea:"), txtCodigoLinea);
    form->addRow(QStringLiteral("Nombre:"), txtNombre);
    form->addRow(QStringLiteral("Cuenta contable:"), txtCuenta);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    EnterMovesFocus::install(this, {txtCodigoLinea, txtNombre, txtCuenta->txtCodigo});

    connect(cmdAceptar, &QPushButton::clicked, this, &frmIncCuentaContableLinea::save);
    connect(cmdCancelar, &QPushButton::clicked, this, &QDialog::reject);
    resize(520, 150);
    (lineCode.isEmpty() ? txtCodigoLinea : txtNombre)->setFocus();
}

void frmIncCuentaContableLinea::save()
{
    ProductLineAccounts::Outcome outcome;
    try {
        outcome = ProductLineAccounts(m_session).addDirect(
            {txtCodigoLinea->text(), txtNombre->text(), txtCuenta->code(), {}});
    } catch (const DbError &e) {
        m_session.prompt().error(e.userText());
        return;
    }
    if (outcome.result == ProductLineAccounts::Result::Saved) {
        accept();
        return;
    }
    if (!outcome.field)
        return;
    QLineEdit *box = *outcome.field == ProductLineAccounts::Field::Code   ? txtCodigoLinea
                     : *outcome.field == ProductLineAccounts::Field::Name ? txtNombre
                                                                          : txtCuenta->txtCodigo;
    box->setFocus();
    box->selectAll();
}
