#pragma once

#include <QString>

// Reversible character substitution that keeps the database password of srvsql.txt from
// being read at a glance. It is not encryption: the file must still be protected.
namespace PasswordScrambler {
// Fills the substitution tables (idempotent; both directions call it).
void InitPasswordTable();
QString ScramblePassword(const QString &plain);
QString UnscramblePassword(const QString &scrambled);
} // namespace PasswordScrambler
