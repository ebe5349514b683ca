#include "banking/ui/frmChequesBancos.h"

#include "banking/BankChequeMaintenance.h"

frmChequesBancos::frmChequesBancos(Session &session, const QString &nodeCode, QWidget *parent)
    : MaintenanceWindow(session, nodeCode,
                        std::make_unique<BankChequeMaintenance>(session, nodeCode), parent)
{
    setObjectName(QStringLiteral("frmChequesBancos"));
}
