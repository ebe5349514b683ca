#pragma once

#include "common/ui/ChildWindow.h"
#include "reports/TrialBalanceOptions.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

// "Balance de Prueba": month, year, level, account range and options of the trial balance;
// the print button runs it.
class frmRepBalancedePrueba : public ChildWindow
{
    Q_OBJECT
public:
    explicit frmRepBalancedePrueba(Session &session,
                                   const QString &node = QStringLiteral("mnu_balanceprueba"),
                                   QWidget *parent = nullptr);

    QComboBox *cmbMes = nullptr;
    QLineEdit *txtAno = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    QLineEdit *txtDesdeCta = nullptr;
    QLineEdit *txtHastaCta = nullptr;
    QCheckBox *ChkMostrar = nullptr;
    QCheckBox *chkConsolidado = nullptr;
    QCheckBox *chkSinCierre = nullptr;

public slots:
    // Checks the fields and runs the report; what the print button does.
    void imprimir();
    // Shows the closing exclusion where the month and year allow it.
    void updateClosingExclusion();

protected:
    // Runs the report the window prints; the general ledger prints its own from the same
    // fields. Throws DbError.
    virtual void run(const TrialBalanceOptions &options);
    void onImprimir() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void lookUpAccount(QLineEdit *field);
    int level() const;
};
