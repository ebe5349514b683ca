#include "vouchers/ui/frmAnularComprobante.h"

#include "common/Session.h"
#include "ledger/accounts/ui/CodeLookupEdit.h"
#include "platform/Db.h"
#include "vouchers/VoucherAnnulment.h"

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>
#include <QSpinBox>

frmAnularComprobante::frmAnularComprobante(Session &session, const QString &nodeCode,
                                           QWidget *parent)
    : ChildWindow(session, nodeCode, parent)
{
    setObjectName(QStringLiteral("frmAnularComprobante"));
    setWindowTitle(QStringLiteral("Anular Comprobante"));
    LoadToolbarOptions();
    Session *s = &session;
    txtTipoComprobante = new CodeLookupEdit(
        session, VoucherAnnulment::typeCatalog(),
        [s](const QString &code) {
            const QVariant name = s->db().scalar(
                QStringLiteral("SELECT Nombre FROM COMPROBANTE WHERE Codigo = ? AND Codigo <> '999'"),
                {code});
            return CodeLookupEdit::Check{name.toString(),
                                         name.isNull() ? VoucherAnnulment::SelectType : QString()};
        },
        this);
    cmbMes = new QComboBox(this);
    const QLocale spanish(QLocale::Spanish, QLocale::Venezuela);
    for (int m = 1; m <= 12; ++m)
        cmbMes->addItem(spanish.standaloneMonthName(m, QLocale::LongFormat).toUpper(), m);
    cmbMes->setCurrentIndex(qBound(0, session.gMes - 1, 11));
    txtAno = new QSpinBox(this);
    txtAno->setRange(1900, 9999);
    txtAno->setValue(session.gAno > 0 ? session.gAno : QDate::currentDate().year());
    // The number is checked on "Guardar", where a voucher that is not there is told so.
    txtNumero = new CodeLookupEdit(
        session, VoucherAnnulment::numberCatalog(),
        [](const QString &) { return CodeLookupEdit::Check{}; }, this);
    txtNumero->setParameters([this, s](const QString &) {
        const QDate first(txtAno->value(), cmbMes->currentData().toInt(), 1);
        return QVariantList{txtTipoComprobante->code(), first, first.addMonths(1), s->gEmpresa,
                            s->gMatriz};
    });
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Tipo de Comprobante"), txtTipoComprobante);
    form->addRow(QStringLiteral("Mes"), cmbMes);
    form->addRow(QStringLiteral("Año"), txtAno);
    form->addRow(QStringLiteral("Número"), txtNumero);
    body()->addLayout(form);
    body()->addStretch(1);
    SetToolbarState(Editing);
}

void frmAnularComprobante::onCancelar()
{
    txtTipoComprobante->clear();
    txtNumero->clear();
    SetToolbarState(Editing);
}

bool frmAnularComprobante::onGuardar()
{
    const VoucherAnnulment::Request request{session().gEmpresa,
                                            session().gMatriz,
                                            txtAno->value(),
                                            cmbMes->currentData().toInt(),
                                            txtTipoComprobante->code(),
                                            txtNumero->code(),
                                            session().gUsuario};
    if (VoucherAnnulment::annul(session().db(), session().prompt(), request) ==
        VoucherAnnulment::Result::Annulled)
        txtNumero->clear();
    // The window stays ready for the next voucher.
    return false;
}
