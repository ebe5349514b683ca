#include "ledger/masterdata/ui/frmContribuyente.h"

#include "ledger/masterdata/MasterTables.h"

frmContribuyente::frmContribuyente(Session &session, const QString &nodeCode, QWidget *parent)
    : MaintenanceWindow(
          session, nodeCode,
          std::make_unique<TableMaintenance>(session, MasterTables::Regimes(nodeCode)), parent)
{
    setObjectName(QStringLiteral("frmContribuyente"));
}
