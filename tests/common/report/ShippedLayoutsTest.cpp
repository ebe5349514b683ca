#include "RecordingReportOutput.h"
#include "common/Session.h"
#include "common/report/ReportHeading.h"
#include "common/report/RunReport.h"
#include "platform/report/PdfExport.h"
#include "support/Printers.h"
#include "support/ScriptedPrompter.h"
#include "support/TestDatabase.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// Each shipped layout is run as the windows run it: a listing statement that opens with the
// heading values, through the report runner, on either engine. The pages' text is compared
// with the golden files; VALDORIA_UPDATE_GOLDEN=1 rewrites them.
class ShippedLayouts : public ::testing::Test
{
protected:
    void SetUp() override
    {
        session.gConexion = &database.db();
        session.prompter = &prompter;
        session.gUsuario = QStringLiteral("MPEREZ");
        session.gNombreUsuario = QStringLiteral("María Pérez");
        session.gNombreEmpresa = QStringLiteral("Distribuidora El Ávila, C.A.");
        session.gNombreMatriz = QStringLiteral("Distribuidora El Ávila, C.A.");
        session.gDireccionEmpresa =
            QStringLiteral("Av. Francisco de Miranda, Torre Europa, piso 4");
        session.gCiudadEmpresa = QStringLiteral("Caracas");
        session.gTelefonoEmpresa = QStringLiteral("0212-555.12.34");
        // As the parameters window keeps it: the number is the company's code.
        session.gNombreIDEmpresa = QStringLiteral("RIF");
        session.gEmpresa = session.gMatriz = QStringLiteral("J-30123456-7");
        session.gRutaReporte = QStringLiteral(VALDORIA_SOURCE_DIR "/reportes");
    }

    // A scratch table with the columns a window's listing statement would yield.
    void fill(const QStringList &columns, const std::vector<QVariantList> &rows)
    {
        QStringList definitions;
        for (int c = 0; c < columns.size(); ++c)
            definitions << columns[c] + (rows.front()[c].typeId() == QMetaType::Int
                                             ? " INTEGER"
                                             : " VARCHAR(250)");
        database.db().exec("CREATE TABLE LISTADO (" + definitions.join(", ") + ")");
        const QString markers = QStringList(columns.size(), "?").join(", ");
        for (const QVariantList &row : rows)
            database.db().exec(
                "INSERT INTO LISTADO (" + columns.join(", ") + ") VALUES (" + markers + ")", row);
        m_columns = columns;
    }

    // Runs the listing and gives back its pages, printed at a fixed moment in Caracas.
    ReportDocument render(const QString &file, const QString &title)
    {
        const QString statement = "SELECT " + ReportHeadingColumns() + ", " + m_columns.join(", ") +
                                  " FROM LISTADO ORDER BY Codigo";
        EXPECT_EQ(RunReport(session, output, {statement, ReportHeadingParameters(session)},
                            session.gRutaReporte + "\\" + file, title, 0, 1, QString(), true, 1,
                            QString()),
                  ReportOutcome::Previewed)
            << prompter.lastText().toStdString();
        if (output.requests.empty())
            throw std::runtime_error("nothing was previewed");
        ReportDocument document = *output.requests.back().document;
        document.setPrintedAt(QDateTime(QDate(2024, 3, 15), QTime(16, 5)));
        document.setLocale(QLocale(QLocale::Spanish, QLocale::Venezuela));
        return document;
    }

    static void expectGolden(const ReportDocument &document, const QString &name)
    {
        QStringList text;
        for (int p = 0; p < document.pageCount(); ++p) {
            text << QStringLiteral("=== página %1 ===").arg(p + 1);
            text << document.pageText(p);
        }
        const QString actual = text.join('\n') + '\n';
        const QString path = QStringLiteral(VALDORIA_SOURCE_DIR "/tests/common/report/golden/") +
                             name + QStringLiteral(".txt");
        const QString shots = qEnvironmentVariable("VALDORIA_SCREENSHOTS");
        if (!shots.isEmpty() && QDir().mkpath(shots))
            PdfExport::write(document, QDir(shots).filePath(name + ".pdf"));
        QFile file(path);
        if (qEnvironmentVariableIsSet("VALDORIA_UPDATE_GOLDEN")) {
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(actual.toUtf8());
            return;
        }
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        EXPECT_EQ(actual, QString::fromUtf8(file.readAll()));
    }

    TestDatabase database;
    ScriptedPrompter prompter;
    RecordingReportOutput output;
    Session session;
    QStringList m_columns;
};

