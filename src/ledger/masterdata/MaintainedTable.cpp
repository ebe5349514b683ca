#include "ledger/masterdata/MaintainedTable.h"

const MaintainedField *MaintainedTable::field(const QString &column) const
{
    for (const MaintainedField &f : fields)
        if (f.column.compare(column, Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

QStringList MaintainedTable::columns() const
{
    QStringList names;
    for (const MaintainedField &f : fields)
        names << f.column;
    return names;
}
