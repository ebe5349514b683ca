#pragma once

#include "ledger/masterdata/ui/MaintenanceWindow.h"

// Types of supporting documents.
class frmDocumento : public MaintenanceWindow
{
    Q_OBJECT
public:
    explicit frmDocumento(Session &session,
                          const QString &nodeCode = QStringLiteral("mnu_documentos"),
                          QWidget *parent = nullptr);
};
