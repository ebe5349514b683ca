#pragma once

#include <QString>

// The user's manual beside the program: "Ayuda.htm", else "Ayuda.pdf".
namespace HelpFile {
inline const QString MissingQuestion =
    QStringLiteral("El arhivo de ayuda no existe! Desea ubicarlo usted mismo?");
// Full path of the help file in `programDir`; empty when neither exists.
QString Locate(const QString &programDir);
} // namespace HelpFile
