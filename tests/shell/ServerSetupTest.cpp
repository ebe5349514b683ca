#include "shell/ServerSetup.h"
#include "app/cli/AdminCommands.h"
#include "common/Session.h"
#include "common/ShellHost.h"
#include "platform/Db.h"
#include "shell/Connector.h"
#include "shell/ReportPathConfig.h"
#include "shell/Startup.h"
#include "support/Printers.h"
#include "support/ScriptedPrompter.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// First start on a workstation: an empty data folder and no srvsql.txt.
class ServerSetupTest : public ::testing::Test
{
protected:
    ServerSetupTest()
        : connector(session, dir.path())
    {
        session.prompter = &prompter;
    }

    ServerSetup setup() { return ServerSetup(session, connector, prompter); }
    void answerAdministrator(const QString &password = "clave")
    {
        prompter.answerText(password);
        prompter.answerText(password);
    }

    QTemporaryDir dir;
    Session session;
    ScriptedPrompter prompter;
    Connector connector;
};

TEST_F(ServerSetupTest, FirstStartOffersTheEmbeddedDatabase)
{
    EXPECT_EQ(Startup::ConnectFromFile(session, connector), Startup::FileConnection::NoFile);
    const ServerConfig initial = setup().initialConfig();
    EXPECT_EQ(initial.server, "(local)");
    EXPECT_EQ(initial.database, "valdoria");
    EXPECT_TRUE(setup().startupMode());
}

TEST_F(ServerSetupTest, AcceptingCreatesTheDatabaseWritesTheFileAndConnects)
{
    answerAdministrator();
    QStringList statuses;
    const auto outcome =
        setup().accept(ServerSetup::embeddedDefault(), [&](const QString &s) { statuses << s; });
    ASSERT_EQ(outcome, ServerSetup::Outcome::Connected) << prompter.texts().join('|').toStdString();
    EXPECT_EQ(statuses.value(0), "Estableciendo conexión con el servidor. Por favor espere...");
    EXPECT_TRUE(QFile::exists(dir.filePath("valdoria.sqlite")));
    EXPECT_TRUE(QFile::exists(dir.filePath("srvsql.txt")));
    EXPECT_EQ(session.gServidor, "(local)");
    EXPECT_EQ(session.gVersionSQL, "SQL2005");
    ASSERT_NE(session.gConexion, nullptr);
    EXPECT_EQ(session.db().scalar("SELECT COUNT(*) FROM USUARIOS").toInt(), 1);

    // The next start reads the file and connects without asking anything.
    Session next;
    Connector nextConnector(next, dir.path());
    EXPECT_EQ(Startup::ConnectFromFile(next, nextConnector), Startup::FileConnection::Connected);
    EXPECT_EQ(next.gServidor, "(local)");
}

TEST_F(ServerSetupTest, TheFilesItWritesAreReadableByTheirOwnerOnly)
{
    const auto ownerOnly =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
    const mode_t previous = ::umask(022);
    answerAdministrator();
    const auto outcome = setup().accept(ServerSetup::embeddedDefault(), {});
    const QString reports = dir.filePath("nueva/data");
    const bool applied = ReportPathConfig::Apply(session, reports, "/srv/reportes");
    ::umask(previous);
    ASSERT_EQ(outcome, ServerSetup::Outcome::Connected);
    EXPECT_EQ(QFile::permissions(dir.filePath("srvsql.txt")), ownerOnly);
    EXPECT_EQ(QFile::permissions(dir.filePath("valdoria.sqlite")), ownerOnly);
    ASSERT_TRUE(applied);
    EXPECT_EQ(QFile::permissions(reports), ownerOnly | QFile::ExeOwner | QFile::ExeUser);
    EXPECT_EQ(QFile::permissions(reports + "/rutareporte.txt"), ownerOnly);
}

TEST_F(ServerSetupTest, AnEmptyFileOrANameLeadingOutOfTheDataFolderIsRefused)
{
    QFile empty(dir.filePath("srvsql.txt"));
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    EXPECT_EQ(Startup::ConnectFromFile(session, connector), Startup::FileConnection::Failed);
    EXPECT_EQ(connector.lastError(), "Falta el nombre de la base de datos.");
    EXPECT_EQ(session.gConexion, nullptr);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"srvsql.txt"}));

    for (const QString &name : QStringList{"../otra", "sub/valdoria", "..\\valdoria"}) {
        ServerConfig c = ServerSetup::embeddedDefault();
        c.database = name;
        EXPECT_EQ(setup().accept(c, {}), ServerSetup::Outcome::Invalid) << name.toStdString();
        EXPECT_TRUE(prompter.lastText().contains("no puede contener")) << name.toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"srvsql.txt"}));
}

TEST_F(ServerSetupTest, MissingFieldsAreRefusedInTheWindowsOrder)
{
    ServerConfig c = ServerSetup::embeddedDefault();
    c.database = "  ";
    EXPECT_EQ(setup().accept(c, {}), ServerSetup::Outcome::Invalid);
    EXPECT_EQ(prompter.lastText(), "Debe escribir un nombre de servidor y de base de datos!");
    c = ServerSetup::embeddedDefault();
    c.authMode = 1;
    EXPECT_EQ(setup().accept(c, {}), ServerSetup::Outcome::Invalid);
    EXPECT_EQ(prompter.lastText(), "Ingrese el usuario de SQL Server...!");
    EXPECT_FALSE(QFile::exists(dir.filePath("srvsql.txt")));
}

