#pragma once

#include "banking/DisbursementPrint.h"

#include <QDialog>
#include <memory>

class CodeLookupEdit;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class ReportOutput;
struct Session;

// "Imprimir Comprobante de Egreso": what an approved disbursement voucher goes to paper
// with — the voucher alone, with its cheque, or as an electronic payment.
class frmImprimirComprobanteEgreso : public QDialog
{
    Q_OBJECT
public:
    // `output` receives the reports; the session's when null.
    frmImprimirComprobanteEgreso(Session &session, const VoucherToPrint &voucher,
                                 ReportOutput *output = nullptr, QWidget *parent = nullptr);
    ~frmImprimirComprobanteEgreso() override;

    QLabel *lblComprobante = nullptr;
    QRadioButton *optComprobante = nullptr;
    QRadioButton *optComprobanteCheque = nullptr;
    QRadioButton *optComprobanteDocumento = nullptr;
    QCheckBox *chkMostrarBeneficiario = nullptr;
    CodeLookupEdit *txtBeneficiario = nullptr;
    QLineEdit *txtObservacion = nullptr;
    QComboBox *cmbChequeBanco = nullptr;
    QPushButton *cmdImprimir = nullptr;
    QPushButton *cmdSalir = nullptr;

    DisbursementRequest request() const;
    DisbursementPrint &service() { return *m_service; }

public slots:
    void imprimir();

private:
    void fill();
    void enableCheque();

    Session &m_session;
    std::unique_ptr<ReportOutput> m_ownOutput;
    std::unique_ptr<DisbursementPrint> m_service;
};
