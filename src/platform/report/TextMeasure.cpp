#include "platform/report/TextMeasure.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QTextLayout>
#include <algorithm>

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
    m_canMeasure = qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr;
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
    if (m_lastStyle && *m_lastStyle == style)
        return *m_lastFont;
    auto known = std::find_if(m_fonts.begin(), m_fonts.end(),
                              [&](const auto &f) { return f.first == style; });
    if (known == m_fonts.end()) {
        const QFont font = fontFor(style);
        auto made = std::make_unique<Font>(Font{font, QFontMetricsF(font, &m_reference), 0, {}, {}});
        made->height = made->metrics.height();
        made->table.fill(-1);
        m_fonts.emplace_back(style, std::move(made));
        known = std::prev(m_fonts.end());
    }
    m_lastStyle = &known->first;
    m_lastFont = known->second.get();
    return *m_lastFont;
}

qreal TextMeasure::advance(Font &font, QChar c)
{
    if (c.unicode() < TableChars) {
        qreal &known = font.table[c.unicode()];
        if (known < 0)
            known = font.metrics.horizontalAdvance(c);
        return known;
    }
    auto it = font.advances.constFind(c);
    if (it == font.advances.cend())
        it = font.advances.insert(c, font.metrics.horizontalAdvance(c));
    return *it;
}

bool TextMeasure::surelyFits(Font &font, qreal widthPx, const QString &text)
{
    // Most texts of a listing are far narrower than their column: the sum of the characters'
    // own advances, with a margin for kerning, settles them without laying the text out.
    qreal width = 0;
    for (const QChar c : text) {
        if (c == QLatin1Char('\n') || c.isSurrogate())
            return false;
        width += advance(font, c);
    }
    return width * 1.05 <= widthPx;
}

TextMeasure::Fitted TextMeasure::fit(const ReportFontStyle &style, qreal widthMm,
                                     const QString &text, bool ellipsis)
{
    Fitted fitted;
    fit(style, widthMm, text, ellipsis, fitted);
    return fitted;
}

void TextMeasure::fit(const ReportFontStyle &style, qreal widthMm, const QString &text,
                      bool ellipsis, Fitted &fitted)
{
    fitted.text = text;
    fitted.lines.clear();
    fitted.height = 0;
    if (!m_canMeasure)
        return;
    Font &font = fontOf(style);
    const QFontMetricsF &metrics = font.metrics;
    const qreal widthPx = widthMm * ToPixels;
    const bool oneLine = !text.contains(QLatin1Char('\n'));
    if (oneLine && (surelyFits(font, widthPx, text) || metrics.horizontalAdvance(text) <= widthPx)) {
        fitted.height = font.height / ToPixels;
        return;
    }
    if (ellipsis) {
        QString single = text;
        single.replace(QLatin1Char('\n'), QLatin1Char(' '));
        fitted.text = metrics.elidedText(single, Qt::ElideRight, widthPx);
        fitted.height = font.height / ToPixels;
        return;
    }
    // An indented text (an account's name under its parent) keeps its indent on every line
    // it takes, so the lines after the first still read as part of the same level.
    qsizetype blanks = 0;
    while (blanks < text.size() && text[blanks] == QLatin1Char(' '))
        ++blanks;
    if (blanks == text.size())
        blanks = 0;
    const QString indent = text.left(blanks);
    const qreal lineWidth =
        std::max(widthPx - (blanks ? metrics.horizontalAdvance(indent) : 0), widthPx / 2);
    QString laidOut = text.mid(blanks);
    laidOut.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(laidOut, font.font, &m_reference);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(lineWidth);
        QString piece = laidOut.mid(line.textStart(), line.textLength());
        piece.remove(QChar::LineSeparator);
        // The blank a line broke at stays with it, where it would only push a right-aligned
        // line off its edge.
        while (piece.endsWith(QLatin1Char(' ')))
            piece.chop(1);
        fitted.lines << indent + piece;
    }
    layout.endLayout();
    fitted.height = metrics.boundingRect(QRectF(0, 0, widthPx, 1e9), Qt::AlignLeft,
                                         fitted.lines.join(QLatin1Char('\n')))
                        .height() /
                    ToPixels;
    if (fitted.lines.size() <= 1)
        fitted.lines.clear();
}
