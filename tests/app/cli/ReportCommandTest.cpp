#include "app/cli/ReportCommand.h"

#include "reports/TrialBalanceBooks.h"

#include <QCommandLineParser>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ReportCommandTest : public ::testing::Test, protected TrialBalanceBooks
{
protected:
    ReportCommandTest() { postAFewMonths(); }

    // Parses a command line as valdoria-cli would.
    std::optional<ReportCommand::Request> parse(const QStringList &arguments)
    {
        QCommandLineParser parser;
        parser.addOptions(ReportCommand::options());
        EXPECT_TRUE(parser.parse(QStringList{"valdoria-cli"} + arguments))
            << parser.errorText().toStdString();
        QTextStream err(&errors);
        return ReportCommand::parse(parser, err);
    }
    int run(const QStringList &arguments)
    {
        const auto request = parse(arguments);
        if (!request)
            return 2;
        QTextStream out(&output);
        QTextStream err(&errors);
        return ReportCommand::Run(db(), *request, out, err);
    }
    QStringList csvLines(const QString &path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }

    QTemporaryDir dir;
    QString output, errors;
};

TEST_F(ReportCommandTest, CsvHasTheReportRowsColumnsAndPlainAmounts)
{
    const QString csv = dir.filePath("balance.csv");
    ASSERT_EQ(run({"report", "balance-prueba", "--company", "E01", "--month", "3", "--year", "2025",
                   "--level", "1", "--csv", csv}),
              0)
        << errors.toStdString();
    const QStringList lines = csvLines(csv);
    EXPECT_EQ(lines.value(0),
              "NombreEmpresa;NombreMatriz;DireccionEmpresa;CiudadEmpresa;TelefonoEmpresa;"
              "NombreIDEmpresa;Usuario;NombreUsuario;Codigo;nombre;Mes;Ano;UsuarioReporte;"
              "SaldoInicial;valordebito;valorcredito;NuevoSaldo;NombreIDEmpresa;NivelDetalle;"
              "CantDigCuenta;EsPadre;Consolidado");
    QStringList codes;
    for (const QString &line : lines.mid(1))
        codes << line.split(';').value(8);
    EXPECT_EQ(codes, QStringList({"1", "11", "12", "2", "21", "3", "31", "4", "41"}));
    const QStringList bank = lines.value(2).split(';');
    EXPECT_EQ(bank.mid(9, 3), QStringList({"ACTIVO CIRCULANTE", "3", "2025"}));
    EXPECT_EQ(bank.mid(13, 4), QStringList({"58300.75", "4150.25", "6000.00", "56451.00"}));
    EXPECT_EQ(bank.value(18), "1");
    EXPECT_EQ(lines.value(4).split(';').value(16), "-6500.50") << "credit balances negative";
    EXPECT_TRUE(output.contains("filas: 9")) << output.toStdString();
}

TEST_F(ReportCommandTest, ConsolidatedRangesAndAllAccountsReachTheRows)
{
    const QString csv = dir.filePath("consolidado.csv");
    ASSERT_EQ(run({"report", "balance-prueba", "--company", "E01", "--consolidated", "--month", "3",
                   "--year", "2025", "--from", "110501", "--to", "110599", "--all", "--csv", csv}),
              0)
        << errors.toStdString();
    const QStringList lines = csvLines(csv);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[3].split(';').mid(8, 2),
              QStringList({"110501002", "Banco Provincial cuenta corriente"}));
    EXPECT_EQ(lines[3].split(';').value(14), "900.00") << "the branch's line";
    EXPECT_EQ(lines[3].split(';').value(21), "1");
}

TEST_F(ReportCommandTest, PdfIsWrittenWithItsPages)
{
    const QString pdf = dir.filePath("balance.pdf");
    ASSERT_EQ(run({"report", "balance-prueba", "--company", "E01", "--month", "3", "--year", "2025",
                   "--pdf", pdf}),
              0)
        << errors.toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    int pages = 0;
    for (auto it =
             QRegularExpression("/Type\\s*/Page(?!s)").globalMatch(QString::fromLatin1(bytes));
         it.hasNext(); it.next())
        ++pages;
    EXPECT_EQ(pages, 1) << "one page for these books";
    EXPECT_TRUE(output.contains("páginas: 1")) << output.toStdString();
}

TEST_F(ReportCommandTest, BadRequestsAreToldAndWriteNothing)
{
    const QString csv = dir.filePath("x.csv");
    EXPECT_EQ(run({"report", "balance-anual", "--company", "E01", "--month", "3", "--year",
                   "2025", "--csv", csv}),
              2);
    EXPECT_TRUE(errors.contains("Reporte desconocido: balance-anual (reportes: balance-prueba, "
                                "balance-general, balance-comparativo, ganancias-perdidas"))
        << errors.toStdString();
    EXPECT_EQ(run({"report", "balance-prueba", "--company", "E01", "--month", "13", "--year",
                   "2025", "--csv", csv}),
              2);
    EXPECT_EQ(run({"report", "balance-prueba", "--company", "E01", "--month", "3", "--csv", csv}),
              2);
    EXPECT_TRUE(errors.contains("¡Debe seleccionar un año!"));
    EXPECT_EQ(run({"report", "balance-prueba", "--company", "E01", "--month", "3", "--year", "2025",
                   "--from", "1", "--csv", csv}),
              2);
    EXPECT_EQ(run({"report", "balance-prueba", "--company", "E02", "--consolidated", "--month", "3",
                   "--year", "2025", "--csv", csv}),
              2);
    EXPECT_EQ(run({"report", "balance-prueba", "--company", "E99", "--month", "3", "--year", "2025",
                   "--csv", csv}),
              2);
    EXPECT_EQ(run({"report", "balance-prueba", "--company", "E01", "--month", "3", "--year", "1990",
                   "--csv", csv}),
              4);
    EXPECT_TRUE(errors.contains("No existe ningún registro"));
    EXPECT_FALSE(QFile::exists(csv));
}

} // namespace
