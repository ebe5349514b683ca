#include "common/grid/CatalogService.h"

#include "common/Prompter.h"
#include "common/grid/CatalogPicker.h"
#include "common/grid/GridModel.h"

namespace {
const QString SilentFlag = QStringLiteral("SinMsj");
}

CatalogArguments CatalogArguments::from(const QVariantList &parameters)
{
    CatalogArguments arguments;
    for (const QVariant &p : parameters) {
        if (p.typeId() == QMetaType::QString && p.toString() == SilentFlag)
            arguments.silent = true;
        else
            arguments.values << p;
    }
    return arguments;
}

CatalogResult ShowCatalog(Db &db, Prompter &prompter, CatalogPicker &picker,
                          const QVariantList &parameters, const QString &command,
                          const QStringList &amountColumns)
{
    const CatalogArguments arguments = CatalogArguments::from(parameters);
    GridModel rows;
    rows.open(db, command, arguments.values);
    for (const QString &name : amountColumns)
        rows.setColumnFormat(rows.columnIndex(name), ColumnFormat::Amount);

    CatalogResult result;
    for (int i = 0; i < rows.columnCount(); ++i)
        result.values << QString();
    if (rows.rowCount() == 0) {
        if (!arguments.silent)
            prompter.warning(CatalogNoDataMessage);
        return result;
    }
    result.recordCount = rows.totalRows();
    if (rows.rowCount() == 1 && rows.allFetched()) {
        result.values = rows.rowTexts(0);
        return result;
    }
    const std::optional<int> row = picker.pick(rows);
    if (row && *row >= 0 && *row < rows.rowCount())
        result.values = rows.rowTexts(*row);
    return result;
}
