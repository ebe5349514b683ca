#include "ledger/masterdata/ui/frmIncTercero.h"

#include "common/ui/ApplicationLook.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "ledger/masterdata/ui/MaintenanceForm.h"
#include "platform/Db.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

frmIncTercero::frmIncTercero(Session &session, const QString &code, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
    , m_service(session)
{
    setObjectName(QStringLiteral("frmIncTercero"));
    setWindowTitle(QStringLiteral("Tercero"));
    tlbregistro = new QToolBar(this);
    tlbregistro->setObjectName(QStringLiteral("tlbregistro"));
    tlbregistro->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const char *key : {"Guardar", "Cancelar", "Salir"}) {
        const QString name = QString::fromLatin1(key);
        QAction *a = tlbregistro->addAction(ApplicationLook::operationIcon(name), name);
        a->setObjectName(name);
    }
    connect(button(QStringLiteral("Guardar")), &QAction::triggered, this, &frmIncTercero::Guardar);
    connect(button(QStringLiteral("Cancelar")), &QAction::triggered, this,
            &frmIncTercero::Cancelar);
    connect(button(QStringLiteral("Salir")), &QAction::triggered, this, &QDialog::reject);

    m_form = new MaintenanceForm(m_service, this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tlbregistro);
    auto *inner = new QVBoxLayout;
    inner->setContentsMargins(9, 9, 9, 9);
    inner->addWidget(m_form);
    layout->addLayout(inner, 1);
    m_form->setEditable(true, true);
    m_form->lineEdit(QStringLiteral("Codigo"))->setText(code.trimmed().toUpper());
    m_form->proposeFrom(QStringLiteral("Codigo"));
    resize(560, 330);
}

frmIncTercero::~frmIncTercero() = default;

QAction *frmIncTercero::button(const QString &key) const
{
    return tlbregistro->findChild<QAction *>(key);
}

void frmIncTercero::Guardar()
{
    MasterRecord record = m_form->record();
    QString field;
    try {
        m_party = m_service.add(record, &field);
    } catch (const DbError &e) {
        m_session.prompt().error(e.userText());
        return;
    }
    if (!m_party) {
        m_form->takeFlag(record, field);
        m_form->focusField(field);
        return;
    }
    accept();
}

void frmIncTercero::Cancelar()
{
    m_form->clear();
    m_form->focusField(QStringLiteral("Codigo"));
}

void frmIncTercero::keyPressEvent(QKeyEvent *event)
{
    QString key;
    if (event->modifiers() == Qt::AltModifier && event->key() == Qt::Key_G)
        key = QStringLiteral("Guardar");
    else if (event->modifiers() == Qt::AltModifier && event->key() == Qt::Key_C)
        key = QStringLiteral("Cancelar");
    QAction *a = key.isEmpty() ? nullptr : button(key);
    if (a && a->isVisible() && a->isEnabled()) {
        a->trigger();
        event->accept();
        return;
    }
    // Escape closes the dialog, as QDialog does.
    QDialog::keyPressEvent(event);
}
