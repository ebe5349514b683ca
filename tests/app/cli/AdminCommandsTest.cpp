#include "app/cli/AdminCommands.h"
#include "app/cli/BalanceCommands.h"
#include "demo/DemoCompany.h"
#include "platform/Db.h"
#include "platform/PasswordHash.h"
#include "shell/DatabaseSetup.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <barrier>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

namespace {

struct Outcome
{
    int code = -1;
    QString out;
    QString err;
};

Outcome init(const ConnectionSettings &s, const QString &password)
{
    Outcome r;
    QTextStream out(&r.out), err(&r.err);
    r.code = AdminCommands::Init(s, password, out, err);
    out.flush();
    err.flush();
    return r;
}

template <typename Command> Outcome run(Command command, const ConnectionSettings &s)
{
    Outcome r;
    QTextStream out(&r.out), err(&r.err);
    r.code = command(s, out, err);
    out.flush();
    err.flush();
    return r;
}

QString administratorHash(Db &db)
{
    return db.scalar("SELECT Paswod FROM USUARIOS WHERE CodUsuario = ?", {"ADMIN"}).toString();
}

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A database that does not exist yet: a file name in a fresh folder, or on PostgreSQL a
// database name that the server does not have (dropped at the end).
class NewDatabase
{
public:
    NewDatabase()
    {
        if (TestDatabase::usingPostgres()) {
            m_settings = TestDatabase::postgresServer(QStringLiteral("vt_new_%1_%2")
                                                          .arg(QCoreApplication::applicationPid())
                                                          .arg(++s_count));
        } else {
            m_settings.database = m_dir.filePath("nueva.sqlite");
        }
    }
    ~NewDatabase()
    {
        if (m_settings.engine == Engine::Postgres) {
            auto admin = Db::open(TestDatabase::postgresServer());
            admin->exec(
                QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_settings.database));
        }
    }
    const ConnectionSettings &settings() const { return m_settings; }

private:
    static inline int s_count = 0;
    QTemporaryDir m_dir;
    ConnectionSettings m_settings;
};

TEST(AdminCommandsInit, TwoRunsAtTheSameMomentCreateOneDatabaseAndOneAdministrator)
{
    NewDatabase target;
    Outcome results[2];
    const QString passwords[2] = {"primera", "segunda"};
    std::barrier start(2);
    std::vector<std::thread> runs;
    for (int i = 0; i < 2; ++i)
        runs.emplace_back([&, i] {
            start.arrive_and_wait();
            results[i] = init(target.settings(), passwords[i]);
        });
    for (std::thread &t : runs)
        t.join();

    const int winner = results[0].code == 0 ? 0 : 1;
    const Outcome &won = results[winner];
    const Outcome &lost = results[1 - winner];
    ASSERT_EQ(won.code, 0) << won.err.toStdString() << lost.err.toStdString();
    EXPECT_EQ(lost.code, 3) << lost.err.toStdString();
    EXPECT_TRUE(lost.err.contains("La base de datos ya existe")) << lost.err.toStdString();
    EXPECT_FALSE(lost.err.contains("Error al")) << lost.err.toStdString();

    auto db = Db::open(target.settings());
    EXPECT_EQ(DatabaseSetup(*db).state(), DatabaseSetup::State::Current);
    EXPECT_EQ(db->scalar("SELECT COUNT(*) FROM USUARIOS").toInt(), 1);
    const QString hash = administratorHash(*db);
    EXPECT_TRUE(PasswordHash::VerifyLoginPassword(hash, passwords[winner]));
    EXPECT_FALSE(PasswordHash::VerifyLoginPassword(hash, passwords[1 - winner]));
}

TEST(AdminCommandsInit, AnExistingDatabaseKeepsItsAdministratorsPassword)
{
    TestDatabase data;
    DatabaseSetup(data.db()).createAdministrator("original");
    const Outcome second = init(data.settings(), "otra");
    EXPECT_EQ(second.code, 3);
    EXPECT_TRUE(second.err.contains("La base de datos ya existe")) << second.err.toStdString();
    EXPECT_TRUE(PasswordHash::VerifyLoginPassword(administratorHash(data.db()), "original"));

    // Even one whose administrator was deactivated: init is no password reset.
    data.db().exec("UPDATE USUARIOS SET Status = 0");
    EXPECT_EQ(init(data.settings(), "otra").code, 3);
    EXPECT_TRUE(PasswordHash::VerifyLoginPassword(administratorHash(data.db()), "original"));
}

