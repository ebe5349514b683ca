#include "ledger/accounts/Parameters.h"

#include "AccountFixture.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

class ParametersTest : public AccountFixture
{
protected:
    Parameters filled() const
    {
        Parameters p;
        p.CantDigCuenta = 10;
        p.NombreIDEmpresa = QStringLiteral("RIF");
        p.AplicaRetBase = true;
        p.accounts[Parameters::UtilidadEjercicio] = QStringLiteral("110101001");
        p.PorcRetIVA = *Rate::parseTyped(QStringLiteral("75,5"));
        p.CierreAjusteDifCambio = true;
        p.RutaReporte = QStringLiteral("/srv/reportes");
        p.ServidorNexlar = QStringLiteral("nexlar:5433");
        p.UsuarioNexlar = QStringLiteral("contabilidad");
        p.PasswordNexlar = QStringLiteral("s3creta");
        return p;
    }
    ParametersService service{session};
};

TEST_F(ParametersTest, SavingIntoAnEmptyTableCreatesTheRowAndSavingAgainUpdatesIt)
{
    db().exec("DELETE FROM PARAMETRO");
    EXPECT_FALSE(service.load());
    Parameters p = filled();
    ASSERT_EQ(service.save(p).result, ParametersService::SaveResult::Saved)
        << prompter.lastText().toStdString();
    EXPECT_EQ(service.load(), p);

    p.CantDigCuenta = 9;
    p.PorcRetIVA = *Rate::parseTyped(QStringLiteral("75.5"));
    p.accounts[Parameters::GastoDiferenciaCambio] = QStringLiteral("110101001");
    ASSERT_EQ(service.save(p).result, ParametersService::SaveResult::Saved);
    EXPECT_EQ(count("PARAMETRO"), 1);
    const Parameters stored = *service.load();
    EXPECT_EQ(stored, p);
    EXPECT_EQ(stored.PorcRetIVA, Rate::fromMillionths(75500000));
}

TEST_F(ParametersTest, ASummaryAccountStopsTheSave)
{
    Parameters p = filled();
    p.accounts[Parameters::UtilidadEjercicio] = QStringLiteral("1101");
    const auto outcome = service.save(p);
    EXPECT_EQ(outcome.result, ParametersService::SaveResult::Invalid);
    EXPECT_EQ(outcome.field, Parameters::UtilidadEjercicio);
    EXPECT_EQ(prompter.lastText(), "Seleccione solo cuentas de detalle...");
    EXPECT_EQ(service.load()->CantDigCuenta, 9);
}

TEST_F(ParametersTest, AccountsAreCheckedInTheirOrderAndEmptyOnesAreLeftUnset)
{
    Parameters p = filled();
    p.accounts[Parameters::UtilidadEjercicio].clear();
    p.accounts[Parameters::PerdidaAcumulada] = QStringLiteral("99999");
    p.accounts[Parameters::IngresoDiferenciaCambio] = QStringLiteral("1");
    const auto outcome = service.save(p);
    EXPECT_EQ(outcome.field, Parameters::PerdidaAcumulada);
    EXPECT_EQ(prompter.lastText(), "La cuenta no existe!");
    EXPECT_EQ(prompter.messages().size(), 1u);
}

TEST_F(ParametersTest, TheRightToSaveIsChecked)
{
    session.gUsuario = QStringLiteral("LUIS");
    EXPECT_EQ(service.save(filled()).result, ParametersService::SaveResult::NotAllowed);
    EXPECT_EQ(service.load()->CantDigCuenta, 9);
}

TEST_F(ParametersTest, AReportDirectoryIsVerifiedByTheFilesInIt)
{
    QTemporaryDir dir;
    EXPECT_FALSE(service.verifyReportDirectory(dir.path()));
    EXPECT_EQ(prompter.lastText(), "La direccion especificada no existe...!");
    EXPECT_EQ(prompter.messages().back().kind, ScriptedPrompter::Kind::Warning);
    EXPECT_FALSE(service.verifyReportDirectory(dir.filePath("no-existe")));

    QFile layout(dir.filePath("crpCuentas.rpt"));
    ASSERT_TRUE(layout.open(QIODevice::WriteOnly));
    layout.write("<report/>");
    layout.close();
    EXPECT_TRUE(service.verifyReportDirectory(dir.path()));
    EXPECT_EQ(prompter.lastText(), "Ruta de reportes verificada con exito...!");
    EXPECT_EQ(prompter.messages().back().kind, ScriptedPrompter::Kind::Info);
}

TEST_F(ParametersTest, AServerThatCannotBeReachedIsNotVerified)
{
    QTemporaryDir nowhere; // a socket directory with no server in it
    EXPECT_FALSE(service.verifyNexlarServer(nowhere.path(), "contabilidad", "s3creta"));
    ASSERT_FALSE(prompter.messages().empty());
    EXPECT_NE(prompter.lastText(), ParametersService::ServerVerified);
    EXPECT_FALSE(prompter.lastText().contains("s3creta"));
}

TEST_F(ParametersTest, ARunningServerIsVerified)
{
    if (!TestDatabase::usingPostgres())
        GTEST_SKIP() << "needs VALDORIA_TEST_PG";
    const ConnectionSettings server = TestDatabase::postgresServer();
    // The test server also listens on the loopback address, which "host:port" reaches.
    const QString host = "127.0.0.1:" + QString::number(server.port ? server.port : 5432);
    EXPECT_TRUE(service.verifyNexlarServer(host, server.user, server.password))
        << prompter.lastText().toStdString();
    EXPECT_EQ(prompter.lastText(), "Servidor Nexlar verificado con exito...!");
}

} // namespace
