#pragma once

#include "ledger/masterdata/ui/MaintenanceWindow.h"

// Cost centres.
class frmCentroCosto : public MaintenanceWindow
{
    Q_OBJECT
public:
    explicit frmCentroCosto(Session &session,
                            const QString &nodeCode = QStringLiteral("mnu_centrocosto"),
                            QWidget *parent = nullptr);
};
