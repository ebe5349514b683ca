#include "platform/report/PdfPageContent.h"

#include <charconv>

PdfPageContent &PdfPageContent::integer(qint64 value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    m_bytes.append(digits, size_t(end - digits));
    return *this;
}

PdfPageContent &PdfPageContent::number(qint64 hundredths)
{
    char digits[28];
    char *at = digits;
    if (hundredths < 0) {
        *at++ = '-';
        hundredths = -hundredths;
    }
    at = std::to_chars(at, digits + sizeof digits, hundredths / 100).ptr;
    const int fraction = int(hundredths % 100);
    if (fraction != 0) {
        *at++ = '.';
        *at++ = char('0' + fraction / 10);
        if (fraction % 10 != 0)
            *at++ = char('0' + fraction % 10);
    }
    *at++ = ' ';
    m_bytes.append(digits, size_t(at - digits));
    return *this;
}

PdfPageContent &PdfPageContent::glyphs(const quint16 *ids, qsizetype count)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    const size_t start = m_bytes.size();
    m_bytes.resize(start + size_t(count) * 4 + 2);
    char *at = m_bytes.data() + start;
    *at++ = '<';
    for (qsizetype i = 0; i < count; ++i) {
        const quint16 id = ids[i];
        *at++ = Hex[id >> 12];
        *at++ = Hex[(id >> 8) & 15];
        *at++ = Hex[(id >> 4) & 15];
        *at++ = Hex[id & 15];
    }
    *at = '>';
    return *this;
}

PdfPageContent &PdfPageContent::kernedGlyphs(const quint16 *ids, const int *kerns, qsizetype count)
{
    m_bytes += '[';
    qsizetype from = 0;
    for (qsizetype i = 1; i <= count; ++i) {
        if (i < count && kerns[i] == 0)
            continue;
        glyphs(ids + from, i - from);
        // TJ moves the next glyph back by its numbers: a negative kerning is a positive one.
        if (i < count)
            integer(-kerns[i]);
        from = i;
    }
    m_bytes += ']';
    return *this;
}
