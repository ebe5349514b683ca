#include "platform/report/PdfFile.h"

#include "platform/report/ReportError.h"

#include <QIODevice>
#include <cstdio>
#include <cstring>

namespace {
// The buffer goes to the device when it grows past this: few writes, little memory.
constexpr qsizetype FlushAt = 256 * 1024;
// Level 1 compresses a listing's pages four times as fast as the default and the file comes
// out barely larger.
constexpr int FlateLevel = 1;
} // namespace

PdfFile::PdfFile(QIODevice &device)
    : m_device(device)
{
    m_buffer.reserve(FlushAt + 64 * 1024);
    m_offsets.push_back(0); // object 0 heads the free list
    // The binary comment tells transfer programs that the file is not text.
    append("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n", 15);
}

int PdfFile::reserve()
{
    m_offsets.push_back(0);
    return int(m_offsets.size() - 1);
}

void PdfFile::beginObject(int number)
{
    m_offsets[size_t(number)] = m_written + m_buffer.size();
    *this << number << " 0 obj\n";
}

void PdfFile::endObject()
{
    *this << "\nendobj\n";
    if (m_buffer.size() >= FlushAt)
        flush();
}

void PdfFile::writeStream(int number, const QByteArray &dictionary, const char *data,
                          qsizetype size, bool compress)
{
    if (compress) {
        writeDeflated(number, dictionary, deflated(data, size));
        return;
    }
    beginObject(number);
    *this << "<<" << dictionary << "/Length " << int(size) << ">>\nstream\n";
    append(data, size);
    *this << "\nendstream";
    endObject();
}

QByteArray PdfFile::deflated(const char *data, qsizetype size)
{
    return qCompress(reinterpret_cast<const uchar *>(data), size, FlateLevel);
}

void PdfFile::writeDeflated(int number, const QByteArray &dictionary, const QByteArray &packed)
{
    // qCompress puts the length before a plain zlib stream, which is what FlateDecode reads.
    beginObject(number);
    *this << "<<" << dictionary << "/Filter/FlateDecode/Length " << int(packed.size() - 4)
          << ">>\nstream\n";
    append(packed.constData() + 4, packed.size() - 4);
    *this << "\nendstream";
    endObject();
}

PdfFile &PdfFile::operator<<(const char *text)
{
    append(text, qsizetype(std::strlen(text)));
    return *this;
}

PdfFile &PdfFile::operator<<(const QByteArray &bytes)
{
    append(bytes.constData(), bytes.size());
    return *this;
}

PdfFile &PdfFile::operator<<(int number)
{
    char digits[16];
    const int n = std::snprintf(digits, sizeof digits, "%d", number);
    append(digits, n);
    return *this;
}

PdfFile &PdfFile::operator<<(char c)
{
    append(&c, 1);
    return *this;
}

void PdfFile::append(const char *data, qsizetype size)
{
    if (m_buffer.size() + size > FlushAt * 2)
        flush();
    if (size > FlushAt) {
        m_written += size;
        if (m_device.write(data, size) != size)
            throw ReportError(QStringLiteral("No se pudo generar el PDF del reporte."));
        return;
    }
    m_buffer.append(data, size);
}

void PdfFile::flush()
{
    if (m_buffer.isEmpty())
        return;
    if (m_device.write(m_buffer) != m_buffer.size())
        throw ReportError(QStringLiteral("No se pudo generar el PDF del reporte."));
    m_written += m_buffer.size();
    m_buffer.clear();
}

void PdfFile::finish(int catalog, int info)
{
    const qint64 xref = m_written + m_buffer.size();
    *this << "xref\n0 " << int(m_offsets.size()) << "\n";
    // Each entry is exactly 20 bytes, its own line end included.
    append("0000000000 65535 f \n", 20);
    char entry[32];
    for (size_t i = 1; i < m_offsets.size(); ++i) {
        if (m_offsets[i] > 0)
            std::snprintf(entry, sizeof entry, "%010lld 00000 n \n", (long long)m_offsets[i]);
        else
            std::snprintf(entry, sizeof entry, "0000000000 00000 f \n");
        append(entry, 20);
    }
    *this << "trailer\n<</Size " << int(m_offsets.size()) << "/Root " << catalog << " 0 R/Info "
          << info << " 0 R>>\nstartxref\n";
    const QByteArray at = QByteArray::number(xref);
    *this << at << "\n%%EOF\n";
    flush();
}

QByteArray PdfFile::textString(const QString &text)
{
    QByteArray hex("<FEFF");
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode() + 0x10000, 16).mid(1).toUpper();
    return hex + '>';
}
