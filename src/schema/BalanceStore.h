#pragma once

#include "platform/ConnectionSettings.h"
#include "platform/TableDef.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class Db;

// The balance store: SALDOCUENTA (debits and credits per company, account, month and class
// of voucher), SALDOTERCERO (the same per third party) and SALDOMES (one row per company,
// account and month with the month's sums of each class and the debits and credits of the
// calendar year before it). Triggers on MOVIMIENTO keep all three equal to the sums of the
// posted lines, whoever writes them, so reports read a month's sums here instead of adding
// up every line since the start of the year, and SALDOMES answers any month with one row
// per account.
namespace BalanceStore {

// `Clase` of a balance row: which kind of voucher the sums come from.
enum class VoucherClass { Ordinary = 0, Opening = 1, Closing = 2 };
inline const QString OpeningVoucherType = QStringLiteral("999");
inline const QString ClosingVoucherType = QStringLiteral("099");

// SALDOMES keeps a row for every month from an account's first movement of a calendar year
// to December, so the running sums of any month are in that month's row.
inline const QString MonthTable = QStringLiteral("SALDOMES");

std::vector<TableDef> tables();
// The triggers on MOVIMIENTO, for `engine`.
QStringList triggerStatements(Engine engine);

// Migration steps. `install` creates SALDOCUENTA and SALDOTERCERO with triggers that keep
// them and fills them from the books; `installMonths` adds SALDOMES, fills it from
// SALDOCUENTA and replaces the triggers with ones that keep all three tables.
void install(Db &db);
void installMonths(Db &db);
// Empties the store and adds up MOVIMIENTO again, in the caller's transaction or its own.
void rebuild(Db &db);

// The first row where the store and the books disagree.
struct Difference
{
    QString table; // SALDOCUENTA, SALDOTERCERO or SALDOMES
    // "Empresa/Matriz/Cuenta[/Tercero] Ano-Mes clase N", or for SALDOMES
    // "Empresa/Matriz/Cuenta Ano-Mes anterior" (the running sums before the month)
    QString key;
    qint64 storedDebit = 0, storedCredit = 0;
    qint64 postedDebit = 0, postedCredit = 0;

    // In words, for the command line.
    QString text() const;
};
// Compares the store with the sums over MOVIMIENTO; nothing when they agree.
std::optional<Difference> verify(Db &db);

} // namespace BalanceStore
