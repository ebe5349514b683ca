#include "ReportFixtures.h"
#include "platform/report/PageRenderer.h"
#include "platform/report/PdfExport.h"
#include "platform/report/TextMeasure.h"
#include "platform/report/ReportError.h"
#include "platform/report/ui/ReportPrinting.h"
#include "support/Printers.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

int pdfPages(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray pdf = file.readAll();
    if (!pdf.startsWith("%PDF-"))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(pdf).count(page));
}

ReportDocument book()
{
    return fixtures::documentOf(LayoutReader::readFile(fixtures::layoutPath("libro.rpt")),
                                fixtures::ledgerRows(3, 20));
}

// Copies a PDF where a person can look at it, when VALDORIA_SCREENSHOTS names a folder.
void keep(const ReportDocument &document, const QString &name)
{
    const QString dir = qEnvironmentVariable("VALDORIA_SCREENSHOTS");
    if (!dir.isEmpty() && QDir().mkpath(dir))
        PdfExport::write(document, QDir(dir).filePath(name + QStringLiteral(".pdf")));
}

TEST(PdfExport, WritesEveryPageWithoutAWindow)
{
    const ReportDocument document = book();
    QTemporaryDir dir;
    const QString path = dir.filePath("libro.pdf");
    PdfExport::write(document, path);
    EXPECT_EQ(pdfPages(path), 2);
    keep(document, "libro_mayor");
}

TEST(PdfExport, AnUnwritablePlaceIsReportedAndLeavesNothing)
{
    try {
        PdfExport::write(book(), "/no/existe/libro.pdf");
        FAIL() << "wrote into a folder that does not exist";
    } catch (const ReportError &e) {
        EXPECT_TRUE(
            e.message().startsWith("No se pudo escribir el archivo \"/no/existe/libro.pdf\""));
    }
    EXPECT_FALSE(QFile::exists("/no/existe/libro.pdf"));
}

TEST(PageRenderer, AmountsEndAtTheRightEdgeOfTheirColumn)
{
    const ReportDocument document = book();
    const qreal dpi = 150;
    const QImage page = PageRenderer(document).image(0, dpi);
    EXPECT_EQ(page.size(), QSize(qRound(215.9 * dpi / 25.4), qRound(279.4 * dpi / 25.4)));

    // The first movement row: its debit column runs from 138 mm to 169 mm on the sheet.
    const DrawItem *debit = nullptr;
    for (const DrawItem &item : document.page(0).items) {
        if (item.kind == DrawItem::Kind::Text && item.rect.left() == 15 + 123 &&
            item.text == "1.000,13")
            debit = &item;
    }
    ASSERT_NE(debit, nullptr);
    const auto px = [&](qreal mm) { return int(mm * dpi / 25.4); };
    int rightmostInk = -1;
    int leftmostInk = page.width();
    for (int y = px(debit->rect.top()); y < px(debit->rect.bottom()); ++y) {
        for (int x = px(debit->rect.left()); x < px(debit->rect.right()); ++x) {
            if (qGray(page.pixel(x, y)) < 128) {
                rightmostInk = std::max(rightmostInk, x);
                leftmostInk = std::min(leftmostInk, x);
            }
        }
    }
    ASSERT_GE(rightmostInk, 0) << "nothing was painted where the amount goes";
    EXPECT_GE(rightmostInk, px(debit->rect.right()) - 3);
    EXPECT_GT(leftmostInk, px(debit->rect.left() + 15)) << "the amount is not right-aligned";
}

// Ink of `page` within `mm` (a rectangle on the sheet), as the rightmost and lowest pixel.
QPoint inkExtent(const QImage &page, const QRectF &mm, qreal dpi)
{
    const auto px = [&](qreal v) { return int(v * dpi / 25.4); };
    QPoint extent(-1, -1);
    for (int y = px(mm.top()); y < std::min(page.height(), px(mm.bottom())); ++y) {
        for (int x = px(mm.left()); x < std::min(page.width(), px(mm.right())); ++x) {
            if (qGray(page.pixel(x, y)) < 160) {
                extent.setX(std::max(extent.x(), x));
                extent.setY(std::max(extent.y(), y));
            }
        }
    }
    return extent;
}

