#pragma once

#include <QString>

class QIODevice;
class ReportDocument;

// Writes a report as PDF without any window or printer.
class PdfExport
{
public:
    // Throws ReportError when the file cannot be written.
    static void write(const ReportDocument &document, const QString &path);
    static void write(const ReportDocument &document, QIODevice &device);
};
