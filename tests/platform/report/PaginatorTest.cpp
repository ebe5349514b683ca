#include "ReportFixtures.h"
#include "support/Printers.h"

#include "platform/report/TextMeasure.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <gtest/gtest.h>

namespace {

using fixtures::documentOf;
using fixtures::layoutOf;

// A paint device at the resolution the engine measures with.
const QImage &referenceDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_ARGB32);
        const int dotsPerMeter = qRound(TextMeasure::ReferenceDpi / 25.4 * 1000);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

// Every band is 10 mm high, so a page holds exactly 25 of them between its margins
// (10 mm to 270 mm) when there is no heading, and the breaks can be counted by hand.
const char *const PageFooter =
    "<pageFooter height='10'>"
    "<sum x='0' y='0' width='60' height='10' field='Debe' scope='page' prefix='Página: '/>"
    "<sum x='60' y='0' width='60' height='10' field='Debe' scope='running' prefix='Van: '/>"
    "<pageOfPages x='120' y='0' width='60' height='10' prefix='Pág: '/></pageFooter>";

ReportData movements(const std::vector<std::pair<QString, int>> &accounts, qlonglong amount = 1000)
{
    std::vector<QVariantList> rows;
    for (const auto &[account, count] : accounts) {
        for (int i = 1; i <= count; ++i)
            rows.push_back({account, QStringLiteral("%1-%2").arg(account).arg(i),
                            account == "B" ? 2 * amount : amount});
    }
    return ReportData({"Cuenta", "Linea", "Debe"}, std::move(rows));
}

QString groupedLayout(bool repeatHeader, const char *extra = "")
{
    return QStringLiteral("<group field='Cuenta' repeatHeader='%1' %2>"
                          "<header height='10'><field x='0' y='0' width='50' height='10' "
                          "name='Cuenta' prefix='Cuenta '/></header>"
                          "<footer height='10'><field x='0' y='0' width='50' height='10' "
                          "name='Cuenta' prefix='Total '/>"
                          "<sum x='50' y='0' width='50' height='10' field='Debe'/>"
                          "<count x='100' y='0' width='50' height='10' suffix=' líneas'/>"
                          "</footer></group>"
                          "<detail height='10'><field x='0' y='0' width='50' height='10' "
                          "name='Linea'/></detail>"
                          "<summary height='10'><sum x='50' y='0' width='50' height='10' "
                          "field='Debe' prefix='General '/></summary>")
               .arg(repeatHeader ? "true" : "false", extra) +
           PageFooter;
}

