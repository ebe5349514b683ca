#include "common/report/RunReport.h"
#include "RecordingReportOutput.h"
#include "common/Session.h"
#include "platform/Workstation.h"
#include "support/Printers.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A layout that shows which file it came from and the rows it was given.
QByteArray layoutNamed(const QString &marker)
{
    return QStringLiteral("<report version='1'><pageHeader height='10'>"
                          "<text x='0' y='0' width='100' height='10'>%1</text></pageHeader>"
                          "<detail height='5'><field x='0' y='0' width='30' height='5' "
                          "name='Codigo'/><field x='30' y='0' width='60' height='5' "
                          "name='Nombre'/></detail></report>")
        .arg(marker)
        .toUtf8();
}

class RunReportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        session.gConexion = &database.db();
        session.prompter = &prompter;
        session.gUsuario = QStringLiteral("maria");
        session.gNombreUsuario = QStringLiteral("María Pérez");
        session.gNombreEmpresa = QStringLiteral("Distribuidora El Ávila, C.A.");
        session.gRutaReporte = layouts.path();
        writeLayout("crpPrueba.rpt", layoutNamed("PRUEBA"));
        writeLayout("CrpCOMPROBANTE.rpt", layoutNamed("COMPLETO"));
        writeLayout("CrpCOMPROBANTE_MEDIA.rpt", layoutNamed("MEDIA PAGINA"));

        db().exec("CREATE TABLE PRUEBA (Codigo VARCHAR(10), Nombre VARCHAR(60))");
        for (const auto &[code, name] :
             {std::pair{"A1", "Caja"}, {"A2", "Banco O'Leary"}, {"B1", "Proveedores"}})
            db().exec("INSERT INTO PRUEBA (Codigo, Nombre) VALUES (?, ?)", {code, name});
    }

    Db &db() { return database.db(); }
    void writeLayout(const QString &name, const QByteArray &xml)
    {
        QFile file(layouts.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(xml);
    }
    QString report(const QString &name) const { return session.gRutaReporte + "\\" + name; }

    ReportOutcome run(const ReportQuery &query, const QString &file = "crpPrueba.rpt",
                      int destination = 0, int orientation = 1, bool warn = true,
                      const QString &filter = {})
    {
        return RunReport(session, output, query, report(file), QStringLiteral("Prueba"),
                         destination, orientation, QString(), warn, 1, filter);
    }

    QStringList shownCodes(size_t request = 0) const
    {
        QStringList codes;
        const ReportData &data = output.requests.at(request).document->data();
        for (int r = 0; r < data.rowCount(); ++r)
            codes << data.row(r)[data.columnIndex("Codigo")].toString();
        return codes;
    }

    int auditRows() { return db().scalar("SELECT COUNT(*) FROM AUDITORIAREPORTE").toInt(); }

    TestDatabase database;
    QTemporaryDir layouts;
    ScriptedPrompter prompter;
    RecordingReportOutput output;
    Session session;
};

TEST_F(RunReportTest, AuditsWhoAskedForWhatWithTheStatementKeptSafe)
{
    const QDateTime before = QDateTime::currentDateTime().addSecs(-2);
    ASSERT_EQ(run({"SELECT Codigo, Nombre FROM PRUEBA WHERE Nombre <> 'O''Leary' AND Codigo LIKE ?",
                   {"A%"}}),
              ReportOutcome::Previewed);

    const auto rows = db().rows("SELECT FechaHora, Usuario, DireccionIp, NombreEquipo, Reporte, "
                                "Consulta FROM AUDITORIAREPORTE");
    ASSERT_EQ(rows.size(), 1u);
    const QSqlRecord &row = rows.front();
    const QDateTime stamped = row.value(0).typeId() == QMetaType::QDateTime
                                  ? row.value(0).toDateTime()
                                  : QDateTime::fromString(row.value(0).toString(), Qt::ISODate);
    EXPECT_GE(stamped, before);
    EXPECT_LE(stamped, QDateTime::currentDateTime().addSecs(2));
    EXPECT_EQ(row.value(1).toString(), "MARIA");
    EXPECT_EQ(row.value(2).toString(), Workstation::LocalIpAddress());
    EXPECT_EQ(row.value(3).toString(), Workstation::LocalHostName().toUpper());
    EXPECT_EQ(row.value(4).toString(), "CRPPRUEBA.RPT");
    EXPECT_EQ(row.value(5).toString(),
              "SELECT Codigo, Nombre FROM PRUEBA WHERE Nombre <> \"O\"\"Leary\" "
              "AND Codigo LIKE ? -- \"A%\"");
}

