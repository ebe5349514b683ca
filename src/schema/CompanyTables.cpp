#include "schema/LedgerTables.h"

namespace LedgerTables {

namespace {

TableDef systemName()
{
    TableDef t("SISTEMAS");
    t.text("NombreSistema", 50, true)
        .text("Descripcion", 200)
        .withDefault("''")
        .text("Version", 20)
        .withDefault("''")
        .primaryKey({"NombreSistema"});
    return t;
}

TableDef parameters()
{
    TableDef t("PARAMETRO");
    // The table holds exactly one row. Inserts never name this column, so a second
    // row would repeat its default and the key refuses it. Text, because SQLite turns an
    // integer key into the row number and ignores the default.
    t.code("Id", 1).withDefault("'1'");
    t.integer("CantDigCuenta").text("NombreIDEmpresa", 20).withDefault("''").flag("AplicaRetBase");
    // Account codes stay free text: an unset account is stored empty, which no
    // foreign key would accept.
    for (const char *account :
         {"UtilidadEjercicio", "PerdidaEjercicio", "UtilidadAcumulada", "PerdidaAcumulada",
          "IngresoDiferenciaCambio", "GastoDiferenciaCambio"})
        t.text(account, AccountCode).withDefault("''");
    t.rate("PorcRetIVA")
        .flag("CierreAjusteInflacion")
        .flag("CierreAjusteDifCambio")
        .flag("ExportarConsolidado")
        .text("RutaReporte", 255)
        .withDefault("''")
        .text("ServidorNexlar", HostName)
        .withDefault("''")
        .text("UsuarioNexlar", 50)
        .withDefault("''")
        .text("PasswordNexlar", 100)
        .withDefault("''")
        .primaryKey({"Id"});
    return t;
}

TableDef companies()
{
    TableDef t("EMPRESA");
    t.code("Codigo", CompanyCode)
        .text("Nombre", Name, true)
        .integer("Tipo", true, "1")
        .code("CodigoMatriz", CompanyCode);
    for (const char *column :
         {"Representante", "Direccion", "Ciudad", "Telefono1", "Telefono2", "Fax"})
        t.text(column, 200).withDefault("''");
    t.integer("Mes", true, "12")
        .integer("Ano")
        .flag("AgenteRetencion")
        .text("CuentaPorCobrar", AccountCode)
        .withDefault("''")
        .flag("ExcentaDeImpuesto");
    for (const char *system : {"Nomina", "Orvan"}) {
        const QString s = QString::fromLatin1(system);
        t.text("Servidor" + s, HostName).withDefault("''");
        t.text("BaseDatos" + s, 100).withDefault("''");
        t.text("Usuario" + s, 50).withDefault("''");
        t.text("Password" + s, 100).withDefault("''");
    }
    t.blob("Logo")
        .blob("Firma")
        .flag("Status", "1")
        // Codes are unique on their own: the statements join a company to its head office
        // by code alone. The pair is what the per-company tables carry and refer to.
        .primaryKey({"Codigo"})
        .unique({"Codigo", "CodigoMatriz"})
        .index({"CodigoMatriz"});
    return t;
}

TableDef userCompanies()
{
    TableDef t("USUARIOEMPRESA");
    t.code("Usuario", UserCode)
        .code("Empresa", CompanyCode)
        .code("Matriz", CompanyCode)
        .primaryKey({"Usuario", "Empresa", "Matriz"})
        .index({"Empresa", "Matriz"})
        .foreignKey({"Usuario"}, "USUARIOS", {"CodUsuario"}, false, true)
        .foreignKey({"Empresa", "Matriz"}, "EMPRESA", {"Codigo", "CodigoMatriz"}, true, true);
    return t;
}

TableDef periods()
{
    TableDef t("PERIODO");
    t.code("Empresa", CompanyCode).code("Matriz", CompanyCode).integer("Ano");
    for (const char *month : {"Enero", "Febrero", "Marzo", "Abril", "Mayo", "Junio", "Julio",
                              "Agosto", "Septiembre", "Octubre", "Noviembre", "Diciembre"})
        t.flag(month);
    t.primaryKey({"Empresa", "Matriz", "Ano"});
    return t;
}

TableDef reportAudit()
{
    // Rows are written positionally, so the table has exactly these six columns.
    TableDef t("AUDITORIAREPORTE");
    t.timestamp("FechaHora", true)
        .text("Usuario", UserCode)
        .text("DireccionIp", IpAddress)
        .text("NombreEquipo", HostName)
        .text("Reporte", 255)
        .text("Consulta")
        .index({"FechaHora"});
    return t;
}

} // namespace

std::vector<TableDef> companyTables()
{
    return {systemName(), parameters(), companies(), userCompanies(), periods(), reportAudit()};
}

} // namespace LedgerTables
