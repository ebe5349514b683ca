#include "vouchers/ui/frmAjusteDifCambio.h"

#include "common/ui/AmountEdit.h"
#include "ledger/accounts/ui/EnterMovesFocus.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

frmAjusteDifCambio::frmAjusteDifCambio(Rate proposedRate, Money foreign, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAjusteDifCambio"));
    setWindowTitle(QStringLiteral("Diferencia en Cambio"));
    txtTRM = new AmountEdit(this);
    txtValor = new AmountEdit(this);
    // The rate is typed with the amount's rules and kept to the thousandth.
    txtTRM->setMoney(Money::fromThousandths(proposedRate.millionths() / 1000));
    txtValor->setMoney(foreign);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("Tasa (TRM)"), txtTRM);
    form->addRow(QStringLiteral("Valor en divisas"), txtValor);
    form->addRow(buttons);
    EnterMovesFocus::install(this, {txtTRM, txtValor});
}

Rate frmAjusteDifCambio::rate() const
{
    return Rate::fromMillionths(txtTRM->money().thousandths() * 1000);
}

Money frmAjusteDifCambio::foreign() const
{
    return txtValor->money();
}
