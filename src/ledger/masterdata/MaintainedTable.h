#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

// How a maintenance window shows and stores one column.
enum class MasterFieldKind {
    Text,
    Flag,   // 0/1, a check box
    Choice, // one of `choices`, or a code of the table `choicesQuery` reads
    Money,  // an amount, typed with two decimals
    Rate,   // a percentage, typed with up to six decimals
};

// One entry of a choice list: the value stored and the text shown.
struct FieldChoice
{
    int value = 0;
    QString text;
};

struct MaintainedField
{
    MaintainedField() = default;
    MaintainedField(QString columnName, QString shownCaption,
                    MasterFieldKind fieldKind = MasterFieldKind::Text)
        : column(std::move(columnName))
        , caption(std::move(shownCaption))
        , kind(fieldKind)
    {
    }

    QString column;
    QString caption;
    MasterFieldKind kind = MasterFieldKind::Text;
    bool required = false;
    int maxLength = 0;
    bool upperOnLeave = false; // the window upper-cases the text when the field loses focus
    bool upperOnSave = false;  // the service stores it upper-cased whatever was typed
    bool rejectsDot = false;   // "." cannot be typed
    std::vector<FieldChoice> choices;
    bool asOptions = false; // a choice shown as option buttons rather than a list
    // A choice among the rows of a table: "SELECT code, name ..."; the code is stored.
    QString choicesQuery;
    // A detail account, picked from the account lookup.
    bool accountLookup = false;
    // Placed to the right of the field before it (PJ and PN values side by side).
    bool beside = false;
    int defaultChoice = 0;
    // What leaving this field with a text proposes for the choice `proposes`, as long as the
    // user has not chosen it himself (the kind of person a RIF's letter tells).
    QString proposes;
    std::optional<int> (*proposal)(const QString &text) = nullptr;

    bool boundToTable() const { return kind == MasterFieldKind::Choice && !choicesQuery.isEmpty(); }
    bool numeric() const { return kind == MasterFieldKind::Money || kind == MasterFieldKind::Rate; }
};

// A column of another table that keeps a code in use where no foreign key says so.
struct CodeUse
{
    QString table;
    QString column;
};

// The listing printed from a maintenance window through one of the generic code-table
// layouts, which take a title and up to `pairs` label/value columns.
struct TableListing
{
    QString reportFile; // "crpTablas.rpt"
    QString title;      // "Regimen"
    QString heading;    // what the layout prints after "LISTADO DE "
    int pairs = 3;
    std::vector<std::pair<QString, QString>> columns; // label and column of C
};

// A small master table as its maintenance window works with it. The first field is the
// code that identifies a row (the column Codigo of most tables, but not of all).
struct MaintainedTable
{
    QString table;
    QString caption;
    QString node;
    std::vector<MaintainedField> fields;
    // The "*" row that movement lines point to when they have nothing; never shown.
    bool hasPlaceholder = true;
    // Rows the system keeps for itself, never shown, edited, deleted or listed here.
    QStringList reservedCodes;
    std::vector<CodeUse> usedBy;
    TableListing listing;

    const MaintainedField &codeField() const { return fields.front(); }
    const MaintainedField *field(const QString &column) const;
    QStringList columns() const;
};
