#pragma once

#include <QString>

class Db;

// Gives up the voucher a user holds in the work area of a company: its lines and the lines
// it generated for other companies are deleted and, for a voucher taken out for
// modification, the posted voucher goes back to the books as it was. One transaction.
namespace VoucherDiscard {

// False (nothing changed) when the user may not delete on `node`.
bool discard(Db &db, const QString &node, const QString &user, const QString &company,
             const QString &headOffice);

} // namespace VoucherDiscard
