#include "schema/LedgerSchema.h"
#include "common/Money.h"
#include "common/Rate.h"
#include "platform/Db.h"
#include "platform/MigrationRunner.h"
#include "schema/LedgerTables.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

namespace {

struct Line
{
    QString company = QStringLiteral("E01");
    QString type = QStringLiteral("001");
    QString number = QStringLiteral("1");
    QString user = QStringLiteral("ANA");
    int line = 1;
    QString account = QStringLiteral("110101001");
    QDate date = QDate(2025, 3, 14);
    QString party = QStringLiteral("*");
    Money debit{};
    Money credit{};
};

const char *const LineColumns = "Empresa, Matriz, TipoComprobante, NumeroComprobante, Usuario, "
                                "Linea, Cuenta, Fecha, Tercero, ValorDebito, ValorCredito";

QVariantList values(const Line &l)
{
    return {l.company, l.company, l.type,  l.number,        l.user,          l.line,
            l.account, l.date,    l.party, l.debit.toSql(), l.credit.toSql()};
}

void post(Db &db, const Line &l)
{
    db.exec(QStringLiteral("INSERT INTO MOVIMIENTO (%1) VALUES (?,?,?,?,?,?,?,?,?,?,?)")
                .arg(QLatin1String(LineColumns)),
            values(l));
}

void putInWorkArea(Db &db, const Line &l)
{
    db.exec(QStringLiteral("INSERT INTO REGISTRO (%1, UsuarioCreador) "
                           "VALUES (?,?,?,?,?,?,?,?,?,?,?,?)")
                .arg(QLatin1String(LineColumns)),
            values(l) << l.user);
}

qlonglong count(Db &db, const QString &sql, const QVariantList &params = {})
{
    return db.scalar(sql, params).toLongLong();
}

class LedgerSchemaTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        db().exec("INSERT INTO COMPROBANTE (Codigo, Nombre) VALUES ('001', 'DIARIO')");
        db().exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre, CodigoPadre, Nivel) "
                  "VALUES ('110101001', 'CAJA PRINCIPAL', '110101', 5)");
    }

    Db &db() { return m_database.db(); }

    TestDatabase m_database;
};

TEST(LedgerMigrationTest, BuildsEveryTableOnAnEmptyDatabaseOnce)
{
    TestDatabase database(TestDatabase::Content::Empty);
    MigrationRunner runner(database.db(), LedgerMigrations());
    EXPECT_EQ(runner.migrate(), runner.latestVersion());
    EXPECT_FALSE(runner.needsUpgrade());
    for (const TableDef &table : LedgerTables::allTables())
        EXPECT_TRUE(database.db().hasTable(table.name)) << table.name.toStdString();
    EXPECT_EQ(MigrationRunner(database.db(), LedgerMigrations()).migrate(), 0);
}

TEST_F(LedgerSchemaTest, HoldsExactlyOneParameterRow)
{
    EXPECT_EQ(count(db(), "SELECT COUNT(*) FROM PARAMETRO"), 1);
    // The parameters window inserts without naming a key when it finds the table empty;
    // a second such insert must not create a second row.
    EXPECT_THROW(db().exec("INSERT INTO PARAMETRO (CantDigCuenta) VALUES (10)"), DbError);
}

TEST_F(LedgerSchemaTest, OneUserWorksInACompanyFromOneWorkstationOnly)
{
    db().exec(
        "INSERT INTO USUARIOS (CodUsuario, NombreUsuario, Paswod) VALUES ('ANA', 'Ana', 'x')");
    const QString insert =
        QStringLiteral("INSERT INTO SESIONUSUARIO (Empresa, Matriz, Usuario, Fecha, NombreEquipo) "
                       "VALUES (?, ?, 'ANA', '20250314', ?)");
    db().exec(insert, {"E01", "E01", "pc1"});
    EXPECT_THROW(db().exec(insert, {"E01", "E01", "pc2"}), DbError);
    db().exec(insert, {"E02", "E01", "pc2"});
    EXPECT_THROW(db().exec(insert, {"E03", "E03", "pc2"}), DbError) << "one row per workstation";
    // Taking over a workstation's row must not slip past the rule either.
    EXPECT_THROW(db().exec("UPDATE SESIONUSUARIO SET Empresa = 'E01', Matriz = 'E01' "
                           "WHERE NombreEquipo = 'pc2'"),
                 DbError);
    EXPECT_EQ(count(db(), "SELECT COUNT(*) FROM SESIONUSUARIO"), 2);
}

