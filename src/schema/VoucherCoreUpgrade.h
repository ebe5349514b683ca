#pragma once

#include "platform/TableDef.h"

#include <QStringList>
#include <vector>

class Db;

// SQLite triggers that refuse any date column value that is not an ISO "YYYY-MM-DD" day.
QStringList IsoDateChecks(const std::vector<TableDef> &tables);

// The schema changes the voucher core needs on top of the first schema: 20-character
// documents, ISO dates enforced on SQLite, the indexes of approval, annulment and the
// document checks, and one voucher type per control flag.
void UpgradeForVoucherCore(Db &db);
