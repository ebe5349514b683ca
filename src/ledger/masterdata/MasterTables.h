#pragma once

#include "ledger/masterdata/MaintainedTable.h"

// The small master tables that need nothing beyond the common maintenance pattern.
namespace MasterTables {

// REGIMEN, window frmContribuyente.
MaintainedTable Regimes(const QString &node = QStringLiteral("mnu_regimen"));
// CENTROCOSTO, window frmCentroCosto.
MaintainedTable CostCentres(const QString &node = QStringLiteral("mnu_centrocosto"));
// DOCUMENTO, window frmDocumento.
MaintainedTable Documents(const QString &node = QStringLiteral("mnu_documentos"));

// A code and a name in capitals: the shape most code tables have.
MaintainedField CodeField(int maxLength);
MaintainedField NameField(int maxLength = 100);

} // namespace MasterTables
