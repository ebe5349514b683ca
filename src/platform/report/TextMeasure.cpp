#include "platform/report/TextMeasure.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QTextLayout>

namespace {
constexpr qreal MmPerInch = 25.4;
constexpr qreal ToPixels = TextMeasure::ReferenceDpi / MmPerInch;
} // namespace

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

TextMeasure::Font &TextMeasure::fontOf(const ReportFontStyle &style)
{
    for (auto &[known, font] : m_fonts) {
        if (known == style)
            return font;
    }
    m_fonts.push_back({style, Font{fontFor(style), {}}});
    return m_fonts.back().second;
}

bool TextMeasure::surelyFits(Font &font, qreal widthPx, const QString &text)
{
    // Most texts of a listing are far narrower than their column: the sum of the characters'
    // own advances, with a margin for kerning, settles them without laying the text out.
    const QFontMetricsF metrics(font.font, &m_reference);
    qreal width = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char('\n') || c.isSurrogate())
            return false;
        auto it = font.advances.constFind(c);
        if (it == font.advances.cend())
            it = font.advances.insert(c, metrics.horizontalAdvance(c));
        width += *it;
    }
    return width * 1.05 <= widthPx;
}

TextMeasure::Fitted TextMeasure::fit(const ReportFontStyle &style, qreal widthMm,
                                     const QString &text, bool ellipsis)
{
    Fitted fitted;
    fitted.text = text;
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return fitted;
    Font &font = fontOf(style);
    const QFontMetricsF metrics(font.font, &m_reference);
    const qreal widthPx = widthMm * ToPixels;
    const bool oneLine = !text.contains(QLatin1Char('\n'));
    if (oneLine && (surelyFits(font, widthPx, text) || metrics.horizontalAdvance(text) <= widthPx)) {
        fitted.height = metrics.height() / ToPixels;
        return fitted;
    }
    if (ellipsis) {
        QString single = text;
        single.replace(QLatin1Char('\n'), QLatin1Char(' '));
        fitted.text = metrics.elidedText(single, Qt::ElideRight, widthPx);
        fitted.height = metrics.height() / ToPixels;
        return fitted;
    }
    QString laidOut = text;
    laidOut.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(laidOut, font.font, &m_reference);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(widthPx);
        QString piece = laidOut.mid(line.textStart(), line.textLength());
        piece.remove(QChar::LineSeparator);
        // The blank a line broke at stays with it, where it would only push a right-aligned
        // line off its edge.
        while (piece.endsWith(QLatin1Char(' ')))
            piece.chop(1);
        fitted.lines << piece;
    }
    layout.endLayout();
    fitted.height = metrics.boundingRect(QRectF(0, 0, widthPx, 1e9), Qt::AlignLeft,
                                         fitted.lines.join(QLatin1Char('\n')))
                        .height() /
                    ToPixels;
    if (fitted.lines.size() <= 1)
        fitted.lines.clear();
    return fitted;
}
