#include "common/ui/AcceptCancelButtons.h"

#include <QDialogButtonBox>
#include <QPushButton>

QDialogButtonBox *AcceptCancelButtons(QWidget *parent)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, parent);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Aceptar"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Cancelar"));
    return buttons;
}
