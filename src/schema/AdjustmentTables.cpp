#include "schema/AdjustmentTables.h"

#include "platform/Db.h"
#include "schema/LedgerTables.h"
#include "schema/VoucherCoreUpgrade.h"

namespace LedgerTables {

std::vector<TableDef> adjustmentTables()
{
    // One row per company, month and kind of adjustment run ("IPC" inflation and
    // depreciation, "TRM" exchange difference): its presence closes the month for that run.
    TableDef control("CONTROLAJUSTE");
    control.code("Empresa", CompanyCode)
        .code("Matriz", CompanyCode)
        .integer("Ano")
        .integer("Mes")
        .code("TipoAjuste", 3)
        .primaryKey({"Empresa", "Matriz", "Ano", "Mes", "TipoAjuste"});

    // One row per asset and adjusted month.
    TableDef asset("MOVAJUSTEDEPRECACTIVOFIJO");
    asset.code("Empresa", CompanyCode)
        .code("Matriz", CompanyCode)
        .code("Serial", 20)
        .date("Fecha", true)
        .money("ValorRealHistorico")
        .money("AjusteAcumulado")
        .money("AjustadoMesAnterior")
        .rate("IPC")
        .money("Ajuste")
        .money("ValorRealAjustado")
        .money("Depreciacion")
        .money("DepreciacionAjustar")
        .money("AjusteDepreciacion")
        .money("DepreciacionAcumulada")
        .primaryKey({"Empresa", "Matriz", "Serial", "Fecha"});
    return {control, asset};
}

} // namespace LedgerTables

void InstallAdjustmentTables(Db &db)
{
    const auto tables = LedgerTables::adjustmentTables();
    for (const TableDef &table : tables)
        if (!db.hasTable(table.name))
            db.execScript(db.dialect().createTable(table));
    if (db.engine() == Engine::Sqlite)
        db.execScript(IsoDateChecks(tables));
}
