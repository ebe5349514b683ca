#pragma once

#include <QString>

class Db;

// The SESIONUSUARIO rows that say which user works in which company from which workstation.
namespace SessionRegistry {
void DeleteSession(Db &db, const QString &company, const QString &headOffice,
                   const QString &user);
} // namespace SessionRegistry
