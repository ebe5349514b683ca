#pragma once

#include <QString>

// The heading a grid shows over a column of a statement. Statements name their columns as the
// database does ("CodMatriz", "TipoPersona", and on PostgreSQL in lower case); the user reads
// Spanish words. Names not known here keep their words, split and capitalised.
namespace ColumnHeadings {

QString forColumn(const QString &name);

} // namespace ColumnHeadings
