#pragma once

#include "platform/report/ReportLayout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QStringList>
#include <array>
#include <memory>

// Widths and heights of text, measured once for every output: a fixed high-resolution
// reference keeps the pagination and the line breaks identical on screen, on paper and in PDF.
class TextMeasure
{
public:
    static constexpr int ReferenceDpi = 1200;

    // How a text is printed within its width.
    struct Fitted
    {
        QString text;      // what is printed: the text, or its shortened form ending in "…"
        QStringList lines; // the lines it takes when it does not fit on one; empty otherwise
        qreal height = 0;  // millimetres the lines take
    };

    TextMeasure();
    // `text` within `widthMm`: on one line when it fits; otherwise broken into lines at word
    // boundaries (within a word only when the word alone is wider than the width), or, with
    // `ellipsis`, shortened at a whole character and ended with "…". Never a character cut.
    // A process without a GUI application has no fonts to measure with: there every text is
    // taken as it comes, on one line.
    Fitted fit(const ReportFontStyle &style, qreal widthMm, const QString &text, bool ellipsis);
    // The same into `fitted`, whose buffers a listing reuses from row to row.
    void fit(const ReportFontStyle &style, qreal widthMm, const QString &text, bool ellipsis,
             Fitted &fitted);

    // The font that paints `style`, on any device.
    static QFont fontFor(const ReportFontStyle &style);

private:
    // Characters below this are looked up in a table; the rest in a hash.
    static constexpr int TableChars = 0x180;

    struct Font
    {
        QFont font;
        QFontMetricsF metrics;
        qreal height = 0;                          // reference pixels of one line
        std::array<qreal, TableChars> table;       // advances, negative = not measured yet
        QHash<QChar, qreal> advances;              // reference pixels of the other characters
    };
    Font &fontOf(const ReportFontStyle &style);
    qreal advance(Font &font, QChar c);
    bool surelyFits(Font &font, qreal widthPx, const QString &text);

    QImage m_reference;
    bool m_canMeasure = false;
    // Few fonts, compared by style: the last one found is asked first.
    std::vector<std::pair<ReportFontStyle, std::unique_ptr<Font>>> m_fonts;
    Font *m_lastFont = nullptr;
    const ReportFontStyle *m_lastStyle = nullptr;
};
