#pragma once

#include "ledger/masterdata/ui/MaintenanceWindow.h"

// Voucher types.
class frmComprobante : public MaintenanceWindow
{
    Q_OBJECT
public:
    explicit frmComprobante(Session &session,
                            const QString &nodeCode = QStringLiteral("mnu_tiposcomprobante"),
                            QWidget *parent = nullptr);
};
