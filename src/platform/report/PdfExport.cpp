#include "platform/report/PdfExport.h"

#include "platform/report/PageRenderer.h"
#include "platform/report/PdfFile.h"
#include "platform/report/PdfPageContent.h"
#include "platform/report/PdfPageWriter.h"
#include "platform/report/ReportDocument.h"
#include "platform/report/ReportError.h"

#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <future>

namespace {

QPageSize pageSizeOf(ReportPaper paper)
{
    switch (paper) {
    case ReportPaper::Letter:
        return QPageSize(QPageSize::Letter);
    case ReportPaper::Legal:
        return QPageSize(QPageSize::Legal);
    case ReportPaper::A4:
        return QPageSize(QPageSize::A4);
    }
    return QPageSize(QPageSize::Letter);
}

// Through QPainter, many times slower: for a layout with a font that is not TrueType.
void paintWithQt(const ReportDocument &document, QIODevice &device)
{
    const ReportPageSetup &setup = document.pageSetup();
    QPdfWriter writer(&device);
    writer.setCreator(QStringLiteral("Valdoria"));
    writer.setTitle(document.title());
    writer.setResolution(600);
    writer.setPageSize(pageSizeOf(setup.paper));
    writer.setPageOrientation(setup.orientation == ReportOrientation::Landscape
                                  ? QPageLayout::Landscape
                                  : QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));

    const PageRenderer renderer(document);
    QPainter painter;
    if (!painter.begin(&writer))
        throw ReportError(QStringLiteral("No se pudo generar el PDF del reporte."));
    for (int i = 0; i < document.pageCount(); ++i) {
        if (i > 0)
            writer.newPage();
        renderer.paint(painter, i);
    }
    painter.end();
}

// An image as an XObject: its colours, and its transparency as a soft mask when it has any.
int writeImage(PdfFile &file, const QImage &image)
{
    const bool alpha = image.hasAlphaChannel();
    const QImage pixels =
        image.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    const int width = pixels.width();
    const int height = pixels.height();
    QByteArray colours;
    QByteArray opacity;
    colours.reserve(qsizetype(width) * height * 3);
    for (int row = 0; row < height; ++row) {
        const char *line = reinterpret_cast<const char *>(pixels.constScanLine(row));
        if (!alpha) {
            colours.append(line, qsizetype(width) * 3);
            continue;
        }
        for (int col = 0; col < width; ++col) {
            colours.append(line + 4 * col, 3);
            opacity.append(line[4 * col + 3]);
        }
    }
    const QByteArray size = "/Type/XObject/Subtype/Image/Width " + QByteArray::number(width) +
                            "/Height " + QByteArray::number(height) + "/BitsPerComponent 8";
    QByteArray dictionary = size + "/ColorSpace/DeviceRGB";
    if (alpha) {
        const int mask = file.reserve();
        file.writeStream(mask, size + "/ColorSpace/DeviceGray", opacity.constData(), opacity.size(),
                         true);
        dictionary += "/SMask " + QByteArray::number(mask) + " 0 R";
    }
    const int object = file.reserve();
    file.writeStream(object, dictionary, colours.constData(), colours.size(), true);
    return object;
}

} // namespace

