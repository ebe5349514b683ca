#include "platform/report/PdfExport.h"
#include "ReportFixtures.h"
#include "platform/report/PageRenderer.h"
#include "platform/report/ReportError.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// The PDF is read back with poppler, as a person's viewer would read it: the words where the
// layout put them, the text as it was written, the pages and their size.
namespace {

constexpr qreal PointsPerMm = 72 / 25.4;

struct Output
{
    QString out;
    QString err;
    int code = -1;
};

Output run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(program), arguments);
    process.waitForFinished(120'000);
    return {QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError()), process.exitCode()};
}

// A word of a page as pdftotext finds it, in points from the top-left corner.
struct Word
{
    QString text;
    QRectF box;
};

std::vector<Word> wordsOf(const QString &pdf, int page)
{
    const QString html = run("pdftotext", {"-bbox", "-f", QString::number(page), "-l",
                                           QString::number(page), pdf, "-"})
                             .out;
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    std::vector<Word> words;
    for (auto m = word.globalMatch(html); m.hasNext();) {
        const auto w = m.next();
        const QPointF from(w.captured(1).toDouble(), w.captured(2).toDouble());
        const QPointF to(w.captured(3).toDouble(), w.captured(4).toDouble());
        QString text = w.captured(5);
        text.replace("&amp;", "&")
            .replace("&lt;", "<")
            .replace("&gt;", ">")
            .replace("&quot;", "\"");
        words.push_back({text, QRectF(from, to)});
    }
    return words;
}

// The word `text` whose middle lies within the height of `rect` (millimetres), below `below`
// points.
const Word *wordIn(const std::vector<Word> &words, const QString &text, const QRectF &rect,
                   qreal below = -1)
{
    for (const Word &w : words) {
        const qreal middle = w.box.center().y() / PointsPerMm;
        if (w.text == text && middle >= rect.top() && middle <= rect.bottom() &&
            w.box.top() > below)
            return &w;
    }
    return nullptr;
}

