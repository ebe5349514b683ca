#include "ledger/masterdata/MasterRecord.h"

Money MasterRecord::money(const QString &column) const
{
    const QVariant v = m_values.value(column);
    return v.metaType() == QMetaType::fromType<Money>() ? v.value<Money>() : Money();
}

Rate MasterRecord::rate(const QString &column) const
{
    const QVariant v = m_values.value(column);
    return v.metaType() == QMetaType::fromType<Rate>() ? v.value<Rate>() : Rate();
}
