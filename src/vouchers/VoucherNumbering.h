#pragma once

#include <QString>

class Db;

// Issues voucher numbers from the counters of CORRCOMPROBANTE.
namespace VoucherNumbering {

// Next number of voucher type `type` for the company in `month` of `year`, advancing its
// counter: the month's counter, or NumeroContinuo for a type numbered continuously. A missing
// counter row for that year is created on the spot, carrying Continuo and NumeroContinuo
// from the previous year's row. Runs inside the caller's transaction (or its own when there
// is none), so a rollback gives the number back. The counter row is locked by the update
// itself until the transaction ends: two workstations never get the same number.
int InicializarComprobante(Db &db, const QString &type, const QString &company,
                           const QString &headOffice, int year, int month);

} // namespace VoucherNumbering
