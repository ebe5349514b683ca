#include "vouchers/ui/frmComprobante.h"

#include "vouchers/VoucherTypeMaintenance.h"

frmComprobante::frmComprobante(Session &session, const QString &nodeCode, QWidget *parent)
    : MaintenanceWindow(session, nodeCode,
                        std::make_unique<VoucherTypeMaintenance>(session, nodeCode), parent)
{
    setObjectName(QStringLiteral("frmComprobante"));
}
