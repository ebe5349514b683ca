#include "demo/DemoCompany.h"
#include "demo/DemoChart.h"
#include "ledger/masterdata/Rif.h"

#include "common/Session.h"
#include "platform/PasswordHash.h"
#include "shell/CompanySelection.h"
#include "shell/DatabaseSetup.h"
#include "shell/LoginService.h"
#include "support/Printers.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

// One demo for all the checks: it is only read.
class DemoCompanyTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        database = new TestDatabase(TestDatabase::Content::Empty);
        summary = DemoCompany::Create(database->db(), QDate(2026, 3, 15));
    }
    static void TearDownTestSuite()
    {
        delete database;
        database = nullptr;
    }

    static Db &db() { return database->db(); }
    static QStringList column(const QString &sql)
    {
        QStringList values;
        for (const QSqlRecord &r : db().rows(sql))
            values << r.value(0).toString();
        return values;
    }
    static int count(const QString &sql) { return db().scalar(sql).toInt(); }

    static TestDatabase *database;
    static DemoCompany::Summary summary;
};

TestDatabase *DemoCompanyTest::database = nullptr;
DemoCompany::Summary DemoCompanyTest::summary;

TEST_F(DemoCompanyTest, ItIsMadeOnceOnAFreshDatabase)
{
    EXPECT_GE(summary.accounts, 300);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CUENTACONTABLE"), summary.accounts);
    EXPECT_THROW(DemoCompany::Create(db(), QDate(2026, 3, 15)), DbError);
    EXPECT_EQ(count("SELECT COUNT(*) FROM EMPRESA"), 2);
}

TEST_F(DemoCompanyTest, VoucherTypesLeaveTheReservedCodesFreeAndFlagsHaveOneTypeEach)
{
    // "099" and "999" are the system's own closing and opening types, nothing of the demo's.
    EXPECT_EQ(column("SELECT Codigo FROM COMPROBANTE WHERE Codigo IN "
                     "('006', '007', '009', '099', '999') ORDER BY Codigo"),
              QStringList({"099", "999"}));
    for (const char *flag :
         {"Consolidacion", "AjustePorInflacion", "Depreciacion", "AjusteDifCambio"})
        EXPECT_EQ(count(QString("SELECT COUNT(*) FROM COMPROBANTE WHERE %1 = 1").arg(flag)), 1)
            << flag;
}

TEST_F(DemoCompanyTest, TheCurrentAccountsThatPayHaveTheirChequesOnTheShippedFormats)
{
    EXPECT_EQ(column("SELECT C.Codigo || '=' || F.Nombre FROM CHEQUESBANCO C INNER JOIN "
                     "FORMATOCHEQUE F ON C.NumeroFormato = F.Numero ORDER BY C.Codigo"),
              QStringList({"ANDINO=CHQ1", "CHQH=CHQ2", "CHQV=CHQ1", "LAGO=CHQ2"}));
}

TEST(DemoRebuild, ADemoIsBuiltAgainWholeAndARealDatabaseNever)
{
    TestDatabase demo(TestDatabase::Content::Empty);
    DemoCompany::Create(demo.db(), QDate(2026, 3, 15));
    demo.db().exec("DELETE FROM USUARIOEMPRESA");
    demo.db().exec("UPDATE USUARIOS SET Status = 0");
    const DemoCompany::Summary again = DemoCompany::Rebuild(demo.db(), QDate(2027, 1, 10));
    EXPECT_TRUE(again.rebuilt);
    EXPECT_EQ(demo.db().scalar("SELECT COUNT(*) FROM EMPRESA").toInt(), 2);
    EXPECT_EQ(demo.db().scalar("SELECT COUNT(*) FROM USUARIOEMPRESA").toInt(), 1);
    EXPECT_EQ(demo.db().scalar("SELECT MIN(Ano) FROM PERIODO").toInt(), 2026);
    EXPECT_EQ(demo.db().scalar("SELECT MAX(Ano) FROM PERIODO").toInt(), 2027);
    EXPECT_TRUE(PasswordHash::VerifyLoginPassword(
        demo.db().scalar("SELECT Paswod FROM USUARIOS WHERE CodUsuario = 'ADMIN'").toString(),
        DemoCompany::AdministratorPassword));

    TestDatabase books;
    DatabaseSetup(books.db()).createAdministrator("secreta");
    EXPECT_THROW(DemoCompany::Rebuild(books.db()), DbError);
    EXPECT_THROW(DemoCompany::Create(books.db()), DbError);
    EXPECT_EQ(books.db().scalar("SELECT COUNT(*) FROM EMPRESA").toInt(), 0);
    EXPECT_TRUE(PasswordHash::VerifyLoginPassword(
        books.db().scalar("SELECT Paswod FROM USUARIOS WHERE CodUsuario = 'ADMIN'").toString(),
        "secreta"));
}

