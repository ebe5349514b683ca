#include "common/Session.h"
#include "platform/Db.h"
#include "platform/PasswordHash.h"
#include "platform/SettingsStore.h"
#include "shell/DatabaseSetup.h"
#include "shell/LoginService.h"
#include "shell/PasswordChange.h"
#include "shell/SessionRegistry.h"
#include "shell/UserRights.h"
#include "support/Printers.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <thread>

namespace {

using Result = LoginService::Result;

class LoginTest : public ::testing::Test
{
protected:
    LoginTest()
        : settings(dir.filePath("settings.ini"))
    {
        session.gConexion = &db();
        session.prompter = &prompter;
        session.settings = &settings;
        DatabaseSetup(db()).createAdministrator("Clave Maestra");
        addUser("ANA", "ana", 1);
        addUser("LUIS", "luis", 0);
        addUser("SUPER", "super", 1, "SUPERGRUPO");
        addUser("PEDRO", "pedro", 1);
        db().exec("INSERT INTO EMPRESA (Codigo, Nombre, Tipo, CodigoMatriz) VALUES (?, ?, 1, ?)",
                  {"E1", "EMPRESA UNO", "E1"});
        db().exec("INSERT INTO USUARIOEMPRESA (Usuario, Empresa, Matriz) VALUES (?, ?, ?)",
                  {"ANA", "E1", "E1"});
    }

    Db &db() { return data.db(); }
    void addUser(const QString &code, const QString &password, int status,
                 const QString &group = {})
    {
        db().exec("INSERT INTO USUARIOS (CodUsuario, NombreUsuario, Paswod, Status) "
                  "VALUES (?, ?, ?, ?)",
                  {code, "Usuario " + code, PasswordHash::HashLoginPassword(password), status});
        if (!group.isEmpty())
            db().exec("INSERT INTO USUARIOGRUPO (CodUsuario, CodGrupo) VALUES (?, ?)",
                      {code, group});
    }
    Result login(const QString &user, const QString &password, bool remember = false)
    {
        LoginService service(session);
        service.setFailureDelay(0);
        return service.VerificarClave(user, password, remember);
    }
    int loginRows() { return db().scalar("SELECT COUNT(*) FROM INICIOSESION").toInt(); }

