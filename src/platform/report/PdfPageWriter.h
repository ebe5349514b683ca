#pragma once

#include "platform/report/PdfFont.h"
#include "platform/report/PdfPageContent.h"

#include <QString>
#include <memory>
#include <string>
#include <vector>

class ReportDocument;
struct DrawItem;
struct ReportPage;

// Turns laid-out pages into PDF drawing operators, straight from their items: each text in
// the glyphs of its font at the place QPainter::drawText would put it, lines, boxes and
// images. The fonts and images are named /F<n> and /Im<n> in the pages' shared resources.
class PdfPageWriter
{
public:
    // Throws ReportError when the process has no fonts (no GUI application).
    explicit PdfPageWriter(const ReportDocument &document);
    ~PdfPageWriter();

    // Whether every font of the layout is a TrueType font this writer can embed; the pages
    // can be written only then.
    bool fontsEmbeddable() const { return m_embeddable; }

    // The page's sheet in points.
    qreal pageWidth() const { return m_width / 100.0; }
    qreal pageHeight() const { return m_height / 100.0; }

    void write(const ReportPage &page, PdfPageContent &content);

    const std::vector<std::unique_ptr<PdfFont>> &fonts() const { return m_faces; }
    // By index into the document's images: whether a page showed it.
    const std::vector<bool> &imagesUsed() const { return m_imagesUsed; }

private:
    // A font of the layout: its face and size, and the metrics drawText places lines by.
    struct Style
    {
        int face = 0;
        qreal points = 0;
        qint64 size = 0;  // hundredths of a point
        qreal ascent = 0; // millimetres
        qreal lineHeight = 0;
        qreal leading = 0;
    };

    void text(const DrawItem &item, PdfPageContent &content);
    void line(const DrawItem &item, PdfPageContent &content);
    void box(const DrawItem &item, PdfPageContent &content);
    void image(const DrawItem &item, PdfPageContent &content);
    void endText(PdfPageContent &content);
    void setLineWidth(qreal mm, PdfPageContent &content);
    void setFill(const QString &colour, PdfPageContent &content);
    // Millimetres to hundredths of a point: a length, a position across the sheet and one
    // up from its bottom edge, where PDF has its origin.
    static qint64 length(qreal mm) { return qRound64(mm * PointsPerMm * 100); }
    static qint64 x(qreal mm) { return length(mm); }
    qint64 y(qreal mm) const { return m_height - length(mm); }

    static constexpr qreal PointsPerMm = 72 / 25.4;

    const ReportDocument &m_document;
    bool m_embeddable = true;
    std::vector<std::unique_ptr<PdfFont>> m_faces;
    std::vector<Style> m_styles; // by index into the layout's fonts
    std::vector<bool> m_imagesUsed;
    qint64 m_width = 0; // hundredths of a point
    qint64 m_height = 0;
    std::vector<quint16> m_glyphs; // the line being written
    std::vector<int> m_kerns;      // before each of its glyphs, in thousandths of the size

    // What the page has set so far.
    bool m_inText = false;
    qint64 m_textX = 0; // start of the last line of text written
    qint64 m_textY = 0;
    int m_font = -1;
    qint64 m_lineWidth = -1;
    bool m_fillIsBlack = true;
    QString m_fillName;
    std::string m_fillOperator;
};