TEST_F(DemoCompanyTest, EveryAccountHangsFromAnAccountOneLevelUp)
{
    QHash<QString, int> level;
    for (const QSqlRecord &r : db().rows("SELECT Codigo, Nivel FROM CUENTACONTABLE"))
        level.insert(r.value(0).toString(), r.value(1).toInt());
    for (const QSqlRecord &r : db().rows("SELECT Codigo, CodigoPadre, Nivel, EsPadre "
                                         "FROM CUENTACONTABLE")) {
        const QString code = r.value(0).toString();
        const QString parent = r.value(1).toString();
        const int n = r.value(2).toInt();
        EXPECT_EQ(n, DemoChart::LevelOf(code)) << code.toStdString();
        if (n == 1) {
            EXPECT_EQ(parent, "0");
            continue;
        }
        ASSERT_TRUE(level.contains(parent)) << code.toStdString();
        EXPECT_EQ(level.value(parent), n - 1) << code.toStdString();
        EXPECT_TRUE(code.startsWith(parent)) << code.toStdString();
    }
    // A parent is exactly an account with children.
    EXPECT_EQ(count("SELECT COUNT(*) FROM CUENTACONTABLE C WHERE EsPadre = 1 AND NOT EXISTS "
                    "(SELECT 1 FROM CUENTACONTABLE H WHERE H.CodigoPadre = C.Codigo)"),
              0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CUENTACONTABLE C WHERE EsPadre = 0 AND EXISTS "
                    "(SELECT 1 FROM CUENTACONTABLE H WHERE H.CodigoPadre = C.Codigo)"),
              0);
    // Detail accounts are level five but for the few the rules name by four levels.
    EXPECT_EQ(column("SELECT Codigo FROM CUENTACONTABLE WHERE EsPadre = 0 AND Nivel <> 5 "
                     "ORDER BY Codigo"),
              DemoChart::RuleAccounts());
}

TEST_F(DemoCompanyTest, FlaggedAccountsHaveWhatTheirFlagsAskFor)
{
    // Cost-centre shares total 100 %.
    EXPECT_EQ(count("SELECT COUNT(*) FROM CUENTACONTABLE C WHERE Centrodecosto = 1 AND "
                    "(SELECT COALESCE(SUM(Porcentaje), 0) FROM CUENTACENTROCOSTO S "
                    "WHERE S.CodigoCuenta = C.Codigo) <> 100000000"),
              0);
    EXPECT_GT(count("SELECT COUNT(*) FROM CUENTACENTROCOSTO"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CUENTACONTABLE C WHERE ManejaReteFuente = 1 AND NOT "
                    "EXISTS (SELECT 1 FROM CUENTACONCEPTORET R WHERE R.CodigoCuenta = C.Codigo)"),
              0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CUENTACONTABLE WHERE CuentaBanco = 1 AND "
                    "TerceroBanco = '*'"),
              0);
    for (const QString &number :
         column("SELECT NumeroCuenta FROM CUENTACONTABLE WHERE TransferenciaElectronica = 1"))
        EXPECT_EQ(number.size(), 20);
    // Linked accounts are detail accounts.
    for (const char *linked : {"CuentaGastos", "CuentaDepAcumulada", "CuentaDepAcumuladaAjus",
                               "CuentaCorrMonetAjustDep", "CuentaRetIVA"})
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM CUENTACONTABLE C WHERE C.%1 <> '' "
                                       "AND NOT EXISTS (SELECT 1 FROM CUENTACONTABLE L WHERE "
                                       "L.Codigo = C.%1 AND L.EsPadre = 0)")
                            .arg(QLatin1String(linked))),
                  0)
            << linked;
    EXPECT_EQ(count("SELECT COUNT(*) FROM CUENTACONTABLE WHERE Depreciable = 1 AND "
                    "(CuentaGastos = '' OR CuentaDepAcumulada = '')"),
              0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CUENTACONTABLE WHERE ManejaRetIVA = 1 AND "
                    "CuentaRetIVA = ''"),
              0);
    // The concepts credit detail accounts.
    EXPECT_EQ(count("SELECT COUNT(*) FROM CONCEPTORET C WHERE NOT EXISTS (SELECT 1 FROM "
                    "CUENTACONTABLE A WHERE A.Codigo = C.CuentaRetencionPN AND A.EsPadre = 0)"),
              0);
}

