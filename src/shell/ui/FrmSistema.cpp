#include "shell/ui/FrmSistema.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/ShellHost.h"
#include "platform/Db.h"
#include "shell/SystemName.h"

#include <QFormLayout>
#include <QLineEdit>

FrmSistema::FrmSistema(Session &session, const QString &nodeCode, QWidget *parent)
    : ChildWindow(session, nodeCode, parent)
{
    setObjectName(QStringLiteral("FrmSistema"));
    setWindowTitle(QStringLiteral("Nombre del Sistema"));
    txtNombre = new QLineEdit(this);
    txtNombre->setMaxLength(50);
    txtDescripcion = new QLineEdit(this);
    txtDescripcion->setMaxLength(100);
    txtVersion = new QLineEdit(this);
    txtVersion->setMaxLength(20);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Nombre:"), txtNombre);
    form->addRow(QStringLiteral("Descripción:"), txtDescripcion);
    form->addRow(QStringLiteral("Versión:"), txtVersion);
    body()->addLayout(form);
    body()->addStretch();
    resize(460, 200);
    RefreshRecord();
    setEditing(false);
    LoadToolbarOptions();
}

bool FrmSistema::hasRecords() const
{
    return !txtNombre->text().isEmpty();
}

void FrmSistema::RefreshRecord()
{
    const SystemName::Values v = SystemName::Load(session());
    txtNombre->setText(v.name);
    txtDescripcion->setText(v.description);
    txtVersion->setText(v.version);
}

void FrmSistema::setEditing(bool editing)
{
    for (QLineEdit *box : {txtNombre, txtDescripcion, txtVersion})
        box->setEnabled(editing);
}

void FrmSistema::onNuevo()
{
    for (QLineEdit *box : {txtNombre, txtDescripcion, txtVersion})
        box->clear();
    setEditing(true);
    txtNombre->setFocus();
}

void FrmSistema::onModificar()
{
    setEditing(true);
    txtNombre->setFocus();
}

bool FrmSistema::onEliminar()
{
    try {
        return SystemName::Delete(session());
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
        return false;
    }
}

void FrmSistema::onCancelar()
{
    setEditing(false);
}

bool FrmSistema::onGuardar()
{
    try {
        if (!SystemName::Save(session(), {txtNombre->text(), txtDescripcion->text(),
                                          txtVersion->text()}))
            return false;
    } catch (const DbError &e) {
        session().prompt().error(e.userText());
        return false;
    }
    setEditing(false);
    if (session().host)
        session().host->setCaption(session().gDescripcionSistema);
    return true;
}
