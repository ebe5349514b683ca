#pragma once

class Db;

// Rows that every database needs before its first login: the "*" placeholders and reserved
// voucher types, the parameters row, the system name, the administrator groups and the
// toolbar operations.
void InsertInitialData(Db &db);

// Adds the nodes of DefaultNavigationTree() that the database lacks, with the operations
// their windows offer, visible to "SISTEMAS" and (but for the menu-structure and
// system-name windows) to "SUPERGRUPO" with every operation granted. Nodes already present
// are left as the administrators arranged them, so a later migration that brings new windows
// calls this again. Returns the number of nodes added.
int InstallNavigationTree(Db &db);