TEST(Paginator, HeadingsRepeatOnEveryPageAndTheFooterCountsThePages)
{
    std::vector<QVariantList> rows;
    for (int i = 1; i <= 50; ++i)
        rows.push_back({QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'))});
    const ReportDocument document = documentOf(
        layoutOf("<pageHeader height='20'><text x='0' y='0' width='100' height='10'>ENCABEZADO"
                 "</text><pageNumber x='100' y='0' width='50' height='10' prefix='Página '/>"
                 "</pageHeader>"
                 "<columnHeader height='10'><text x='0' y='0' width='40' height='10'>Código</text>"
                 "</columnHeader>"
                 "<detail height='10'><field x='0' y='0' width='40' height='10' name='Codigo'/>"
                 "</detail>"
                 "<pageFooter height='10'><pageOfPages x='0' y='0' width='60' height='10' "
                 "prefix='Pág: '/></pageFooter>"),
        ReportData({"Codigo"}, std::move(rows)));

    // 220 mm between the headings and the footer: 22 rows a page.
    ASSERT_EQ(document.pageCount(), 3);
    const QStringList second = document.pageText(1);
    ASSERT_EQ(second.size(), 2 + 22 + 1);
    EXPECT_EQ(second[0], "ENCABEZADO | Página 2");
    EXPECT_EQ(second[1], "Código");
    EXPECT_EQ(second[2], "023");
    EXPECT_EQ(second[23], "044");
    EXPECT_EQ(second[24], "Pág: 2 de 3");
    EXPECT_EQ(document.pageText(2).size(), 2 + 6 + 1);
    EXPECT_EQ(document.pageText(2).last(), "Pág: 3 de 3");
}

TEST(Paginator, AGroupSplitAcrossPagesTotalsAllItsRowsAndCarriesThePageSums)
{
    const ReportDocument document =
        documentOf(layoutOf(groupedLayout(true)), movements({{"A", 25}, {"B", 5}}));

    ASSERT_EQ(document.pageCount(), 2);
    const QStringList first = document.pageText(0);
    EXPECT_EQ(first.first(), "Cuenta A");
    EXPECT_EQ(first[24], "A-24");
    EXPECT_EQ(first.last(), "Página: 24,00 | Van: 24,00 | Pág: 1 de 2");

    const QStringList second = document.pageText(1);
    EXPECT_EQ(second, QStringList({"Cuenta A", "A-25", "Total A | 25,00 | 25 líneas", "Cuenta B",
                                   "B-1", "B-2", "B-3", "B-4", "B-5", "Total B | 10,00 | 5 líneas",
                                   "General 35,00", "Página: 11,00 | Van: 35,00 | Pág: 2 de 2"}));
}

TEST(Paginator, WithoutRepeatTheContinuedGroupStartsWithItsRows)
{
    const ReportDocument document =
        documentOf(layoutOf(groupedLayout(false)), movements({{"A", 25}, {"B", 5}}));
    ASSERT_EQ(document.pageCount(), 2);
    EXPECT_EQ(document.pageText(1).first(), "A-25");
}

TEST(Paginator, AGroupHeaderIsNotLeftAloneAtTheFootOfAPage)
{
    // After A's 22 rows and its total there is room for B's header but not for its first row.
    const ReportDocument document =
        documentOf(layoutOf(groupedLayout(true)), movements({{"A", 22}, {"B", 3}}));
    ASSERT_EQ(document.pageCount(), 2);
    EXPECT_EQ(document.pageText(0)[23], "Total A | 22,00 | 22 líneas");
    EXPECT_EQ(document.pageText(0).size(), 25);
    EXPECT_EQ(document.pageText(1).first(), "Cuenta B");
}

TEST(Paginator, GroupsMarkedNewPageStartOnAPageOfTheirOwn)
{
    const ReportDocument document = documentOf(layoutOf(groupedLayout(false, "newPage='true'")),
                                               movements({{"A", 2}, {"B", 2}, {"C", 1}}));
    ASSERT_EQ(document.pageCount(), 3);
    EXPECT_EQ(document.pageText(1).first(), "Cuenta B");
    EXPECT_EQ(document.pageText(2).first(), "Cuenta C");
    EXPECT_EQ(document.pageText(2)[3], "General 7,00");
}

TEST(Paginator, NestedGroupsCloseInnerFirstAndRestartWithTheOuter)
{
    std::vector<QVariantList> rows = {
        {"1", "X", qlonglong(1000)},
        {"1", "Y", qlonglong(2000)},
        {"1", "Y", qlonglong(3000)},
        {"2", "Y", qlonglong(4000)}, // same inner key, new outer group
    };
    const ReportDocument document = documentOf(
        layoutOf("<group field='Cuenta'><footer height='10'><sum x='0' y='0' width='50' "
                 "height='10' field='Debe' prefix='Cuenta '/></footer></group>"
                 "<group field='Tercero'><footer height='10'><field x='0' y='0' width='50' "
                 "height='10' name='Tercero' prefix='Tercero '/><sum x='50' y='0' width='50' "
                 "height='10' field='Debe'/><sum x='100' y='0' width='50' height='10' "
                 "field='Debe' group='Cuenta' prefix='de '/></footer></group>"
                 "<detail height='10'><field x='0' y='0' width='50' height='10' name='Debe' "
                 "format='amount'/></detail>"),
        ReportData({"Cuenta", "Tercero", "Debe"}, std::move(rows)));
    EXPECT_EQ(document.pageText(0),
              QStringList({"1,00", "Tercero X | 1,00 | de 6,00", "2,00", "3,00",
                           "Tercero Y | 5,00 | de 6,00", "Cuenta 6,00", "4,00",
                           "Tercero Y | 4,00 | de 4,00", "Cuenta 4,00"}));
}

TEST(Paginator, AGrowingFieldPushesWhatFollowsDown)
{
    const QString longText = QStringLiteral(
        "Avenida Francisco de Miranda, Torre Europa, piso 12, oficina 12-B, urbanización "
        "Campo Alegre, municipio Chacao, estado Miranda, código postal 1060");
    const ReportDocument document = documentOf(
        layoutOf("<detail height='5'><field x='0' y='0' width='40' height='5' name='Texto' "
                 "grow='true'/></detail>"),
        ReportData({"Texto"}, {{longText}, {QStringLiteral("corto")}}));
    const auto &items = document.page(0).items;
    ASSERT_EQ(items.size(), 2u);
    EXPECT_GT(items[0].rect.height(), 15) << "wrapped onto several lines";
    EXPECT_GT(items[0].lines.size(), 3);
    EXPECT_DOUBLE_EQ(items[1].rect.top(), items[0].rect.bottom());
    EXPECT_DOUBLE_EQ(items[1].rect.height(), 5);
}

// Every line of a wrapped text fits its width at the reference resolution, and together they
// hold the whole text: no character is cut or lost.
void expectWholeLinesWithin(const DrawItem &item, const ReportFontStyle &style, qreal widthMm)
{
    const QFontMetricsF metrics(TextMeasure::fontFor(style), &referenceDevice());
    for (const QString &line : item.lines)
        EXPECT_LE(metrics.horizontalAdvance(line) * 25.4 / TextMeasure::ReferenceDpi, widthMm)
            << line.toStdString();
    EXPECT_EQ(item.lines.join("").remove(' '), QString(item.text).remove(' '))
        << item.lines.join('|').toStdString();
}

TEST(Paginator, ATextWiderThanItsFieldWrapsAndItsBandGrows)
{
    const QString description = "MANTENIMIENTO PREVENTIVO DE EQUIPO DE OFICINA";
    const ReportDocument document = documentOf(
        layoutOf("<detail height='5'><field x='0' y='0' width='25' height='5' name='Texto'/>"
                 "<field x='30' y='0' width='30' height='5' name='Codigo'/></detail>"),
        ReportData({"Texto", "Codigo"}, {{description, "0001"}, {"CORTO", "0002"}}));
    const auto &items = document.page(0).items;
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].text, description);
    ASSERT_GT(items[0].lines.size(), 1);
    // Words stay whole: the field breaks between them.
    for (const QString &line : items[0].lines)
        EXPECT_TRUE(description.contains(line)) << line.toStdString();
    expectWholeLinesWithin(items[0], document.layout().fonts[0], 25);
    EXPECT_GT(items[0].rect.height(), 5);
    EXPECT_TRUE(items[1].lines.isEmpty());
    // The next row starts below the last line.
    EXPECT_DOUBLE_EQ(items[2].rect.top(), items[0].rect.bottom());
    EXPECT_TRUE(items[2].lines.isEmpty());
}

