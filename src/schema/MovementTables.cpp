#include "schema/LedgerTables.h"

namespace LedgerTables {

namespace {

// Company, voucher and line number: how every statement finds a line.
void addLineKey(TableDef &t)
{
    t.code("Empresa", CompanyCode)
        .code("Matriz", CompanyCode)
        .code("TipoComprobante", VoucherTypeCode)
        // Empty in the work area until the voucher is approved.
        .code("NumeroComprobante", VoucherNumber)
        .withDefault("''")
        .code("Usuario", UserCode)
        .integer("Linea");
}

enum class ConsolidationLink { Without, With };

// The columns a line carries in the books, the work area and the consolidation area alike.
void addLineBody(TableDef &t, ConsolidationLink link)
{
    t.code("Cuenta", AccountCode)
        .date("Fecha", true)
        // "*" rows exist in TERCERO, DOCUMENTO and CENTROCOSTO so the inner joins of the
        // voucher queries always find a row.
        .code("TipoDocumento", DocumentTypeCode)
        .withDefault("'*'")
        .text("Documento", DocumentNumber)
        .withDefault("''")
        .text("Documento2", 20)
        .withDefault("''")
        .text("Documento3", 20)
        .withDefault("''")
        .code("Tercero", PartyCode)
        .withDefault("'*'")
        .code("CentroCosto", CostCentreCode)
        .withDefault("'*'")
        .money("ValorDebito")
        .money("ValorCredito")
        .text("Descripcion", 255)
        .withDefault("''")
        .integer("GrupoLinea")
        .code("Serial", 20)
        .withDefault("'*'")
        .integer("TipoMovActivo")
        .rate("TRM")
        .money("DebitoUS")
        .money("CreditoUS")
        .date("FechaCreacion")
        .rate("PorcentajeImpuesto")
        .rate("PorcentajeImpuesto2")
        .code("EmpresaConsolidacion", CompanyCode)
        .withDefault("'0'")
        .code("TipoComprobanteConsolidacion", VoucherTypeCode)
        .withDefault("'0'")
        .code("NumeroComprobanteConsolidacion", VoucherNumber)
        .withDefault("'0'");
    if (link == ConsolidationLink::With)
        t.integer("LineaPertenece").integer("Tipo");
    // 0 pending, 2 reconciled by hand, 9 marked for revision.
    t.integer("Conciliado")
        .text("ConceptoRetencion", ConceptCode)
        .withDefault("''")
        .date("Fechadoc");
}

// An account, third party, document type, cost centre or voucher type in use by a line
// cannot be deleted; a corrected third-party code follows into the lines.
void addLineReferences(TableDef &t)
{
    t.foreignKey({"Cuenta"}, "CUENTACONTABLE", {"Codigo"})
        .foreignKey({"Tercero"}, "TERCERO", {"Codigo"}, true, false)
        .foreignKey({"TipoDocumento"}, "DOCUMENTO", {"Codigo"})
        .foreignKey({"CentroCosto"}, "CENTROCOSTO", {"Codigo"})
        .foreignKey({"TipoComprobante"}, "COMPROBANTE", {"Codigo"});
}

TableDef postedLines()
{
    TableDef t("MOVIMIENTO");
    // Voucher numbers start again every month and lines outside any voucher ("-" user or
    // number, line 0) have no natural key at all, so a line is identified by its own
    // number; the voucher key is a partial unique index (movementKeyStatements).
    t.autoKey("Id");
    addLineKey(t);
    addLineBody(t, ConsolidationLink::With);
    addLineReferences(t);
    t.index({"Empresa", "Matriz", "Fecha"})
        .index({"Cuenta", "Fecha"})
        .index({"Tercero"})
        .index({"EmpresaConsolidacion", "TipoComprobanteConsolidacion",
                "NumeroComprobanteConsolidacion"});
    return t;
}

TableDef workArea()
{
    TableDef t("REGISTRO");
    addLineKey(t);
    addLineBody(t, ConsolidationLink::Without);
    // The user who created the voucher; Usuario is whoever is editing it now.
    t.code("UsuarioCreador", UserCode);
    // Line numbers run per user and company: a user holds at most one voucher per company.
    t.primaryKey({"Usuario", "Empresa", "Matriz", "Linea"});
    addLineReferences(t);
    t.index({"Cuenta"}).index({"Tercero"});
    return t;
}

TableDef consolidationArea()
{
    TableDef t("CONSOLIDACION");
    t.autoKey("Id").code("EmpresaC", CompanyCode).code("MatrizC", CompanyCode);
    addLineKey(t);
    addLineBody(t, ConsolidationLink::With);
    addLineReferences(t);
    t.index({"EmpresaC", "MatrizC", "Usuario"}).index({"Cuenta"}).index({"Tercero"});
    return t;
}

TableDef modificationLog()
{
    TableDef t("BITACORAMODIFICACIONMOVIMIENTO");
    t.autoKey("Id")
        .code("Empresa", CompanyCode)
        .code("Matriz", CompanyCode)
        .integer("Ano")
        .integer("Mes")
        .code("TipoComprobante", VoucherTypeCode)
        .code("NumeroComprobante", VoucherNumber)
        .code("Usuario", UserCode)
        .timestamp("FechaModificacion", true)
        .text("DireccionIP", IpAddress)
        .text("NombreEquipo", HostName)
        .index({"Empresa", "Matriz", "Ano", "Mes"});
    return t;
}

TableDef approvalLog()
{
    // Rows are written positionally, so the table has exactly these six columns.
    TableDef t("MOVIMIENTO_USUARIOS");
    t.code("Empresa", CompanyCode)
        .code("Matriz", CompanyCode)
        .code("TipoComprobante", VoucherTypeCode)
        .code("NumeroComprobante", VoucherNumber)
        .code("Usuario", UserCode)
        .timestamp("FechaAprobacion", true)
        .index({"Empresa", "Matriz", "TipoComprobante", "NumeroComprobante"});
    return t;
}

} // namespace

std::vector<TableDef> movementTables()
{
    return {postedLines(), workArea(), consolidationArea(), modificationLog(), approvalLog()};
}

QStringList movementKeyStatements(Engine engine)
{
    // A voucher is its company, type, number and month; numbering restarts each month.
    const QString period = engine == Engine::Postgres
                               ? QStringLiteral("(EXTRACT(YEAR FROM Fecha)), "
                                                "(EXTRACT(MONTH FROM Fecha))")
                               : QStringLiteral("substr(Fecha, 1, 7)");
    // The markers that keep a line out of every voucher list are out of the key too.
    return {QStringLiteral("CREATE UNIQUE INDEX UX_MOVIMIENTO_Comprobante_Linea ON MOVIMIENTO "
                           "(Empresa, Matriz, TipoComprobante, NumeroComprobante, %1, Linea) "
                           "WHERE Linea > 0 AND Usuario NOT IN ('-', '*') "
                           "AND NumeroComprobante NOT IN ('-', '0') "
                           "AND TipoComprobante NOT IN ('-', '*')")
                .arg(period)};
}

} // namespace LedgerTables