TEST_F(DemoCompanyTest, EveryRifPassesTheCheckAndOneThirdPartyIsTheTaxAuthority)
{
    const QStringList codes = column("SELECT Codigo FROM TERCERO WHERE Codigo <> '*' UNION ALL "
                                     "SELECT Codigo FROM EMPRESA");
    EXPECT_GE(codes.size(), 20);
    for (const QString &code : codes)
        EXPECT_TRUE(Rif::IsValid(code)) << code.toStdString();
    EXPECT_EQ(column("SELECT Codigo FROM TERCERO WHERE Tributario = 1"),
              QStringList{"G-20000303-0"});
    // Regimes exist for every third party.
    EXPECT_EQ(count("SELECT COUNT(*) FROM TERCERO T WHERE T.Codigo <> '*' AND NOT EXISTS "
                    "(SELECT 1 FROM REGIMEN R WHERE R.Codigo = T.TipoRegimen)"),
              0);
}

TEST_F(DemoCompanyTest, TheYearIsOpenForBothCompanies)
{
    EXPECT_EQ(column("SELECT Codigo FROM EMPRESA WHERE Tipo = 1"), QStringList{summary.headOffice});
    EXPECT_EQ(column("SELECT CodigoMatriz FROM EMPRESA WHERE Codigo = '" + summary.branch + "'"),
              QStringList{summary.headOffice});
    EXPECT_EQ(count("SELECT COUNT(*) FROM PERIODO WHERE Ano = 2026 AND Enero = 0 AND "
                    "Diciembre = 0"),
              2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM CORRCOMPROBANTE WHERE Ano = 2026"),
              2 * count("SELECT COUNT(*) FROM COMPROBANTE"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM VARIACIONIMPUESTO WHERE FechaHasta IS NULL AND "
                    "Impuesto = 16000000 AND Impuesto2 = 8000000"),
              1);
}

TEST_F(DemoCompanyTest, TheBookkeeperSeesOnlyTheHeadOffice)
{
    ScriptedPrompter prompter;
    Session session;
    session.gConexion = &db();
    session.prompter = &prompter;
    LoginService login(session);
    login.setFailureDelay(0);
    ASSERT_EQ(
        login.VerificarClave(DemoCompany::BookkeeperCode, DemoCompany::BookkeeperPassword, false),
        LoginService::Result::User)
        << prompter.lastText().toStdString();
    QStringList offered;
    CompanySelection picker(
        session,
        [&](const QString &sql, const QVariantList &params) {
            for (const QSqlRecord &r : db().rows(sql, params))
                offered << r.value(0).toString();
            return QStringList{};
        },
        "demo-host");
    EXPECT_EQ(picker.modeForUser(), 2);
    picker.SelectCompany(picker.modeForUser());
    EXPECT_EQ(offered, QStringList{summary.headOffice});

    // He may keep the third parties but not the users.
    const auto may = [](const char *node, const char *option) {
        return count(QStringLiteral("SELECT COUNT(*) FROM OPCIONESGRUPO OG INNER JOIN OPCIONES O "
                                    "ON OG.Opcion = O.CodigoOpcion WHERE OG.CodGrupo = "
                                    "'CONTABILIDAD' AND OG.CodNodo = '%1' AND O.Nombre = '%2'")
                         .arg(QLatin1String(node), QLatin1String(option))) == 1;
    };
    EXPECT_TRUE(may("mnu_terceros", "Guardar"));
    EXPECT_TRUE(may("mnu_registro", "Aprobar"));
    EXPECT_FALSE(may("mnu_usuarios", "Guardar"));

    ASSERT_EQ(login.VerificarClave(DemoCompany::AdministratorCode,
                                   DemoCompany::AdministratorPassword, false),
              LoginService::Result::Administrator);
}

} // namespace
