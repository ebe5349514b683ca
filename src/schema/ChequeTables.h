#pragma once

class Db;

// Creates the cheque print formats (FORMATOCHEQUE) and the bank cheques that use them
// (CHEQUESBANCO) with the two shipped formats, in a database that does not have them yet.
void InstallChequeTables(Db &db);
