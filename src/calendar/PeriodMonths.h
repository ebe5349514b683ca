#pragma once

#include <QString>
#include <QStringList>

// The twelve month columns that PERIODO and CORRCOMPROBANTE carry, January first. Statements
// name a month's column from this list only, never from what the user typed.
namespace PeriodMonths {

const QStringList &Columns();
// Column of month 1-12; empty for any other number.
QString Column(int month);
// "Enero,Febrero,...,Diciembre", for column lists.
QString ColumnList(const QString &prefix = {});

} // namespace PeriodMonths
