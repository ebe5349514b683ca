#include "banking/ui/frmFormatosCheques.h"

#include "banking/ChequeFormatMaintenance.h"
#include "ledger/masterdata/ui/MaintenanceForm.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

frmFormatosCheques::frmFormatosCheques(Session &session, const QString &nodeCode, QWidget *parent)
    : MaintenanceWindow(session, nodeCode,
                        std::make_unique<ChequeFormatMaintenance>(session, nodeCode), parent)
{
    setObjectName(QStringLiteral("frmFormatosCheques"));
    if (QLineEdit *number = form()->lineEdit(QStringLiteral("Numero")))
        number->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), number));
}