TEST(Paginator, AWordWiderThanItsFieldBreaksBetweenCharacters)
{
    const QString code = "CUENTAPORCOBRARCOMERCIALNACIONAL";
    const ReportDocument document = documentOf(
        layoutOf("<detail height='5'><field x='0' y='0' width='12' height='5' name='Texto'/>"
                 "</detail>"),
        ReportData({"Texto"}, {{code}}));
    const DrawItem &item = document.page(0).items.at(0);
    ASSERT_GT(item.lines.size(), 1);
    expectWholeLinesWithin(item, document.layout().fonts[0], 12);
}

TEST(Paginator, AnIndentedTextKeepsItsIndentOnEveryLine)
{
    const QString name = "      GASTOS DE MANTENIMIENTO PREVENTIVO DE EQUIPOS DE OFICINA";
    const ReportDocument document =
        documentOf(layoutOf("<detail height='5'><field x='0' y='0' width='30' height='5' "
                            "name='Nombre'/></detail>"),
                   ReportData({"Nombre"}, {{name}}));
    const DrawItem &item = document.page(0).items.at(0);
    ASSERT_GT(item.lines.size(), 2);
    for (const QString &line : item.lines) {
        EXPECT_TRUE(line.startsWith("      ")) << line.toStdString();
        EXPECT_NE(line.at(6), ' ') << line.toStdString();
    }
    expectWholeLinesWithin(item, document.layout().fonts[0], 30);
}

