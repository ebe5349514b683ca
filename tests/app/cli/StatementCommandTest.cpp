#include "app/cli/ReportCommand.h"

#include "reports/StatementBooks.h"

#include <QCommandLineParser>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The statements from the command line, on the statements' books: a capital of 5,000 in
// January, revenues of 1,000 and salaries of 400 in March.
class StatementCommandTest : public ::testing::Test, protected StatementBooks
{
protected:
    StatementCommandTest()
    {
        post({2025, 1, 1}, Bank, Capital, Money::fromUnits(5000), "999");
        post({2025, 3, 5}, Bank, Sales, Money::fromUnits(1000));
        post({2025, 3, 9}, Expenses, Bank, Money::fromUnits(400));
    }
    int run(const QStringList &arguments)
    {
        QCommandLineParser parser;
        parser.addOptions(ReportCommand::options());
        EXPECT_TRUE(parser.parse(QStringList{"valdoria-cli", "report"} + arguments))
            << parser.errorText().toStdString();
        QTextStream err(&errors);
        const auto request = ReportCommand::parse(parser, err);
        if (!request)
            return 2;
        QTextStream out(&output);
        return ReportCommand::Run(db(), *request, out, err);
    }
    QStringList csvLines(const QString &path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    }
    // The column `name` of each data line.
    static QStringList column(const QStringList &lines, const QString &name)
    {
        const int c = int(lines.value(0).split(';').indexOf(name));
        QStringList values;
        for (const QString &line : lines.mid(1))
            values << line.split(';').value(c);
        return values;
    }

    QTemporaryDir dir;
    QString output, errors;
};

TEST_F(StatementCommandTest, TheBalanceSheetAtTheAccountLevelByDefault)
{
    const QString csv = dir.filePath("balance-general.csv");
    ASSERT_EQ(run({"balance-general", "--company", "E01", "--month", "3", "--year", "2025",
                   "--csv", csv}),
              0)
        << errors.toStdString();
    const QStringList lines = csvLines(csv);
    EXPECT_TRUE(lines.value(0).endsWith(
        "Codigo;nombre;Mes;Ano;UsuarioReporte;Acumulado;NombreIDEmpresa;UtilidadEjercicio;"
        "PerdidaEjercicio;Nivel;Consolidado;Reservado1;Reservado2;MostrarTodas"))
        << lines.value(0).toStdString();
    EXPECT_EQ(column(lines, "Codigo"), QStringList({"11", "1105", "31", "3101", "3105"}));
    EXPECT_EQ(column(lines, "Acumulado"),
              QStringList({"5600.00", "5600.00", "-5600.00", "-5000.00", "-600.00"}));
}

TEST_F(StatementCommandTest, TheComparativeAndTheIncomeStatementAtTheirLevels)
{
    const QString comparative = dir.filePath("comparativo.csv");
    ASSERT_EQ(run({"balance-comparativo", "--company", "E01", "--month", "3", "--year", "2025",
                   "--level", "1", "--csv", comparative}),
              0)
        << errors.toStdString();
    QStringList lines = csvLines(comparative);
    EXPECT_EQ(column(lines, "Cuenta"), QStringList({"11", "31"}));
    EXPECT_EQ(column(lines, "MontoAnterior"), QStringList({"0.00", "0.00"}));

    const QString income = dir.filePath("ganancias.csv");
    ASSERT_EQ(run({"ganancias-perdidas", "--company", "E01", "--month", "3", "--year", "2025",
                   "--level", "3", "--csv", income}),
              0)
        << errors.toStdString();
    lines = csvLines(income);
    EXPECT_EQ(column(lines, "Codigo"), QStringList({"41", "4101", "410101", "61", "6101", "610101"}));
    EXPECT_EQ(column(lines, "Actual").value(0), "-1000.00");
    EXPECT_EQ(column(lines, "AntesDelCierre").value(0), "0");

    const QString pdf = dir.filePath("ganancias.pdf");
    ASSERT_EQ(run({"ganancias-perdidas", "--company", "E01", "--month", "3", "--year", "2025",
                   "--pdf", pdf}),
              0)
        << errors.toStdString();
    EXPECT_TRUE(output.contains("páginas: 1")) << output.toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
}

TEST_F(StatementCommandTest, BadRequestsAreTold)
{
    const QString csv = dir.filePath("x.csv");
    EXPECT_EQ(run({"balance-general", "--company", "E01", "--month", "3", "--year", "2025",
                   "--level", "4", "--csv", csv}),
              2);
    EXPECT_TRUE(errors.contains("1 (grupo), 2 (cuenta) o 3 (subcuenta)")) << errors.toStdString();
    EXPECT_EQ(run({"balance-general", "--company", "E01", "--month", "3", "--year", "2025",
                   "--from", "1", "--to", "2", "--csv", csv}),
              2);
    EXPECT_EQ(run({"balance-general", "--company", "E01", "--month", "3", "--year", "2025",
                   "--before-closing", "--csv", csv}),
              2);
    EXPECT_EQ(run({"balance-general", "--company", "E01", "--month", "3", "--year", "2024",
                   "--csv", csv}),
              4)
        << "no row";
    EXPECT_FALSE(QFile::exists(csv));
}

} // namespace
