#pragma once

#include <QString>

class ReportData;

// The row filter a caller may put on the rows of a command that is not a plain SELECT, in
// the recordset filter syntax the report requests were written with:
//   Cuenta = '1101' AND (Saldo > 0 OR Nombre LIKE 'CAJA*') AND Fecha >= #2024-01-31#
// Clauses are "column operator value" with =, <>, <, >, <=, >= and LIKE (wildcards * and %);
// values are 'text' (a doubled quote inside), numbers, #dates# or NULL. Texts compare
// without regard to case.
class RowFilter
{
public:
    // Keeps the rows that pass. Throws ReportError when the criteria do not read or name a
    // column the rows lack; the rows are then untouched.
    static void apply(ReportData &data, const QString &criteria);
};
