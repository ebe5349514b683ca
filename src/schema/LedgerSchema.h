#pragma once

#include "platform/Migration.h"

#include <vector>

// Every migration of the one Valdoria database, oldest first.
std::vector<Migration> LedgerMigrations();
