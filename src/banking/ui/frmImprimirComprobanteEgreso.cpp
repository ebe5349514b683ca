#include "banking/ui/frmImprimirComprobanteEgreso.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/report/ui/WorkstationReportOutput.h"
#include "ledger/accounts/ui/CodeLookupEdit.h"
#include "platform/Db.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmImprimirComprobanteEgreso::frmImprimirComprobanteEgreso(Session &session,
                                                           const VoucherToPrint &voucher,
                                                           ReportOutput *output, QWidget *parent)
    : QDialog(parent)
    , m_session(session)
{
    setObjectName(QStringLiteral("frmImprimirComprobanteEgreso"));
    setWindowTitle(DisbursementPrint::WindowTitle);
    if (!output)
        output = session.reports;
    if (!output) {
        m_ownOutput = std::make_unique<WorkstationReportOutput>(session.prompt(), this);
        output = m_ownOutput.get();
    }
    m_service = std::make_unique<DisbursementPrint>(session, *output, voucher);

    lblComprobante = new QLabel(this);
    lblComprobante->setObjectName(QStringLiteral("lblComprobante"));
    const QString month = QLocale(QLocale::Spanish, QLocale::Venezuela).monthName(voucher.month);
    lblComprobante->setText(QStringLiteral("Comprobante %1 número %2 de %3 %4")
                                .arg(voucher.type, voucher.number, month)
                                .arg(voucher.year));

    auto *options = new QGroupBox(QStringLiteral("Imprimir"), this);
    optComprobante = new QRadioButton(QStringLiteral("Comprobante"), options);
    optComprobante->setObjectName(QStringLiteral("optComprobante"));
    optComprobanteCheque = new QRadioButton(QStringLiteral("Comprobante y Cheque"), options);
    optComprobanteCheque->setObjectName(QStringLiteral("optComprobanteCheque"));
    optComprobanteDocumento =
        new QRadioButton(QStringLiteral("Comprobante y Documento Electronico"), options);
    optComprobanteDocumento->setObjectName(QStringLiteral("optComprobanteDocumento"));
    auto *group = new QButtonGroup(this);
    for (QRadioButton *b : {optComprobante, optComprobanteCheque, optComprobanteDocumento})
        group->addButton(b);
    auto *optionRows = new QVBoxLayout(options);
    optionRows->addWidget(optComprobante);
    optionRows->addWidget(optComprobanteCheque);
    optionRows->addWidget(optComprobanteDocumento);

    chkMostrarBeneficiario =
        new QCheckBox(QStringLiteral("Mostrar beneficiario en comprobante"), this);
    chkMostrarBeneficiario->setObjectName(QStringLiteral("chkMostrarBeneficiario"));

    DisbursementPrint *service = m_service.get();
    txtBeneficiario = new CodeLookupEdit(
        session, DisbursementPrint::BeneficiaryLookup,
        [service](const QString &code) {
            const QString name = service->partyName(code);
            return CodeLookupEdit::Check{name, name.isEmpty() ? DisbursementPrint::NoBeneficiary
                                                              : QString()};
        },
        this);
    txtBeneficiario->setObjectName(QStringLiteral("txtBeneficiario"));

    txtObservacion = new QLineEdit(this);
    txtObservacion->setObjectName(QStringLiteral("txtObservacion"));
    txtObservacion->setMaxLength(250);

    cmbChequeBanco = new QComboBox(this);
    cmbChequeBanco->setObjectName(QStringLiteral("cmbChequeBanco"));
    cmbChequeBanco->setMinimumWidth(260);

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Beneficiario:"), txtBeneficiario);
    fields->addRow(QString(), chkMostrarBeneficiario);
    fields->addRow(QStringLiteral("Observación:"), txtObservacion);
    fields->addRow(QStringLiteral("Cheque de banco:"), cmbChequeBanco);

    cmdImprimir = new QPushButton(QStringLiteral("Imprimir"), this);
    cmdImprimir->setObjectName(QStringLiteral("cmdImprimir"));
    cmdImprimir->setDefault(true);
    cmdSalir = new QPushButton(QStringLiteral("Salir"), this);
    cmdSalir->setObjectName(QStringLiteral("cmdSalir"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdImprimir);
    buttons->addWidget(cmdSalir);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblComprobante);
    layout->addWidget(options);
    layout->addLayout(fields);
    layout->addStretch(1);
    layout->addLayout(buttons);
    resize(520, 330);

    connect(cmdImprimir, &QPushButton::clicked, this, &frmImprimirComprobanteEgreso::imprimir);
    connect(cmdSalir, &QPushButton::clicked, this, &QDialog::reject);
    connect(optComprobanteCheque, &QRadioButton::toggled, this,
            &frmImprimirComprobanteEgreso::enableCheque);

    optComprobante->setChecked(true);
    try {
        fill();
    } catch (const DbError &e) {
        session.prompt().error(e.userText());
    }
    enableCheque();
}

frmImprimirComprobanteEgreso::~frmImprimirComprobanteEgreso() = default;

void frmImprimirComprobanteEgreso::fill()
{
    cmbChequeBanco->clear();
    for (const DisbursementPrint::Party &cheque : m_service->bankCheques())
        cmbChequeBanco->addItem(cheque.name, cheque.code);
    cmbChequeBanco->setCurrentIndex(-1);
    if (const auto proposed = m_service->proposedBeneficiary())
        txtBeneficiario->setCode(proposed->code, proposed->name);
}

void frmImprimirComprobanteEgreso::enableCheque()
{
    cmbChequeBanco->setEnabled(optComprobanteCheque->isChecked());
}

DisbursementRequest frmImprimirComprobanteEgreso::request() const
{
    DisbursementRequest r;
    using Option = DisbursementRequest::Option;
    r.option = optComprobanteCheque->isChecked()      ? Option::VoucherAndCheque
               : optComprobanteDocumento->isChecked() ? Option::VoucherAndTransfer
                                                      : Option::Voucher;
    r.showBeneficiary = chkMostrarBeneficiario->isChecked();
    r.beneficiary = txtBeneficiario->code();
    r.observation = txtObservacion->text();
    r.bankCheque = cmbChequeBanco->currentData().toString();
    return r;
}

void frmImprimirComprobanteEgreso::imprimir()
{
    try {
        const DisbursementPrint::Result result = m_service->print(request());
        if (result.refused == DisbursementPrint::Result::Field::BankCheque)
            cmbChequeBanco->setFocus();
        else if (result.refused == DisbursementPrint::Result::Field::Beneficiary)
            txtBeneficiario->txtCodigo->setFocus();
    } catch (const DbError &e) {
        m_session.prompt().error(e.userText());
    }
}