TEST_F(ShippedLayouts, CodeTablesListOverSeveralPagesWithTheirLabelsAsHeadings)
{
    std::vector<QVariantList> rows;
    const char *const areas[] = {"Administración", "Ventas", "Producción", "Almacén"};
    for (int i = 1; i <= 60; ++i)
        rows.push_back({"CENTROS DE COSTOS", QStringLiteral("CC%1").arg(i, 3, 10, QLatin1Char('0')),
                        "Nombre", QStringLiteral("Centro de costo %1").arg(i), "Gerencia",
                        QString::fromUtf8(areas[i % 4]), "Estado", i % 7 ? "Activo" : "Inactivo"});
    fill({"Tabla", "Codigo", "Etiqueta1", "Valor1", "Etiqueta2", "Valor2", "Etiqueta3", "Valor3"},
         rows);
    const ReportDocument document = render("crpTablas.rpt", "Centros de Costos");
    ASSERT_EQ(document.pageCount(), 2);
    EXPECT_EQ(document.pageText(1)[5], "LISTADO DE CENTROS DE COSTOS");
    EXPECT_EQ(document.pageText(1)[6], "Código | Nombre | Gerencia | Estado");
    expectGolden(document, "crpTablas");
}

TEST_F(ShippedLayouts, CodeTablesLeaveOutThePairsATableDoesNotUse)
{
    fill({"Tabla", "Codigo", "Etiqueta1", "Valor1", "Etiqueta2", "Valor2", "Etiqueta3", "Valor3"},
         {{"REGIMEN", "01", "Nombre", "Contribuyente ordinario", "", 0, "", 0},
          {"REGIMEN", "02", "Nombre", "Contribuyente especial", "", 0, "", 0}});
    const ReportDocument document = render("crpTablas.rpt", "Regimen");
    const QStringList text = document.pageText(0);
    EXPECT_EQ(text[6], "Código | Nombre");
    EXPECT_EQ(text[7], "01 | Contribuyente ordinario");
    EXPECT_EQ(text[9], "Total de registros: 2");
}

TEST_F(ShippedLayouts, ShortListsWrapALongSecondValue)
{
    fill({"Tabla", "Codigo", "Etiqueta1", "Valor1", "Etiqueta2", "Valor2"},
         {{"DOCUMENTOS", "FAC", "Nombre", "Factura", "Observación",
           "Documento fiscal emitido por el proveedor con número de control; se registra en el "
           "libro de compras del mes en que se recibe y se le aplica la retención de IVA"},
          {"DOCUMENTOS", "NC", "Nombre", "Nota de crédito", "Observación", "Disminuye la factura"},
          {"DOCUMENTOS", "ND", "Nombre", "Nota de débito", "Observación", ""}});
    expectGolden(render("crpDocumento.rpt", "Documentos"), "crpDocumento");
}

TEST_F(ShippedLayouts, TheChartOfAccountsMarksItsFlags)
{
    const std::vector<std::tuple<const char *, const char *, int>> chart = {
        {"1", "ACTIVO", 1},
        {"11", "ACTIVO CIRCULANTE", 1},
        {"1101", "DISPONIBLE", 1},
        {"110101", "Caja principal", 0},
        {"110102", "Banco Mercantil cuenta corriente", 0},
        {"1102", "CUENTAS POR COBRAR", 1},
        {"110201", "Clientes nacionales", 0},
        {"12", "ACTIVO FIJO", 1},
        {"120101", "Mobiliario y equipos de oficina", 0},
        {"120102", "Depreciación acumulada de mobiliario", 0},
        {"2", "PASIVO", 1},
        {"210101", "Proveedores nacionales", 0},
        {"210201", "Retenciones de IVA por pagar", 0}};
    std::vector<QVariantList> rows;
    for (const auto &[code, name, parent] : chart) {
        const QString c = QString::fromLatin1(code);
        const bool leaf = !parent;
        rows.push_back({c, QString::fromUtf8(name), parent, "RIF",
                        int(leaf && c.startsWith("11")), int(leaf && c.startsWith("12")),
                        int(leaf && c.startsWith("2102")), int(leaf && c.startsWith("21")),
                        int(leaf && c == "210201"), int(leaf && c.startsWith("12")),
                        int(leaf && c == "120101")});
    }
    fill({"Codigo", "Nombre", "EsPadre", "NombreIDEmpresa", "CentroDeCosto", "AjusteInflacion",
          "ManejaDoc", "ManejaTerc", "ManejaReteFuente", "ActivoFijo", "Depreciable"},
         rows);
    const ReportDocument document = render("crpCuentas.rpt", "Cuentas Contables");
    expectGolden(document, "crpCuentas");
    // Parent accounts in bold, the others not.
    const auto &fonts = document.layout().fonts;
    for (const DrawItem &item : document.page(0).items) {
        if (item.text == "ACTIVO CIRCULANTE") {
            EXPECT_TRUE(fonts[size_t(item.font)].bold);
        }
        if (item.text == "Caja principal") {
            EXPECT_FALSE(fonts[size_t(item.font)].bold);
        }
    }
}