TEST(Paginator, ABoldTextIsMeasuredInBold)
{
    // A text that fits its field in the regular letter and not in bold.
    TextMeasure measure;
    const ReportFontStyle regular;
    ReportFontStyle bold = regular;
    bold.bold = true;
    const QString text = "PROPIEDAD PLANTA Y EQUIPO";
    const QFontMetricsF plain(TextMeasure::fontFor(regular), &referenceDevice());
    const QFontMetricsF heavy(TextMeasure::fontFor(bold), &referenceDevice());
    const qreal toMm = 25.4 / TextMeasure::ReferenceDpi;
    const qreal width = (plain.horizontalAdvance(text) + heavy.horizontalAdvance(text)) / 2 * toMm;
    ASSERT_LT(plain.horizontalAdvance(text) * toMm, width);

    const ReportDocument document = documentOf(
        layoutOf(QStringLiteral("<font name='normal' size='8'/><detail height='5'>"
                                "<field x='0' y='0' width='%1' height='5' name='Nombre' "
                                "boldWhen='EsPadre'/></detail>")
                     .arg(width)),
        ReportData({"Nombre", "EsPadre"}, {{text, 1}, {text, 0}}));
    const auto &items = document.page(0).items;
    ASSERT_EQ(items.size(), 2u);
    EXPECT_TRUE(document.layout().fonts[size_t(items[0].font)].bold);
    EXPECT_EQ(items[0].lines.size(), 2) << "in bold it does not fit on one line";
    expectWholeLinesWithin(items[0], bold, width);
    EXPECT_TRUE(items[1].lines.isEmpty());
    EXPECT_DOUBLE_EQ(items[1].rect.top(), items[0].rect.bottom());
}

TEST(Paginator, ALayoutMayEndATextThatDoesNotFitWithAnEllipsis)
{
    const QString description = "DEPRECIACION ACUMULADA DE EQUIPO DE OFICINA";
    const ReportDocument document = documentOf(
        layoutOf("<detail height='5'><field x='0' y='0' width='30' height='5' name='Texto' "
                 "ellipsis='true'/></detail>"),
        ReportData({"Texto"}, {{description}, {"CAJA"}}));
    const auto &items = document.page(0).items;
    ASSERT_EQ(items.size(), 2u);
    ASSERT_TRUE(items[0].text.endsWith(QChar(0x2026))) << items[0].text.toStdString();
    EXPECT_TRUE(description.startsWith(items[0].text.chopped(1)));
    EXPECT_GT(items[0].text.size(), 5);
    EXPECT_TRUE(items[0].lines.isEmpty());
    EXPECT_DOUBLE_EQ(items[0].rect.height(), 5);
    EXPECT_EQ(items[1].text, "CAJA");
    EXPECT_DOUBLE_EQ(items[1].rect.top(), items[0].rect.bottom());
}

