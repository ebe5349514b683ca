#pragma once

class Db;

// The schema changes the voucher core needs on top of the first schema: 20-character
// documents, ISO dates enforced on SQLite, the indexes of approval, annulment and the
// document checks, and one voucher type per control flag.
void UpgradeForVoucherCore(Db &db);
