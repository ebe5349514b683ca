#include "platform/report/PdfFont.h"

#include "platform/report/PdfFile.h"

#include <QtEndian>

namespace {

// The subset's name prefix: six capitals that say the file holds part of the font.
QByteArray subsetName(const QRawFont &font)
{
    QByteArray name = (font.familyName() + font.styleName()).toLatin1();
    name.replace(' ', "");
    QByteArray clean;
    for (const char c : name) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-')
            clean += c;
    }
    return "VALDOR+" + (clean.isEmpty() ? QByteArray("Font") : clean);
}

QByteArray hex4(quint32 value)
{
    return QByteArray::number(value + 0x10000, 16).mid(1).toUpper();
}

} // namespace

PdfFont::PdfFont(const QRawFont &font)
    : m_font(font)
    , m_program(font)
    , m_direct(Direct, Unknown)
    , m_used(size_t(std::max(m_program.glyphCount(), 1)), false)
    , m_meaning(m_used.size(), 0)
    , m_widths(m_used.size(), 0)
    , m_kernsOnItsRight(m_used.size(), false)
{
    if (!isValid())
        return;
    const qreal scale = 1000.0 / m_program.unitsPerEm();
    for (size_t g = 0; g < m_widths.size(); ++g)
        m_widths[g] = qRound(m_program.advances()[g] * scale);
    readKerning();
}

void PdfFont::readKerning()
{
    // The classic 'kern' table, format 0: sorted pairs of glyphs and their adjustment.
    const QByteArray kern = m_font.fontTable("kern");
    const auto u16 = [&](qsizetype at) {
        return at + 2 <= kern.size() ? qFromBigEndian<quint16>(kern.constData() + at) : 0;
    };
    if (kern.size() < 4 || u16(0) != 0)
        return;
    const qreal scale = 1000.0 / m_program.unitsPerEm();
    const int glyphs = int(m_used.size());
    qsizetype at = 4;
    for (int table = u16(2); table > 0 && at + 6 <= kern.size(); --table) {
        const int length = u16(at + 2);
        const int coverage = u16(at + 4);
        // Horizontal, format 0, neither minimum values nor cross-stream.
        if ((coverage & 0xFF07) == 0x0001) {
            const int pairs = u16(at + 6);
            for (int p = 0; p < pairs; ++p) {
                const qsizetype pair = at + 14 + 6 * qsizetype(p);
                const int left = u16(pair);
                const int right = u16(pair + 2);
                const int value = qRound(qint16(u16(pair + 4)) * scale);
                if (left >= glyphs || right >= glyphs || value == 0)
                    continue;
                m_kernsOnItsRight[size_t(left)] = true;
                m_kerning.insert(quint32(left) << 16 | quint32(right), value);
            }
        }
        if (length < 6)
            break;
        at += length;
    }
}

QString PdfFont::faceOf(const QRawFont &font)
{
    return font.familyName() + QLatin1Char('/') + font.styleName() + QLatin1Char('/') +
           QString::number(font.weight()) + QLatin1Char('/') + QString::number(font.style());
}

quint16 PdfFont::glyphOfPair(char16_t high, char16_t low)
{
    return lookUp(QChar::surrogateToUcs4(high, low));
}

quint16 PdfFont::lookUp(char32_t c)
{
    if (c >= Direct) {
        const auto known = m_elsewhere.constFind(c);
        if (known != m_elsewhere.cend())
            return *known;
    }
    QChar units[2];
    int length = 1;
    if (QChar::requiresSurrogates(c)) {
        units[0] = QChar(QChar::highSurrogate(c));
        units[1] = QChar(QChar::lowSurrogate(c));
        length = 2;
    } else {
        units[0] = QChar(char16_t(c));
    }
    // Control characters (a tab) are painted as blanks, not as the font's missing glyph.
    if (c < 0x20)
        units[0] = QLatin1Char(' ');
    quint32 glyphs[2] = {0, 0};
    int count = 2;
    if (!m_font.glyphIndexesForChars(units, length, glyphs, &count) || count < 1)
        glyphs[0] = 0;
    quint16 glyph = glyphs[0] < m_used.size() ? quint16(glyphs[0]) : 0;
    if (!m_used[glyph]) {
        m_used[glyph] = true;
        m_meaning[glyph] = c;
    }
    if (c < Direct)
        m_direct[c] = glyph;
    else
        m_elsewhere.insert(c, glyph);
    return glyph;
}

