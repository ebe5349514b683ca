#pragma once

#include "reports/ui/AuxiliaryBookWindow.h"

class QRadioButton;

// "Libros Auxiliares (IVA)": the auxiliary book of one account for one company of the head
// office in a month, by date or by document; the print button runs it.
class frmRepLibroAuxiliarIva : public AuxiliaryBookWindow
{
    Q_OBJECT
public:
    explicit frmRepLibroAuxiliarIva(Session &session,
                                    const QString &node = QStringLiteral("mnu_auxiliariva"),
                                    QWidget *parent = nullptr);

    QComboBox *cmbMes = nullptr;
    QLineEdit *txtAno = nullptr;
    QLineEdit *txtCuenta = nullptr;
    QComboBox *cmbSucursal = nullptr; // the companies of the head office; data: the code
    QRadioButton *optFecha = nullptr; // optCriterioOrdenamiento
    QRadioButton *optDocumento = nullptr;

public slots:
    void imprimir();

protected:
    void onImprimir() override { imprimir(); }
};