// A text that fits its field at the engine's reference resolution stays on one line at any
// other, where its glyphs may come out a hair wider: its last word is painted, not pushed
// onto a second line the field has no room for.
TEST(PageRenderer, ATextThatFitsAtTheReferenceFitsOnEveryDevice)
{
    const QString text = "DEPRECIACION DE EQUIPO DE OFICINA";
    ReportFontStyle style;
    QImage reference(1, 1, QImage::Format_ARGB32);
    const int dotsPerMeter = qRound(TextMeasure::ReferenceDpi / 25.4 * 1000);
    reference.setDotsPerMeterX(dotsPerMeter);
    reference.setDotsPerMeterY(dotsPerMeter);
    const qreal width = QFontMetricsF(TextMeasure::fontFor(style), &reference)
                            .horizontalAdvance(text) *
                        25.4 / TextMeasure::ReferenceDpi;
    const ReportDocument document = fixtures::documentOf(
        fixtures::layoutOf(QStringLiteral("<font name='normal' size='8'/><detail height='4'>"
                                          "<field x='0' y='0' width='%1' height='4' name='Texto' "
                                          "grow='true'/></detail>")
                               .arg(width, 0, 'f', 4)),
        ReportData({"Texto"}, {{text}}));
    const DrawItem &item = document.page(0).items.at(0);
    ASSERT_TRUE(item.lines.isEmpty());
    for (const qreal dpi : {50.0, 72.0, 96.0, 110.0, 144.0}) {
        const QImage page = PageRenderer(document).image(0, dpi);
        // The whole line, with room on the right for a wider device.
        const QRectF around(item.rect.left(), item.rect.top(), item.rect.width() + 20,
                            item.rect.height());
        const QPoint ink = inkExtent(page, around, dpi);
        EXPECT_GE(ink.x(), int((item.rect.right() - 3) * dpi / 25.4))
            << "the last word is missing at " << dpi << " dpi";
    }
}

// A text too wide for its field is painted on the lines the engine broke it into, each of
// them whole, whatever the resolution.
TEST(PageRenderer, AWrappedTextIsPaintedOnEveryLineItTakes)
{
    const ReportDocument document = fixtures::documentOf(
        fixtures::layoutOf("<detail height='4'><field x='0' y='0' width='28' height='4' "
                           "name='Texto'/></detail>"),
        ReportData({"Texto"}, {{"MANTENIMIENTO PREVENTIVO DE EQUIPO DE OFICINA"}}));
    const DrawItem &item = document.page(0).items.at(0);
    ASSERT_GE(item.lines.size(), 2);
    for (const qreal dpi : {72.0, 96.0, 300.0}) {
        const QImage page = PageRenderer(document).image(0, dpi);
        const qreal lineHeight = item.rect.height() / item.lines.size();
        // Ink in the band of the last line, and none below the item.
        const QRectF lastLine(item.rect.left(), item.rect.bottom() - lineHeight,
                              item.rect.width() + 5, lineHeight);
        EXPECT_GE(inkExtent(page, lastLine, dpi).x(), 0) << "last line missing at " << dpi;
        const QRectF below(item.rect.left(), item.rect.bottom() + 0.5, item.rect.width() + 5, 10);
        EXPECT_LT(inkExtent(page, below, dpi).x(), 0) << "a line too many at " << dpi;
    }
    keep(document, "texto_partido");
}

TEST(ReportPrinting, PrintsThroughAPrinterWithoutAsking)
{
    // A printer writing PDF stands in for paper: the same path as a real printer.
    const ReportDocument document = book();
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("impreso.pdf"));
    ReportPrinting::setUp(printer, document);
    EXPECT_TRUE(printer.fullPage());
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
    ASSERT_TRUE(ReportPrinting::print(document, printer));
    EXPECT_EQ(pdfPages(dir.filePath("impreso.pdf")), 2);
}

} // namespace
