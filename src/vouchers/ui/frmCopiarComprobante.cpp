#include "vouchers/ui/frmCopiarComprobante.h"

#include "calendar/PeriodMonths.h"
#include "common/Session.h"
#include "ledger/accounts/ui/CodeLookupEdit.h"
#include "vouchers/entry/EntryLookups.h"
#include "vouchers/entry/EntryTexts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIntValidator>
#include <QLineEdit>

frmCopiarComprobante::frmCopiarComprobante(Session &session, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmCopiarComprobante"));
    setWindowTitle(QStringLiteral("Copiar Comprobante"));
    cmbMes = new QComboBox(this);
    for (int m = 1; m <= 12; ++m)
        cmbMes->addItem(QStringLiteral("%1/%2").arg(PeriodMonths::Column(m)).arg(session.gAno), m);
    cmbMes->setCurrentIndex(qBound(0, session.gMes - 1, 11));
    Session *s = &session;
    txtTipoComprobante = new CodeLookupEdit(
        session, EntryLookups::voucherTypeCatalog(),
        [s](const QString &code) {
            const LineVoucherType type = EntryLookups::voucherType(s->db(), code);
            return CodeLookupEdit::Check{type.name,
                                         type.isSet() ? QString() : EntryTexts::SelectVoucherType};
        },
        this);
    txtDia = new QLineEdit(this);
    txtDia->setMaxLength(2);
    txtDia->setValidator(new QIntValidator(1, 31, txtDia));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("Periodo de Movimiento a Copiar"), cmbMes);
    form->addRow(QStringLiteral("Tipo de Comprobante"), txtTipoComprobante);
    form->addRow(QStringLiteral("Dia a Registrar el Movimiento"), txtDia);
    form->addRow(buttons);
}

VoucherCopyRequest frmCopiarComprobante::request() const
{
    return {cmbMes->currentData().toInt(), txtTipoComprobante->code(), txtDia->text().trimmed()};
}
