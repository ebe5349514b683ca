#include "vouchers/VoucherTypeMaintenance.h"

#include "ledger/masterdata/MasterTables.h"
#include "platform/Db.h"

namespace {
// The flags only one type may carry, in the order they are checked, with their refusals.
struct UniqueFlag
{
    const char *column;
    const char *message;
};
const UniqueFlag uniqueFlags[] = {
    {"AjustePorInflacion", "¡Existe un comprobante de control de ajuste por inflacion!"},
    {"Depreciacion", "¡Existe un comprobante de control de depreciacion!"},
    {"AjusteDifCambio", "¡Existe un comprobante de control de ajuste diferencia en cambio!"},
    {"Consolidacion", "¡Existe un comprobante de consolidación!"},
};
} // namespace

VoucherTypeMaintenance::VoucherTypeMaintenance(Session &session, const QString &node, QDate today)
    : TableMaintenance(session, Description(node))
    , m_today(today)
{
}

MaintainedTable VoucherTypeMaintenance::Description(const QString &node)
{
    MaintainedTable t;
    t.table = QStringLiteral("COMPROBANTE");
    t.caption = QStringLiteral("Comprobantes");
    t.node = node;
    // The opening-balance type is the system's own.
    t.reservedCodes = {QStringLiteral("999")};
    MaintainedField code = MasterTables::CodeField(3);
    code.upperOnSave = true;
    t.fields = {code, MasterTables::NameField(100)};
    const std::pair<const char *, const char *> flags[] = {
        {"ActivoFijo", "Activo fijo"},
        {"AjustePorInflacion", "Ajuste por inflación"},
        {"Depreciacion", "Depreciación"},
        {"AjusteDifCambio", "Ajuste por diferencia en cambio"},
        {"RetencionIVA", "Retención de IVA"},
        {"Consolidacion", "Consolidación"},
        {"Egreso", "Egreso"},
    };
    for (const auto &[column, caption] : flags)
        t.fields.emplace_back(QString::fromUtf8(column), QString::fromUtf8(caption),
                              MasterFieldKind::Flag);
    MaintainedField status{QStringLiteral("Status"), QStringLiteral("Estado"),
                           MasterFieldKind::Choice};
    status.choices = {{1, QStringLiteral("Activo")}, {0, QStringLiteral("Inactivo")}};
    status.asOptions = true;
    status.defaultChoice = 1;
    t.fields.push_back(status);
    t.listing = {QStringLiteral("crpTablas.rpt"),
                 QStringLiteral("Comprobantes"),
                 QStringLiteral("COMPROBANTES"),
                 3,
                 {{QStringLiteral("Nombre"), QStringLiteral("Nombre")}}};
    return t;
}

std::optional<QString> VoucherTypeMaintenance::checkRules(MasterRecord &record, Mode)
{
    const QString code = record.text(QStringLiteral("Codigo"));
    if (code == QLatin1String("999")) {
        refuse(QStringLiteral("Registro duplicado!"));
        return QStringLiteral("Codigo");
    }
    for (const UniqueFlag &f : uniqueFlags) {
        const QString column = QString::fromLatin1(f.column);
        if (!record.flag(column))
            continue;
        if (db().exists(QStringLiteral("SELECT 1 FROM COMPROBANTE WHERE Codigo <> ? AND %1 = 1")
                            .arg(column),
                        {code})) {
            refuse(QString::fromUtf8(f.message));
            record.set(column, 0); // the window clears the box
            return column;
        }
    }
    return std::nullopt;
}

void VoucherTypeMaintenance::afterWrite(const MasterRecord &record, Mode mode)
{
    if (mode != Mode::New)
        return;
    // Counters for the calendar year; period generation fills in the other years.
    db().exec(QStringLiteral(
                  "INSERT INTO CORRCOMPROBANTE (CodigoComprobante, Empresa, Matriz, Ano, Continuo, "
                  "NumeroContinuo, Enero, Febrero, Marzo, Abril, Mayo, Junio, Julio, Agosto, "
                  "Septiembre, Octubre, Noviembre, Diciembre) "
                  "SELECT ?, Codigo, CodigoMatriz, ?, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0 "
                  "FROM EMPRESA"),
              {record.text(QStringLiteral("Codigo")), m_today.year()});
}
