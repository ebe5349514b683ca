#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>

// What a column holds, as far as the grids care: it decides the cell type and which
// conditions a search may use.
// Amount columns hold thousandths (Money); a grid only knows them when told, since the
// database hands them over as plain integers.
enum class FieldKind { Number, Text, Boolean, Date, Amount, Other };

FieldKind FieldKindOf(QMetaType type);

// How a grid shows and edits a column.
// Amount: two decimals with the workstation's separators, from thousandths.
enum class ColumnFormat { Plain, Number, CheckBox, Date, DropDown, Amount };

// The cell type a column gets when a grid is filled: numbers right-aligned, booleans as
// check boxes, everything else as text.
ColumnFormat DefaultFormatFor(FieldKind kind);

// One column of a grid filled from a statement.
struct GridColumn
{
    QString name;
    FieldKind kind = FieldKind::Other;
    // "~HDN" columns carry flags of the row back to the caller and are never shown.
    bool hidden = false;
    // The "Status" column is drawn as a state rather than as its number.
    bool status = false;
    ColumnFormat format = ColumnFormat::Plain;
    bool editable = false;
    QStringList items; // choices of a drop-down column

    static GridColumn fromField(const QString &name, QMetaType type);
};
