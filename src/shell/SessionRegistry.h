#pragma once

#include <QString>

class Db;

// The SESIONUSUARIO rows that say which user works in which company from which workstation:
// one row per workstation, and one workstation per user and company.
namespace SessionRegistry {

// Registers `user` in the company on workstation `host` (lower-cased here). False when the
// same user already works in that company from another workstation. The refusal rests on a
// unique key, so two workstations registering at the same moment cannot both succeed.
bool RegisterSession(Db &db, const QString &company, const QString &headOffice,
                     const QString &user, const QString &host);

void DeleteSession(Db &db, const QString &company, const QString &headOffice,
                   const QString &user);

} // namespace SessionRegistry
