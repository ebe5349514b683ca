#include "schema/LedgerTables.h"

namespace LedgerTables {

namespace {

TableDef accounts()
{
    TableDef t("CUENTACONTABLE");
    t.code("Codigo", AccountCode)
        .text("Nombre", 150, true)
        // "0" for a first-level account, so no foreign key.
        .code("CodigoPadre", AccountCode)
        .withDefault("'0'")
        .integer("Nivel", true, "1")
        .flag("EsPadre");
    for (const char *flag :
         {"Centrodecosto", "AjusteInflacion", "ManejaDoc", "ManejaDocAnexos", "ManejaTerc",
          "ManejaReteFuente", "ActivoFijo", "Depreciable", "AjustDifCambio", "ControlPago",
          "CuentaCierreTerc", "CuentaLibroCompras", "CuentaLibroVentas", "ManejaRetIVA",
          "Consolidacion"})
        t.flag(flag);
    // Linked accounts are empty when the flag that needs them is off.
    for (const char *linked :
         {"CuentaRetIVA", "CuentaAjuste", "CuentaCorrMonetAjust", "CuentaGastos",
          "CuentaDepAcumulada", "CuentaDepAcumuladaAjus", "CuentaCorrMonetAjustDep"})
        t.text(linked, AccountCode).withDefault("''");
    t.flag("CuentaBanco")
        .code("TerceroBanco", PartyCode)
        .withDefault("'*'")
        .flag("TransferenciaElectronica")
        .text("NumeroCuenta", 20)
        .withDefault("''")
        .text("CuentaRetFuente", AccountCode)
        .withDefault("''")
        .flag("Status", "1")
        .primaryKey({"Codigo"})
        .index({"CodigoPadre"})
        // Correcting a third party's code must not leave the bank account pointing at the
        // old one.
        .foreignKey({"TerceroBanco"}, "TERCERO", {"Codigo"}, true, false);
    return t;
}

TableDef accountCostCentres()
{
    TableDef t("CUENTACENTROCOSTO");
    t.code("CodigoCuenta", AccountCode)
        .code("CodigoCentroCosto", CostCentreCode)
        // Share of the account's amounts; the shares of one account total 100.
        .rate("Porcentaje")
        .primaryKey({"CodigoCuenta", "CodigoCentroCosto"})
        .index({"CodigoCentroCosto"})
        .foreignKey({"CodigoCuenta"}, "CUENTACONTABLE", {"Codigo"}, false, true)
        .foreignKey({"CodigoCentroCosto"}, "CENTROCOSTO", {"Codigo"});
    return t;
}

TableDef accountConcepts()
{
    TableDef t("CUENTACONCEPTORET");
    t.code("CodigoCuenta", AccountCode)
        .code("CodigoConcepto", ConceptCode)
        .primaryKey({"CodigoCuenta", "CodigoConcepto"})
        .index({"CodigoConcepto"})
        .foreignKey({"CodigoCuenta"}, "CUENTACONTABLE", {"Codigo"}, false, true)
        .foreignKey({"CodigoConcepto"}, "CONCEPTORET", {"Codigo"});
    return t;
}

TableDef productLineAccounts()
{
    TableDef t("CUENTACONTABLELINEA");
    t.code("CodigoLinea", 20)
        .text("Nombre", Name, true)
        // A new line is inserted first and given its account by the update that follows.
        .code("CodigoContable", AccountCode, false)
        .primaryKey({"CodigoLinea"})
        .foreignKey({"CodigoContable"}, "CUENTACONTABLE", {"Codigo"});
    return t;
}

} // namespace

std::vector<TableDef> accountTables()
{
    return {accounts(), accountCostCentres(), accountConcepts(), productLineAccounts()};
}

} // namespace LedgerTables
