#pragma once

#include "platform/report/TrueTypeSubset.h"

#include <QByteArray>
#include <QFont>
#include <QHash>
#include <QRawFont>
#include <vector>

class PdfFile;

// One font face embedded in a PDF: the glyphs of the characters written with it, their
// widths, and what they stand for so that the text can be searched and copied. Glyphs are
// addressed by their id in the font (Identity-H), two bytes each.
class PdfFont
{
public:
    explicit PdfFont(const QRawFont &font);

    bool isValid() const { return m_program.isValid(); }
    // The face the raw font comes from, to write each face once.
    static QString faceOf(const QRawFont &font);

    // The glyph of `c` (a UTF-16 code unit; a surrogate pair comes whole through glyphOfPair).
    quint16 glyphOf(char16_t c)
    {
        if (c < Direct) {
            const quint32 known = m_direct[c];
            if (known != Unknown)
                return quint16(known);
        }
        return lookUp(c);
    }
    quint16 glyphOfPair(char16_t high, char16_t low);
    // Advance of `glyph` in thousandths of the font size, as the PDF's widths give it.
    int advance(quint16 glyph) const { return m_widths[glyph]; }
    // How much closer (negative) or further `right` stands after `left`, in thousandths: the
    // font's kerning, which the layout measured texts with.
    int kerning(quint16 left, quint16 right) const
    {
        if (!m_kernsOnItsRight[left])
            return 0;
        return m_kerning.value(quint32(left) << 16 | right, 0);
    }

    // Writes the font's objects and returns the number of the one pages refer to.
    int write(PdfFile &file) const;

private:
    static constexpr char16_t Direct = 0x3000;
    static constexpr quint32 Unknown = 0xFFFFFFFF;

    quint16 lookUp(char32_t c);
    void readKerning();
    QByteArray widths() const;
    QByteArray toUnicode() const;

    QRawFont m_font;
    TrueTypeSubset m_program;
    std::vector<quint32> m_direct;        // glyph by character below Direct
    QHash<char32_t, quint16> m_elsewhere; // glyph of the other characters met
    std::vector<bool> m_used;             // by glyph id
    std::vector<char32_t> m_meaning;      // by glyph id: the first character it was used for
    std::vector<int> m_widths;            // by glyph id
    std::vector<bool> m_kernsOnItsRight;  // by glyph id: whether a kerned pair starts with it
    QHash<quint32, int> m_kerning;        // by pair of glyph ids, the left one in the high half
};