TEST_F(RunReportTest, PreviewsTheRowsUnderItsTitleAtOneHundredFiftyPercent)
{
    ASSERT_EQ(run({"SELECT Codigo, Nombre FROM PRUEBA ORDER BY Codigo"}), ReportOutcome::Previewed);
    ASSERT_EQ(output.requests.size(), 1u);
    const auto &request = output.requests[0];
    EXPECT_EQ(request.kind, RecordingReportOutput::Request::Kind::Preview);
    EXPECT_EQ(request.title, "Prueba");
    EXPECT_EQ(request.zoom, 150);
    EXPECT_EQ(request.document->title(), "Prueba");
    EXPECT_EQ(shownCodes(), QStringList({"A1", "A2", "B1"}));
    EXPECT_EQ(output.busy, std::vector<bool>({true, false}));
    EXPECT_TRUE(prompter.messages().empty());
}

TEST_F(RunReportTest, PortraitVouchersUseTheHalfPageLayoutWhateverTheCase)
{
    run({"SELECT Codigo, Nombre FROM PRUEBA"}, "CrpCOMPROBANTE.rpt", 0, 1);
    run({"SELECT Codigo, Nombre FROM PRUEBA"}, "CrpCOMPROBANTE.rpt", 0, 2);
    ASSERT_EQ(output.requests.size(), 2u);
    EXPECT_TRUE(
        output.requests[0].document->layout().sourcePath.endsWith("/CrpCOMPROBANTE_MEDIA.rpt"));
    EXPECT_EQ(output.requests[0].document->pageText(0).first(), "MEDIA PAGINA");
    EXPECT_EQ(output.requests[0].document->pageSetup().orientation, ReportOrientation::Portrait);
    EXPECT_TRUE(output.requests[1].document->layout().sourcePath.endsWith("/CrpCOMPROBANTE.rpt"));
    EXPECT_EQ(output.requests[1].document->pageText(0).first(), "COMPLETO");
    EXPECT_EQ(output.requests[1].document->pageSetup().orientation, ReportOrientation::Landscape);
    // The audit names the report that was asked for.
    const auto names = db().rows("SELECT Reporte FROM AUDITORIAREPORTE");
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0].value(0).toString(), "CRPCOMPROBANTE.RPT");
    EXPECT_EQ(names[1].value(0).toString(), "CRPCOMPROBANTE.RPT");
}

TEST_F(RunReportTest, AnEmptyResultIsReportedOnlyWhenAskedTo)
{
    const ReportQuery none{"SELECT Codigo, Nombre FROM PRUEBA WHERE Codigo = ?", {"Z9"}};
    EXPECT_EQ(run(none), ReportOutcome::Empty);
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.messages()[0].kind, ScriptedPrompter::Kind::Warning);
    EXPECT_EQ(prompter.lastText(), "No existe ningún registro para el criterio específicado.");
    EXPECT_EQ(prompter.messages()[0].title, "Imprimir Reporte");

    prompter.clear();
    EXPECT_EQ(run(none, "crpPrueba.rpt", 0, 1, false), ReportOutcome::Empty);
    EXPECT_TRUE(prompter.messages().empty());
    EXPECT_TRUE(output.requests.empty());
    EXPECT_EQ(auditRows(), 2);
    EXPECT_EQ(output.busy, std::vector<bool>({true, false, true, false}));
}