TEST_F(LedgerSchemaTest, AnAccountInUseCannotBeDeleted)
{
    post(db(), {.debit = Money::fromUnits(10)});
    EXPECT_THROW(db().exec("DELETE FROM CUENTACONTABLE WHERE Codigo = '110101001'"), DbError);
    EXPECT_TRUE(db().exists("SELECT 1 FROM CUENTACONTABLE WHERE Codigo = '110101001'"));

    db().exec("DELETE FROM MOVIMIENTO");
    putInWorkArea(db(), {.debit = Money::fromUnits(10)});
    EXPECT_THROW(db().exec("DELETE FROM CUENTACONTABLE WHERE Codigo = '110101001'"), DbError)
        << "a line in a user's work area holds the account too";
}

TEST_F(LedgerSchemaTest, DeletingAnUnusedAccountTakesItsLinksAlong)
{
    db().exec("INSERT INTO CENTROCOSTO (Codigo, Nombre) VALUES ('ADM', 'ADMINISTRACION')");
    db().exec("INSERT INTO CONCEPTORET (Codigo, Descripcion) VALUES ('002', 'HONORARIOS')");
    db().exec("INSERT INTO CUENTACENTROCOSTO (CodigoCuenta, CodigoCentroCosto, Porcentaje) "
              "VALUES ('110101001', 'ADM', ?)",
              {Rate::fromInteger(100).toSql()});
    db().exec("INSERT INTO CUENTACONCEPTORET (CodigoCuenta, CodigoConcepto) "
              "VALUES ('110101001', '002')");
    EXPECT_THROW(db().exec("DELETE FROM CENTROCOSTO WHERE Codigo = 'ADM'"), DbError);

    EXPECT_EQ(db().exec("DELETE FROM CUENTACONTABLE WHERE Codigo = '110101001'"), 1);
    EXPECT_EQ(count(db(), "SELECT COUNT(*) FROM CUENTACENTROCOSTO"), 0);
    EXPECT_EQ(count(db(), "SELECT COUNT(*) FROM CUENTACONCEPTORET"), 0);
}

TEST_F(LedgerSchemaTest, ACorrectedThirdPartyCodeFollowsIntoTheLines)
{
    db().exec("INSERT INTO TERCERO (Codigo, Nombre) VALUES ('J-1234567', 'ACME')");
    post(db(), {.party = "J-1234567", .debit = Money::fromUnits(5)});
    putInWorkArea(db(), {.party = "J-1234567", .credit = Money::fromUnits(5)});

    db().exec("UPDATE TERCERO SET Codigo = 'J-12345678' WHERE Codigo = 'J-1234567'");
    EXPECT_EQ(db().scalar("SELECT Tercero FROM MOVIMIENTO"), QVariant("J-12345678"));
    EXPECT_EQ(db().scalar("SELECT Tercero FROM REGISTRO"), QVariant("J-12345678"));
    EXPECT_THROW(db().exec("DELETE FROM TERCERO WHERE Codigo = 'J-12345678'"), DbError);
}

TEST_F(LedgerSchemaTest, AVoucherLineIsPostedOncePerMonth)
{
    post(db(), {.debit = Money::fromUnits(1)});
    EXPECT_THROW(post(db(), {.date = QDate(2025, 3, 30), .credit = Money::fromUnits(1)}), DbError);
    // Numbering starts again each month, and other companies have their own numbers.
    post(db(), {.date = QDate(2025, 4, 1), .debit = Money::fromUnits(1)});
    post(db(), {.date = QDate(2026, 3, 14), .debit = Money::fromUnits(1)});
    post(db(), {.company = "E02", .debit = Money::fromUnits(1)});
    post(db(), {.number = "2", .debit = Money::fromUnits(1)});
    // Lines that belong to no voucher have no key to repeat.
    for (int i = 0; i < 2; ++i) {
        post(db(), {.number = "-"});
        post(db(), {.user = "-"});
        post(db(), {.line = 0});
    }
    EXPECT_EQ(count(db(), "SELECT COUNT(*) FROM MOVIMIENTO"), 11);
}

