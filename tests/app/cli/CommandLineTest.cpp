#include "app/cli/AdminCommands.h"
#include "app/cli/LedgerBookCommand.h"
#include "app/cli/ReportCommand.h"
#include "app/cli/PasswordInput.h"
#include "platform/PasswordHash.h"
#include "support/Printers.h"

#include <QCommandLineParser>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace {

// valdoria-cli as a user runs it: arguments in, exit code and both outputs back.
struct Cli
{
    int code = -1;
    QString out;
    QString err;

    static Cli run(const QStringList &arguments, const QString &password = "clave")
    {
        Cli r;
        QTextStream out(&r.out), err(&r.err);
        r.code = AdminCommands::Run(
            arguments, [&] { return std::optional<QString>(password); }, out, err);
        out.flush();
        err.flush();
        return r;
    }
};

TEST(CommandLine, WrongUseIsRefusedWithTheUsageTextAndCodeTwo)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("x.sqlite");
    const QString emptyConfig = dir.filePath("srvsql.txt");
    QFile(emptyConfig).open(QIODevice::WriteOnly);
    const struct
    {
        QStringList arguments;
        QString reason;
    } cases[] = {
        {{"info", "--pg-host", "db", "--pg-port", "cinco"}, "El puerto de PostgreSQL debe ser"},
        {{"info", "--pg-host", "db", "--pg-port", "70000"}, "El puerto de PostgreSQL debe ser"},
        {{"info", "--sqlite", file, "--pg-host", "db"}, "no se combinan"},
        {{"info", "--sqlite", file, "--config", emptyConfig}, "no se combinan"},
        {{"info", "--config", emptyConfig, "--database", "contab"}, "no se combinan"},
        {{"info", "--sin-esto"}, "Opción desconocida: --sin-esto"},
        {{"info", "-x"}, "Opción desconocida: -x"},
        {{"info", "--sqlite"}, "Falta el valor de la opción"},
        {{"borrar"}, "Orden desconocida: borrar"},
        {{}, "Falta la orden."},
        {{"init", "--sqlite", ""}, "Falta el nombre del archivo de --sqlite."},
        {{"init", "--sqlite", dir.path()}, "nombra una carpeta"},
        {{"init", "--pg-host", "db", "--database", "../otra"}, "no puede contener"},
        {{"init", "--pg-host", "db", "--database", "a/b"}, "no puede contener"},
        {{"init", "--config", emptyConfig}, "Falta el nombre de la base de datos"},
        {{"init", "--config", dir.filePath("no-esta.txt")}, "No existe el archivo"},
        {{"info", "--pg-host", "db", "--pg-sslmode", "siempre"}, "Modo de cifrado desconocido"},
        {{"info", "--demo"}, "--demo solo se usa con init."},
        {{"balances", "--sqlite", file}, "balances lleva verify o rebuild."},
        {{"vouchers", "--sqlite", file}, "vouchers lleva import."},
        {{"vouchers", "export", "--sqlite", file}, "vouchers lleva import."},
        {{"vouchers", "import", "--company", "001", "--sqlite", file}, "Falta el archivo"},
        {{"vouchers", "import", "--sqlite", file, "c.csv"}, "Falta --company"},
        {{"vouchers", "import", "--company", "001", "--sqlite", file, "a.csv", "b.csv"},
         "Sobra: b.csv"},
        {{"vouchers", "import", "--company", "001", "--month", "3", "--sqlite", file, "c.csv"},
         "--month no se usa con vouchers import."},
        {{"info", "--user", "ANA", "--sqlite", file}, "--user solo se usa con vouchers import."},
    };
    for (const auto &c : cases) {
        const Cli r = Cli::run(c.arguments);
        const std::string where = c.arguments.join(' ').toStdString();
        EXPECT_EQ(r.code, 2) << where;
        EXPECT_TRUE(r.err.contains(c.reason)) << where << "\n" << r.err.toStdString();
        EXPECT_TRUE(r.err.contains("Uso: valdoria-cli ORDEN [opciones]")) << where;
        EXPECT_TRUE(r.out.isEmpty()) << where;
    }
    // Nothing was created on the way.
    EXPECT_FALSE(QFile::exists(file));
}

