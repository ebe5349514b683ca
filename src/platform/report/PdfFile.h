#pragma once

#include <QByteArray>
#include <vector>

class QIODevice;

// The body of a PDF file written front to back onto a device: numbered objects, their
// offsets, the cross-reference table and the trailer. Objects may be written in any order;
// a number can be taken before its object is written so that others refer to it.
class PdfFile
{
public:
    // Throws ReportError when the device refuses the bytes.
    explicit PdfFile(QIODevice &device);

    int reserve();
    // Opens object `number` ("n 0 obj"); what follows up to endObject() is its body.
    void beginObject(int number);
    void endObject();
    // A whole stream object: `dictionary` holds the entries besides /Length and /Filter,
    // without the brackets. With `compress`, the data goes out FlateDecoded.
    void writeStream(int number, const QByteArray &dictionary, const char *data, qsizetype size,
                     bool compress);
    // The same with data compressed beforehand by deflated(), on any thread.
    void writeDeflated(int number, const QByteArray &dictionary, const QByteArray &packed);
    static QByteArray deflated(const char *data, qsizetype size);

    PdfFile &operator<<(const char *text);
    PdfFile &operator<<(const QByteArray &bytes);
    PdfFile &operator<<(int number);
    PdfFile &operator<<(char c);
    void append(const char *data, qsizetype size);

    // Writes the cross-reference table and the trailer and hands everything to the device.
    void finish(int catalog, int info);

    // A text as a PDF string: UTF-16 with its byte-order mark, in hex.
    static QByteArray textString(const QString &text);

private:
    void flush();

    QIODevice &m_device;
    QByteArray m_buffer;
    qint64 m_written = 0;
    std::vector<qint64> m_offsets; // by object number; 0 = not written yet
};
