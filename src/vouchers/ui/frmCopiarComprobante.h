#pragma once

#include "vouchers/entry/LineEditor.h"

#include <QDialog>

class CodeLookupEdit;
class QComboBox;
class QLineEdit;
struct Session;

// Asks what a copied voucher becomes: the month of the working year whose vouchers are
// offered, the voucher type of the copy and the day of its lines.
class frmCopiarComprobante : public QDialog
{
    Q_OBJECT
public:
    frmCopiarComprobante(Session &session, QWidget *parent = nullptr);

    QComboBox *cmbMes = nullptr;
    CodeLookupEdit *txtTipoComprobante = nullptr;
    QLineEdit *txtDia = nullptr;

    VoucherCopyRequest request() const;
};
