#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

class Db;

// The logo and the signature of a company, kept as the picture file's bytes in its EMPRESA
// row, where the report runner finds them.
namespace CompanyPictures {

inline const QString Logo = QStringLiteral("Logo");
inline const QString Firma = QStringLiteral("Firma");

// The pictures the file dialog offers (bitmaps, JPEG, icons, GIF).
QString FileFilter();

// The bytes of a picture file; nullopt when the file cannot be read or is not a picture.
std::optional<QByteArray> ReadPictureFile(const QString &fileName);

// Writes `bytes` into the column ("Logo" or "Firma") of the company; false for another column.
bool StorePicture(Db &db, const QString &company, const QString &headOffice, const QString &column,
                  const QByteArray &bytes);

// Stores the picture file in the company's column; false when the file is no picture or the
// column is not one of the two.
bool Guardar_Imagen(Db &db, const QString &company, const QString &headOffice,
                    const QString &column, const QString &fileName);
// The stored picture's bytes; empty when there is none.
QByteArray Leer_Imagen(Db &db, const QString &company, const QString &headOffice,
                       const QString &column);

} // namespace CompanyPictures
