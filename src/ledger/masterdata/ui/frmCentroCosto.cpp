#include "ledger/masterdata/ui/frmCentroCosto.h"

#include "ledger/masterdata/MasterTables.h"

frmCentroCosto::frmCentroCosto(Session &session, const QString &nodeCode, QWidget *parent)
    : MaintenanceWindow(
          session, nodeCode,
          std::make_unique<TableMaintenance>(session, MasterTables::CostCentres(nodeCode)), parent)
{
    setObjectName(QStringLiteral("frmCentroCosto"));
}
