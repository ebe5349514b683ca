#include "calendar/PeriodMonths.h"

namespace PeriodMonths {

const QStringList &Columns()
{
    static const QStringList columns{"Enero",      "Febrero", "Marzo",     "Abril",
                                     "Mayo",       "Junio",   "Julio",     "Agosto",
                                     "Septiembre", "Octubre", "Noviembre", "Diciembre"};
    return columns;
}

QString Column(int month)
{
    return month >= 1 && month <= 12 ? Columns().at(month - 1) : QString();
}

QString ColumnList(const QString &prefix)
{
    QStringList names;
    for (const QString &c : Columns())
        names << prefix + c;
    return names.join(QLatin1Char(','));
}

} // namespace PeriodMonths