TEST_F(RunReportTest, RowsComputedInCodeAreAuditedWarnedAndShownAlike)
{
    const ReportData rows({"Codigo", "Nombre"}, {{"A1", "Caja"}, {"B1", "Proveedores"}});
    EXPECT_EQ(RunReport(session, output, ComputedRows{rows, "Balance 'E01' 3/2025"},
                        report("crpPrueba.rpt"), "Prueba", 0, 1, QString(), true, 1),
              ReportOutcome::Previewed);
    EXPECT_EQ(shownCodes(), QStringList({"A1", "B1"}));
    EXPECT_EQ(output.requests.at(0).title, "Prueba");
    EXPECT_EQ(db().scalar("SELECT Consulta FROM AUDITORIAREPORTE").toString(),
              "Balance \"E01\" 3/2025");

    EXPECT_EQ(RunReport(session, output, ComputedRows{ReportData({"Codigo", "Nombre"}, {}), "x"},
                        report("crpPrueba.rpt"), "Prueba", 0, 1, QString(), true, 1),
              ReportOutcome::Empty);
    EXPECT_EQ(prompter.lastText(), ReportMessages::Empty);
    EXPECT_EQ(auditRows(), 2);
    EXPECT_EQ(output.requests.size(), 1u);
}

TEST_F(RunReportTest, TheFilterAppliesToTheRowsOfACommandThatIsNotASelect)
{
    const QString command = "VALUES ('A1', 'Caja'), ('A2', 'Banco'), ('B1', 'Proveedores')";
    writeLayout("crpValores.rpt",
                "<report><detail height='5'><field x='0' y='0' width='30' height='5' "
                "name='column1'/></detail></report>");
    EXPECT_EQ(run(command, "crpValores.rpt", 0, 1, true, "column1 LIKE 'A*' AND column2 <> 'caja'"),
              ReportOutcome::Previewed);
    ASSERT_EQ(output.requests.size(), 1u);
    EXPECT_EQ(output.requests[0].document->pageText(0), QStringList{"A2"});
    // A filter nothing passes is an empty result like any other.
    EXPECT_EQ(run(command, "crpValores.rpt", 0, 1, true, "column1 = 'Z'"), ReportOutcome::Empty);

    // A select ignores the filter.
    output.requests.clear();
    EXPECT_EQ(
        run("select Codigo, Nombre from PRUEBA", "crpPrueba.rpt", 0, 1, true, "Codigo = 'A1'"),
        ReportOutcome::Previewed);
    EXPECT_EQ(shownCodes().size(), 3);

    // A filter that does not read is told and nothing is shown.
    output.requests.clear();
    prompter.clear();
    EXPECT_EQ(run("VALUES ('A1', 'Caja')", "crpPrueba.rpt", 0, 1, true, "Cuenta = "),
              ReportOutcome::Failed);
    EXPECT_TRUE(output.requests.empty());
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.messages()[0].kind, ScriptedPrompter::Kind::Error);
    EXPECT_TRUE(prompter.lastText().startsWith("El filtro \"Cuenta = \" no es válido"));
}

TEST_F(RunReportTest, WithoutAPrinterOnlyDirectPrintingStops)
{
    output.hasPrinter = false;
    EXPECT_EQ(run("SELECT Codigo, Nombre FROM PRUEBA", "crpPrueba.rpt", 1),
              ReportOutcome::NoPrinter);
    EXPECT_TRUE(output.requests.empty());
    ASSERT_EQ(prompter.messages().size(), 1u);
    EXPECT_EQ(prompter.messages()[0].kind, ScriptedPrompter::Kind::Warning);
    EXPECT_EQ(prompter.lastText(),
              "No hay impresora instalada. Instale la impresora e intente de nuevo...!");
    EXPECT_EQ(prompter.messages()[0].title, "Información");
    EXPECT_EQ(auditRows(), 1) << "the request is audited before the printer is looked for";
    EXPECT_TRUE(output.busy.empty());

    // The pages are laid out without any printer: the preview still opens.
    prompter.clear();
    EXPECT_EQ(run("SELECT Codigo, Nombre FROM PRUEBA"), ReportOutcome::Previewed);
    EXPECT_TRUE(prompter.messages().empty());
}