// The "Van" line ends every page but the last, the "Vienen" line opens every page but the
// first, with the same amount, and the grand total closes the report.
const char *const CarriedTotals =
    "<pageHeader height='10'><text x='0' y='0' width='60' height='10'>LIBRO</text></pageHeader>"
    "<broughtForward height='10'><text x='0' y='0' width='50' height='10'>Vienen</text>"
    "<sum x='50' y='0' width='50' height='10' field='Debe'/></broughtForward>"
    "<detail height='10'><field x='0' y='0' width='50' height='10' name='Linea'/>"
    "<field x='50' y='0' width='50' height='10' name='Debe' format='amount'/></detail>"
    "<summary height='10'><text x='0' y='0' width='50' height='10'>Total general</text>"
    "<sum x='50' y='0' width='50' height='10' field='Debe'/></summary>"
    "<carriedForward height='10'><text x='0' y='0' width='50' height='10'>Van</text>"
    "<sum x='50' y='0' width='50' height='10' field='Debe'/></carriedForward>"
    "<pageFooter height='10'><pageOfPages x='0' y='0' width='60' height='10' "
    "prefix='Pág: '/></pageFooter>";

TEST(Paginator, CarriedTotalsEndEveryPageButTheLastAndOpenEveryPageButTheFirst)
{
    // 260 mm less heading, footer and "Van": 23 rows on the first page, 22 after "Vienen".
    const ReportDocument document =
        documentOf(layoutOf(CarriedTotals), movements({{"A", 50}}));
    ASSERT_EQ(document.pageCount(), 3);
    const QStringList first = document.pageText(0);
    EXPECT_EQ(first.size(), 1 + 23 + 2);
    EXPECT_EQ(first[1], "A-1 | 1,00");
    EXPECT_EQ(first[first.size() - 2], "Van | 23,00");
    EXPECT_EQ(first.last(), "Pág: 1 de 3");

    const QStringList second = document.pageText(1);
    EXPECT_EQ(second[0], "LIBRO");
    EXPECT_EQ(second[1], "Vienen | 23,00");
    EXPECT_EQ(second[2], "A-24 | 1,00");
    EXPECT_EQ(second[second.size() - 2], "Van | 45,00");

    const QStringList last = document.pageText(2);
    EXPECT_EQ(last[1], "Vienen | 45,00");
    EXPECT_EQ(last.size(), 1 + 1 + 5 + 2);
    EXPECT_EQ(last[last.size() - 2], "Total general | 50,00");
    EXPECT_EQ(last.last(), "Pág: 3 de 3");
    EXPECT_FALSE(last.join('\n').contains("Van"));
}

TEST(Paginator, TheGrandTotalMayTakeTheRoomOfTheLastPagesVan)
{
    // 23 rows fill the first page down to the "Van" line; the total fits in its room.
    const ReportDocument document =
        documentOf(layoutOf(CarriedTotals), movements({{"A", 23}}));
    ASSERT_EQ(document.pageCount(), 1);
    const QStringList page = document.pageText(0);
    EXPECT_EQ(page[page.size() - 2], "Total general | 23,00");
    EXPECT_FALSE(page.join('\n').contains("Van"));
    EXPECT_FALSE(page.join('\n').contains("Vienen"));
}

TEST(Paginator, ASinglePageCarriesNothing)
{
    const ReportDocument document = documentOf(layoutOf(CarriedTotals), movements({{"A", 3}}));
    ASSERT_EQ(document.pageCount(), 1);
    EXPECT_EQ(document.pageText(0),
              QStringList({"LIBRO", "A-1 | 1,00", "A-2 | 1,00", "A-3 | 1,00",
                           "Total general | 3,00", "Pág: 1 de 1"}));
}

TEST(Paginator, WithoutRowsThereIsStillOnePageWithHeadingAndSummary)
{
    const ReportDocument document =
        documentOf(layoutOf(groupedLayout(true)), ReportData({"Cuenta", "Linea", "Debe"}, {}));
    ASSERT_EQ(document.pageCount(), 1);
    EXPECT_EQ(document.pageText(0),
              QStringList({"General 0,00", "Página: 0,00 | Van: 0,00 | Pág: 1 de 1"}));
}