TEST(AdminCommandsInit, ANewerDatabaseIsNamedAsSuchWithoutPointingToMigrate)
{
    TestDatabase data;
    data.db().exec("INSERT INTO VALDORIA_ESQUEMA (Version, Descripcion) VALUES (?, ?)",
                   {DatabaseSetup::latestVersion() + 1, "futura"});
    const Outcome r = init(data.settings(), "clave");
    EXPECT_EQ(r.code, 3);
    EXPECT_TRUE(r.err.contains("más nueva")) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains("migrate")) << r.err.toStdString();
}

TEST(AdminCommandsInit, ADatabaseOfAnotherProgramIsRefusedAndLeftAsItWas)
{
    TestDatabase data(TestDatabase::Content::Empty);
    data.db().exec("CREATE TABLE CLIENTES (Codigo VARCHAR(10) PRIMARY KEY, Nombre VARCHAR(50))");
    data.db().exec("INSERT INTO CLIENTES (Codigo, Nombre) VALUES (?, ?)", {"C1", "Ana"});
    const bool sqlite = data.settings().engine == Engine::Sqlite;
    if (sqlite) {
        // As another program leaves its file: the classic journal, everything on disk.
        data.db().exec("PRAGMA journal_mode = DELETE");
    }
    data.close();
    const QByteArray before = sqlite ? contents(data.settings().database) : QByteArray();

    for (auto command : {+[](const ConnectionSettings &s, QTextStream &o, QTextStream &e) {
                             return AdminCommands::Init(s, "clave", o, e);
                         },
                         +[](const ConnectionSettings &s, QTextStream &o, QTextStream &e) {
                             return AdminCommands::Migrate(s, o, e);
                         },
                         +[](const ConnectionSettings &s, QTextStream &o, QTextStream &e) {
                             return AdminCommands::InitDemo(s, o, e);
                         }}) {
        const Outcome r = run(command, data.settings());
        EXPECT_NE(r.code, 0);
        EXPECT_TRUE(r.err.contains("no es una base de datos de Valdoria") ||
                    r.err.contains("no es una demostración"))
            << r.err.toStdString();
    }
    if (sqlite) {
        EXPECT_EQ(contents(data.settings().database), before);
        EXPECT_FALSE(QFile::exists(data.settings().database + "-wal"));
        EXPECT_FALSE(QFile::exists(data.settings().database + "-journal"));
    }
    data.reopen();
    EXPECT_EQ(data.db().tableNames(), QStringList({"CLIENTES"}));
    if (sqlite) {
        EXPECT_EQ(data.db().scalar("PRAGMA journal_mode").toString(), "delete");
    }
}

TEST(AdminCommandsInit, TheDemoIsNeverBuiltIntoARealDatabase)
{
    TestDatabase data;
    DatabaseSetup(data.db()).createAdministrator("secreta");
    const Outcome r = run(AdminCommands::InitDemo, data.settings());
    EXPECT_NE(r.code, 0);
    EXPECT_TRUE(r.err.contains("no es una demostración")) << r.err.toStdString();
    EXPECT_EQ(data.db().scalar("SELECT COUNT(*) FROM EMPRESA").toInt(), 0);
    EXPECT_EQ(data.db().scalar("SELECT COUNT(*) FROM USUARIOS").toInt(), 1);
    EXPECT_TRUE(PasswordHash::VerifyLoginPassword(administratorHash(data.db()), "secreta"));
    EXPECT_FALSE(DemoCompany::IsDemo(data.db()));
}

