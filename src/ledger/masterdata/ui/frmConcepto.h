#pragma once

#include "ledger/masterdata/ui/MaintenanceWindow.h"

// Income-tax retention concepts.
class frmConcepto : public MaintenanceWindow
{
    Q_OBJECT
public:
    explicit frmConcepto(Session &session,
                         const QString &nodeCode = QStringLiteral("mnu_conceptos"),
                         QWidget *parent = nullptr);
};
