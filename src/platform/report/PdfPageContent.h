#pragma once

#include <QtGlobal>
#include <string>

// The content stream of one page as it is written: drawing operators with their numbers,
// in a buffer kept from page to page. Lengths are hundredths of a point, whole numbers, so
// positions written relative to each other add up exactly.
class PdfPageContent
{
public:
    PdfPageContent() { m_bytes.reserve(64 * 1024); }

    void clear() { m_bytes.clear(); }
    const char *data() const { return m_bytes.data(); }
    qsizetype size() const { return qsizetype(m_bytes.size()); }

    PdfPageContent &operator<<(const char *text)
    {
        m_bytes += text;
        return *this;
    }
    PdfPageContent &operator<<(char c)
    {
        m_bytes += c;
        return *this;
    }
    PdfPageContent &integer(qint64 value);
    // `hundredths` / 100 with at most two decimals, followed by a blank.
    PdfPageContent &number(qint64 hundredths);
    // Glyph ids as a hex string: <0024004F>.
    PdfPageContent &glyphs(const quint16 *ids, qsizetype count);
    // The same with kerning, as an array for TJ: `kerns[i]` thousandths of the size closer
    // (negative) or further between glyph i - 1 and glyph i.
    PdfPageContent &kernedGlyphs(const quint16 *ids, const int *kerns, qsizetype count);

private:
    std::string m_bytes;
};
