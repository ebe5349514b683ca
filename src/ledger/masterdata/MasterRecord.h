#pragma once

#include "common/Money.h"
#include "common/Rate.h"

#include <QString>
#include <QVariantMap>

// The values of one row of a maintained table by column: texts as QString, flags and list
// choices as int, amounts as Money and percentages as Rate. A window may put the typed text
// of an amount or a percentage instead; the service reads it with the workstation's
// separators.
class MasterRecord
{
public:
    MasterRecord() = default;

    void set(const QString &column, const QVariant &value) { m_values.insert(column, value); }
    bool contains(const QString &column) const { return m_values.contains(column); }
    QVariant value(const QString &column) const { return m_values.value(column); }

    QString text(const QString &column) const { return m_values.value(column).toString(); }
    int number(const QString &column) const { return m_values.value(column).toInt(); }
    bool flag(const QString &column) const { return number(column) != 0; }
    Money money(const QString &column) const;
    Rate rate(const QString &column) const;

    const QVariantMap &values() const { return m_values; }

private:
    QVariantMap m_values;
};
