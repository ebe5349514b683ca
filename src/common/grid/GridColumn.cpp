#include "common/grid/GridColumn.h"

FieldKind FieldKindOf(QMetaType type)
{
    switch (type.id()) {
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Float:
    case QMetaType::Double:
        return FieldKind::Number;
    case QMetaType::QString:
    case QMetaType::QChar:
        return FieldKind::Text;
    case QMetaType::Bool:
        return FieldKind::Boolean;
    case QMetaType::QDate:
    case QMetaType::QDateTime:
    case QMetaType::QTime:
        return FieldKind::Date;
    default:
        return FieldKind::Other;
    }
}

ColumnFormat DefaultFormatFor(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Number:
        return ColumnFormat::Number;
    case FieldKind::Boolean:
        return ColumnFormat::CheckBox;
    case FieldKind::Amount:
        return ColumnFormat::Amount;
    default:
        return ColumnFormat::Plain;
    }
}

GridColumn GridColumn::fromField(const QString &name, QMetaType type)
{
    GridColumn column;
    column.name = name;
    column.kind = FieldKindOf(type);
    column.hidden = name.contains(QLatin1String("~HDN"), Qt::CaseInsensitive);
    // PostgreSQL folds unquoted aliases to lower case.
    column.status = name.compare(QLatin1String("Status"), Qt::CaseInsensitive) == 0;
    column.format = DefaultFormatFor(column.kind);
    return column;
}
