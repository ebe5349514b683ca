#include "app/cli/LedgerBookCommand.h"
#include "app/cli/ExportCommand.h"
#include "app/cli/ReportCommand.h"

#include "reports/TrialBalanceBooks.h"
#include "support/XlsxReadBack.h"

#include <QCommandLineParser>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class LedgerBookCommandTest : public ::testing::Test, protected TrialBalanceBooks
{
protected:
    LedgerBookCommandTest() { postAFewMonths(); }

    // Runs `arguments` as valdoria-cli's report command would, on the test database.
    int run(const QStringList &arguments)
    {
        QCommandLineParser parser;
        parser.addOptions(ReportCommand::options());
        EXPECT_TRUE(parser.parse(QStringList{"valdoria-cli"} + arguments))
            << parser.errorText().toStdString();
        QTextStream out(&output);
        QTextStream err(&errors);
        const QString report = parser.positionalArguments().value(1);
        if (report == ExportCommand::Name) {
            const auto request = ExportCommand::parse(parser, err);
            return request ? ExportCommand::Run(db(), *request, out, err) : 2;
        }
        EXPECT_TRUE(LedgerBookCommand::handles(report));
        const auto request = LedgerBookCommand::parse(parser, err);
        return request ? LedgerBookCommand::Run(db(), *request, out, err) : 2;
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

TEST_F(LedgerBookCommandTest, TheJournalAndTheLedgerWriteTheirRows)
{
    const QString journal = dir.filePath("diario.csv");
    ASSERT_EQ(run({"report", "libro-diario", "--company", "E01", "--consolidated", "--month", "3",
                   "--year", "2025", "--detail", "--csv", journal}),
              0)
        << errors.toStdString();
    EXPECT_EQ(csvLines(journal),
              QStringList({"TipoComprobante;NombreComprobante;Cuenta;NombreCuenta;ValorDebito;"
                           "ValorCredito",
                           "001;Diario;110501001;Banco Mercantil cuenta corriente;4150.25;6000.00",
                           "001;Diario;110501002;Banco Provincial cuenta corriente;900.00;0.00",
                           "001;Diario;210101001;Proveedores nacionales;6000.00;0.00",
                           "001;Diario;410101001;Ventas de mercancía;0.00;5050.25"}));

    const QString ledger = dir.filePath("mayor.csv");
    ASSERT_EQ(run({"report", "mayor-analitico", "--company", "E01", "--month", "3", "--year",
                   "2025", "--level", "1", "--csv", ledger}),
              0)
        << errors.toStdString();
    const QStringList lines = csvLines(ledger);
    EXPECT_EQ(lines.value(0), "Codigo;nombre;SaldoInicial;valordebito;valorcredito;NuevoSaldo;"
                              "DebitoAnterior;CreditoAnterior");
    EXPECT_EQ(lines.value(1), "1;ACTIVO;70801.25;4150.25;6000.00;68951.50;70801.25;70801.25");
    EXPECT_EQ(lines.size(), 1 + 9);

    const QString pdf = dir.filePath("diario.pdf");
    EXPECT_EQ(run({"report", "libro-diario", "--company", "E01", "--month", "1", "--year", "2025",
                   "--pdf", pdf}),
              0);
    EXPECT_TRUE(output.contains("páginas: 1")) << output.toStdString();
}

TEST_F(LedgerBookCommandTest, TheExportWritesANewWorkbookOnly)
{
    const QString xlsx = dir.filePath("auxiliar.xlsx");
    const QStringList arguments{"report",        "exportar-auxiliar",
                                "--company",     "E01",
                                "--first-month", "1",
                                "--last-month",  "3",
                                "--year",        "2025",
                                "--from",        "11",
                                "--to",          "1199",
                                "--xlsx",        xlsx};
    ASSERT_EQ(run(arguments), 0) << errors.toStdString();
    EXPECT_TRUE(output.contains("filas: 4")) << output.toStdString();
    const auto book = XlsxReadBack::open(xlsx);
    ASSERT_TRUE(book);
    EXPECT_EQ(book->lastRow(), 2 + 4) << "120101001 lies after 1199";
    EXPECT_EQ(book->cell("R2").text, "Descripcion");
    EXPECT_FALSE(errors.contains("Desea abrir")) << "nothing to open on a command line";

    EXPECT_EQ(run(arguments), 2);
    EXPECT_TRUE(errors.contains("El archivo ya existe...!")) << errors.toStdString();
}

TEST_F(LedgerBookCommandTest, BadRequestsAreToldAndWriteNothing)
{
    const QString file = dir.filePath("x.csv");
    EXPECT_EQ(run({"report", "libro-diario", "--company", "E01", "--month", "3", "--csv", file}),
              2);
    EXPECT_TRUE(errors.contains("¡Debe seleccionar un año!"));
    EXPECT_EQ(run({"report", "libro-diario", "--company", "E01", "--month", "3", "--year", "2025",
                   "--level", "2", "--csv", file}),
              2);
    EXPECT_EQ(run({"report", "mayor-analitico", "--company", "E01", "--month", "3", "--year",
                   "2025", "--detail", "--csv", file}),
              2);
    EXPECT_EQ(run({"report", "libro-diario", "--company", "E02", "--consolidated", "--month", "3",
                   "--year", "2025", "--csv", file}),
              2);
    EXPECT_EQ(run({"report", "libro-diario", "--company", "E01", "--month", "7", "--year", "2025",
                   "--csv", file}),
              4);
    EXPECT_FALSE(QFile::exists(file));
    const QString xlsx = dir.filePath("x.xlsx");
    EXPECT_EQ(run({"report", "exportar-auxiliar", "--company", "E01", "--first-month", "4",
                   "--last-month", "2", "--year", "2025", "--xlsx", xlsx}),
              2);
    EXPECT_TRUE(errors.contains("Mes inicial debe ser mayor o igual a mes final!"));
    EXPECT_EQ(run({"report", "exportar-auxiliar", "--company", "E01", "--first-month", "1",
                   "--last-month", "2", "--year", "2025"}),
              2);
    EXPECT_FALSE(QFile::exists(xlsx));
}

} // namespace