// Ink of `page` within `mm`, a rectangle on the sheet: its bounding box in pixels.
QRect inkWithin(const QImage &page, const QRectF &mm, qreal dpi)
{
    const auto px = [&](qreal v) { return int(v * dpi / 25.4); };
    QRect ink;
    for (int y = std::max(0, px(mm.top())); y < std::min(page.height(), px(mm.bottom())); ++y) {
        for (int x = std::max(0, px(mm.left())); x < std::min(page.width(), px(mm.right())); ++x) {
            if (qGray(page.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

ReportDocument book()
{
    return fixtures::documentOf(LayoutReader::readFile(fixtures::layoutPath("libro.rpt")),
                                fixtures::ledgerRows(3, 20));
}

class PdfExportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const char *tool : {"pdftotext", "pdfinfo", "pdftoppm"}) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                GTEST_SKIP() << tool << " (poppler-utils) is not installed";
        }
    }

    QString exported(const ReportDocument &document, const QString &name)
    {
        const QString path = m_dir.filePath(name + ".pdf");
        PdfExport::write(document, path);
        const QString shots = qEnvironmentVariable("VALDORIA_SCREENSHOTS");
        if (!shots.isEmpty() && QDir().mkpath(shots)) {
            QFile::remove(QDir(shots).filePath(name + ".pdf"));
            QFile::copy(path, QDir(shots).filePath(name + ".pdf"));
        }
        return path;
    }

    // Page `page` (from 1) of `pdf` as poppler draws it; its complaints fail the test.
    QImage rendered(const QString &pdf, int page, qreal dpi)
    {
        const QString prefix = m_dir.filePath("pagina");
        const Output out =
            run("pdftoppm", {"-png", "-r", QString::number(dpi), "-f", QString::number(page), "-l",
                             QString::number(page), "-singlefile", pdf, prefix});
        EXPECT_EQ(out.code, 0);
        EXPECT_EQ(out.err, QString()) << "poppler complains about the file";
        return QImage(prefix + ".png");
    }

    QTemporaryDir m_dir;
};

TEST_F(PdfExportTest, EveryTextStandsWhereTheLayoutAlignedIt)
{
    const ReportDocument document = book();
    const std::vector<Word> words = wordsOf(exported(document, "libro_mayor"), 1);
    const qreal tolerance = 0.5 * PointsPerMm;
    int checked = 0;
    for (const DrawItem &item : document.page(0).items) {
        if (item.kind != DrawItem::Kind::Text || !item.lines.isEmpty() || item.text.isEmpty())
            continue;
        const QStringList pieces = item.text.split(' ', Qt::SkipEmptyParts);
        const Word *first = wordIn(words, pieces.first(), item.rect);
        const Word *last = wordIn(words, pieces.last(), item.rect);
        ASSERT_TRUE(first && last) << "\"" << item.text.toStdString() << "\" is not on the page";
        if (item.alignment & Qt::AlignRight)
            EXPECT_NEAR(last->box.right(), item.rect.right() * PointsPerMm, tolerance)
                << item.text.toStdString();
        else if (item.alignment & Qt::AlignHCenter)
            EXPECT_NEAR((first->box.left() + last->box.right()) / 2,
                        item.rect.center().x() * PointsPerMm, tolerance)
                << item.text.toStdString();
        else
            EXPECT_NEAR(first->box.left(), item.rect.left() * PointsPerMm, tolerance)
                << item.text.toStdString();
        ++checked;
    }
    EXPECT_GT(checked, 100);
}

// Poppler's drawing of the page and the preview's agree on every text's ink: the same place,
// the same size, the same weight, whatever its vertical alignment.
TEST_F(PdfExportTest, PaintsEveryTextWhereThePreviewDoes)
{
    const ReportDocument document = fixtures::documentOf(
        fixtures::layoutOf(
            "<font name='normal' size='8'/><font name='grande' size='14' bold='true'/>"
            "<font name='cursiva' size='10' italic='true'/>"
            "<pageHeader height='60'>"
            "<text x='0' y='0' width='80' height='12' font='grande'>Año Fiscal Ñandú</text>"
            "<text x='100' y='0' width='80' height='12' valign='top'>Crédito Nº 12</text>"
            "<text x='0' y='15' width='80' height='12' valign='bottom' align='right' "
            "font='cursiva'>Depreciación acumulada…</text>"
            "<text x='100' y='15' width='80' height='12' align='center' font='grande'>"
            "Débitos y créditos</text>"
            "<field x='0' y='30' width='30' height='20' name='Texto' valign='bottom'/>"
            // Kerned pairs: each of them brings the text's left end a little to the right.
            "<text x='100' y='30' width='80' height='12' align='right' font='grande'>"
            "AVANCE TOTAL: WAVY</text>"
            // Blanks after a text, as a padded column brings them.
            "<field x='0' y='45' width='60' height='6' name='Relleno' align='right'/>"
            "<field x='100' y='45' width='60' height='6' name='Relleno' align='center'/>"
            "</pageHeader>"),
        ReportData({"Texto", "Relleno"},
                   {{"MANTENIMIENTO PREVENTIVO DE EQUIPO DE OFICINA", "  Caja chica   "}}));
    const QString pdf = exported(document, "textos_alineados");
    // At a resolution fine enough that the preview's glyphs, whose advances are rounded to
    // whole pixels, stand within a few tenths of a millimetre of where the layout measured
    // them; only the band that holds the texts.
    const qreal dpi = 600;
    const QSizeF band(document.pageSetup().paperSize().width(), 70);
    const QSize pixels = (band * dpi / 25.4).toSize();
    const QString prefix = m_dir.filePath("banda");
    const Output out =
        run("pdftoppm", {"-png", "-r", QString::number(dpi), "-W", QString::number(pixels.width()),
                         "-H", QString::number(pixels.height()), "-singlefile", pdf, prefix});
    ASSERT_EQ(out.err, QString());
    const QImage poppler(prefix + ".png");
    QImage preview(pixels, QImage::Format_RGB32);
    preview.setDotsPerMeterX(qRound(dpi / 25.4 * 1000));
    preview.setDotsPerMeterY(qRound(dpi / 25.4 * 1000));
    preview.fill(Qt::white);
    {
        QPainter painter(&preview);
        PageRenderer(document).paint(painter, 0);
    }
    const QString shots = qEnvironmentVariable("VALDORIA_SCREENSHOTS");
    if (!shots.isEmpty()) {
        poppler.scaled(poppler.size() / 4).save(QDir(shots).filePath("textos_alineados_pdf.png"));
        preview.scaled(preview.size() / 4).save(QDir(shots).filePath("textos_alineados_vista.png"));
    }
    const int tolerance = qRound(0.3 * dpi / 25.4);
    ASSERT_EQ(poppler.size(), preview.size());
    int texts = 0;
    for (const DrawItem &item : document.page(0).items) {
        if (item.kind != DrawItem::Kind::Text)
            continue;
        const QRectF around = item.rect.adjusted(-2, -2, 2, 2);
        const QRect expected = inkWithin(preview, around, dpi);
        const QRect actual = inkWithin(poppler, around, dpi);
        ASSERT_FALSE(expected.isEmpty());
        const std::string what =
            item.text.isEmpty() ? item.lines.join('/').toStdString() : item.text.toStdString();
        EXPECT_NEAR(actual.left(), expected.left(), tolerance) << what;
        EXPECT_NEAR(actual.right(), expected.right(), tolerance) << what;
        EXPECT_NEAR(actual.top(), expected.top(), tolerance) << what;
        EXPECT_NEAR(actual.bottom(), expected.bottom(), tolerance) << what;
        ++texts;
    }
    EXPECT_EQ(texts, 8);
}

TEST_F(PdfExportTest, TextComesBackAsItWasWritten)
{
    const QStringList texts{"Año 2024: Crédito Nº 15", "Descripción de la operación…",
                            "¿Cuánto? ¡Ñandú! «€ 1.500,00» (10%) \\ [a]"};
    QString bands = "<detail height='6'>";
    for (int i = 0; i < texts.size(); ++i)
        bands +=
            QString("<field x='0' y='%1' width='180' height='5' name='T%2'/>").arg(i * 6).arg(i);
    bands.replace("<detail height='6'>", QString("<detail height='%1'>").arg(texts.size() * 6));
    const ReportDocument document =
        fixtures::documentOf(fixtures::layoutOf(bands + "</detail>"),
                             ReportData({"T0", "T1", "T2"}, {{texts[0], texts[1], texts[2]}}));
    const Output out = run("pdftotext", {"-raw", exported(document, "acentos"), "-"});
    EXPECT_EQ(out.out.trimmed().split('\n'), texts);
}

TEST_F(PdfExportTest, AWrappedTextGivesItsLinesInOrder)
{
    const ReportDocument document = fixtures::documentOf(
        fixtures::layoutOf("<detail height='4'><field x='20' y='0' width='28' height='4' "
                           "name='Texto' align='right'/></detail>"),
        ReportData({"Texto"}, {{"MANTENIMIENTO PREVENTIVO DE EQUIPO DE OFICINA Y ÁREAS"}}));
    const DrawItem &item = document.page(0).items.at(0);
    ASSERT_GE(item.lines.size(), 3);
    const QString pdf = exported(document, "texto_partido");
    EXPECT_EQ(run("pdftotext", {"-raw", pdf, "-"}).out.trimmed().split('\n'), item.lines);
    // One under the other, each against the right edge.
    const std::vector<Word> words = wordsOf(pdf, 1);
    qreal above = 0;
    for (const QString &line : item.lines) {
        const Word *last = wordIn(words, line.split(' ').last(), item.rect, above);
        ASSERT_NE(last, nullptr) << line.toStdString();
        EXPECT_NEAR(last->box.right(), item.rect.right() * PointsPerMm, 0.5 * PointsPerMm);
        above = last->box.top();
    }
}

TEST_F(PdfExportTest, TellsItsPagesTheirSizeAndItsTitle)
{
    ReportDocument portrait = book();
    portrait.setTitle("Libro Mayor — Marzo");
    const QString info = run("pdfinfo", {exported(portrait, "vertical")}).out;
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+2\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+612 x 792 pts")))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Title:\\s+Libro Mayor — Marzo\n")));
    EXPECT_TRUE(info.contains(QRegularExpression("Creator:\\s+Valdoria\n")));

    ReportDocument landscape = book();
    landscape.setOrientation(ReportOrientation::Landscape);
    landscape.setPaper(ReportPaper::Legal);
    const QString turned = run("pdfinfo", {exported(landscape, "horizontal")}).out;
    EXPECT_TRUE(turned.contains(QRegularExpression("Page size:\\s+1008 x 612 pts")))
        << turned.toStdString();
    EXPECT_TRUE(
        turned.contains(QRegularExpression(QString("Pages:\\s+%1\n").arg(landscape.pageCount()))));
    // Each face of the fonts goes in once, however many pages and sizes use it.
    QFile file(m_dir.filePath("horizontal.pdf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("/FontFile2"), 2); // regular and bold
}

TEST_F(PdfExportTest, BoxesAndImagesAreDrawn)
{
    // A logo blue on its left half and transparent on its right half.
    QImage logo(40, 20, QImage::Format_ARGB32);
    logo.fill(Qt::transparent);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            logo.setPixel(x, y, qRgb(0, 0, 255));
    const QString logoPath = m_dir.filePath("logo.png");
    ASSERT_TRUE(logo.save(logoPath));
    const ReportDocument document = fixtures::documentOf(
        fixtures::layoutOf(QString("<pageHeader height='60'>"
                                   "<box x='0' y='0' width='50' height='20' fill='#ff0000' "
                                   "lineWidth='0.5'/>"
                                   "<box x='60' y='0' width='50' height='20' lineWidth='1'/>"
                                   "<image x='0' y='30' width='80' height='20' file='%1'/>"
                                   "<image x='100' y='30' width='40' height='20' file='%1'/>"
                                   "<text x='5' y='5' width='40' height='10'>Sobre rojo</text>"
                                   "</pageHeader>")
                               .arg(logoPath)),
        ReportData({"T"}, {{QString()}}));
    const qreal dpi = 50;
    const QString pdf = exported(document, "cajas_imagenes");
    const QImage page = rendered(pdf, 1, dpi);
    ASSERT_FALSE(page.isNull());
    const auto at = [&](qreal xMm, qreal yMm) {
        return page.pixel(int((10 + xMm) * dpi / 25.4), int((10 + yMm) * dpi / 25.4));
    };
    EXPECT_EQ(at(40, 15), qRgb(255, 0, 0));     // inside the filled box
    EXPECT_EQ(at(85, 10), qRgb(255, 255, 255)); // inside the outlined one
    EXPECT_LT(qGray(at(60, 10)), 128);          // its outline
    EXPECT_EQ(at(30, 40), qRgb(0, 0, 255));     // the logo's left half, centred in its box
    EXPECT_EQ(at(50, 40), qRgb(255, 255, 255)); // its transparent half
    EXPECT_EQ(at(5, 40), qRgb(255, 255, 255));  // left of the centred logo
    // Each image goes in once, whichever pages show it.
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("/Subtype/Image"), 2); // the colours and their mask
}

// A device that takes no bytes stops the export with the engine's message; nothing is
// half-written behind the user's back.
TEST(PdfExportFailure, ADeviceThatRefusesTheBytesIsReported)
{
    QBuffer device;
    ASSERT_TRUE(device.open(QIODevice::ReadOnly));
    try {
        PdfExport::write(book(), device);
        FAIL() << "wrote into a device that refuses writing";
    } catch (const ReportError &e) {
        EXPECT_EQ(e.message(), "No se pudo generar el PDF del reporte.");
    }
}

} // namespace
