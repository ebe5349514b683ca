#pragma once

#include "platform/report/ReportLayout.h"

#include <QFont>
#include <QImage>

// Heights of wrapped text, measured once for every output: a fixed high-resolution reference
// keeps the pagination identical on screen, on paper and in PDF. Needs a GUI application.
class TextMeasure
{
public:
    static constexpr int ReferenceDpi = 1200;

    TextMeasure();
    // Height in millimetres of `text` wrapped to `widthMm`.
    qreal wrappedHeight(const ReportFontStyle &style, qreal widthMm, const QString &text);

    // The font that paints `style`, on any device.
    static QFont fontFor(const ReportFontStyle &style);

private:
    QImage m_reference;
};