QByteArray PdfFont::widths() const
{
    // Runs of consecutive glyph ids share one bracket: "first [w w w]".
    QByteArray w("[");
    int previous = -2;
    for (int g = 0; g < int(m_used.size()); ++g) {
        if (!m_used[size_t(g)])
            continue;
        if (g != previous + 1) {
            if (previous >= 0)
                w += ']';
            w += QByteArray::number(g) + '[';
        } else {
            w += ' ';
        }
        w += QByteArray::number(m_widths[size_t(g)]);
        previous = g;
    }
    if (previous >= 0)
        w += ']';
    return w + ']';
}

QByteArray PdfFont::toUnicode() const
{
    QByteArray cmap("/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                    "/CIDSystemInfo<</Registry(Adobe)/Ordering(UCS)/Supplement 0>>def\n"
                    "/CMapName/Adobe-Identity-UCS def\n/CMapType 2 def\n"
                    "1 begincodespacerange\n<0000><FFFF>\nendcodespacerange\n");
    std::vector<int> mapped;
    for (int g = 1; g < int(m_used.size()); ++g) {
        if (m_used[size_t(g)] && m_meaning[size_t(g)] != 0)
            mapped.push_back(g);
    }
    // At most a hundred entries a block.
    for (size_t from = 0; from < mapped.size(); from += 100) {
        const size_t to = std::min(mapped.size(), from + 100);
        cmap += QByteArray::number(int(to - from)) + " beginbfchar\n";
        for (size_t i = from; i < to; ++i) {
            const char32_t c = m_meaning[size_t(mapped[i])];
            cmap += '<' + hex4(quint32(mapped[i])) + "><";
            if (QChar::requiresSurrogates(c))
                cmap += hex4(QChar::highSurrogate(c)) + hex4(QChar::lowSurrogate(c));
            else
                cmap += hex4(c);
            cmap += ">\n";
        }
        cmap += "endbfchar\n";
    }
    return cmap + "endcmap\nCMapName currentdict/CMap defineresource pop\nend\nend\n";
}

int PdfFont::write(PdfFile &file) const
{
    const int type0 = file.reserve();
    const int cidFont = file.reserve();
    const int descriptor = file.reserve();
    const int program = file.reserve();
    const int unicode = file.reserve();
    const QByteArray name = subsetName(m_font);
    const qreal scale = 1000.0 / m_program.unitsPerEm();
    const auto scaled = [&](int units) { return QByteArray::number(qRound(units * scale)); };

    file.beginObject(type0);
    file << "<</Type/Font/Subtype/Type0/BaseFont/" << name
         << "/Encoding/Identity-H/DescendantFonts[" << cidFont << " 0 R]/ToUnicode " << unicode
         << " 0 R>>";
    file.endObject();

    file.beginObject(cidFont);
    file << "<</Type/Font/Subtype/CIDFontType2/BaseFont/" << name
         << "/CIDSystemInfo<</Registry(Adobe)/Ordering(Identity)/Supplement 0>>/FontDescriptor "
         << descriptor << " 0 R/CIDToGIDMap/Identity/DW 0/W " << widths() << ">>";
    file.endObject();

    const qint16 *box = m_program.boundingBox();
    const bool italic = m_font.style() != QFont::StyleNormal;
    const bool bold = m_font.weight() >= QFont::DemiBold;
    file.beginObject(descriptor);
    // Flags: nonsymbolic (32), italic (64).
    file << "<</Type/FontDescriptor/FontName/" << name << "/Flags " << (italic ? 96 : 32)
         << "/FontBBox[" << scaled(box[0]) << ' ' << scaled(box[1]) << ' ' << scaled(box[2]) << ' '
         << scaled(box[3]) << "]/ItalicAngle "
         << QByteArray::number(m_program.italicAngle(), 'f', 1) << "/Ascent "
         << scaled(m_program.ascender()) << "/Descent " << scaled(m_program.descender())
         << "/CapHeight " << scaled(m_program.capHeight()) << "/StemV " << (bold ? 140 : 80)
         << "/FontFile2 " << program << " 0 R>>";
    file.endObject();

    const QByteArray subset = m_program.subset(m_used);
    file.writeStream(program, "/Length1 " + QByteArray::number(subset.size()), subset.constData(),
                     subset.size(), true);
    const QByteArray cmap = toUnicode();
    file.writeStream(unicode, {}, cmap.constData(), cmap.size(), true);
    return type0;
}
