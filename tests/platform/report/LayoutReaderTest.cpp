#include "ReportFixtures.h"
#include "platform/report/ReportError.h"
#include "support/Printers.h"

#include <gtest/gtest.h>

namespace {

ReportLayout read(const QString &xml)
{
    return LayoutReader::readText(xml.toUtf8(), QStringLiteral("prueba.rpt"));
}

// The message a malformed layout is rejected with.
QString rejection(const QString &xml)
{
    try {
        read(xml);
    } catch (const ReportError &e) {
        return e.message();
    }
    return QStringLiteral("(accepted)");
}

TEST(LayoutReader, ReadsPageFontsBandsAndGroups)
{
    const ReportLayout layout = LayoutReader::readFile(fixtures::layoutPath("libro.rpt"));
    EXPECT_EQ(layout.page.paper, ReportPaper::Letter);
    EXPECT_EQ(layout.page.orientation, ReportOrientation::Portrait);
    EXPECT_DOUBLE_EQ(layout.page.margins.top(), 12);
    EXPECT_NEAR(layout.page.bodyWidth(), 185.9, 1e-9);
    ASSERT_EQ(layout.groups.size(), 1u);
    EXPECT_EQ(layout.groups[0].field, "Cuenta");
    EXPECT_TRUE(layout.groups[0].repeatHeader);
    EXPECT_TRUE(layout.pageHeader.present && layout.columnHeader.present && layout.detail.present &&
                layout.summary.present && layout.pageFooter.present);
    EXPECT_DOUBLE_EQ(layout.detail.height, 4.5);

    const ReportElement &debit = layout.detail.elements[3];
    EXPECT_EQ(debit.kind, ReportElementKind::Field);
    EXPECT_EQ(debit.field, "Debe");
    EXPECT_EQ(debit.format.format, ReportFormat::Amount);
    EXPECT_TRUE(debit.format.blankWhenZero);
    EXPECT_EQ(debit.alignment, int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(debit.rect, QRectF(123, 0, 31, 4.5));

    const ReportElement &title = layout.pageHeader.elements[4];
    EXPECT_EQ(title.text, "LIBRO MAYOR");
    EXPECT_EQ(layout.fonts[size_t(title.font)].pointSize, 13);
    EXPECT_TRUE(layout.fonts[size_t(title.font)].bold);
    EXPECT_EQ(layout.fonts[0].family, "DejaVu Sans");
}

TEST(LayoutReader, SumsTakeTheirScopeFromWhereTheyStand)
{
    const ReportLayout layout = read(
        "<report><group field='Cuenta'><footer height='5'>"
        "<sum x='0' y='0' width='10' height='5' field='Debe'/></footer></group>"
        "<group field='Tercero'><footer height='5'>"
        "<sum x='0' y='0' width='10' height='5' field='Debe' group='cuenta'/></footer></group>"
        "<detail height='5'><sum x='0' y='0' width='10' height='5' field='Debe' scope='group'/>"
        "<count x='0' y='0' width='10' height='5' scope='page'/></detail>"
        "<summary height='5'><sum x='0' y='0' width='10' height='5' field='Debe'/></summary>"
        "</report>");
    const ReportElement &outer = layout.groups[0].footer.elements[0];
    EXPECT_EQ(outer.scope, ReportScope::Group);
    EXPECT_EQ(outer.groupLevel, 0);
    EXPECT_EQ(outer.format.format, ReportFormat::Amount);
    // A group named outright, in any case.
    EXPECT_EQ(layout.groups[1].footer.elements[0].groupLevel, 0);
    // Group scope outside a group band means the innermost group.
    EXPECT_EQ(layout.detail.elements[0].groupLevel, 1);
    EXPECT_EQ(layout.detail.elements[1].scope, ReportScope::Page);
    EXPECT_EQ(layout.detail.elements[1].format.format, ReportFormat::Number);
    EXPECT_EQ(layout.summary.elements[0].scope, ReportScope::Report);
}

TEST(LayoutReader, CarriedTotalBandsSumWhatThePagesSoFarHold)
{
    const ReportLayout layout = read(
        "<report><broughtForward height='5'><text x='0' y='0' width='10' height='5'>Vienen"
        "</text><sum x='10' y='0' width='10' height='5' field='Debe'/></broughtForward>"
        "<carriedForward height='6'><sum x='10' y='0' width='10' height='5' field='Debe'/>"
        "<sum x='20' y='0' width='10' height='5' field='Debe' scope='page'/></carriedForward>"
        "<detail height='5'><field x='0' y='0' width='10' height='5' name='Texto' "
        "ellipsis='true'/></detail></report>");
    ASSERT_TRUE(layout.broughtForward.present);
    ASSERT_TRUE(layout.carriedForward.present);
    EXPECT_DOUBLE_EQ(layout.carriedForward.height, 6);
    EXPECT_EQ(layout.broughtForward.elements[1].scope, ReportScope::Running);
    EXPECT_EQ(layout.carriedForward.elements[0].scope, ReportScope::Running);
    EXPECT_EQ(layout.carriedForward.elements[1].scope, ReportScope::Page);
    EXPECT_TRUE(layout.detail.elements[0].ellipsis);
    EXPECT_TRUE(layout.fieldNames().contains("Debe", Qt::CaseInsensitive));
}

TEST(LayoutReader, OverridesMakeNewFontsAndBoldWhenHasItsOwn)
{
    const ReportLayout layout =
        read("<report><font name='normal' family='DejaVu Serif' size='9'/>"
             "<font name='chica' size='6'/><detail height='5'>"
             "<field x='0' y='0' width='10' height='5' name='A' font='chica' italic='true'/>"
             "<field x='0' y='0' width='10' height='5' name='B' boldWhen='EsPadre'/>"
             "<field x='0' y='0' width='10' height='5' name='C'/></detail></report>");
    const auto &e = layout.detail.elements;
    EXPECT_EQ(layout.fonts[0].family, "DejaVu Serif");
    EXPECT_EQ(layout.fonts[size_t(e[0].font)].pointSize, 6);
    EXPECT_TRUE(layout.fonts[size_t(e[0].font)].italic);
    EXPECT_EQ(e[1].font, 0);
    EXPECT_TRUE(layout.fonts[size_t(e[1].boldFont)].bold);
    EXPECT_EQ(layout.fonts[size_t(e[1].boldFont)].pointSize, 9);
    EXPECT_EQ(e[2].font, 0);
    EXPECT_EQ(layout.fieldNames(), QStringList({"A", "B", "EsPadre", "C"}));
}

TEST(LayoutReader, RejectsAMalformedFileWholeSayingWhereAndWhat)
{
    const struct
    {
        const char *xml;
        const char *says;
    } cases[] = {
        {"", "no es XML"},
        {"<informe/>", "se esperaba el elemento <report>"},
        {"<report><detail height='5'><field x='0' y='0' width='5' height='5'/></detail></report>",
         "necesita el atributo \"name\""},
        {"<report><detail height='5'><campo/></detail></report>", "elemento <campo> desconocido"},
        {"<report><detail height='5' color='red'/></report>", "atributo \"color\" desconocido"},
        {"<report><detail height='cinco'/></report>", "debe ser un número"},
        {"<report><detail height='5'><text x='0' y='0' width='0' height='5'>a</text></detail>"
         "</report>",
         "ancho y alto positivos"},
        {"<report><detail height='5'><text x='0' y='0' width='5' height='5' font='x'>a</text>"
         "</detail></report>",
         "la letra \"x\" no está declarada"},
        {"<report><summary height='5'><sum x='0' y='0' width='5' height='5' field='A' "
         "scope='group'/></summary></report>",
         "sin ningún <group>"},
        {"<report><group field='A'/><summary height='5'><sum x='0' y='0' width='5' height='5' "
         "field='A' group='B'/></summary></report>",
         "el grupo \"B\" no existe"},
        {"<report><detail height='5'/><detail height='5'/></report>", "aparece dos veces"},
        {"<report><detail height='5'><field x='0' y='0' width='5' height='5' name='A' "
         "grow='true' ellipsis='true'/></detail></report>",
         "no van juntos"},
        {"<report><page size='A3'/></report>", "tamaño de papel \"a3\""},
        {"<report><detail height='5'><field x='0' y='0' width='5' height='5' name='A' "
         "format='money'/></detail></report>",
         "formato \"money\" desconocido"},
        {"<report><detail height='5'><image x='0' y='0' width='5' height='5'/></detail></report>",
         "\"field\" o \"file\""},
        {"<report><detail height='5'><text x='0' y='0' width='5' height='5'>a</detail></report>",
         "línea"},
        {"<report version='2'/>", "versión de formato 2"},
    };
    for (const auto &c : cases) {
        const QString message = rejection(QString::fromUtf8(c.xml));
        EXPECT_TRUE(message.startsWith("El diseño de reporte \"prueba.rpt\" no es válido (línea "))
            << c.xml << " -> " << message.toStdString();
        EXPECT_TRUE(message.contains(QString::fromUtf8(c.says)))
            << c.xml << " -> " << message.toStdString();
    }
}

TEST(LayoutReader, TheLineOfTheFaultIsTheOneReported)
{
    const QString message = rejection("<report>\n<detail height='5'>\n\n"
                                      "<field x='0' y='0' width='5' height='5' nombre='A'/>\n"
                                      "</detail></report>");
    EXPECT_TRUE(message.contains("(línea 4)")) << message.toStdString();
}

TEST(LayoutReader, AMissingFileIsNamed)
{
    try {
        LayoutReader::readFile("/no/existe/crpNada.rpt");
        FAIL() << "a missing layout was read";
    } catch (const ReportError &e) {
        EXPECT_TRUE(e.message().startsWith("No se encuentra el diseño de reporte \"crpNada.rpt\""));
    }
}

} // namespace
