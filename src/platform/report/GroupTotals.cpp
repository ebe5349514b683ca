#include "platform/report/GroupTotals.h"

#include "platform/report/FieldFormatter.h"
#include "platform/report/ReportData.h"

GroupTotals::GroupTotals(const ReportData &data, const std::vector<int> &keyColumns,
                         std::vector<Slot> accumulators)
    : m_data(data)
    , m_groups(int(keyColumns.size()))
    , m_slots(std::move(accumulators))
{
    const int rows = data.rowCount();
    const size_t groups = keyColumns.size();
    m_levelChange.assign(size_t(rows), int(groups));
    std::vector<QString> previous(groups);
    for (int r = 0; r < rows; ++r) {
        for (size_t g = 0; g < groups; ++g) {
            QString key = keyColumns[g] >= 0 ? data.row(r)[keyColumns[g]].toString() : QString();
            if ((r == 0 || key != previous[g]) && m_levelChange[size_t(r)] == int(groups))
                m_levelChange[size_t(r)] = int(g);
            previous[g] = std::move(key);
        }
    }

    m_occurrence.assign(groups, std::vector<int>(size_t(rows), 0));
    for (size_t g = 0; g < groups; ++g) {
        int occurrence = -1;
        for (int r = 0; r < rows; ++r) {
            if (m_levelChange[size_t(r)] <= int(g))
                ++occurrence;
            m_occurrence[g][size_t(r)] = occurrence;
        }
    }

    m_totals.assign(m_slots.size(), {});
    for (size_t s = 0; s < m_slots.size(); ++s) {
        const Slot &slot = m_slots[s];
        if (slot.scope == ReportScope::Report) {
            m_totals[s].assign(1, 0);
            for (int r = 0; r < rows; ++r)
                m_totals[s][0] += contribution(int(s), r);
        } else if (slot.scope == ReportScope::Group && slot.level >= 0 && rows > 0) {
            const std::vector<int> &occurrence = m_occurrence[size_t(slot.level)];
            m_totals[s].assign(size_t(occurrence.back() + 1), 0);
            for (int r = 0; r < rows; ++r)
                m_totals[s][size_t(occurrence[size_t(r)])] += contribution(int(s), r);
        }
    }
}

qint64 GroupTotals::contribution(int slot, int row) const
{
    const int column = m_slots[size_t(slot)].column;
    if (column == CountRows)
        return 1;
    if (column < 0)
        return 0;
    return FieldFormatter::wholeNumber(m_data.row(row)[column]).value_or(0);
}

qint64 GroupTotals::total(int slot, int row) const
{
    const Slot &s = m_slots[size_t(slot)];
    if (s.scope == ReportScope::Report)
        return m_totals[size_t(slot)][0];
    if (s.scope != ReportScope::Group || row < 0 || s.level < 0)
        return 0;
    return m_totals[size_t(slot)][size_t(m_occurrence[size_t(s.level)][size_t(row)])];
}
