#include "common/grid/GridFind.h"

#include "common/DecimalText.h"
#include "common/Money.h"
#include "common/grid/GridModel.h"

namespace {

constexpr int NumberScale = 6;

std::optional<qint64> numberOf(const QString &text)
{
    return DecimalText::parse(text.trimmed(), QLatin1Char('.'), {}, NumberScale);
}

QString withoutTrailingBlanks(QString text)
{
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text;
}

} // namespace

std::optional<FindCondition> FindCondition::forColumn(int column, FieldKind kind, FindMode mode,
                                                      const QString &value)
{
    switch (kind) {
    case FieldKind::Number:
        return FindCondition{column, Test::NumberEquals, value.trimmed()};
    case FieldKind::Amount:
        return FindCondition{column, Test::AmountEquals, value.trimmed()};
    case FieldKind::Text:
        return FindCondition{
            column, mode == FindMode::WholeValue ? Test::TextEquals : Test::TextContains, value};
    default:
        return std::nullopt;
    }
}

bool FindCondition::matches(const QVariant &cell) const
{
    if (cell.isNull())
        return false;
    switch (test) {
    case Test::NumberEquals: {
        // Typed with a point or a comma; stored as an integer, a double or exact text.
        const auto wanted = DecimalText::parseTyped(value, NumberScale);
        const auto found = numberOf(cell.toString());
        return wanted && found && *wanted == *found;
    }
    case Test::AmountEquals: {
        // "1.234,50" as the workstation shows it, or "1234.5" as typed in an amount box.
        auto wanted = Money::parse(value, QLocale());
        if (!wanted)
            wanted = Money::parseTyped(value);
        return wanted && wanted->equalToCent(Money::fromSql(cell));
    }
    case Test::TextEquals:
        return withoutTrailingBlanks(cell.toString())
                   .compare(withoutTrailingBlanks(value), Qt::CaseInsensitive) == 0;
    case Test::TextContains:
        return cell.toString().contains(value, Qt::CaseInsensitive);
    }
    return false;
}

int FindRow(GridModel &model, const FindCondition &condition, int startRow)
{
    for (int row = std::max(0, startRow); model.fetchUpTo(row); ++row) {
        if (condition.matches(model.value(row, condition.column)))
            return row;
    }
    return -1;
}
