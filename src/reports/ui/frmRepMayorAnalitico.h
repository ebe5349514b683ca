#pragma once

#include "reports/ui/frmRepBalancedePrueba.h"

// "Mayor Analitico": the trial balance's fields, printed as the general ledger.
class frmRepMayorAnalitico : public frmRepBalancedePrueba
{
    Q_OBJECT
public:
    explicit frmRepMayorAnalitico(Session &session,
                                  const QString &node = QStringLiteral("mnu_mayoranalitico"),
                                  QWidget *parent = nullptr);

protected:
    void run(const TrialBalanceOptions &options) override;
};
