#include "platform/report/TrueTypeSubset.h"
#include "platform/report/TextMeasure.h"

#include <QPainterPath>
#include <QRawFont>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QRawFont dejaVu(bool bold)
{
    ReportFontStyle style;
    style.bold = bold;
    return QRawFont::fromFont(TextMeasure::fontFor(style));
}

std::vector<quint32> glyphsOf(const QRawFont &font, const QString &text)
{
    const QList<quint32> glyphs = font.glyphIndexesForString(text);
    return {glyphs.begin(), glyphs.end()};
}

// The subset is a font file a rasteriser loads: the glyphs it was cut for keep their ids and
// their outlines, accented capitals (built from other glyphs) included, and the rest are
// empty.
TEST(TrueTypeSubset, KeepsTheOutlinesOfTheGlyphsUsedUnderTheirIds)
{
    for (const bool bold : {false, true}) {
        const QRawFont original = dejaVu(bold);
        const TrueTypeSubset program(original);
        ASSERT_TRUE(program.isValid());
        const std::vector<quint32> used = glyphsOf(original, "Año Ávila: Crédito Nº 1.500,00…");
        std::vector<bool> wanted(size_t(program.glyphCount()), false);
        for (const quint32 g : used)
            wanted[g] = true;
        const QByteArray file = program.subset(wanted);
        EXPECT_LT(file.size(), 60'000) << "the subset holds far more than its glyphs";
        // With head's adjustment right, the whole file sums to the format's magic number.
        quint32 sum = 0;
        for (qsizetype i = 0; i + 4 <= file.size(); i += 4)
            sum += qFromBigEndian<quint32>(file.constData() + i);
        EXPECT_EQ(sum, 0xB1B0AFBAu);

        const qreal size = 100;
        QRawFont subset(file, size);
        ASSERT_TRUE(subset.isValid());
        QRawFont reference = original;
        reference.setPixelSize(size);
        for (const quint32 g : used) {
            const QPainterPath expected = reference.pathForGlyph(g);
            const QPainterPath actual = subset.pathForGlyph(g);
            if (expected.isEmpty()) // the blank
                continue;
            ASSERT_FALSE(actual.isEmpty()) << "glyph " << g;
            EXPECT_EQ(actual.boundingRect(), expected.boundingRect()) << "glyph " << g;
            EXPECT_EQ(actual.elementCount(), expected.elementCount()) << "glyph " << g;
        }
        const quint32 unused = glyphsOf(original, "Z").front();
        EXPECT_TRUE(subset.pathForGlyph(unused).isEmpty());
        EXPECT_FALSE(reference.pathForGlyph(unused).isEmpty());
    }
}

TEST(TrueTypeSubset, ReadsTheMetricsPagesAreLaidOutWith)
{
    const QRawFont font = dejaVu(false);
    const TrueTypeSubset program(font);
    ASSERT_TRUE(program.isValid());
    QRawFont design = font;
    design.setPixelSize(program.unitsPerEm());
    const std::vector<quint32> glyphs = glyphsOf(font, "Wi1.,");
    const QList<QPointF> advances = design.advancesForGlyphIndexes(
        QList<quint32>(glyphs.begin(), glyphs.end()), QRawFont::UseDesignMetrics);
    for (size_t i = 0; i < glyphs.size(); ++i)
        EXPECT_EQ(program.advances()[glyphs[i]], qRound(advances[qsizetype(i)].x()));
    EXPECT_NEAR(program.ascender(), design.ascent(), 1);
    EXPECT_NEAR(-program.descender(), design.descent(), 1);
}

} // namespace
