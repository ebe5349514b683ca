#pragma once

#include "ledger/masterdata/ui/MaintenanceWindow.h"

// Third parties: suppliers, customers, banks and the tax authority.
class frmTercero : public MaintenanceWindow
{
    Q_OBJECT
public:
    explicit frmTercero(Session &session, const QString &nodeCode = QStringLiteral("mnu_terceros"),
                        QWidget *parent = nullptr);
};
