#include "shell/DatabaseSetup.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "platform/PasswordHash.h"
#include "shell/ReportPathConfig.h"
#include "shell/Startup.h"
#include "shell/SystemData.h"
#include "support/Printers.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <utility>

namespace {

TEST(DatabaseSetup, CreatesTheSchemaAndAHashedAdministrator)
{
    TestDatabase data(TestDatabase::Content::Empty);
    DatabaseSetup setup(data.db());
    EXPECT_EQ(setup.state(), DatabaseSetup::State::Empty);

    ScriptedPrompter prompter;
    prompter.answerText(" secreto ");
    prompter.answerText("SECRETO");
    ASSERT_TRUE(setup.prepare(prompter)) << prompter.texts().join('|').toStdString();
    EXPECT_EQ(setup.state(), DatabaseSetup::State::Current);
    EXPECT_FALSE(setup.needsAdministrator());

    const QString stored =
        data.db().scalar("SELECT Paswod FROM USUARIOS WHERE CodUsuario = ?", {"ADMIN"}).toString();
    EXPECT_FALSE(stored.contains("SECRETO"));
    EXPECT_TRUE(stored.startsWith("$argon2id$"));
    EXPECT_TRUE(PasswordHash::VerifyLoginPassword(stored, "secreto"));
    EXPECT_FALSE(PasswordHash::VerifyLoginPassword(stored, "secret"));

    // A second start finds everything in place and asks nothing.
    ScriptedPrompter quiet;
    EXPECT_TRUE(DatabaseSetup(data.db()).prepare(quiet));
    EXPECT_TRUE(quiet.messages().empty());
}

TEST(DatabaseSetup, AMistypedConfirmationIsAskedAgainAndCancelStops)
{
    TestDatabase data;
    ScriptedPrompter prompter;
    prompter.answerText("uno");
    prompter.answerText("dos");
    prompter.answerText("");
    prompter.answerCancel();
    EXPECT_FALSE(DatabaseSetup(data.db()).prepare(prompter));
    const QStringList texts = prompter.texts();
    EXPECT_TRUE(texts.contains("¡Confirmación de clave errada!"));
    EXPECT_TRUE(texts.contains("La clave del administrador no puede estar vacía."));
    EXPECT_TRUE(DatabaseSetup(data.db()).needsAdministrator());
}

TEST(DatabaseSetup, ADatabaseOfANewerProgramIsRefusedUntouched)
{
    TestDatabase data;
    data.db().exec("INSERT INTO VALDORIA_ESQUEMA (Version, Descripcion) VALUES (?, ?)",
                   {DatabaseSetup::latestVersion() + 5, "futura"});
    DatabaseSetup setup(data.db());
    EXPECT_EQ(setup.state(), DatabaseSetup::State::Newer);
    ScriptedPrompter prompter;
    EXPECT_FALSE(setup.prepare(prompter));
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_TRUE(prompter.lastText().contains("Actualice Valdoria"));
}

TEST(DatabaseSetup, AFailedPasswordHashIsToldAndWritesNothing)
{
    TestDatabase data(TestDatabase::Content::Empty);
    ScriptedPrompter prompter;
    prompter.answerText("clave");
    prompter.answerText("clave");
    PasswordHash::SimulateOutOfMemoryForTests(true);
    const bool prepared = DatabaseSetup(data.db()).prepare(prompter);
    PasswordHash::SimulateOutOfMemoryForTests(false);
    EXPECT_FALSE(prepared);
    EXPECT_TRUE(prompter.lastText().contains("No hay memoria suficiente para cifrar la clave"))
        << prompter.lastText().toStdString();
    EXPECT_EQ(DatabaseSetup(data.db()).state(), DatabaseSetup::State::Empty);
}

// A first start whose password dialog stays open while another workstation prepares the
// same database: what the other one wrote stands.
class SlowTypist : public ScriptedPrompter
{
public:
    std::function<void()> whileTyping;
    std::optional<QString> input(const QString &text, const QString &title, const QString &initial,
                                 bool secret) override
    {
        if (whileTyping)
            std::exchange(whileTyping, nullptr)();
        return ScriptedPrompter::input(text, title, initial, secret);
    }
};

TEST(DatabaseSetup, AnotherWorkstationPreparingTheDatabaseMeanwhileWins)
{
    for (auto content : {TestDatabase::Content::Empty, TestDatabase::Content::Schema}) {
        TestDatabase data(content);
        auto other = data.openAnother();
        SlowTypist prompter;
        prompter.whileTyping = [&] {
            DatabaseSetup there(*other);
            if (there.state() == DatabaseSetup::State::Empty)
                there.create(PasswordHash::HashLoginPassword("de la otra"));
            else
                there.createAdministrator("de la otra");
        };
        prompter.answerText("mia");
        prompter.answerText("mia");
        EXPECT_TRUE(DatabaseSetup(data.db()).prepare(prompter))
            << prompter.texts().join('|').toStdString();
        EXPECT_TRUE(prompter.texts().contains(
            "Otra estación preparó la base de datos mientras se escribía la clave: el "
            "administrador es el que definió esa estación."));
        EXPECT_EQ(data.db().scalar("SELECT COUNT(*) FROM USUARIOS").toInt(), 1);
        const QString stored =
            data.db()
                .scalar("SELECT Paswod FROM USUARIOS WHERE CodUsuario = ?", {"ADMIN"})
                .toString();
        EXPECT_TRUE(PasswordHash::VerifyLoginPassword(stored, "de la otra"));
    }
}

TEST(DatabaseSetup, ADatabaseOfAnotherProgramIsRefusedUntouched)
{
    TestDatabase data(TestDatabase::Content::Empty);
    data.db().exec("CREATE TABLE FACTURAS (Numero INTEGER)");
    DatabaseSetup setup(data.db());
    EXPECT_EQ(setup.state(), DatabaseSetup::State::Foreign);
    ScriptedPrompter prompter;
    EXPECT_FALSE(setup.prepare(prompter));
    EXPECT_TRUE(prompter.lastText().contains("no es una base de datos de Valdoria"));
    EXPECT_EQ(data.db().tableNames(), QStringList({"FACTURAS"}));
    EXPECT_EQ(setup.create(PasswordHash::HashLoginPassword("x")), DatabaseSetup::Creation::Exists);
    EXPECT_EQ(data.db().tableNames(), QStringList({"FACTURAS"}));
}

TEST(DatabaseSetup, AnExistingUserIsNeverGivenANewPassword)
{
    TestDatabase data;
    DatabaseSetup setup(data.db());
    setup.createAdministrator("primera");
    EXPECT_THROW(setup.createAdministrator("segunda"), DbError);
    const QString stored =
        data.db().scalar("SELECT Paswod FROM USUARIOS WHERE CodUsuario = ?", {"ADMIN"}).toString();
    EXPECT_TRUE(PasswordHash::VerifyLoginPassword(stored, "primera"));
}

TEST(SystemData, LoadsTheSystemNameAndTheReportDirectory)
{
    TestDatabase data;
    QTemporaryDir dir;
    Session session;
    session.gConexion = &data.db();
    data.db().exec("UPDATE PARAMETRO SET RutaReporte = ?, NombreIDEmpresa = ?",
                   {"/srv/reportes", "RIF"});
    SystemData::LoadSystemData(session, dir.path());
    EXPECT_EQ(session.gNombreSistema, "Valdoria");
    EXPECT_FALSE(session.gDescripcionSistema.isEmpty());
    EXPECT_EQ(session.gRutaReporte, "/srv/reportes");
    EXPECT_EQ(session.gNombreIDEmpresa, "RIF");

    // The workstation's own directory wins; an empty first line does not.
    const QString file = dir.filePath(ReportPathConfig::FileName);
    ReportPathConfig::write(file, "/home/ana/reportes");
    SystemData::LoadSystemData(session, dir.path());
    EXPECT_EQ(session.gRutaReporte, "/home/ana/reportes");
    ReportPathConfig::write(file, "");
    SystemData::LoadSystemData(session, dir.path());
    EXPECT_EQ(session.gRutaReporte, "/srv/reportes");

    data.db().exec("UPDATE PARAMETRO SET RutaReporte = NULL");
    SystemData::LoadSystemData(session, dir.path());
    EXPECT_EQ(session.gRutaReporte, "");
}

TEST(Shutdown, AsksAboutAPendingEditFirstAndDeletesTheSessionRow)
{
    TestDatabase data;
    Session session;
    session.gConexion = &data.db();
    session.gNombreSistema = "Valdoria";

    ScriptedPrompter prompter;
    prompter.answerNo();
    // The active window comes first; the one in the middle of an edit is the one named.
    EXPECT_FALSE(Startup::ConfirmExit(session, prompter, {{"Bancos", 0}, {"Plan de Cuentas", 1}}));
    EXPECT_EQ(prompter.lastText(),
              "Esta incluyendo un nuevo registro en Plan de Cuentas ¿Desea cancelar la operación?");

    prompter.clear();
    prompter.answerYes();
    prompter.answerNo();
    EXPECT_FALSE(Startup::ConfirmExit(session, prompter, {{"Terceros", 2}}));
    ASSERT_EQ(prompter.messages().size(), 2u);
    EXPECT_EQ(prompter.messages()[0].text,
              "Esta modificando un registro en Terceros ¿Desea cancelar la operación?");
    EXPECT_EQ(prompter.messages()[1].text, "¿Desea abandonar el sistema?");
    EXPECT_EQ(prompter.messages()[1].title, "Salir Valdoria");

    prompter.clear();
    prompter.answerYes();
    EXPECT_TRUE(Startup::ConfirmExit(session, prompter, {{"Bancos", 6}, {"Terceros", 7}}));
    EXPECT_EQ(prompter.messages().size(), 1u);
}

} // namespace
