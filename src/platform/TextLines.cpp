#include "platform/TextLines.h"

#include <QFile>
#include <QSaveFile>

namespace TextLines {

QStringList ReadLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString content = QString::fromUtf8(file.readAll());
    content.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    content.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (content.endsWith(QLatin1Char('\n')))
        content.chop(1);
    if (content.isEmpty())
        return {QString()};
    return content.split(QLatin1Char('\n'));
}

bool WriteLines(const QString &path, const QStringList &lines)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return false;
    QByteArray data;
    for (const QString &line : lines)
        data += line.toUtf8() + "\r\n";
    if (file.write(data) != data.size())
        return false;
    return file.commit();
}

} // namespace TextLines
