#include "platform/report/ReportData.h"

ReportData::ReportData(QStringList columns, std::vector<QVariantList> rows)
    : m_columns(std::move(columns))
    , m_rows(std::move(rows))
{
    indexColumns();
}

ReportData ReportData::fromRecords(const std::vector<QSqlRecord> &records)
{
    QStringList columns;
    if (!records.empty()) {
        const QSqlRecord &first = records.front();
        for (int c = 0; c < first.count(); ++c)
            columns << first.fieldName(c);
    }
    std::vector<QVariantList> rows;
    rows.reserve(records.size());
    for (const QSqlRecord &record : records) {
        QVariantList row;
        row.reserve(record.count());
        for (int c = 0; c < record.count(); ++c)
            row << record.value(c);
        rows.push_back(std::move(row));
    }
    return ReportData(columns, std::move(rows));
}

void ReportData::indexColumns()
{
    m_columnIndex.clear();
    for (int c = 0; c < m_columns.size(); ++c) {
        const QString key = m_columns[c].toLower();
        if (!m_columnIndex.contains(key))
            m_columnIndex.insert(key, c);
    }
}

int ReportData::columnIndex(const QString &name) const
{
    return m_columnIndex.value(name.toLower(), -1);
}

void ReportData::setParameter(const QString &name, const QVariant &value)
{
    m_parameters.insert(name.toLower(), value);
}

bool ReportData::hasParameter(const QString &name) const
{
    return m_parameters.contains(name.toLower());
}

QVariant ReportData::parameter(const QString &name) const
{
    return m_parameters.value(name.toLower());
}