TEST_F(ShippedLayouts, TheTrialBalanceIndentsByLevelAndItsTotalsBalance)
{
    // Code, name, opening, debit, credit in cents; codes shorter than 9 are parents.
    const std::vector<std::tuple<const char *, const char *, int, int, int>> balance = {
        {"1", "ACTIVO", 7080125, 415025, 600000},
        {"11", "ACTIVO CIRCULANTE", 5830075, 415025, 600000},
        {"1105", "BANCOS", 5830075, 415025, 600000},
        {"110501", "BANCOS NACIONALES", 5830075, 415025, 600000},
        {"110501001", "Banco Mercantil cuenta corriente", 5000000, 415025, 600000},
        {"110501002", "Banco Provincial cuenta corriente", 830075, 0, 0},
        {"12", "ACTIVO FIJO", 1250050, 0, 0},
        {"120101001", "Mobiliario de oficina", 1250050, 0, 0},
        {"2", "PASIVO", -1250050, 600000, 0},
        {"210101001", "Proveedores nacionales", -1250050, 600000, 0},
        {"3", "PATRIMONIO", -5000000, 0, 0},
        {"310101001", "Capital suscrito y pagado", -5000000, 0, 0},
        {"4", "INGRESOS", -830075, 0, 415025},
        {"410101001", "Ventas de mercancía", -830075, 0, 415025}};
    std::vector<QVariantList> rows;
    for (const auto &[code, name, opening, debit, credit] : balance) {
        const QString c = QString::fromLatin1(code);
        const int level = c.size() <= 1   ? 0
                          : c.size() <= 2 ? 1
                          : c.size() <= 4 ? 2
                          : c.size() <= 6 ? 3
                                          : 4;
        const QString indent(level * 3, ' ');
        const bool top = c.size() == 1;
        const int closing = opening + debit - credit;
        rows.push_back({c, QString::fromUtf8(name), 3, 2025, opening * 10, debit * 10, credit * 10,
                        closing * 10, int(c.size() < 9), 0, indent + c,
                        indent + QString::fromUtf8(name), top ? opening * 10 : 0,
                        top ? debit * 10 : 0, top ? credit * 10 : 0, top ? closing * 10 : 0});
    }
    fill({"Codigo", "nombre", "Mes", "Ano", "SaldoInicial", "valordebito", "valorcredito",
          "NuevoSaldo", "EsPadre", "Consolidado", "CodigoSangrado", "NombreSangrado",
          "TotalSaldoInicial", "TotalDebito", "TotalCredito", "TotalNuevoSaldo"},
         rows);
    const ReportDocument document = render("crpBalance.rpt", "Balance Prueba");
    expectGolden(document, "crpBalance");
    const QStringList text = document.pageText(0);
    EXPECT_TRUE(text.contains("Totales | 0,00 | 10.150,25 | 10.150,25 | 0,00"))
        << text.join('\n').toStdString();
    const auto &fonts = document.layout().fonts;
    for (const DrawItem &item : document.page(0).items) {
        if (item.text.trimmed() == "BANCOS") {
            EXPECT_TRUE(fonts[size_t(item.font)].bold);
        }
        if (item.text.trimmed() == "Ventas de mercancía") {
            EXPECT_FALSE(fonts[size_t(item.font)].bold);
        }
    }
}

TEST_F(ShippedLayouts, AThirdPartysCard)
{
    fill({"Codigo", "Nombre", "Direccion", "TipoPersona", "Regimen", "Telefono1", "Telefono2",
          "SujetoAReteFuente", "SujetoAReteIVA", "Tributario"},
         {{"J301234567", "Suministros Industriales Los Andes, C.A.",
           "Zona Industrial Los Ruices, calle D con avenida Principal, galpón 14, municipio Sucre, "
           "estado Miranda, frente a la estación de servicio",
           0, "Contribuyente especial", "0212-239.44.10", "0414-320.11.22", 1, 1, 0}});
    expectGolden(render("crpTercero.rpt", "Terceros"), "crpTercero");
}

TEST_F(ShippedLayouts, ACompanysCardWithItsSignature)
{
    QImage signature(300, 100, QImage::Format_ARGB32);
    signature.fill(Qt::transparent);
    QPainter painter(&signature);
    painter.setPen(QPen(Qt::darkBlue, 4));
    painter.drawPolyline(QPolygon({{10, 70}, {60, 20}, {90, 80}, {150, 30}, {200, 75}, {290, 40}}));
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    signature.save(&buffer, "PNG");
    database.db().exec("INSERT INTO EMPRESA (Codigo, Nombre, Tipo, CodigoMatriz, Firma) "
                       "VALUES (?, ?, ?, ?, ?)",
                       {"J-30123456-7", "Distribuidora El Ávila, C.A.", 1, "J-30123456-7", png});
    session.gEmpresa = session.gMatriz = QStringLiteral("J-30123456-7");

    fill({"Codigo", "Nombre", "Direccion", "Representante", "Telefono1", "Telefono2", "Fax", "Mes",
          "Tipo", "CodMatriz", "Matriz", "NombreIDEmpresa"},
         {{"J-30123456-8", "Distribuidora El Ávila Valencia",
           "Av. Bolívar Norte, edificio Camoruco, "
           "planta baja, Valencia, estado Carabobo",
           "Pedro Rodríguez", "0241-822.33.44", "", "0241-822.33.45", 12, 0, "J-30123456-7",
           "Distribuidora El Ávila, C.A.", "RIF"}});
    const ReportDocument document = render("crpEmpresas.rpt", "Empresas");
    EXPECT_EQ(document.images().size(), 1u);
    expectGolden(document, "crpEmpresas");
}

} // namespace
