#include "platform/report/TextMeasure.h"

#include <QFontMetricsF>

namespace {
constexpr qreal MmPerInch = 25.4;
}

TextMeasure::TextMeasure()
    : m_reference(1, 1, QImage::Format_ARGB32)
{
    const int dotsPerMeter = qRound(ReferenceDpi / MmPerInch * 1000);
    m_reference.setDotsPerMeterX(dotsPerMeter);
    m_reference.setDotsPerMeterY(dotsPerMeter);
}

QFont TextMeasure::fontFor(const ReportFontStyle &style)
{
    QFont font(style.family);
    font.setPointSizeF(style.pointSize);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setStyleHint(QFont::SansSerif);
    // Hinting snaps glyphs to the device's pixels, so widths would differ between the screen
    // and the PDF; without it the text breaks at the same places everywhere.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

qreal TextMeasure::wrappedHeight(const ReportFontStyle &style, qreal widthMm, const QString &text)
{
    const QFontMetricsF metrics(fontFor(style), &m_reference);
    const qreal toPixels = ReferenceDpi / MmPerInch;
    const QRectF bounds = metrics.boundingRect(QRectF(0, 0, widthMm * toPixels, 1e9),
                                               Qt::TextWordWrap | Qt::AlignLeft, text);
    return bounds.height() / toPixels;
}