TEST(AdminCommandsInit, ANewSqliteDatabaseIsReadableByItsOwnerOnly)
{
    if (TestDatabase::usingPostgres())
        GTEST_SKIP() << "SQLite files";
    NewDatabase target;
    const mode_t previous = ::umask(022);
    const Outcome r = init(target.settings(), "clave");
    ::umask(previous);
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    for (const QString &suffix : QStringList{"", "-wal", "-shm"}) {
        const QString path = target.settings().database + suffix;
        if (!suffix.isEmpty() && !QFile::exists(path))
            continue;
        struct stat st
        {
        };
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0) << path.toStdString();
        EXPECT_EQ(st.st_mode & 0777, 0600u) << path.toStdString();
    }
}

TEST(AdminCommandsMigrate, AnEmptyDatabaseIsLeftToInit)
{
    TestDatabase data(TestDatabase::Content::Empty);
    const Outcome r = run(AdminCommands::Migrate, data.settings());
    EXPECT_EQ(r.code, 3);
    EXPECT_TRUE(r.err.contains("use 'init'")) << r.err.toStdString();
    EXPECT_TRUE(data.db().tableNames().isEmpty());
}

TEST(AdminCommandsInfo, CountsValdoriasTablesAndChangesNothing)
{
    TestDatabase data;
    DatabaseSetup(data.db()).createAdministrator("clave");
    data.db().exec("CREATE TABLE CLIENTES (Codigo VARCHAR(10))");
    const bool sqlite = data.settings().engine == Engine::Sqlite;
    if (sqlite)
        data.db().exec("PRAGMA journal_mode = DELETE");
    data.close();
    const QByteArray before = sqlite ? contents(data.settings().database) : QByteArray();

    const Outcome r = run(AdminCommands::Info, data.settings());
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QRegularExpression("USUARIOS\\s+1\\n")));
    EXPECT_TRUE(r.out.contains("VALDORIA_ESQUEMA"));
    EXPECT_FALSE(r.out.contains("CLIENTES"));
    if (sqlite) {
        EXPECT_EQ(contents(data.settings().database), before);
        auto look = Db::open(data.settings(), Db::Access::ReadOnly);
        EXPECT_EQ(look->scalar("PRAGMA journal_mode").toString(), "delete");
    }
}

TEST(AdminCommandsDamagedFile, MigrateAndInfoNameTheFileAndNeverReportSuccess)
{
    if (TestDatabase::usingPostgres())
        GTEST_SKIP() << "SQLite files";
    TestDatabase data;
    DatabaseSetup(data.db()).createAdministrator("clave");
    const QString path = data.settings().database;
    data.close();
    {
        // Pages in the middle of the file overwritten, as a failing disk leaves them.
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        const qint64 size = f.size();
        ASSERT_GT(size, 16 * 4096);
        f.seek(size / 2 - 8192);
        f.write(QByteArray(16384, '\x5a'));
    }
    for (auto command : {AdminCommands::Migrate, AdminCommands::Info}) {
        const Outcome r = run(command, data.settings());
        EXPECT_EQ(r.code, 1);
        EXPECT_TRUE(r.err.contains(path)) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains("dañado")) << r.err.toStdString();
        EXPECT_FALSE(r.out.contains("Esquema versión")) << r.out.toStdString();
    }

    // A file that is no database at all is named the same way.
    QFile text(path);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly | QIODevice::Truncate));
    text.write(QByteArray("Cuentas por pagar de marzo\n").repeated(400));
    text.close();
    const Outcome r = run(AdminCommands::Info, data.settings());
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(path)) << r.err.toStdString();
}

// An office's own role, which may use its database but not the server's maintenance one.
class OfficeRole
{
public:
    OfficeRole()
        : name(QStringLiteral("vt_oficina_%1").arg(QCoreApplication::applicationPid()))
    {
        auto admin = Db::open(TestDatabase::postgresServer());
        admin->exec(QStringLiteral("CREATE ROLE %1 LOGIN").arg(name));
        admin->exec(QStringLiteral("REVOKE CONNECT ON DATABASE postgres FROM PUBLIC"));
    }
    ~OfficeRole()
    {
        auto admin = Db::open(TestDatabase::postgresServer());
        admin->exec(QStringLiteral("GRANT CONNECT ON DATABASE postgres TO PUBLIC"));
        admin->exec(QStringLiteral("DROP ROLE IF EXISTS %1").arg(name));
    }
    const QString name;
};

