#pragma once

#include "common/grid/GridColumn.h"

#include <QString>
#include <optional>

class GridModel;

// How the typed value of a search must meet a text cell.
enum class FindMode { WholeValue, PartOfValue };

// The condition of a search in one column of a grid. Numbers are compared as numbers,
// amounts to the cent as the workstation types them; texts whole or in part, ignoring case
// and trailing blanks.
struct FindCondition
{
    enum class Test { NumberEquals, AmountEquals, TextEquals, TextContains };

    int column = -1;
    Test test = Test::TextEquals;
    QString value;

    // The condition a column's field type allows; none for flags, dates and other types,
    // which are not searched.
    static std::optional<FindCondition> forColumn(int column, FieldKind kind, FindMode mode,
                                                  const QString &value);
    bool matches(const QVariant &cell) const;
};

// The first row from `startRow` on whose cell meets `condition`, reading more rows of the
// model as needed; -1 when the rows run out.
int FindRow(GridModel &model, const FindCondition &condition, int startRow);
