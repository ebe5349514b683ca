#pragma once

#include <QString>

class Db;

// The next free number of a numbered column: its maximum plus one, 1 for an empty table.
// `table` and `column` are names from the caller's code, never typed text; anything but a
// plain identifier is refused. Throws DbError when the maximum is not a whole number.
qint64 NextCode(Db &db, const QString &table, const QString &column);

// Digits of an account code, as the parameters set them; 0 before they are set.
int AccountDigits(Db &db);
