#pragma once

class Db;

// Creates the record of the monthly adjustment runs (CONTROLAJUSTE and
// MOVAJUSTEDEPRECACTIVOFIJO) in a database that does not have it yet.
void InstallAdjustmentTables(Db &db);
