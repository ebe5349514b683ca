#include "app/cli/AdminCommands.h"

#include "calendar/PeriodMonths.h"
#include "platform/Db.h"
#include "support/Fixtures.h"
#include "support/Printers.h"
#include "support/TestDatabase.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// "valdoria-cli vouchers import" run as a user runs it, on the test database.
class VoucherImportCommandTest : public ::testing::Test
{
protected:
    struct Cli
    {
        int code = -1;
        QString out, err;
    };

    VoucherImportCommandTest()
    {
        Fixtures::addCompany(db(), "001", "COMERCIAL ANDINA C.A.", {}, 1, 12, 2025);
        Fixtures::addUser(db(), "ANA", "x");
        db().exec("INSERT INTO COMPROBANTE (Codigo, Nombre) VALUES ('001', 'DIARIO')");
        for (const char *account : {"110101001", "410101001"})
            db().exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre) VALUES (?, 'C')", {account});
        QVariantList params{2026};
        for (int m = 1; m <= 12; ++m)
            params << (m == 5 ? 1 : 0);
        db().exec(QString("INSERT INTO PERIODO (Empresa, Matriz, Ano, %1) VALUES "
                          "('001', '001', ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                      .arg(PeriodMonths::ColumnList()),
                  params);
    }
    Db &db() { return data.db(); }

    QString file(const QByteArray &rows)
    {
        const QString path = dir.filePath(QStringLiteral("comprobantes%1.csv").arg(++files));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("referencia;tipo;fecha;cuenta;tercero;tipo_documento;documento;centro_costo;"
                "descripcion;debito;credito\n" +
                rows);
        return path;
    }
    // The database options that name the test database.
    QStringList database() const
    {
        const ConnectionSettings &s = data.settings();
        if (s.engine == Engine::Sqlite)
            return {"--sqlite", s.database};
        QStringList options{"--pg-host", s.host, "--database", s.database};
        if (s.port > 0)
            options << "--pg-port" << QString::number(s.port);
        if (!s.user.isEmpty())
            options << "--pg-user" << s.user;
        return options;
    }
    Cli run(const QStringList &arguments)
    {
        Cli r;
        QTextStream out(&r.out), err(&r.err);
        r.code = AdminCommands::Run(
            arguments + database(), [] { return std::nullopt; }, out, err);
        out.flush();
        err.flush();
        return r;
    }
    int lines() { return db().scalar("SELECT COUNT(*) FROM MOVIMIENTO").toInt(); }

    TestDatabase data;
    QTemporaryDir dir;
    int files = 0;
};

const QByteArray TwoVouchers = "F-1;001;2026-03-02;110101001;;;;;venta;10.50;\n"
                               "F-1;001;2026-03-02;410101001;;;;;venta;;10.50\n"
                               "F-2;001;2026-03-09;110101001;;;;;venta;3;\n"
                               "F-2;001;2026-03-09;410101001;;;;;venta;;3\n";

TEST_F(VoucherImportCommandTest, EachVoucherIsPrintedWithTheTypeAndNumberItGot)
{
    const Cli r =
        run({"vouchers", "import", "--company", "001", "--user", "ana", file(TwoVouchers)});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, "F-1: comprobante 001 número 1\n"
                     "F-2: comprobante 001 número 2\n"
                     "Comprobantes contabilizados: 2 (4 líneas), usuario ANA.\n");
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM MOVIMIENTO WHERE Usuario = 'ANA'").toInt(), 4);
}

TEST_F(VoucherImportCommandTest, WithoutUserTheOperatingSystemsUserRecordsTheLines)
{
    const QByteArray was = qgetenv("USER");
    qputenv("USER", "ana");
    const Cli r = run({"vouchers", "import", "--company", "001", file(TwoVouchers)});
    qputenv("USER", was);
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(db().scalar("SELECT COUNT(*) FROM MOVIMIENTO WHERE Usuario = 'ANA'").toInt(), 4);

    // A name that is no user of the books is refused with nothing posted.
    const Cli other =
        run({"vouchers", "import", "--company", "001", "--user", "root", file(TwoVouchers)});
    EXPECT_EQ(other.code, 3);
    EXPECT_TRUE(other.err.contains("No existe el usuario ROOT.")) << other.err.toStdString();
    EXPECT_EQ(lines(), 4);
}

TEST_F(VoucherImportCommandTest, ARefusedFileNamesTheRowAndPostsNothing)
{
    const Cli r = run({"vouchers", "import", "--company", "001", "--user", "ANA",
                       file(TwoVouchers + "F-3;001;2026-05-04;110101001;;;;;x;1;\n"
                                          "F-3;001;2026-05-04;410101001;;;;;x;;1\n")});
    EXPECT_EQ(r.code, 3);
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    EXPECT_EQ(r.err, "Archivo rechazado; no se contabilizó ningún comprobante.\n"
                     "Fila 6: el mes 2026-05 está bloqueado (¡Periodo bloqueado!)\n");
    EXPECT_EQ(lines(), 0);

    const Cli missing = run(
        {"vouchers", "import", "--company", "001", "--user", "ANA", dir.filePath("no-esta.csv")});
    EXPECT_EQ(missing.code, 3);
    EXPECT_TRUE(missing.err.contains("No se pudo leer el archivo")) << missing.err.toStdString();
}

} // namespace
