#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <optional>

class CatalogPicker;
class Db;
class Prompter;

// What a lookup hands back to the window that asked for it.
struct CatalogResult
{
    // One text per column of the statement, hidden ones included, in their order; all empty
    // when nothing was picked. values[0] is the code the caller asked for.
    QStringList values;
    // Rows of the statement; set whenever the statement found any (the session keeps it as
    // gCatalogoRegistros), left unset when it found none.
    std::optional<int> recordCount;

    bool picked() const { return !values.isEmpty() && !values.first().isEmpty(); }
    // The value of column `n`, counting from 1 as callers name them; empty past the end.
    QString element(int n) const { return values.value(n - 1); }
};

// The values of a lookup's "?" parameters, in order, and whether "SinMsj" was among them.
struct CatalogArguments
{
    QVariantList values;
    bool silent = false;

    static CatalogArguments from(const QVariantList &parameters);
};

inline const QString CatalogNoDataMessage = QStringLiteral("No hay datos registrados.");

// The lookup every code field uses. Runs `command` with `parameters` bound to its "?" in
// order ("SinMsj" anywhere among them is not a value: it silences the empty-list message).
// No row: the message, unless silenced, and an empty result. One row: taken at once,
// without a window. More: `picker` shows them and the picked row comes back. Throws
// DbError when the statement fails. The columns named in `amountColumns` hold amounts in
// thousandths: the picker shows them with two decimals and the result carries "##0.00".
CatalogResult ShowCatalog(Db &db, Prompter &prompter, CatalogPicker &picker,
                          const QVariantList &parameters, const QString &command,
                          const QStringList &amountColumns = {});
