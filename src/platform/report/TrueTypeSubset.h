#pragma once

#include <QByteArray>
#include <QRawFont>
#include <vector>

// A TrueType font program cut down to the glyphs a document shows. The glyph ids stay as
// they are, so text written with the full font's ids draws with the subset: the outlines of
// the other glyphs are simply left empty.
class TrueTypeSubset
{
public:
    explicit TrueTypeSubset(const QRawFont &font);

    bool isValid() const { return m_valid; }
    int glyphCount() const { return m_glyphCount; }
    int unitsPerEm() const { return m_unitsPerEm; }
    // Advance widths in font units, by glyph id.
    const std::vector<quint16> &advances() const { return m_advances; }
    // Bounding box of every glyph, in font units: xMin, yMin, xMax, yMax.
    const qint16 *boundingBox() const { return m_bbox; }
    int ascender() const { return m_ascender; }
    int descender() const { return m_descender; }
    int capHeight() const { return m_capHeight; }
    qreal italicAngle() const { return m_italicAngle; }

    // The font file keeping the outlines of `used` (by glyph id) and of the glyphs they are
    // built from; glyph 0 is always kept.
    QByteArray subset(std::vector<bool> used) const;

private:
    QByteArray glyphData(int glyph) const;
    void addComponents(int glyph, std::vector<bool> &used) const;

    QRawFont m_font;
    bool m_valid = false;
    QByteArray m_head;
    QByteArray m_loca;
    QByteArray m_glyf;
    bool m_longLoca = false;
    int m_glyphCount = 0;
    int m_unitsPerEm = 1000;
    std::vector<quint16> m_advances;
    qint16 m_bbox[4] = {0, 0, 0, 0};
    int m_ascender = 0;
    int m_descender = 0;
    int m_capHeight = 0;
    qreal m_italicAngle = 0;
};
