#pragma once

#include "platform/report/ReportLayout.h"

#include <vector>

class ReportData;

// Where the groups of a report break and what their sums and counts come to, worked out
// before the first page so that a group header, or the heading of a page, may show a total
// of rows it has not reached yet. Totals are exact whole numbers (amounts in thousandths).
class GroupTotals
{
public:
    struct Slot
    {
        ReportScope scope = ReportScope::Report;
        int level = -1;  // Group scope: the group
        int column = -1; // the summed column; CountRows, or NoColumn for a sum of nothing
    };
    static constexpr int CountRows = -1;
    static constexpr int NoColumn = -2;

    // `keyColumns` holds the column of each group's key, outermost first (-1: a constant).
    GroupTotals(const ReportData &data, const std::vector<int> &keyColumns,
                std::vector<Slot> accumulators);

    int groupCount() const { return m_groups; }
    // The outermost group that starts again at `row`; groupCount() when none does. The first
    // row starts them all.
    int levelChange(int row) const { return m_levelChange[size_t(row)]; }
    // What `row` adds to `slot`.
    qint64 contribution(int slot, int row) const;
    // Report or group total of `slot` for the group `row` belongs to.
    qint64 total(int slot, int row) const;
    const std::vector<Slot> &accumulators() const { return m_slots; }

private:
    const ReportData &m_data;
    int m_groups = 0;
    std::vector<Slot> m_slots;
    std::vector<int> m_levelChange;             // [row]
    std::vector<std::vector<int>> m_occurrence; // [level][row] -> which run of the group
    std::vector<std::vector<qint64>> m_totals;  // [slot][occurrence]
};
