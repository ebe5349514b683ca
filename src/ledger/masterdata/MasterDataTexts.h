#pragma once

#include <QString>

// What the master-data windows say, word for word.
namespace MasterDataTexts {
inline const QString Duplicate = QStringLiteral("Registro duplicado!");
inline const QString NotSaved = QStringLiteral("Registros no se guardaron!");
inline const QString TaxAuthorityExists = QStringLiteral("¡Existe un tercero tributario!");
inline const QString PartyCodeTooShort =
    QStringLiteral("El codigo del terccero debe ser mayor a seis caracteres!");
inline const QString RifCheckDigit =
    QStringLiteral("El dígito verificador del RIF no es válido. ¿Desea guardarlo de todas formas?");
inline const QString DetailAccountsOnly =
    QStringLiteral("Ingrese solo cuentas de detalle validas...!");
inline const QString CorrectTitle = QStringLiteral("Corregir tercero");
inline const QString CorrectQuestion =
    QStringLiteral("Esta seguro de corregir el codigo del tercero?");

// "¡El campo Nombre no debe estar vacio!"
QString Required(const QString &caption);
// "¡El campo Base Persona Natural debe ser tipo numerico!"
QString NotNumeric(const QString &caption);
} // namespace MasterDataTexts
