#include "schema/LedgerTables.h"

namespace LedgerTables {

namespace {

TableDef monthlyValues(const char *table, const char *valueColumn)
{
    TableDef t(QString::fromLatin1(table));
    t.integer("Ano").integer("Mes").rate(valueColumn).primaryKey({"Ano", "Mes"});
    return t;
}

TableDef assetCategories()
{
    // Category codes are numbers: ACTIVOFIJO.CodigoCategoria is written unquoted.
    TableDef t("CATEGORIAACTIVO");
    t.integer("Codigo", true, {}).text("Nombre", Name, true).primaryKey({"Codigo"});
    return t;
}

TableDef assets()
{
    TableDef t("ACTIVOFIJO");
    // Every company has a "*" row (type "*", category 0) that lines without an asset
    // point to, so neither the type nor the category can be a foreign key.
    t.code("Serial", 20)
        .code("Empresa", CompanyCode)
        .code("Matriz", CompanyCode)
        .code("TipoActivo", AccountCode)
        .integer("CodigoCategoria")
        .text("Marca", 50)
        .withDefault("''")
        .text("Modelo", 50)
        .withDefault("''")
        .date("FechaAdq")
        .date("FechaDep")
        .integer("MesDepreciacion")
        .text("Descripcion", 255)
        .withDefault("''")
        // 1 in service; anything else retired.
        .integer("Status", true, "1")
        .primaryKey({"Empresa", "Matriz", "Serial"});
    return t;
}

} // namespace

std::vector<TableDef> assetTables()
{
    return {monthlyValues("TRM", "Valor"), monthlyValues("IPC", "Porcentaje"), assetCategories(),
            assets()};
}

} // namespace LedgerTables
