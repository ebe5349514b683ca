#include "ReportFixtures.h"
#include "platform/report/PageRenderer.h"
#include "platform/report/PdfExport.h"
#include "platform/report/ReportError.h"
#include "platform/report/ui/ReportPrinting.h"
#include "support/Printers.h"

#include <QDir>
#include <QFile>
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
