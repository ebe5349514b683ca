#include "reports/ui/frmRepBalanceGeneral.h"

#include "common/Session.h"
#include "reports/StatementReports.h"

frmRepBalanceGeneral::frmRepBalanceGeneral(Session &session, const QString &node, QWidget *parent)
    : StatementWindow(session, node, parent)
    , m_comparative(session.gModoOpcion == ComparativeMode)
{
    setObjectName(QStringLiteral("frmRepBalanceGeneral"));
    setWindowTitle(m_comparative ? ComparativeBalanceSheetReport::Title
                                 : BalanceSheetReport::Title);
    buildFields();
    LoadToolbarOptions();
}

void frmRepBalanceGeneral::run(const StatementOptions &options)
{
    if (m_comparative)
        ComparativeBalanceSheetReport::run(session(), *session().reports, options);
    else
        BalanceSheetReport::run(session(), *session().reports, options);
}
