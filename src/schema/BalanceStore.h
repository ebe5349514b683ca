#pragma once

#include "platform/ConnectionSettings.h"
#include "platform/TableDef.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class Db;

// The balance store: SALDOCUENTA (debits and credits per company, account, month and class
// of voucher) and SALDOTERCERO (the same per third party). Triggers on MOVIMIENTO keep both
// equal to the sums of the posted lines, whoever writes them, so reports read a month's sums
// here instead of adding up every line since the start of the year.
namespace BalanceStore {

// `Clase` of a balance row: which kind of voucher the sums come from.
enum class VoucherClass { Ordinary = 0, Opening = 1, Closing = 2 };
inline const QString OpeningVoucherType = QStringLiteral("999");
inline const QString ClosingVoucherType = QStringLiteral("099");

std::vector<TableDef> tables();
// The triggers on MOVIMIENTO, for `engine`.
QStringList triggerStatements(Engine engine);

// Creates the tables and triggers and fills them from the books (a migration step).
void install(Db &db);
// Empties the store and adds up MOVIMIENTO again, in the caller's transaction or its own.
void rebuild(Db &db);

// The first row where the store and the books disagree.
struct Difference
{
    QString table; // SALDOCUENTA or SALDOTERCERO
    QString key;   // "Empresa/Matriz/Cuenta[/Tercero] Ano-Mes clase N"
    qint64 storedDebit = 0, storedCredit = 0;
    qint64 postedDebit = 0, postedCredit = 0;

    // In words, for the command line.
    QString text() const;
};
// Compares the store with the sums over MOVIMIENTO; nothing when they agree.
std::optional<Difference> verify(Db &db);

} // namespace BalanceStore