void PdfExport::write(const ReportDocument &document, QIODevice &device)
{
    PdfPageWriter pages(document);
    if (!pages.fontsEmbeddable()) {
        paintWithQt(document, device);
        return;
    }
    PdfFile file(device);
    const int catalog = file.reserve();
    const int tree = file.reserve();
    const int info = file.reserve();
    const int resources = file.reserve();
    const QByteArray mediaBox = "/MediaBox[0 0 " + QByteArray::number(pages.pageWidth(), 'f', 2) +
                                ' ' + QByteArray::number(pages.pageHeight(), 'f', 2) + ']';

    // The pages go out a batch at a time: while one batch is compressed on another thread
    // this one draws the next, so that a book takes the longer of the two rather than their
    // sum. Only the list of the pages' objects is kept to the end.
    QByteArray kids;
    const auto writePage = [&](const QByteArray &packed) {
        const int stream = file.reserve();
        file.writeDeflated(stream, {}, packed);
        const int page = file.reserve();
        file.beginObject(page);
        file << "<</Type/Page/Parent " << tree << " 0 R" << mediaBox << "/Resources " << resources
             << " 0 R/Contents " << stream << " 0 R>>";
        file.endObject();
        kids += QByteArray::number(page) + " 0 R ";
    };
    constexpr int Batch = 32;
    struct Drawn
    {
        std::vector<PdfPageContent> contents{Batch};
        std::vector<QByteArray> packed{Batch};
        int count = 0;
    };
    Drawn batches[2];
    std::future<void> compressing;
    int compressed = -1; // which batch is being compressed
    const auto writeCompressed = [&] {
        if (compressed < 0)
            return;
        compressing.get();
        const Drawn &done = batches[compressed];
        for (int i = 0; i < done.count; ++i)
            writePage(done.packed[size_t(i)]);
        compressed = -1;
    };
    // A report without pages still makes a file a viewer opens: one blank sheet.
    const ReportPage blank;
    const int pageCount = std::max(document.pageCount(), 1);
    for (int first = 0, which = 0; first < pageCount; first += Batch, which = 1 - which) {
        Drawn &drawing = batches[which];
        drawing.count = std::min(Batch, pageCount - first);
        for (int i = 0; i < drawing.count; ++i) {
            PdfPageContent &content = drawing.contents[size_t(i)];
            content.clear();
            pages.write(document.pageCount() > 0 ? document.page(first + i) : blank, content);
        }
        writeCompressed();
        compressing = std::async(std::launch::async, [&drawing] {
            for (int i = 0; i < drawing.count; ++i) {
                const PdfPageContent &content = drawing.contents[size_t(i)];
                drawing.packed[size_t(i)] = PdfFile::deflated(content.data(), content.size());
            }
        });
        compressed = which;
    }
    writeCompressed();

    QByteArray fonts;
    for (size_t f = 0; f < pages.fonts().size(); ++f) {
        const int font = pages.fonts()[f]->write(file);
        fonts += "/F" + QByteArray::number(qsizetype(f)) + ' ' + QByteArray::number(font) + " 0 R";
    }
    QByteArray images;
    for (size_t i = 0; i < pages.imagesUsed().size(); ++i) {
        if (pages.imagesUsed()[i])
            images += "/Im" + QByteArray::number(qsizetype(i)) + ' ' +
                      QByteArray::number(writeImage(file, document.images()[i])) + " 0 R";
    }
    file.beginObject(resources);
    file << "<</ProcSet[/PDF/Text/ImageC]/Font<<" << fonts << ">>";
    if (!images.isEmpty())
        file << "/XObject<<" << images << ">>";
    file << ">>";
    file.endObject();

    file.beginObject(tree);
    file << "<</Type/Pages/Kids[" << kids << "]/Count " << pageCount << ">>";
    file.endObject();
    file.beginObject(catalog);
    file << "<</Type/Catalog/Pages " << tree << " 0 R>>";
    file.endObject();
    file.beginObject(info);
    file << "<</Creator" << PdfFile::textString(QStringLiteral("Valdoria")) << "/Producer"
         << PdfFile::textString(QStringLiteral("Valdoria")) << "/Title"
         << PdfFile::textString(document.title()) << ">>";
    file.endObject();
    file.finish(catalog, info);
}

void PdfExport::write(const ReportDocument &document, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw ReportError(QStringLiteral("No se pudo escribir el archivo \"%1\": %2.")
                              .arg(path, file.errorString()));
    try {
        write(document, file);
    } catch (const ReportError &) {
        // A disk that fills up is the file's fault, and said as such.
        if (file.error() != QFileDevice::NoError)
            throw ReportError(QStringLiteral("No se pudo escribir el archivo \"%1\": %2.")
                                  .arg(path, file.errorString()));
        throw;
    }
    if (!file.commit())
        throw ReportError(QStringLiteral("No se pudo escribir el archivo \"%1\": %2.")
                              .arg(path, file.errorString()));
}