TEST(CommandLine, TheReportOrderReachesTheReportWithItsTwoWords)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("libros.sqlite");
    ASSERT_EQ(Cli::run({"init", "--sqlite", file}).code, 0);
    const Cli r = Cli::run({"report", "balance-prueba", "--sqlite", file, "--company", "E01",
                            "--month", "3", "--year", "2025", "--csv", dir.filePath("b.csv")});
    EXPECT_TRUE(r.err.contains("No existe la empresa E01")) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains("Uso:")) << r.err.toStdString();
}

TEST(CommandLine, HelpIsTheUsageTextInSpanish)
{
    const Cli r = Cli::run({"--help"});
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.startsWith("Uso: valdoria-cli"));
    EXPECT_TRUE(r.out.contains("--pg-sslmode"));
    EXPECT_FALSE(r.out.contains("Usage"));
}

TEST(CommandLine, AFailedPasswordHashIsReportedAndWritesNothing)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("nueva.sqlite");
    PasswordHash::SimulateOutOfMemoryForTests(true);
    const Cli r = Cli::run({"init", "--sqlite", file});
    PasswordHash::SimulateOutOfMemoryForTests(false);
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("No hay memoria suficiente para cifrar la clave"))
        << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(file));
}

// A terminal: what the program reads from `slave` is typed on `master`.
class Terminal
{
public:
    Terminal() { m_ok = ::openpty(&m_master, &m_slave, nullptr, nullptr, nullptr) == 0; }
    ~Terminal()
    {
        if (m_ok) {
            ::close(m_master);
            ::close(m_slave);
        }
    }
    bool ok() const { return m_ok; }
    int slave() const { return m_slave; }
    bool echoes() const
    {
        termios t{};
        ::tcgetattr(m_slave, &t);
        return t.c_lflag & ECHO;
    }
    void type(const QByteArray &text) const { ::write(m_master, text.constData(), text.size()); }
    // Everything the terminal shows, waiting a moment for it.
    QByteArray screen() const
    {
        QByteArray shown;
        pollfd p{m_master, POLLIN, 0};
        while (::poll(&p, 1, 100) > 0) {
            char buf[256];
            const ssize_t n = ::read(m_master, buf, sizeof buf);
            if (n <= 0)
                break;
            shown.append(buf, n);
        }
        return shown;
    }

private:
    int m_master = -1;
    int m_slave = -1;
    bool m_ok = false;
};