TEST_F(ServerSetupTest, AnUnreachableServerChangesNothing)
{
    ServerConfig c;
    c.server = "/nonexistent/socket/dir";
    c.database = "contab";
    EXPECT_EQ(setup().accept(c, {}), ServerSetup::Outcome::Failed);
    EXPECT_EQ(prompter.messages().front().kind, ScriptedPrompter::Kind::Warning);
    EXPECT_FALSE(QFile::exists(dir.filePath("srvsql.txt")));
    EXPECT_EQ(session.gConexion, nullptr);
}

// The main window as the change of server sees it.
class RecordingHost : public ShellHost
{
public:
    void setCaption(const QString &c) override { caption = c; }
    void setUserPanel(const QString &t) override { userPanel = t; }
    void openNode(const QString &) override {}
    void setServerPanel(const QString &t) override { serverPanel = t; }
    void setCompanyButtonVisible(bool visible) override { companyButton = visible; }
    std::vector<ChildWindowState> childWindows() const override { return windows; }
    bool closeChildWindows() override
    {
        windows.clear();
        return true;
    }

    QString caption = "Valdoria   Empresa : E1";
    QString userPanel = "USUARIO: ADMINISTRADOR        PROCESA: Marzo/2026";
    QString serverPanel = "Servidor SQL:(local)\\valdoria";
    bool companyButton = true;
    std::vector<ChildWindowState> windows;
};

TEST_F(ServerSetupTest, ChangeModeAsksFirstThenAboutAnEditThenStartsTheMainWindowOver)
{
    answerAdministrator();
    ASSERT_EQ(setup().accept(ServerSetup::embeddedDefault(), {}), ServerSetup::Outcome::Connected);
    RecordingHost host;
    host.windows = {{"Plan de Cuentas", 0}, {"Terceros", 2}};
    session.host = &host;
    session.gEmpresa = "E1";
    session.gMatriz = "E1";
    session.gUsuario = "ADMIN";
    Db *first = session.gConexion;
    ServerConfig other = ServerSetup::embeddedDefault();
    other.database = "otra";

    prompter.clear();
    prompter.answerNo();
    EXPECT_EQ(setup().accept(other, {}), ServerSetup::Outcome::Declined);
    EXPECT_EQ(prompter.lastText(), "Desea cambiar la conexión de la base de datos...?");
    EXPECT_EQ(session.gConexion, first);

    // The edit in progress is named even though it is not the active window; keeping it
    // keeps everything.
    prompter.clear();
    prompter.answerYes();
    prompter.answerNo();
    EXPECT_EQ(setup().accept(other, {}), ServerSetup::Outcome::Declined);
    EXPECT_EQ(prompter.lastText(),
              "Esta modificando un registro en Terceros ¿Desea cancelar la operación?");
    EXPECT_EQ(host.windows.size(), 2u);
    EXPECT_EQ(session.gConexion, first);
    EXPECT_EQ(session.gEmpresa, "E1");
    EXPECT_EQ(host.serverPanel, "Servidor SQL:(local)\\valdoria");
    EXPECT_TRUE(host.companyButton);
    EXPECT_EQ(ServerConfig::read(dir.filePath("srvsql.txt"))->database, "valdoria");

    prompter.clear();
    prompter.answerYes();
    prompter.answerYes();
    answerAdministrator("otra");
    EXPECT_EQ(setup().accept(other, {}), ServerSetup::Outcome::Connected);
    EXPECT_TRUE(host.windows.empty());
    EXPECT_NE(session.gConexion, first);
    EXPECT_EQ(host.serverPanel, "Servidor SQL:(local)\\otra");
    EXPECT_EQ(host.userPanel, "Linea de Mensajes");
    EXPECT_EQ(host.caption, session.gDescripcionSistema);
    EXPECT_FALSE(host.companyButton);
    EXPECT_TRUE(session.gEmpresa.isEmpty());
    EXPECT_EQ(ServerConfig::read(dir.filePath("srvsql.txt"))->database, "otra");
    session.host = nullptr;
}

TEST(AdminCommandsTest, InitCreatesAReadyDatabaseAndRefusesToRunTwice)
{
    QTemporaryDir dir;
    ConnectionSettings s;
    s.database = dir.filePath("cli.sqlite");
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    EXPECT_EQ(AdminCommands::Init(s, "", out, err), 2);
    EXPECT_EQ(AdminCommands::Init(s, "clave", out, err), 0) << errText.toStdString();
    EXPECT_EQ(AdminCommands::Init(s, "clave", out, err), 3);
    EXPECT_EQ(AdminCommands::Migrate(s, out, err), 0);

    outText.clear();
    EXPECT_EQ(AdminCommands::Info(s, out, err), 0);
    EXPECT_TRUE(outText.contains("Motor: SQLite"));
    EXPECT_TRUE(outText.contains(QRegularExpression("USUARIOS\\s+1\\n")));
    EXPECT_EQ(AdminCommands::Info(
                  [&] {
                      auto m = s;
                      m.database += ".x";
                      return m;
                  }(),
                  out, err),
              3);
}

} // namespace
