#include "periods/ui/frmCambiarPeriodo.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "periods/PeriodChange.h"
#include "platform/DbError.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmCambiarPeriodo::frmCambiarPeriodo(Session &session, QWidget *parent, QDate today)
    : FieldDialog(parent)
    , m_session(session)
    , m_today(today.isValid() ? today : QDate::currentDate())
{
    setObjectName(QStringLiteral("frmCambiarPeriodo"));
    setWindowTitle(QStringLiteral("Cambiar Periodo"));

    const PeriodChange change(session, m_today);
    TxtMesNuevo = new QLineEdit(change.initialMonth(), this);
    TxtMesNuevo->setObjectName(QStringLiteral("TxtMesNuevo"));
    TxtMesNuevo->setMaxLength(2);
    TxtAnoNuevo = new QLineEdit(change.initialYear(), this);
    TxtAnoNuevo->setObjectName(QStringLiteral("TxtAnoNuevo"));
    TxtAnoNuevo->setMaxLength(4);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Mes:"), TxtMesNuevo);
    form->addRow(QStringLiteral("Año:"), TxtAnoNuevo);
    QDialogButtonBox *buttons = fieldButtons();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    setMinimumWidth(280);

    chainFields({TxtMesNuevo, TxtAnoNuevo}, buttons, [this] { aceptar(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    TxtMesNuevo->selectAll();
}

void frmCambiarPeriodo::aceptar()
{
    using Result = PeriodChange::Result;
    Result result;
    try {
        result = PeriodChange(m_session, m_today)
                     .CambiarPeriodo(TxtMesNuevo->text(), TxtAnoNuevo->text());
    } catch (const DbError &e) {
        m_session.prompt().error(e.userText());
        return;
    }
    switch (result) {
    case Result::Changed:
        accept();
        return;
    case Result::EmptyMonth:
        TxtMesNuevo->setFocus();
        return;
    case Result::EmptyYear:
        TxtAnoNuevo->setFocus();
        return;
    case Result::MonthNotNumeric:
        TxtMesNuevo->setFocus();
        TxtMesNuevo->selectAll();
        return;
    case Result::YearNotNumeric:
        TxtAnoNuevo->setFocus();
        TxtAnoNuevo->selectAll();
        return;
    default:
        TxtMesNuevo->setFocus();
        TxtMesNuevo->selectAll();
        return;
    }
}
