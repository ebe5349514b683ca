#pragma once

#include "ledger/masterdata/ui/MaintenanceWindow.h"

// Tax regimes of third parties.
class frmContribuyente : public MaintenanceWindow
{
    Q_OBJECT
public:
    explicit frmContribuyente(Session &session,
                              const QString &nodeCode = QStringLiteral("mnu_regimen"),
                              QWidget *parent = nullptr);
};
