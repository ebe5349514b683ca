#pragma once

#include <QDate>
#include <QString>

class Db;

// Closing a company's fiscal year: the closing voucher ("099") that brings the result
// accounts to zero, the opening voucher ("999") of the next fiscal year, and the company's
// last closed year moved on; or, for a mistake, the same undone.
namespace YearEndClosing {

enum Control : int {
    Closed = 0,
    PendingVoucher = 1,   // a line in a work area, or a voucher of the year out for modification
    AlreadyClosed = 2,    // EMPRESA.Ano at or past the year, or a "099" already on that date
    NoResultAccounts = 3, // UtilidadEjercicio / PerdidaEjercicio empty or not detail accounts
    NoInflationAdjustment = 4,
    NoExchangeAdjustment = 5,
    ActiveUsers = 6,    // another user or workstation has a session in the company
    NoTaxAuthority = 7, // no third party flagged Tributario
    PostingRefused = 8, // a voucher was refused (its month blocked, no period for it)
    Failed = 9,         // the database failed; nothing was written
};

// The message the closing window shows for `control`.
QString message(int control);

// Closes the fiscal year from `fechaInicial` to `fechaFinal` for the company, in one
// transaction; any code but 0 leaves the database as it was. `workstation` is the one the
// user closes from: his own session there does not count as another user's.
int CierreDelEjercicio(Db &db, QDate fechaInicial, QDate fechaFinal, const QString &empresa,
                       const QString &matriz, const QString &usuario, const QString &workstation);

enum class Reopening { Reopened, NotAllowed, NothingClosed };
// Undoes the last closing of the company: deletes its closing and opening vouchers and moves
// EMPRESA.Ano back one year, in one transaction, logged. Members of "SISTEMAS" only.
Reopening ReabrirEjercicio(Db &db, const QString &empresa, const QString &matriz,
                           const QString &usuario, const QString &ipAddress,
                           const QString &workstation);

} // namespace YearEndClosing
