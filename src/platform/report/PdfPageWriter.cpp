#include "platform/report/PdfPageWriter.h"

#include "platform/report/ReportDocument.h"
#include "platform/report/ReportError.h"
#include "platform/report/TextMeasure.h"

#include <QColor>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <cstdio>

namespace {
constexpr qreal MmPerInch = 25.4;
} // namespace

PdfPageWriter::PdfPageWriter(const ReportDocument &document)
    : m_document(document)
    , m_imagesUsed(document.images().size(), false)
{
    const QSizeF paper = document.pageSetup().paperSize();
    m_width = length(paper.width());
    m_height = length(paper.height());
    m_glyphs.reserve(256);

    // Fonts come from the application's font database; without one there is no text to set.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        throw ReportError(QStringLiteral("No se pudo generar el PDF del reporte."));
    // Lines are placed by the metrics the layout measured their heights with.
    QImage reference(1, 1, QImage::Format_ARGB32);
    const int dotsPerMeter = qRound(TextMeasure::ReferenceDpi / MmPerInch * 1000);
    reference.setDotsPerMeterX(dotsPerMeter);
    reference.setDotsPerMeterY(dotsPerMeter);
    const qreal toMm = MmPerInch / TextMeasure::ReferenceDpi;
    std::vector<QString> faces;
    for (const ReportFontStyle &fontStyle : document.layout().fonts) {
        const QFont font = TextMeasure::fontFor(fontStyle);
        const QRawFont raw = QRawFont::fromFont(font);
        const QString face = PdfFont::faceOf(raw);
        Style style;
        style.face = int(std::find(faces.begin(), faces.end(), face) - faces.begin());
        if (style.face == int(faces.size())) {
            auto pdfFont = std::make_unique<PdfFont>(raw);
            m_embeddable = m_embeddable && raw.isValid() && pdfFont->isValid();
            if (!m_embeddable)
                return;
            faces.push_back(face);
            m_faces.push_back(std::move(pdfFont));
        }
        style.points = font.pointSizeF();
        style.size = qRound64(style.points * 100);
        const QFontMetricsF metrics(font, &reference);
        style.ascent = metrics.ascent() * toMm;
        style.lineHeight = (metrics.ascent() + metrics.descent()) * toMm;
        style.leading = metrics.leading() * toMm;
        m_styles.push_back(style);
    }
}

PdfPageWriter::~PdfPageWriter() = default;

void PdfPageWriter::write(const ReportPage &page, PdfPageContent &content)
{
    Q_ASSERT(m_embeddable);
    // Every page starts from the default graphics state: black, lines 1 point wide.
    m_inText = false;
    m_font = -1;
    m_lineWidth = 100;
    m_fillIsBlack = true;
    const size_t count = page.items.size();
    for (size_t i = 0; i < count; ++i) {
        const DrawItem &item = page.items[i];
        // The texts' characters lie all over the heap and reading them is most of the time
        // spent here: ask for those of a later item while this one is written.
        if (i + 4 < count)
            __builtin_prefetch(page.items[i + 4].text.constData());
        switch (item.kind) {
        case DrawItem::Kind::Text:
            text(item, content);
            break;
        case DrawItem::Kind::Line:
            line(item, content);
            break;
        case DrawItem::Kind::Box:
            box(item, content);
            break;
        case DrawItem::Kind::Image:
            image(item, content);
            break;
        }
    }
    endText(content);
}

