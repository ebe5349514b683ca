#pragma once

#include "platform/report/ReportLayout.h"

#include <QByteArray>
#include <QString>

// Reads a layout file (the XML format documented in reportes/README.md). A file that does not
// read is rejected whole with a ReportError naming the file, the line and what is wrong.
class LayoutReader
{
public:
    static ReportLayout readFile(const QString &path);
    // `name` is used in messages; `baseDir` resolves image files.
    static ReportLayout readText(const QByteArray &xml, const QString &name,
                                 const QString &baseDir = {});
};
