#include "platform/Db.h"
#include "platform/MigrationRunner.h"
#include "schema/LedgerSchema.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {

const QString Line = QStringLiteral(
    "INSERT INTO MOVIMIENTO (Empresa, Matriz, TipoComprobante, NumeroComprobante, Usuario, "
    "Linea, Cuenta, Fecha, Documento) VALUES ('E01', 'E01', '001', ?, 'ANA', 1, '110101001', ?, "
    "?)");

// A database as the previous version of the program left it, with a voucher line in it.
class VoucherCoreUpgradeTest : public ::testing::Test
{
protected:
    VoucherCoreUpgradeTest()
    {
        auto migrations = LedgerMigrations();
        migrations.resize(2);
        MigrationRunner(db(), migrations).migrate();
        db().exec("INSERT INTO COMPROBANTE (Codigo, Nombre, Consolidacion) "
                  "VALUES ('001', 'DIARIO', 1)");
        db().exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre) VALUES ('110101001', 'CAJA')");
        db().exec(Line, {"1", QDate(2025, 3, 14), "F-0001"});
        EXPECT_EQ(MigrationRunner(db(), LedgerMigrations()).migrate(),
                  int(LedgerMigrations().size()) - 2);
    }
    Db &db() { return data.db(); }
    int linesInMarch()
    {
        return db()
            .scalar("SELECT COUNT(*) FROM MOVIMIENTO WHERE Fecha >= ? AND Fecha < ?",
                    {QDate(2025, 3, 1), QDate(2025, 4, 1)})
            .toInt();
    }
    // The plan the engine chooses for `sql`, as one text. PostgreSQL is told to avoid
    // sequential scans, which it prefers on tables this small.
    QString plan(const QString &sql)
    {
        QSqlQuery query(db().handle());
        const bool postgres = db().engine() == Engine::Postgres;
        if (postgres)
            query.exec("SET enable_seqscan = off");
        EXPECT_TRUE(query.exec((postgres ? "EXPLAIN " : "EXPLAIN QUERY PLAN ") + sql));
        QStringList lines;
        while (query.next())
            lines << query.value(query.record().count() - 1).toString();
        if (postgres)
            query.exec("RESET enable_seqscan");
        return lines.join('\n').toUpper();
    }

    TestDatabase data{TestDatabase::Content::Empty};
};

TEST_F(VoucherCoreUpgradeTest, KeepsTheBooksAndTakesTwentyCharacterDocuments)
{
    EXPECT_EQ(linesInMarch(), 1);
    const QString invoice = "00-123456789012345-7"; // as withholding vouchers write them
    ASSERT_EQ(invoice.size(), 20);
    db().exec(Line, {"2", QDate(2025, 3, 15), invoice});
    EXPECT_EQ(
        db().scalar("SELECT Documento FROM MOVIMIENTO WHERE NumeroComprobante = '2'").toString(),
        invoice);
}

TEST_F(VoucherCoreUpgradeTest, ADateWrittenAsYYYYMMDDNeverLandsOutsideItsMonth)
{
    // SQLite refuses the text outright; PostgreSQL's DATE reads it as the day it names.
    // Either way no line can sit outside every month range.
    int number = 10;
    for (const char *bad : {"20250320", "2025-3-20", "2025-02-30", "14/03/2025"}) {
        try {
            db().exec(Line, {QString::number(++number), QString(bad), ""});
        } catch (const DbError &) {
            continue;
        }
        EXPECT_EQ(db().engine(), Engine::Postgres) << bad;
    }
    EXPECT_EQ(linesInMarch(), db().scalar("SELECT COUNT(*) FROM MOVIMIENTO").toInt());
    // Updates are held to the same rule, and a date may still be left empty where allowed.
    if (db().engine() == Engine::Sqlite)
        EXPECT_THROW(db().exec("UPDATE MOVIMIENTO SET Fecha = '20250301'"), DbError);
    db().exec("UPDATE MOVIMIENTO SET Fechadoc = NULL, FechaCreacion = ?", {QDate(2025, 3, 1)});
}

TEST_F(VoucherCoreUpgradeTest, EachControlFlagMarksOneVoucherTypeAtMost)
{
    EXPECT_THROW(db().exec("INSERT INTO COMPROBANTE (Codigo, Nombre, Consolidacion) "
                           "VALUES ('002', 'OTRA CONSOLIDACION', 1)"),
                 DbError);
    int code = 0;
    for (const char *flag : {"AjustePorInflacion", "Depreciacion", "AjusteDifCambio"}) {
        db().exec(QString("INSERT INTO COMPROBANTE (Codigo, Nombre, %1) VALUES ('A%2', 'X', 1)")
                      .arg(flag)
                      .arg(++code));
        EXPECT_THROW(db().exec(QString("INSERT INTO COMPROBANTE (Codigo, Nombre, %1) "
                                       "VALUES ('B%2', 'Y', 1)")
                                   .arg(flag)
                                   .arg(code)),
                     DbError)
            << flag;
    }
    // Unflagged types are as many as anyone wants.
    db().exec("INSERT INTO COMPROBANTE (Codigo, Nombre) VALUES ('003', 'A')");
    db().exec("INSERT INTO COMPROBANTE (Codigo, Nombre) VALUES ('004', 'B')");
}

TEST_F(VoucherCoreUpgradeTest, TheVoucherReadsUseTheirIndexes)
{
    // Enough lines, spread over companies, head offices, numbers and days, for the planners'
    // statistics to tell the indexes apart.
    db().exec(QString("INSERT INTO MOVIMIENTO (Empresa, Matriz, TipoComprobante, "
                      "NumeroComprobante, Usuario, Linea, Cuenta, Fecha, Documento) "
                      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                      "WHERE i < 3000) "
                      "SELECT 'E0' || (i % 5), 'M' || (i % 3), '001', CAST(i AS VARCHAR(10)), "
                      "'ANA', 1, '110101001', %1, 'F-' || i FROM n")
                  .arg(db().dialect().addDays("'2020-01-01'", "i")));
    db().execScript({"ANALYZE"});
    EXPECT_TRUE(plan("SELECT Linea FROM MOVIMIENTO WHERE Empresa = 'E01' AND Matriz = 'M1' "
                     "AND TipoComprobante = '001' AND NumeroComprobante = '16' "
                     "AND Fecha >= '2025-03-01' AND Fecha < '2025-04-01'")
                    .contains("IX_MOVIMIENTO_COMPROBANTE"));
    EXPECT_TRUE(plan("SELECT Cuenta FROM MOVIMIENTO WHERE Matriz = 'M1' "
                     "AND Fecha >= '2025-03-01' AND Fecha < '2025-04-01'")
                    .contains("IX_MOVIMIENTO_MATRIZ_FECHA"));
    EXPECT_TRUE(plan("SELECT Linea FROM MOVIMIENTO WHERE Empresa = 'E01' AND Matriz = 'M1' "
                     "AND Tercero = '*' AND TipoDocumento = '*' AND Documento = 'F-16'")
                    .contains("IX_MOVIMIENTO_DOCUMENTO"));
}

} // namespace
