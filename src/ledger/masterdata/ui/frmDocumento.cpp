#include "ledger/masterdata/ui/frmDocumento.h"

#include "ledger/masterdata/MasterTables.h"

frmDocumento::frmDocumento(Session &session, const QString &nodeCode, QWidget *parent)
    : MaintenanceWindow(
          session, nodeCode,
          std::make_unique<TableMaintenance>(session, MasterTables::Documents(nodeCode)), parent)
{
    setObjectName(QStringLiteral("frmDocumento"));
}
