#pragma once

#include "ledger/masterdata/ui/MaintenanceWindow.h"

// The bank cheques and the format each is printed with.
class frmChequesBancos : public MaintenanceWindow
{
    Q_OBJECT
public:
    explicit frmChequesBancos(Session &session,
                              const QString &nodeCode = QStringLiteral("mnu_chequesbanco"),
                              QWidget *parent = nullptr);
};
