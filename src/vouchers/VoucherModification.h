#pragma once

#include <QString>

class Db;

// Taking a posted voucher out for modification.
namespace VoucherModification {

// Marks the posted lines of the voucher (company, head office, the month of `year`, type and
// number) as out for modification: their Usuario becomes "-", which every voucher list and
// the duplicate-document check skip, while their amounts stay in the books until the
// approval replaces them. Returns the procedure's Error: 0 when it took the voucher, 1 when
// no line of it was found with a user (already out, or absent). The update itself decides
// between two users asking for the same voucher at once: only one of them changes rows.
// Runs in the caller's transaction.
int AnularComprobante(Db &db, const QString &company, const QString &headOffice, int month,
                      int year, const QString &type, const QString &number);

} // namespace VoucherModification
