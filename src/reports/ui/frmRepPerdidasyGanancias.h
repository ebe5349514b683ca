#pragma once

#include "reports/ui/StatementWindow.h"

// "Perdidas y Ganancias": the income statement of a month. In the closing month of the fiscal
// year, once its closing voucher is posted, "Visualizar antes del cierre del ejercicio" sets
// the month beside the fiscal year to date.
class frmRepPerdidasyGanancias : public StatementWindow
{
    Q_OBJECT
public:
    explicit frmRepPerdidasyGanancias(
        Session &session, const QString &node = QStringLiteral("mnu_gananciasperdidas"),
        QWidget *parent = nullptr);

    QCheckBox *chkAntesDelCierre = nullptr;

public slots:
    // Shows the closing option where the month and year allow it.
    void updateClosingOption();

protected:
    void run(const StatementOptions &options) override;
};