    TestDatabase data;
    QTemporaryDir dir;
    SettingsStore settings;
    ScriptedPrompter prompter;
    Session session;
};

TEST_F(LoginTest, ARefusalAnswersAtOnceAndSaysHowLongToHoldTheNextAttempt)
{
    LoginService service(session);
    service.setFailureDelay(3000);
    EXPECT_EQ(service.retryDelay(), 0);
    QElapsedTimer answered;
    answered.start();
    EXPECT_EQ(service.VerificarClave("admin", "mala", false), Result::Invalid);
    // The window that asked must keep painting: no sleep on its thread.
    EXPECT_LT(answered.elapsed(), 1500);
    EXPECT_GT(service.retryDelay(), 1500);
    EXPECT_EQ(service.VerificarClave("luis", "luis", false), Result::Inactive);
    EXPECT_GT(service.retryDelay(), 1500);
}

TEST_F(LoginTest, CodeAndPasswordAreComparedWithoutRegardToCase)
{
    EXPECT_EQ(login(" admin ", "clave maestra ", true), Result::Administrator);
    EXPECT_EQ(session.gUsuario, "ADMIN");
    EXPECT_EQ(session.gNombreUsuario, "ADMINISTRADOR");
    EXPECT_TRUE(session.gSesionIniciada);
    EXPECT_TRUE(prompter.messages().empty());
    EXPECT_EQ(loginRows(), 1);
    EXPECT_EQ(db().scalar("SELECT Usuario FROM INICIOSESION").toString(), "ADMIN");
    EXPECT_EQ(LoginService(session).rememberedUser(), "admin");

    EXPECT_EQ(login("ana", "ANA"), Result::User);
    EXPECT_EQ(LoginService(session).rememberedUser(), "");
    EXPECT_EQ(LoginService::companyMode(Result::User), 2);
}

TEST_F(LoginTest, RefusalsSayWhyAndWriteNothing)
{
    EXPECT_EQ(login("", "x"), Result::MissingFields);
    EXPECT_EQ(prompter.lastText(), "Introduzca el usuario y su clave de acceso");
    EXPECT_EQ(login("ADMIN", "otra"), Result::Invalid);
    EXPECT_EQ(prompter.lastText(), "Usuario ó clave inválida");
    EXPECT_EQ(login("NADIE", "otra"), Result::Invalid);
    EXPECT_EQ(prompter.lastText(), "Usuario ó clave inválida");
    EXPECT_EQ(login("x' OR '1'='1", "x' OR '1'='1"), Result::Invalid);
    EXPECT_EQ(login("LUIS", "luis"), Result::Inactive);
    EXPECT_EQ(prompter.lastText(), "Usuario inactivo!");
    EXPECT_FALSE(session.gSesionIniciada);
    EXPECT_EQ(loginRows(), 0);
}

TEST_F(LoginTest, AdministratorsNeedNoCompaniesButUsersDo)
{
    EXPECT_EQ(login("PEDRO", "pedro"), Result::NoCompanies);
    EXPECT_EQ(prompter.lastText(), "Usuario sin empresas asignadas!  ");
    EXPECT_FALSE(session.gSesionIniciada);
    EXPECT_TRUE(session.gUsuario.isEmpty());
    EXPECT_EQ(login("SUPER", "super"), Result::Administrator);
    session.gEmpresa = "E1";
    session.gMes = 3;
    session.gAno = 2026;

    // A new login that gets nowhere leaves the open session as it was.
    EXPECT_EQ(login("PEDRO", "pedro"), Result::NoCompanies);
    EXPECT_EQ(login("ANA", "mala"), Result::Invalid);
    EXPECT_TRUE(session.gSesionIniciada);
    EXPECT_EQ(session.gUsuario, "SUPER");
    EXPECT_EQ(session.gEmpresa, "E1");
    EXPECT_EQ(session.gMes, 3);
    EXPECT_EQ(loginRows(), 3); // the valid logins are logged, with or without companies
}

TEST_F(LoginTest, GroupFlagsAreTheUnionOfTheUsersGroups)
{
    db().exec("INSERT INTO GRUPOS (CodGrupo, NombreGrupo, IncTerceroMov, MostrarUltMov, "
              "ModificarMovimiento, TipoModificacion, ImprimirCheque) VALUES (?, ?, 1, 0, 0, 0, 0)",
              {"CAJA", "CAJA"});
    db().exec("INSERT INTO GRUPOS (CodGrupo, NombreGrupo, IncTerceroMov, MostrarUltMov, "
              "ModificarMovimiento, TipoModificacion, ImprimirCheque) VALUES (?, ?, 0, 1, 0, 1, 0)",
              {"CONTA", "CONTABILIDAD"});
    for (const char *g : {"CAJA", "CONTA"})
        db().exec("INSERT INTO USUARIOGRUPO (CodUsuario, CodGrupo) VALUES (?, ?)", {"ANA", g});
    EXPECT_TRUE(UserRights::MayAddThirdParties(db(), "ANA"));
    EXPECT_TRUE(UserRights::ShowsLastMovements(db(), "ANA"));
    EXPECT_FALSE(UserRights::MayModifyMovements(db(), "ANA"));
    EXPECT_TRUE(UserRights::ModificationType(db(), "ANA"));
    EXPECT_FALSE(UserRights::IsAdministrator(db(), "ANA"));
    EXPECT_TRUE(UserRights::IsSystemsUser(db(), "ADMIN"));
    EXPECT_FALSE(UserRights::IsSystemsUser(db(), "SUPER"));
    EXPECT_TRUE(UserRights::HasCompanies(db(), "ANA"));
}

TEST_F(LoginTest, PasswordChangeChecksTheCurrentOneAndStoresAHash)
{
    ASSERT_EQ(login("ana", "ana"), Result::User);
    using PasswordChange::Result;
    EXPECT_EQ(PasswordChange::CambiarClave(session, "mala", "nueva", "nueva"),
              Result::WrongCurrent);
    EXPECT_EQ(prompter.lastText(), "Clave invalida.... !");
    EXPECT_EQ(PasswordChange::CambiarClave(session, "ana", "nueva", "Nueva"),
              Result::ConfirmationDiffers);
    EXPECT_EQ(prompter.lastText(), "Confirmación de clave invalida... !");
    EXPECT_EQ(PasswordChange::CambiarClave(session, "ana", "", ""), Result::MissingFields);
    EXPECT_EQ(PasswordChange::CambiarClave(session, "ana", "Nueva'; --", "Nueva'; --"),
              Result::Changed);
    EXPECT_EQ(prompter.lastText(), "Cambio de clave realizada con exito.. !");
    EXPECT_EQ(login("ana", "ana"), LoginService::Result::Invalid);
    EXPECT_EQ(login("ANA", "nueva'; --"), LoginService::Result::User);
}

TEST_F(LoginTest, OneWorkstationRowAndOneWorkstationPerUserAndCompany)
{
    db().exec("INSERT INTO EMPRESA (Codigo, Nombre, Tipo, CodigoMatriz) VALUES (?, ?, 1, ?)",
              {"E2", "EMPRESA DOS", "E2"});
    EXPECT_TRUE(SessionRegistry::RegisterSession(db(), "E1", "E1", "ANA", "PC-1"));
    // The same user and company from a second workstation is refused.
    EXPECT_FALSE(SessionRegistry::RegisterSession(db(), "E1", "E1", "ANA", "pc-2"));
    // On the first workstation, another company simply rewrites its row.
    EXPECT_TRUE(SessionRegistry::RegisterSession(db(), "E2", "E2", "ANA", "pc-1"));
    // A new login on that workstation takes the row over.
    EXPECT_TRUE(SessionRegistry::RegisterSession(db(), "E1", "E1", "ADMIN", "pc-1"));
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM SESIONUSUARIO").toInt(), 1);
    EXPECT_EQ(db().scalar("SELECT Usuario FROM SESIONUSUARIO WHERE NombreEquipo = ?", {"pc-1"})
                  .toString(),
              "ADMIN");
    EXPECT_TRUE(SessionRegistry::RegisterSession(db(), "E1", "E1", "ANA", "pc-2"));
    SessionRegistry::DeleteSession(db(), "E1", "E1", "ANA");
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM SESIONUSUARIO").toInt(), 1);
}

TEST_F(LoginTest, TwoWorkstationsRegisteringAtOnceCannotBothWin)
{
    for (int round = 0; round < 10; ++round) {
        db().exec("DELETE FROM SESIONUSUARIO");
        std::atomic<int> wins{0};
        auto attempt = [&](const QString &host) {
            auto own = data.openAnother();
            if (SessionRegistry::RegisterSession(*own, "E1", "E1", "ANA", host))
                ++wins;
        };
        std::thread a(attempt, QStringLiteral("pc-a"));
        std::thread b(attempt, QStringLiteral("pc-b"));
        a.join();
        b.join();
        EXPECT_EQ(wins.load(), 1) << "round " << round;
        EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM SESIONUSUARIO").toInt(), 1);
    }
}

} // namespace
