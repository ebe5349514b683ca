#pragma once

#include <QString>

class Db;
class Prompter;

// "Corregir Movimiento": every line of one third party, posted or in any work area of any
// company, moves to another third party, and the old one is deleted; one transaction.
namespace MovementPartyCorrection {

inline const QString Ask = QStringLiteral("Esta seguro de corregir el movimiento del tercero?");
inline const QString Done = QStringLiteral("Correccion de movimientos realizada con exito...!");
inline const QString DoneTitle = QStringLiteral("Informacion");
// Not given elsewhere: the refusals of a code that cannot take the movements.
inline const QString NewMissing = QStringLiteral("¡El tercero nuevo no existe!");
inline const QString SameCode = QStringLiteral("¡El tercero nuevo debe ser distinto del actual!");
inline const QString OldMissing = QStringLiteral("¡Seleccione el tercero a corregir!");

// The third parties that can be corrected (code, name).
QString partyCatalog();

// Checks, asks and moves; true when the movements were moved.
bool correct(Db &db, Prompter &prompter, const QString &oldCode, const QString &newCode);

} // namespace MovementPartyCorrection
