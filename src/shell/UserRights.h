#pragma once

#include <QString>

class Db;

// What a user may do, from the groups he belongs to (his rights are their union).
namespace UserRights {
inline const QString SystemsGroup = QStringLiteral("SISTEMAS");
inline const QString SuperGroup = QStringLiteral("SUPERGRUPO");

// Member of "SISTEMAS" or "SUPERGRUPO": sees every company.
bool IsAdministrator(Db &db, const QString &user);
// Member of "SISTEMAS": also owns the menu structure.
bool IsSystemsUser(Db &db, const QString &user);
// Has at least one company assigned.
bool HasCompanies(Db &db, const QString &user);

bool MayAddThirdParties(Db &db, const QString &user);    // GRUPOS.IncTerceroMov
bool ShowsLastMovements(Db &db, const QString &user);    // GRUPOS.MostrarUltMov
bool MayModifyMovements(Db &db, const QString &user);    // GRUPOS.ModificarMovimiento
bool ModificationType(Db &db, const QString &user);      // GRUPOS.TipoModificacion = 1
} // namespace UserRights
