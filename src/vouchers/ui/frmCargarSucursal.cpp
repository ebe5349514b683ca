#include "vouchers/ui/frmCargarSucursal.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "vouchers/entry/EntryLookups.h"
#include "vouchers/entry/EntryTexts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QVBoxLayout>

frmCargarSucursal::frmCargarSucursal(Session &session, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("frmCargarSucursal"));
    setWindowTitle(QStringLiteral("Sucursal"));
    cmbSucursal = new QComboBox(this);
    cmbSucursal->setEditable(true);
    cmbSucursal->setInsertPolicy(QComboBox::NoInsert);
    cmbSucursal->setMinimumWidth(320);
    for (const auto &[code, name] : EntryLookups::branches(session.db(), session.gMatriz))
        cmbSucursal->addItem(name, code);
    cmbSucursal->setCurrentIndex(-1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &frmCargarSucursal::Aceptar);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(cmbSucursal);
    layout->addWidget(buttons);
}

QString frmCargarSucursal::branch() const
{
    // Only a name of the list counts as a choice, not text typed over it.
    const int index = cmbSucursal->findText(cmbSucursal->currentText());
    return index >= 0 ? cmbSucursal->itemData(index).toString() : QString();
}

void frmCargarSucursal::Aceptar()
{
    if (branch().isEmpty()) {
        m_session.prompt().warning(EntryTexts::EmptyChoice);
        cmbSucursal->setFocus();
        if (cmbSucursal->lineEdit())
            cmbSucursal->lineEdit()->selectAll();
        return;
    }
    accept();
}
