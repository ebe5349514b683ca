#include "ledger/masterdata/ui/frmConcepto.h"

#include "ledger/masterdata/ConceptMaintenance.h"

frmConcepto::frmConcepto(Session &session, const QString &nodeCode, QWidget *parent)
    : MaintenanceWindow(session, nodeCode, std::make_unique<ConceptMaintenance>(session, nodeCode),
                        parent)
{
    setObjectName(QStringLiteral("frmConcepto"));
}
