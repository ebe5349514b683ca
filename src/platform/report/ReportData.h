#pragma once

#include <QHash>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>
#include <vector>

// The rows a report is filled with, plus named values that hold for the whole report
// (heading lines, the company's logo). Names are found without regard to case, since
// PostgreSQL lower-cases the column aliases that SQLite keeps as written.
class ReportData
{
public:
    ReportData() = default;
    ReportData(QStringList columns, std::vector<QVariantList> rows);
    static ReportData fromRecords(const std::vector<QSqlRecord> &records);

    const QStringList &columns() const { return m_columns; }
    int rowCount() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }
    const QVariantList &row(int index) const { return m_rows[size_t(index)]; }
    // Position of the first column called `name`, or -1.
    int columnIndex(const QString &name) const;

    void setParameter(const QString &name, const QVariant &value);
    bool hasParameter(const QString &name) const;
    QVariant parameter(const QString &name) const;
    bool has(const QString &name) const { return columnIndex(name) >= 0 || hasParameter(name); }

    // Keeps the rows for which `keep(row)` is true.
    template <typename Predicate> void keepRows(Predicate keep)
    {
        std::vector<QVariantList> kept;
        for (QVariantList &r : m_rows) {
            if (keep(r))
                kept.push_back(std::move(r));
        }
        m_rows = std::move(kept);
    }

private:
    void indexColumns();

    QStringList m_columns;
    std::vector<QVariantList> m_rows;
    QHash<QString, int> m_columnIndex;     // lower-cased name -> first position
    QHash<QString, QVariant> m_parameters; // lower-cased name -> value
};