// Waits until the reader has switched the echo off, then types `lines`.
std::optional<QString> typeAtTheTerminal(Terminal &terminal, QString &prompts,
                                         const QByteArray &lines)
{
    std::optional<QString> read;
    std::thread reader([&] {
        QTextStream out(&prompts);
        read = PasswordInput::ReadAdministratorPassword(terminal.slave(), out);
    });
    for (int i = 0; i < 200 && terminal.echoes(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    terminal.type(lines);
    reader.join();
    return read;
}

TEST(PasswordInput, AtATerminalItIsAskedTwiceWithoutEcho)
{
    Terminal terminal;
    ASSERT_TRUE(terminal.ok());
    QString prompts;
    const auto password = typeAtTheTerminal(terminal, prompts, "Secreta 1\nSecreta 1\n");
    ASSERT_TRUE(password.has_value());
    EXPECT_EQ(*password, "Secreta 1");
    EXPECT_TRUE(prompts.contains("Clave del administrador: "));
    EXPECT_TRUE(prompts.contains("Confirme la clave: "));
    EXPECT_FALSE(terminal.screen().contains("Secreta"));
    EXPECT_TRUE(terminal.echoes()); // given back as it was

    Terminal again;
    QString refused;
    EXPECT_FALSE(typeAtTheTerminal(again, refused, "uno\ndos\n").has_value());
    EXPECT_TRUE(refused.contains("Las dos claves no coinciden."));
}

TEST(PasswordInput, FromAPipeTheFirstLineIsTakenAsToday)
{
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    ::write(fds[1], "clave del script\r\notra\n", 23);
    ::close(fds[1]);
    QString prompts;
    QTextStream out(&prompts);
    EXPECT_EQ(PasswordInput::ReadAdministratorPassword(fds[0], out), "clave del script");
    ::close(fds[0]);
    EXPECT_TRUE(prompts.isEmpty());
}

} // namespace

namespace {

// What a report command's parser says of `arguments`: empty when it makes a request.
QString refusal(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.addOptions(ReportCommand::options());
    EXPECT_TRUE(parser.parse(QStringList{"valdoria-cli"} + arguments))
        << parser.errorText().toStdString();
    QString said;
    QTextStream err(&said);
    const bool made = LedgerBookCommand::handles(arguments.value(1))
                          ? LedgerBookCommand::parse(parser, err).has_value()
                          : ReportCommand::parse(parser, err).has_value();
    err.flush();
    EXPECT_EQ(made, said.isEmpty()) << said.toStdString();
    return said;
}

} // namespace

TEST(ReportRequests, EveryMonthReportRefusesTheSameIncompleteRequests)
{
    for (const QString report :
         {"balance-prueba", "balance-general", "libro-auxiliar", "libro-diario",
          "mayor-analitico"}) {
        const QStringList month{"report", report, "--company", "E01", "--month", "3", "--year",
                                "2025"};
        const std::string where = report.toStdString();
        EXPECT_TRUE(refusal(month + QStringList{"--pdf", "a.pdf"}).isEmpty()) << where;
        EXPECT_TRUE(refusal(QStringList{"report", report, "--month", "3", "--year", "2025",
                                        "--pdf", "a.pdf"})
                        .contains("Falta --company"))
            << where;
        EXPECT_TRUE(refusal(QStringList{"report", report, "--company", "E01", "--month", "13",
                                        "--year", "2025", "--pdf", "a.pdf"})
                        .contains("El mes debe ser un número de 1 a 12"))
            << where;
        EXPECT_TRUE(refusal(QStringList{"report", report, "--company", "E01", "--month", "3",
                                        "--pdf", "a.pdf"})
                        .contains("¡Debe seleccionar un año!"))
            << where;
        EXPECT_TRUE(refusal(month).contains("Indique --pdf o --csv")) << where;
        EXPECT_TRUE(refusal(month + QStringList{"--pdf", "a.pdf", "--csv", "a.csv"})
                        .contains("Indique --pdf o --csv"))
            << where;
        EXPECT_TRUE(refusal(month + QStringList{"--from", "1", "--pdf", "a.pdf"})
                        .contains("El rango de cuentas necesita --from y --to"))
            << where;
    }
    // What only some of them take.
    const QStringList march{"--company", "E01", "--month", "3", "--year", "2025", "--pdf", "a"};
    EXPECT_TRUE(refusal(QStringList{"report", "balance-prueba", "--level", "5"} + march)
                    .contains("El nivel debe ser 1, 2, 3 o 4"));
    EXPECT_TRUE(refusal(QStringList{"report", "mayor-analitico", "--level", "x"} + march)
                    .contains("El nivel debe ser 1, 2, 3 o 4"));
    EXPECT_TRUE(refusal(QStringList{"report", "balance-general", "--level", "4"} + march)
                    .contains("El nivel debe ser 1 (grupo), 2 (cuenta) o 3 (subcuenta)"));
    EXPECT_TRUE(refusal(QStringList{"report", "libro-diario", "--level", "2"} + march)
                    .contains("El libro diario no toma nivel"));
    EXPECT_TRUE(refusal(QStringList{"report", "mayor-analitico", "--detail"} + march)
                    .contains("--detail es solo para libro-diario"));
    EXPECT_TRUE(refusal(QStringList{"report", "balance-prueba", "--before-closing"} + march)
                    .contains("--before-closing es solo para ganancias-perdidas"));
}
