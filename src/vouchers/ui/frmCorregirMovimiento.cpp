#include "vouchers/ui/frmCorregirMovimiento.h"

#include "common/Session.h"
#include "ledger/accounts/ui/CodeLookupEdit.h"
#include "platform/Db.h"
#include "vouchers/MovementPartyCorrection.h"

#include <QAction>
#include <QFormLayout>
#include <QLineEdit>

frmCorregirMovimiento::frmCorregirMovimiento(Session &session, const QString &nodeCode,
                                             QWidget *parent)
    : ChildWindow(session, nodeCode, parent)
{
    setObjectName(QStringLiteral("frmCorregirMovimiento"));
    setWindowTitle(QStringLiteral("Corregir Movimiento"));
    LoadToolbarOptions();
    Session *s = &session;
    txtTercero = new CodeLookupEdit(
        session, MovementPartyCorrection::partyCatalog(),
        [s](const QString &code) {
            const QVariant name = s->db().scalar(
                QStringLiteral("SELECT Nombre FROM TERCERO WHERE Codigo = ? AND Codigo <> '*'"),
                {code});
            return CodeLookupEdit::Check{name.toString(),
                                         name.isNull() ? MovementPartyCorrection::OldMissing
                                                       : QString()};
        },
        this);
    txtNuevoCodigo = new QLineEdit(this);
    txtNuevoCodigo->setObjectName(QStringLiteral("txtNuevoCodigo"));
    txtNuevoCodigo->setMaxLength(15);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Tercero a corregir"), txtTercero);
    form->addRow(QStringLiteral("Nuevo código"), txtNuevoCodigo);
    body()->addLayout(form);
    body()->addStretch(1);
    connect(txtNuevoCodigo, &QLineEdit::textChanged, this, &frmCorregirMovimiento::enableApproval);
    connect(txtTercero, &CodeLookupEdit::codeAccepted, this, &frmCorregirMovimiento::enableApproval);
    connect(txtTercero->txtCodigo, &QLineEdit::textChanged, this,
            &frmCorregirMovimiento::enableApproval);
    enableApproval();
}

void frmCorregirMovimiento::enableApproval()
{
    if (QAction *approve = button(QStringLiteral("Aprobar")))
        approve->setEnabled(!txtTercero->code().isEmpty() &&
                            !txtNuevoCodigo->text().trimmed().isEmpty());
}

void frmCorregirMovimiento::onAprobar()
{
    if (MovementPartyCorrection::correct(session().db(), session().prompt(), txtTercero->code(),
                                         txtNuevoCodigo->text())) {
        txtTercero->clear();
        txtNuevoCodigo->clear();
    }
    enableApproval();
}
