#pragma once

#include "common/ui/ChildWindow.h"
#include "reports/FinancialStatements.h"

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QRadioButton;

// The fields the balance sheet and income statement windows share: month, year, the level
// under "Visualizar Cuenta a nivel de:", "Consolidado" and "Mostrar cuentas sin
// movimientos". The print button checks the year and runs the window's report.
class StatementWindow : public ChildWindow
{
    Q_OBJECT
public:
    QComboBox *cmbMes = nullptr;
    QLineEdit *txtAno = nullptr;
    QRadioButton *Option1 = nullptr; // "Grupo": codes of 2 characters
    QRadioButton *Option2 = nullptr; // "Cuenta": 4
    QRadioButton *Option3 = nullptr; // "SubCuenta": 6
    QCheckBox *chkConsolidado = nullptr;
    QCheckBox *CheckMostrar = nullptr;

public slots:
    // Checks the year and runs the report; what the print button does.
    void imprimir();

protected:
    StatementWindow(Session &session, const QString &node, QWidget *parent);
    // Adds the shared fields to the window; `extra` goes between the options.
    void buildFields(QWidget *extra = nullptr);
    // The options of the fields.
    StatementOptions options() const;
    // Runs the window's report. Throws DbError.
    virtual void run(const StatementOptions &options) = 0;
    void onImprimir() override;
};