TEST(AdminCommandsServer, InitWorksInTheNamedDatabaseWithoutTheMaintenanceOne)
{
    if (!TestDatabase::usingPostgres())
        GTEST_SKIP() << "PostgreSQL server";
    OfficeRole role;
    {
        TestDatabase data(TestDatabase::Content::Empty);
        auto admin = Db::open(TestDatabase::postgresServer());
        admin->exec(QStringLiteral("ALTER DATABASE %1 OWNER TO %2")
                        .arg(data.settings().database, role.name));
        data.close();
        ConnectionSettings office = data.settings();
        office.user = role.name;
        const Outcome r = init(office, "clave");
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        data.reopen();
        EXPECT_EQ(DatabaseSetup(data.db()).state(), DatabaseSetup::State::Current);
    }
}

TEST(AdminCommandsServer, EncryptionCanBeRequiredByOptionOrByLibpqsEnvironment)
{
    if (!TestDatabase::usingPostgres())
        GTEST_SKIP() << "PostgreSQL server";
    // The test server has no certificate: a connection that requires encryption is refused.
    ConnectionSettings s = TestDatabase::postgresServer();
    s.host = "127.0.0.1";
    QStringList args{"info",      "--pg-host", "127.0.0.1",  "--pg-port", QString::number(s.port),
                     "--pg-user", s.user,      "--database", "postgres"};
    auto cli = [](const QStringList &arguments) {
        Outcome r;
        QTextStream out(&r.out), err(&r.err);
        r.code = AdminCommands::Run(
            arguments, [] { return std::nullopt; }, out, err);
        out.flush();
        err.flush();
        return r;
    };
    const Outcome plain = cli(args);
    EXPECT_EQ(plain.code, 0) << plain.err.toStdString();
    const Outcome required = cli(args + QStringList{"--pg-sslmode", "require"});
    EXPECT_EQ(required.code, 1);
    EXPECT_TRUE(required.err.contains("SSL")) << required.err.toStdString();

    qputenv("PGSSLMODE", "require");
    EXPECT_THROW(Db::open(s), DbError);
    qunsetenv("PGSSLMODE");
    EXPECT_NO_THROW(Db::open(s));
}

} // namespace

namespace {

TEST(AdminCommandsBalances, VerifyNamesADifferenceAndRebuildMendsIt)
{
    TestDatabase data;
    Db &db = data.db();
    db.exec("INSERT INTO COMPROBANTE (Codigo, Nombre) VALUES ('001', 'DIARIO')");
    db.exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre) VALUES ('110101001', 'CAJA')");
    db.exec("INSERT INTO MOVIMIENTO (Empresa, Matriz, TipoComprobante, NumeroComprobante, "
            "Usuario, Linea, Cuenta, Fecha, ValorDebito) VALUES ('E01', 'E01', '001', '1', 'ANA', "
            "1, '110101001', ?, 5000)",
            {QDate(2026, 2, 3)});
    Outcome r = run(BalanceCommands::Verify, data.settings());
    EXPECT_EQ(r.code, 0) << r.err.toStdString();

    // A store edited by hand, as a damaged backup or a careless script would leave it.
    db.exec("UPDATE SALDOCUENTA SET Debito = 4000");
    r = run(BalanceCommands::Verify, data.settings());
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("SALDOCUENTA E01/E01/110101001 2026-02 clase 0"))
        << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("débito 4.00") && r.err.contains("débito 5.00"));

    r = run(BalanceCommands::Rebuild, data.settings());
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(run(BalanceCommands::Verify, data.settings()).code, 0);
}

TEST(AdminCommandsBalances, AnEmptyDatabaseHasNoBalances)
{
    TestDatabase data(TestDatabase::Content::Empty);
    const Outcome r = run(BalanceCommands::Verify, data.settings());
    EXPECT_EQ(r.code, 3);
    EXPECT_TRUE(r.err.contains("vacía")) << r.err.toStdString();
}

} // namespace