TEST_F(LedgerSchemaTest, AUserHoldsOneVoucherPerCompanyInTheWorkArea)
{
    putInWorkArea(db(), {.number = ""});
    EXPECT_THROW(putInWorkArea(db(), {.number = "7"}), DbError);
    putInWorkArea(db(), {.company = "E02", .number = ""});
    putInWorkArea(db(), {.number = "", .user = "LUIS"});
}

TEST_F(LedgerSchemaTest, VoucherTypesKeepOneCounterRowAndGoOnlyWhenUnused)
{
    const QString counter =
        QStringLiteral("INSERT INTO CORRCOMPROBANTE (CodigoComprobante, Empresa, Matriz, Ano) "
                       "VALUES ('001', 'E01', 'E01', ?)");
    db().exec(counter, {2025});
    EXPECT_THROW(db().exec(counter, {2025}), DbError);
    db().exec(counter, {2026});

    post(db(), {.debit = Money::fromUnits(1)});
    EXPECT_THROW(db().exec("DELETE FROM COMPROBANTE WHERE Codigo = '001'"), DbError);
    db().exec("DELETE FROM MOVIMIENTO");
    db().exec("DELETE FROM COMPROBANTE WHERE Codigo = '001'");
    EXPECT_EQ(count(db(), "SELECT COUNT(*) FROM CORRCOMPROBANTE"), 0)
        << "stale counters would block re-creating the type";
}

TEST_F(LedgerSchemaTest, AmountsAndRatesRoundTripExactly)
{
    const Money big = Money::fromThousandths(123456789012345);
    post(db(), {.date = QDate(2024, 2, 29), .debit = big});
    post(db(), {.line = 2, .debit = big, .credit = Money::fromThousandths(1)});
    db().exec("UPDATE MOVIMIENTO SET TRM = ? WHERE Linea = 2",
              {Rate::fromMillionths(36123456).toSql()});

    const auto first = db().rows("SELECT ValorDebito, Fecha FROM MOVIMIENTO WHERE Linea = 1");
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(Money::fromSql(first[0].value(0)), big);
    EXPECT_EQ(first[0].value(1).toDate(), QDate(2024, 2, 29));
    EXPECT_EQ(Rate::fromSql(db().scalar("SELECT TRM FROM MOVIMIENTO WHERE Linea = 2")),
              Rate::fromMillionths(36123456));

    EXPECT_EQ(Money::fromSql(db().scalar("SELECT SUM(ValorDebito) FROM MOVIMIENTO")),
              Money::fromThousandths(246913578024690));
    EXPECT_EQ(Money::fromSql(db().scalar("SELECT SUM(ValorDebito - ValorCredito) FROM MOVIMIENTO")),
              Money::fromThousandths(246913578024689));
}

TEST_F(LedgerSchemaTest, UserAndCompanyDeletionsTakeTheirAssignmentsAlong)
{
    db().exec(
        "INSERT INTO USUARIOS (CodUsuario, NombreUsuario, Paswod) VALUES ('ANA', 'Ana', 'x')");
    db().exec("INSERT INTO EMPRESA (Codigo, Nombre, Tipo, CodigoMatriz) "
              "VALUES ('E01', 'MATRIZ', 1, 'E01'), ('E02', 'SUCURSAL', 0, 'E01')");
    db().exec("INSERT INTO USUARIOGRUPO (CodUsuario, CodGrupo) VALUES ('ANA', 'SUPERGRUPO')");
    db().exec("INSERT INTO USUARIOEMPRESA (Usuario, Empresa, Matriz) "
              "VALUES ('ANA', 'E01', 'E01'), ('ANA', 'E02', 'E01')");
    EXPECT_THROW(db().exec("INSERT INTO USUARIOEMPRESA (Usuario, Empresa, Matriz) "
                           "VALUES ('ANA', 'E02', 'E02')"),
                 DbError)
        << "E02 is a branch of E01";

    db().exec("DELETE FROM EMPRESA WHERE Codigo = 'E02'");
    EXPECT_EQ(count(db(), "SELECT COUNT(*) FROM USUARIOEMPRESA"), 1);
    db().exec("DELETE FROM USUARIOS WHERE CodUsuario = 'ANA'");
    EXPECT_EQ(count(db(), "SELECT COUNT(*) FROM USUARIOEMPRESA"), 0);
    EXPECT_EQ(count(db(), "SELECT COUNT(*) FROM USUARIOGRUPO"), 0);
}

} // namespace
