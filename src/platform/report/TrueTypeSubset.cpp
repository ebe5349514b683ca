#include "platform/report/TrueTypeSubset.h"

#include <QtEndian>
#include <algorithm>
#include <map>

namespace {

quint16 u16(const QByteArray &table, qsizetype at)
{
    if (at + 2 > table.size())
        return 0;
    return qFromBigEndian<quint16>(table.constData() + at);
}

quint32 u32(const QByteArray &table, qsizetype at)
{
    if (at + 4 > table.size())
        return 0;
    return qFromBigEndian<quint32>(table.constData() + at);
}

void put16(QByteArray &bytes, quint16 value)
{
    const char b[2] = {char(value >> 8), char(value)};
    bytes.append(b, 2);
}

void put32(QByteArray &bytes, quint32 value)
{
    const char b[4] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    bytes.append(b, 4);
}

quint32 checksum(const QByteArray &table)
{
    quint32 sum = 0;
    const qsizetype whole = table.size() / 4 * 4;
    for (qsizetype i = 0; i < whole; i += 4)
        sum += qFromBigEndian<quint32>(table.constData() + i);
    quint32 last = 0;
    for (qsizetype i = whole; i < table.size(); ++i)
        last |= quint32(uchar(table[i])) << (24 - 8 * (i - whole));
    return sum + last;
}

// Composite glyph flags.
constexpr quint16 ArgsAreWords = 0x0001;
constexpr quint16 HaveScale = 0x0008;
constexpr quint16 MoreComponents = 0x0020;
constexpr quint16 HaveXYScale = 0x0040;
constexpr quint16 HaveTwoByTwo = 0x0080;

} // namespace

TrueTypeSubset::TrueTypeSubset(const QRawFont &font)
    : m_font(font)
{
    m_head = font.fontTable("head");
    const QByteArray maxp = font.fontTable("maxp");
    const QByteArray hhea = font.fontTable("hhea");
    const QByteArray hmtx = font.fontTable("hmtx");
    m_loca = font.fontTable("loca");
    m_glyf = font.fontTable("glyf");
    if (m_head.size() < 54 || maxp.size() < 6 || hhea.size() < 36 || m_loca.isEmpty() ||
        m_glyf.isEmpty())
        return;
    m_unitsPerEm = u16(m_head, 18);
    for (int i = 0; i < 4; ++i)
        m_bbox[i] = qint16(u16(m_head, 36 + 2 * i));
    m_longLoca = u16(m_head, 50) == 1;
    m_glyphCount = u16(maxp, 4);
    m_ascender = qint16(u16(hhea, 4));
    m_descender = qint16(u16(hhea, 6));
    const int metrics = u16(hhea, 34);
    m_advances.resize(size_t(m_glyphCount));
    quint16 advance = 0;
    for (int g = 0; g < m_glyphCount; ++g) {
        if (g < metrics)
            advance = u16(hmtx, 4 * g);
        m_advances[size_t(g)] = advance;
    }
    const QByteArray os2 = font.fontTable("OS/2");
    m_capHeight = u16(os2, 0) >= 2 && os2.size() >= 90 ? qint16(u16(os2, 88)) : m_ascender;
    const QByteArray post = font.fontTable("post");
    m_italicAngle = qint32(u32(post, 4)) / 65536.0;
    if (m_unitsPerEm <= 0 || m_glyphCount <= 0 ||
        m_loca.size() < (m_glyphCount + 1) * (m_longLoca ? 4 : 2))
        return;
    m_valid = true;
}

QByteArray TrueTypeSubset::glyphData(int glyph) const
{
    const qsizetype from = m_longLoca ? u32(m_loca, 4 * glyph) : 2 * u16(m_loca, 2 * glyph);
    const qsizetype to =
        m_longLoca ? u32(m_loca, 4 * (glyph + 1)) : 2 * u16(m_loca, 2 * (glyph + 1));
    if (to <= from || to > m_glyf.size())
        return {};
    return QByteArray::fromRawData(m_glyf.constData() + from, to - from);
}

void TrueTypeSubset::addComponents(int glyph, std::vector<bool> &used) const
{
    const QByteArray data = glyphData(glyph);
    if (data.size() < 10 || qint16(u16(data, 0)) >= 0)
        return;
    qsizetype at = 10;
    for (;;) {
        const quint16 flags = u16(data, at);
        const int component = u16(data, at + 2);
        if (at + 4 > data.size())
            return;
        if (component < m_glyphCount && !used[size_t(component)]) {
            used[size_t(component)] = true;
            addComponents(component, used);
        }
        at += 4 + ((flags & ArgsAreWords) ? 4 : 2);
        if (flags & HaveScale)
            at += 2;
        else if (flags & HaveXYScale)
            at += 4;
        else if (flags & HaveTwoByTwo)
            at += 8;
        if (!(flags & MoreComponents))
            return;
    }
}

QByteArray TrueTypeSubset::subset(std::vector<bool> used) const
{
    used.resize(size_t(m_glyphCount), false);
    used[0] = true;
    for (int g = 0; g < m_glyphCount; ++g) {
        if (used[size_t(g)])
            addComponents(g, used);
    }

    std::map<QByteArray, QByteArray> tables; // by tag, in the order the directory wants
    QByteArray glyf;
    QByteArray loca;
    for (int g = 0; g < m_glyphCount; ++g) {
        put32(loca, quint32(glyf.size()));
        if (used[size_t(g)]) {
            glyf += glyphData(g);
            while (glyf.size() % 4)
                glyf += '\0';
        }
    }
    put32(loca, quint32(glyf.size()));
    tables["glyf"] = glyf;
    tables["loca"] = loca;
    QByteArray head = m_head;
    qToBigEndian<quint16>(1, head.data() + 50); // long offsets in loca
    qToBigEndian<quint32>(0, head.data() + 8);  // checkSumAdjustment, set below
    tables["head"] = head;
    for (const char *tag : {"hhea", "maxp", "hmtx", "cvt ", "fpgm", "prep", "OS/2"}) {
        const QByteArray table = m_font.fontTable(tag);
        if (!table.isEmpty())
            tables[tag] = table;
    }
    // 'post' without its glyph names (version 3): only what some readers insist on finding.
    QByteArray post = m_font.fontTable("post").left(32);
    if (post.size() == 32) {
        qToBigEndian<quint32>(0x00030000, post.data());
        tables["post"] = post;
    }

    const int count = int(tables.size());
    int power = 1;
    int log2 = 0;
    while (power * 2 <= count) {
        power *= 2;
        ++log2;
    }
    QByteArray file;
    put32(file, 0x00010000);
    put16(file, quint16(count));
    put16(file, quint16(power * 16));
    put16(file, quint16(log2));
    put16(file, quint16(count * 16 - power * 16));
    quint32 offset = quint32(12 + 16 * count);
    qsizetype headAt = 0;
    for (const auto &[tag, table] : tables) {
        file.append(tag.constData(), 4);
        put32(file, checksum(table));
        put32(file, offset);
        put32(file, quint32(table.size()));
        offset += quint32((table.size() + 3) / 4 * 4);
    }
    for (const auto &[tag, table] : tables) {
        if (tag == "head")
            headAt = file.size();
        file += table;
        while (file.size() % 4)
            file += '\0';
    }
    qToBigEndian<quint32>(0xB1B0AFBA - checksum(file), file.data() + headAt + 8);
    return file;
}
