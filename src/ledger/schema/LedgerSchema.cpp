#include "ledger/schema/LedgerSchema.h"

std::vector<Migration> LedgerMigrations()
{
    return {};
}
