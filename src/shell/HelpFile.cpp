#include "shell/HelpFile.h"

#include <QDir>
#include <QFileInfo>

namespace HelpFile {

QString Locate(const QString &programDir)
{
    for (const char *name : {"Ayuda.htm", "Ayuda.pdf"}) {
        const QString path = QDir(programDir).filePath(QLatin1String(name));
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

} // namespace HelpFile
