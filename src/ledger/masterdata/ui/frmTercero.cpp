#include "ledger/masterdata/ui/frmTercero.h"

#include "ledger/masterdata/PartyMaintenance.h"

frmTercero::frmTercero(Session &session, const QString &nodeCode, QWidget *parent)
    : MaintenanceWindow(session, nodeCode, std::make_unique<PartyMaintenance>(session, nodeCode),
                        parent)
{
    setObjectName(QStringLiteral("frmTercero"));
}
