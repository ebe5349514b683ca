#pragma once

#include "common/ui/ChildWindow.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

// "Libro Diario": month, year, "Consolidado" and "Mostrar Detalle"; the print button runs
// the journal.
class frmRepLibroDiario : public ChildWindow
{
    Q_OBJECT
public:
    explicit frmRepLibroDiario(Session &session,
                               const QString &node = QStringLiteral("mnu_librodiario"),
                               QWidget *parent = nullptr);

    QComboBox *cmbMes = nullptr;
    QLineEdit *txtAno = nullptr;
    QCheckBox *chkConsolidado = nullptr;
    QCheckBox *CheckMostrar = nullptr;

public slots:
    // Checks the year and runs the report; what the print button does.
    void imprimir();

protected:
    void onImprimir() override;
};
