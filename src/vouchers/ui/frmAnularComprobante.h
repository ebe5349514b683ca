#pragma once

#include "common/ui/ChildWindow.h"

class CodeLookupEdit;
class QComboBox;
class QSpinBox;

// "Anular Comprobante": picks a posted voucher by type, month and number and annuls it.
class frmAnularComprobante : public ChildWindow
{
    Q_OBJECT
public:
    explicit frmAnularComprobante(Session &session,
                                  const QString &nodeCode = QStringLiteral("mnu_anular"),
                                  QWidget *parent = nullptr);

    CodeLookupEdit *txtTipoComprobante = nullptr;
    QComboBox *cmbMes = nullptr;
    QSpinBox *txtAno = nullptr;
    CodeLookupEdit *txtNumero = nullptr;

protected:
    void onCancelar() override;
    bool onGuardar() override;
};
