#include "schema/LedgerTables.h"

namespace LedgerTables {

namespace {

TableDef parties()
{
    TableDef t("TERCERO");
    t.code("Codigo", PartyCode)
        .text("Nombre", 150, true)
        .text("Direccion", 200)
        .withDefault("''")
        // 0 legal entity, 1 natural person, 2 foreigner.
        .integer("TipoPersona")
        .text("TipoRegimen", 10)
        .withDefault("''")
        .text("Telefono1", 30)
        .withDefault("''")
        .text("Telefono2", 30)
        .withDefault("''")
        .flag("SujetoAReteFuente")
        .flag("SujetoAReteIVA")
        .flag("Tributario")
        .flag("TransferenciaElectronica")
        .text("CuentaBanco", 20)
        .withDefault("''")
        .text("CodigoBanco", 11)
        .withDefault("''")
        .text("Email", 100)
        .withDefault("''")
        .text("Contacto", 100)
        .withDefault("''")
        // '1' savings, '2' current account.
        .text("TipoCuentaBanco", 1)
        .withDefault("''")
        .primaryKey({"Codigo"})
        .index({"Nombre"});
    return t;
}

TableDef codeAndName(const char *table, int codeWidth)
{
    TableDef t(QString::fromLatin1(table));
    t.code("Codigo", codeWidth).text("Nombre", Name, true).primaryKey({"Codigo"});
    return t;
}

TableDef documentTypes()
{
    TableDef t("DOCUMENTO");
    t.code("Codigo", DocumentTypeCode)
        .text("Nombre", Name, true)
        .text("Observacion", 255)
        .withDefault("''")
        .flag("CompraExcenta")
        .flag("Status", "1")
        .primaryKey({"Codigo"});
    return t;
}

TableDef retentionConcepts()
{
    TableDef t("CONCEPTORET");
    t.code("Codigo", ConceptCode)
        .text("Descripcion", 255, true)
        // The base is the share of the amount subject to retention, a percentage; the
        // deduction is an amount.
        .rate("BasePJ")
        .rate("BasePN")
        .money("DeduccionPJ")
        .money("DeduccionPN")
        .rate("PorcentajePJ")
        .rate("PorcentajePN")
        .text("AliasCodigoPJ", ConceptCode)
        .withDefault("''")
        .text("AliasCodigoPN", ConceptCode)
        .withDefault("''")
        .text("CuentaRetencionPJ", AccountCode)
        .withDefault("''")
        .text("CuentaRetencionPN", AccountCode)
        .withDefault("''")
        .primaryKey({"Codigo"});
    return t;
}

TableDef taxRates()
{
    TableDef t("VARIACIONIMPUESTO");
    t.date("FechaDesde", true)
        // Null for the rate in force.
        .date("FechaHasta")
        .rate("Impuesto")
        .rate("Impuesto2")
        .primaryKey({"FechaDesde"});
    return t;
}

TableDef voucherTypes()
{
    TableDef t("COMPROBANTE");
    t.code("Codigo", VoucherTypeCode).text("Nombre", Name, true);
    for (const char *flag : {"ActivoFijo", "AjustePorInflacion", "Depreciacion", "AjusteDifCambio",
                             "RetencionIVA", "Consolidacion", "Egreso"})
        t.flag(flag);
    t.flag("Status", "1").primaryKey({"Codigo"});
    return t;
}

TableDef voucherCounters()
{
    TableDef t("CORRCOMPROBANTE");
    t.code("CodigoComprobante", VoucherTypeCode)
        .code("Empresa", CompanyCode)
        .code("Matriz", CompanyCode)
        .flag("Continuo");
    for (const char *month : {"Enero", "Febrero", "Marzo", "Abril", "Mayo", "Junio", "Julio",
                              "Agosto", "Septiembre", "Octubre", "Noviembre", "Diciembre"})
        t.integer(month);
    t.integer("Ano")
        .integer("NumeroContinuo")
        // The counter that hands out numbers must be one row, or two workstations could
        // each advance a copy and issue the same number.
        .primaryKey({"CodigoComprobante", "Empresa", "Matriz", "Ano"})
        .index({"Empresa", "Matriz", "Ano"})
        // A type can only be deleted while no line uses it (MOVIMIENTO refers to it), and
        // then its counters go with it: leaving them would block re-creating the code.
        .foreignKey({"CodigoComprobante"}, "COMPROBANTE", {"Codigo"}, false, true);
    return t;
}

} // namespace

std::vector<TableDef> masterTables()
{
    return {parties(),       codeAndName("REGIMEN", 10), codeAndName("CENTROCOSTO", CostCentreCode),
            documentTypes(), retentionConcepts(),        taxRates(),
            voucherTypes(),  voucherCounters()};
}

} // namespace LedgerTables