TEST(Paginator, ConditionsHideAndEmbolden)
{
    const ReportDocument document = documentOf(
        layoutOf("<font name='normal' size='8'/><detail height='10'>"
                 "<field x='0' y='0' width='40' height='10' name='Codigo' boldWhen='EsPadre'/>"
                 "<text x='40' y='0' width='40' height='10' when='EsPadre'>grupo</text>"
                 "<text x='80' y='0' width='40' height='10' unless='EsPadre'>detalle</text>"
                 "</detail>"),
        ReportData({"Codigo", "EsPadre"}, {{"1", 1}, {"1101", 0}}));
    EXPECT_EQ(document.pageText(0), QStringList({"1 | grupo", "1101 | detalle"}));
    const auto &items = document.page(0).items;
    const auto &fonts = document.layout().fonts;
    EXPECT_TRUE(fonts[size_t(items[0].font)].bold);
    EXPECT_FALSE(fonts[size_t(items[2].font)].bold);
}

TEST(Paginator, TheRunsPaperAndOrientationDecideThePages)
{
    ReportDocument document = documentOf(layoutOf(groupedLayout(true)), movements({{"A", 40}}));
    EXPECT_EQ(document.pageCount(), 2);
    document.setOrientation(ReportOrientation::Landscape);
    // 215.9 mm high: (215.9 - 19.4 - 10) / 10 = 18 bands a page.
    EXPECT_EQ(document.pageCount(), 3);
    document.setOrientation(ReportOrientation::Portrait);
    document.setPaper(ReportPaper::Legal);
    EXPECT_EQ(document.pageCount(), 2);
    EXPECT_EQ(document.pageText(0).size(), 1 + 31 + 1);
}

TEST(Paginator, ImagesComeFromParametersOnceAndMissingOnesAreLeftOut)
{
    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(Qt::darkBlue);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    logo.save(&buffer, "PNG");

    ReportData data({"Codigo"}, {{"1"}, {"2"}});
    data.setParameter("Logo", png);
    data.setParameter("Firma", QByteArray());
    const ReportDocument document = documentOf(
        layoutOf("<detail height='20'><image x='0' y='0' width='20' height='10' field='Logo'/>"
                 "<image x='20' y='0' width='20' height='10' field='Firma'/>"
                 "<image x='40' y='0' width='20' height='10' file='/no/existe.png'/></detail>"),
        std::move(data));
    ASSERT_EQ(document.images().size(), 1u);
    EXPECT_EQ(document.images()[0].size(), QSize(40, 20));
    const auto &items = document.page(0).items;
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].kind, DrawItem::Kind::Image);
    EXPECT_EQ(items[1].image, 0);
    EXPECT_EQ(items[1].rect, QRectF(10, 30, 20, 10));
}

TEST(Paginator, TheBookRunsOverTwoPagesWithItsHeadingsAndTotals)
{
    const ReportDocument document = documentOf(
        LayoutReader::readFile(fixtures::layoutPath("libro.rpt")), fixtures::ledgerRows(3, 20));
    ASSERT_EQ(document.pageCount(), 2);
    const QStringList second = document.pageText(1);
    EXPECT_EQ(second[0], "Distribuidora El Ávila, C.A. | Fecha: 15/03/2024");
    EXPECT_EQ(second[3], "LIBRO MAYOR");
    EXPECT_EQ(second[4], "Fecha | Comprobante | Descripción | Debe | Haber");
    const QStringList first = document.pageText(0);
    const QString van = first[first.size() - 2];
    EXPECT_TRUE(van.startsWith("Van | ")) << van.toStdString();
    EXPECT_EQ(second[5], "Vienen" + van.mid(3));
    EXPECT_TRUE(second[6].startsWith("110103 | Cuenta número 3")) << second[6].toStdString();
    // Per account 14 debits of i × 1.000,125 and 6 credits of i × 500 (i up to 20): the
    // totals add the exact thousandths, not the cents printed on each line.
    EXPECT_TRUE(second.contains("Total cuenta 110103 | 147.018,38 | 31.500,00"));
    EXPECT_EQ(second[second.size() - 2], "Total general | 441.055,13 | 94.500,00");
    EXPECT_EQ(second.last(), "Usuario: María Pérez | Pág: 2 de 2");
}

} // namespace
