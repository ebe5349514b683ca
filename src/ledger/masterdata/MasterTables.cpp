#include "ledger/masterdata/MasterTables.h"

namespace MasterTables {

MaintainedField CodeField(int maxLength)
{
    MaintainedField f{QStringLiteral("Codigo"), QStringLiteral("Código")};
    f.required = true;
    f.maxLength = maxLength;
    return f;
}

MaintainedField NameField(int maxLength)
{
    MaintainedField f{QStringLiteral("Nombre"), QStringLiteral("Nombre")};
    f.required = true;
    f.maxLength = maxLength;
    // A toolbar click does not take the focus, so the name may never be left: the service
    // upper-cases it too.
    f.upperOnLeave = true;
    f.upperOnSave = true;
    return f;
}

MaintainedTable Regimes(const QString &node)
{
    MaintainedTable t;
    t.table = QStringLiteral("REGIMEN");
    t.caption = QStringLiteral("Regimen");
    t.node = node;
    t.fields = {CodeField(10), NameField()};
    t.hasPlaceholder = false;
    // Third parties name their regime without a key to hold it.
    t.usedBy = {{QStringLiteral("TERCERO"), QStringLiteral("TipoRegimen")}};
    t.listing = {QStringLiteral("crpTablas.rpt"),
                 QStringLiteral("Regimen"),
                 QStringLiteral("REGIMEN"),
                 3,
                 {{QStringLiteral("Nombre"), QStringLiteral("Nombre")}}};
    return t;
}

MaintainedTable CostCentres(const QString &node)
{
    MaintainedTable t;
    t.table = QStringLiteral("CENTROCOSTO");
    t.caption = QStringLiteral("Centro de Costo");
    t.node = node;
    t.fields = {CodeField(15), NameField()};
    t.listing = {QStringLiteral("crpTablas.rpt"),
                 QStringLiteral("Centros de Costos"),
                 QStringLiteral("CENTROS DE COSTOS"),
                 3,
                 {{QStringLiteral("Nombre"), QStringLiteral("Nombre")}}};
    return t;
}

MaintainedTable Documents(const QString &node)
{
    MaintainedTable t;
    t.table = QStringLiteral("DOCUMENTO");
    t.caption = QStringLiteral("Documentos");
    t.node = node;
    MaintainedField code = CodeField(3);
    // The withholding and voucher rules look for "FC", "NC" ... in capitals.
    code.upperOnLeave = true;
    code.upperOnSave = true;
    MaintainedField remark{QStringLiteral("Observacion"), QStringLiteral("Observación")};
    remark.maxLength = 255;
    MaintainedField exempt{
        QStringLiteral("CompraExcenta"),
        QStringLiteral("Documento de factura exenta (Libro de compras y Ventas)"),
        MasterFieldKind::Flag};
    MaintainedField status{QStringLiteral("Status"), QStringLiteral("Estado"),
                           MasterFieldKind::Choice};
    status.choices = {{1, QStringLiteral("Activo")}, {0, QStringLiteral("Inactivo")}};
    status.asOptions = true;
    status.defaultChoice = 1;
    t.fields = {code, NameField(), remark, exempt, status};
    t.listing = {QStringLiteral("crpDocumento.rpt"),
                 QStringLiteral("Documentos"),
                 QStringLiteral("DOCUMENTOS"),
                 2,
                 {{QStringLiteral("Nombre"), QStringLiteral("Nombre")},
                  {QStringLiteral("Observación"), QStringLiteral("Observacion")}}};
    return t;
}

} // namespace MasterTables