void PdfPageWriter::text(const DrawItem &item, PdfPageContent &content)
{
    if (item.font < 0 || size_t(item.font) >= m_styles.size())
        return;
    const Style &style = m_styles[size_t(item.font)];
    PdfFont &font = *m_faces[size_t(style.face)];
    const qsizetype count = item.lines.isEmpty() ? 1 : item.lines.size();
    // As drawText stacks them: lines one under the other, the block aligned in the rectangle.
    const qreal height = count * style.lineHeight + (count - 1) * style.leading;
    qreal top = item.rect.top();
    if (item.alignment & Qt::AlignBottom)
        top += item.rect.height() - height;
    else if (item.alignment & Qt::AlignVCenter)
        top += (item.rect.height() - height) / 2;
    const qreal widthScale = style.points / 10; // thousandths of the size to hundredths

    for (qsizetype n = 0; n < count; ++n) {
        const QString &line = item.lines.isEmpty() ? item.text : item.lines[n];
        m_glyphs.clear();
        m_kerns.clear();
        qint64 advance = 0;
        bool kerned = false;
        const char16_t *c = reinterpret_cast<const char16_t *>(line.utf16());
        const char16_t *end = c + line.size();
        for (; c < end; ++c) {
            quint16 glyph;
            if (QChar::isHighSurrogate(*c) && c + 1 < end && QChar::isLowSurrogate(c[1])) {
                glyph = font.glyphOfPair(c[0], c[1]);
                ++c;
            } else {
                glyph = font.glyphOf(*c);
            }
            const int kern = m_glyphs.empty() ? 0 : font.kerning(m_glyphs.back(), glyph);
            kerned = kerned || kern != 0;
            m_glyphs.push_back(glyph);
            m_kerns.push_back(kern);
            advance += font.advance(glyph) + kern;
        }
        if (m_glyphs.empty())
            continue;
        qint64 left = x(item.rect.left());
        const qint64 width = qRound64(advance * widthScale);
        if (item.alignment & Qt::AlignRight)
            left = x(item.rect.right()) - width;
        else if (item.alignment & Qt::AlignHCenter)
            left += (length(item.rect.width()) - width) / 2;
        const qint64 baseline = y(top + n * (style.lineHeight + style.leading) + style.ascent);

        if (!m_inText) {
            if (!m_fillIsBlack) {
                content << "0 g\n";
                m_fillIsBlack = true;
            }
            content << "BT\n";
            m_inText = true;
            m_textX = 0;
            m_textY = 0;
        }
        if (item.font != m_font) {
            content << "/F";
            content.integer(style.face) << ' ';
            content.number(style.size) << "Tf\n";
            m_font = item.font;
        }
        content.number(left - m_textX).number(baseline - m_textY) << "Td ";
        if (kerned)
            content.kernedGlyphs(m_glyphs.data(), m_kerns.data(), qsizetype(m_glyphs.size()))
                << "TJ\n";
        else
            content.glyphs(m_glyphs.data(), qsizetype(m_glyphs.size())) << "Tj\n";
        m_textX = left;
        m_textY = baseline;
    }
}

void PdfPageWriter::endText(PdfPageContent &content)
{
    if (m_inText) {
        content << "ET\n";
        m_inText = false;
    }
}

void PdfPageWriter::setLineWidth(qreal mm, PdfPageContent &content)
{
    const qint64 width = length(mm);
    if (width != m_lineWidth) {
        content.number(width) << "w\n";
        m_lineWidth = width;
    }
}

void PdfPageWriter::setFill(const QString &colour, PdfPageContent &content)
{
    if (colour != m_fillName) {
        const QColor c(colour);
        char ops[48];
        std::snprintf(ops, sizeof ops, "%.3f %.3f %.3f rg\n", c.redF(), c.greenF(), c.blueF());
        m_fillName = colour;
        m_fillOperator = ops;
    }
    content << m_fillOperator.c_str();
    m_fillIsBlack = false;
}

void PdfPageWriter::line(const DrawItem &item, PdfPageContent &content)
{
    endText(content);
    setLineWidth(item.lineWidth, content);
    content.number(x(item.rect.left())).number(y(item.rect.top())) << "m ";
    content.number(x(item.rect.right())).number(y(item.rect.bottom())) << "l S\n";
}

void PdfPageWriter::box(const DrawItem &item, PdfPageContent &content)
{
    const bool outline = item.lineWidth > 0;
    const bool filled = !item.fill.isEmpty();
    if (!outline && !filled)
        return;
    endText(content);
    if (outline)
        setLineWidth(item.lineWidth, content);
    if (filled)
        setFill(item.fill, content);
    content.number(x(item.rect.left())).number(y(item.rect.bottom()));
    content.number(length(item.rect.width())).number(length(item.rect.height()));
    content << (outline && filled ? "re B\n" : outline ? "re S\n" : "re f\n");
}

void PdfPageWriter::image(const DrawItem &item, PdfPageContent &content)
{
    if (item.image < 0 || size_t(item.image) >= m_document.images().size())
        return;
    const QImage &picture = m_document.images()[size_t(item.image)];
    if (picture.isNull() || item.rect.isEmpty())
        return;
    endText(content);
    m_imagesUsed[size_t(item.image)] = true;
    // Scaled into its box keeping its proportions, centred.
    QSizeF size = picture.size();
    size.scale(item.rect.size(), Qt::KeepAspectRatio);
    const qreal left = item.rect.left() + (item.rect.width() - size.width()) / 2;
    const qreal bottom = item.rect.top() + (item.rect.height() + size.height()) / 2;
    content << "q ";
    content.number(length(size.width())) << "0 0 ";
    content.number(length(size.height())).number(x(left)).number(y(bottom)) << "cm /Im";
    content.integer(item.image) << " Do Q\n";
}