TEST_F(RunReportTest, PrintsOnTheNamedPrinterWithTheRunsPaper)
{
    EXPECT_EQ(RunReport(session, output, "SELECT Codigo, Nombre FROM PRUEBA",
                        report("crpPrueba.rpt"), "Prueba", 1, 2, "Contabilidad-HP", true, 5,
                        QString()),
              ReportOutcome::Printed);
    ASSERT_EQ(output.requests.size(), 1u);
    const auto &request = output.requests[0];
    EXPECT_EQ(request.kind, RecordingReportOutput::Request::Kind::Print);
    EXPECT_EQ(request.printer, "Contabilidad-HP");
    EXPECT_EQ(request.document->pageSetup().orientation, ReportOrientation::Landscape);
    EXPECT_EQ(request.document->pageSetup().paper, ReportPaper::Legal);
}

TEST_F(RunReportTest, AnyOtherDestinationBindsWithoutShowingOrPrinting)
{
    EXPECT_EQ(run("SELECT Codigo, Nombre FROM PRUEBA", "crpPrueba.rpt", 7),
              ReportOutcome::Prepared);
    EXPECT_TRUE(output.requests.empty());
    EXPECT_TRUE(prompter.messages().empty());
    EXPECT_EQ(auditRows(), 1);
}

TEST_F(RunReportTest, ALayoutThatIsMissingOrDoesNotFitIsToldByName)
{
    EXPECT_EQ(run("SELECT Codigo, Nombre FROM PRUEBA", "crpNoExiste.rpt"), ReportOutcome::Failed);
    EXPECT_TRUE(
        prompter.lastText().startsWith("No se encuentra el diseño de reporte \"crpNoExiste.rpt\""));
    EXPECT_EQ(prompter.messages().back().title, "Imprimir Reporte");

    EXPECT_EQ(run("SELECT Codigo FROM PRUEBA"), ReportOutcome::Failed);
    EXPECT_EQ(prompter.lastText(),
              "El diseño de reporte \"crpPrueba.rpt\" usa datos que la consulta no trae: Nombre.");
    EXPECT_TRUE(output.requests.empty());
    EXPECT_EQ(output.busy.back(), false);
}

TEST_F(RunReportTest, LayoutsReadTheHeadingTheTitleAndTheCompanysPictures)
{
    QImage logo(30, 10, QImage::Format_RGB32);
    logo.fill(Qt::darkGreen);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    logo.save(&buffer, "PNG");
    db().exec(
        "INSERT INTO EMPRESA (Codigo, Nombre, Tipo, CodigoMatriz, Logo) VALUES (?, ?, ?, ?, ?)",
        {"E1", "Distribuidora El Ávila, C.A.", 1, "E1", png});
    session.gEmpresa = session.gMatriz = QStringLiteral("E1");
    writeLayout("crpEncabezado.rpt",
                "<report><pageHeader height='20'>"
                "<field x='0' y='0' width='80' height='5' name='NombreEmpresa'/>"
                "<field x='80' y='0' width='80' height='5' name='TituloReporte' upper='true'/>"
                "<field x='0' y='5' width='80' height='5' name='NombreUsuario'/>"
                "<image x='0' y='10' width='30' height='10' field='Logo'/>"
                "<image x='30' y='10' width='30' height='10' field='Firma'/></pageHeader>"
                "<detail height='5'><field x='0' y='0' width='30' height='5' name='codigo'/>"
                "</detail></report>");

    ASSERT_EQ(run("SELECT Codigo, Nombre FROM PRUEBA ORDER BY Codigo", "crpEncabezado.rpt"),
              ReportOutcome::Previewed);
    const ReportDocument &document = *output.requests[0].document;
    EXPECT_EQ(document.pageText(0), QStringList({"Distribuidora El Ávila, C.A. | PRUEBA",
                                                 "María Pérez", "A1", "A2", "B1"}));
    ASSERT_EQ(document.images().size(), 1u) << "the logo; the company has no signature";
    EXPECT_EQ(document.images()[0].size(), QSize(30, 10));
}

} // namespace
