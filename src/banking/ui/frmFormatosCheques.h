#pragma once

#include "ledger/masterdata/ui/MaintenanceWindow.h"

// The cheque print formats.
class frmFormatosCheques : public MaintenanceWindow
{
    Q_OBJECT
public:
    explicit frmFormatosCheques(Session &session,
                                const QString &nodeCode = QStringLiteral("mnu_formatoscheque"),
                                QWidget *parent = nullptr);
};
