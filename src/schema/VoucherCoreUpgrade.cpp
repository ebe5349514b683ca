#include "schema/VoucherCoreUpgrade.h"

#include "platform/Db.h"
#include "schema/LedgerTables.h"

namespace {

const QStringList LineTables{"MOVIMIENTO", "REGISTRO", "CONSOLIDACION"};

// Withholding vouchers carry the supplier's invoice number, which may have 20 characters.
// SQLite does not hold a text to its declared length, so only PostgreSQL needs the change.
void widenDocuments(Db &db)
{
    if (db.engine() != Engine::Postgres)
        return;
    for (const QString &table : LineTables)
        db.execScript(
            {QStringLiteral("ALTER TABLE %1 ALTER COLUMN Documento TYPE VARCHAR(20)").arg(table)});
}

} // namespace

// SQLite stores a date as whatever text it is given, and a "YYYYMMDD" literal would then fall
// outside every half-open month range and every voucher key. PostgreSQL's DATE type already
// refuses such text. SQLite cannot add a CHECK to an existing table without rebuilding it,
// so each table with dates gets a pair of triggers that act as one: a date must read back
// unchanged through date() with a modifier (which makes SQLite work the day out rather than
// echo the text), and only a real ISO "YYYY-MM-DD" day does.
QStringList IsoDateChecks(const std::vector<TableDef> &tables)
{
    QStringList statements;
    for (const TableDef &table : tables) {
        QStringList conditions;
        for (const ColumnDef &column : table.columns) {
            if (column.type == ColumnType::Date)
                conditions << QStringLiteral("(NEW.%1 IS NOT NULL AND "
                                             "NEW.%1 IS NOT date(NEW.%1, '+0 days'))")
                                  .arg(column.name);
        }
        if (conditions.isEmpty())
            continue;
        for (const char *event : {"INSERT", "UPDATE"}) {
            statements << QStringLiteral("CREATE TRIGGER CK_%1_FECHA_%2 BEFORE %2 ON %1 "
                                         "WHEN %3 BEGIN SELECT RAISE(ABORT, "
                                         "'%1: fecha que no tiene la forma AAAA-MM-DD'); END")
                              .arg(table.name, QLatin1String(event),
                                   conditions.join(QStringLiteral(" OR ")));
        }
    }
    return statements;
}

namespace {

QStringList movementIndexes()
{
    return {
        // Approval, annulment, printing and reconciliation find a voucher's lines.
        QStringLiteral("CREATE INDEX IX_MOVIMIENTO_Comprobante ON MOVIMIENTO "
                       "(Empresa, Matriz, TipoComprobante, NumeroComprobante, Fecha)"),
        // The consolidated books of a head office and all its branches.
        QStringLiteral("CREATE INDEX IX_MOVIMIENTO_Matriz_Fecha ON MOVIMIENTO (Matriz, Fecha)"),
        // Duplicate documents and the open documents of a third party.
        QStringLiteral("CREATE INDEX IX_MOVIMIENTO_Documento ON MOVIMIENTO "
                       "(Empresa, Matriz, Tercero, TipoDocumento, Documento)"),
    };
}

// Consolidation, inflation adjustment, depreciation and exchange difference each mark one
// voucher type at most: the processes that post them look the type up by its flag.
QStringList oneTypePerFlag()
{
    QStringList statements;
    for (const char *flag :
         {"Consolidacion", "AjustePorInflacion", "Depreciacion", "AjusteDifCambio"})
        statements << QStringLiteral("CREATE UNIQUE INDEX UX_COMPROBANTE_%1 ON COMPROBANTE (%1) "
                                     "WHERE %1 = 1")
                          .arg(QLatin1String(flag));
    return statements;
}

} // namespace

void UpgradeForVoucherCore(Db &db)
{
    widenDocuments(db);
    if (db.engine() == Engine::Sqlite)
        db.execScript(IsoDateChecks(LedgerTables::allTables()));
    db.execScript(movementIndexes());
    db.execScript(oneTypePerFlag());
}
