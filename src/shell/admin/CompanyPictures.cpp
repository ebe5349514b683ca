#include "shell/admin/CompanyPictures.h"

#include "platform/Db.h"

#include <QFile>
#include <QImage>

namespace CompanyPictures {

namespace {
// Column names come from this list only, never from the caller's text as such.
std::optional<QString> pictureColumn(const QString &column)
{
    for (const QString &known : {Logo, Firma})
        if (column.compare(known, Qt::CaseInsensitive) == 0)
            return known;
    return std::nullopt;
}
} // namespace

QString FileFilter()
{
    // The file systems here tell upper from lower case, so each pattern is given in both.
    return QStringLiteral("Mapas de bit (*.BMP *.bmp);;"
                          "Grupo fotografico experto (*.JPG *.jpg *.JPEG *.jpeg);;"
                          "Iconos (*.ICO *.ico);;Gifs (*.GIF *.gif)");
}

std::optional<QByteArray> ReadPictureFile(const QString &fileName)
{
    QFile file(fileName);
    if (fileName.isEmpty() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty() || QImage::fromData(bytes).isNull())
        return std::nullopt;
    return bytes;
}

bool StorePicture(Db &db, const QString &company, const QString &headOffice, const QString &column,
                  const QByteArray &bytes)
{
    const std::optional<QString> name = pictureColumn(column);
    if (!name)
        return false;
    db.exec(QStringLiteral("UPDATE EMPRESA SET %1 = ? WHERE Codigo = ? AND CodigoMatriz = ?")
                .arg(*name),
            {bytes, company, headOffice});
    return true;
}

bool Guardar_Imagen(Db &db, const QString &company, const QString &headOffice,
                    const QString &column, const QString &fileName)
{
    const std::optional<QByteArray> bytes = ReadPictureFile(fileName);
    return bytes && StorePicture(db, company, headOffice, column, *bytes);
}

QByteArray Leer_Imagen(Db &db, const QString &company, const QString &headOffice,
                       const QString &column)
{
    const std::optional<QString> name = pictureColumn(column);
    if (!name)
        return {};
    return db
        .scalar(QStringLiteral("SELECT %1 FROM EMPRESA WHERE Codigo = ? AND CodigoMatriz = ?")
                    .arg(*name),
                {company, headOffice})
        .toByteArray();
}

} // namespace CompanyPictures
