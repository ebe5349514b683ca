#pragma once

#include "reports/ui/StatementWindow.h"

// "Balance General" and, opened from its own menu entry (option mode 3), "Balance General
// Comparativo": the balance sheet of a month, or beside the same month of the year before.
class frmRepBalanceGeneral : public StatementWindow
{
    Q_OBJECT
public:
    // The option mode the navigation sets for the comparative entry.
    static constexpr int ComparativeMode = 3;

    explicit frmRepBalanceGeneral(Session &session,
                                  const QString &node = QStringLiteral("mnu_balancegeneral"),
                                  QWidget *parent = nullptr);

    bool comparative() const { return m_comparative; }

protected:
    void run(const StatementOptions &options) override;

private:
    bool m_comparative = false;
};
