#pragma once

#include <QString>
#include <QStringList>

class Db;

// Small builders for the rows most tests need: companies, users, groups and their rights.
namespace Fixtures {

// A head office when `headOffice` is empty or equal to `code`, else a branch of it.
void addCompany(Db &db, const QString &code, const QString &name, const QString &headOffice = {},
                int status = 1, int closingMonth = 12, int lastClosedYear = 2025);
void addGroup(Db &db, const QString &code, const QString &name = {});
// A user with the given password (stored hashed) in the given groups.
void addUser(Db &db, const QString &code, const QString &password,
             const QStringList &groups = {}, int status = 1);
void assignCompany(Db &db, const QString &user, const QString &company,
                   const QString &headOffice);
// Lets `group` see `node` (Ver "S" or "N") and use the named toolbar operations on it.
void grantNode(Db &db, const QString &group, const QString &node, const QString &ver = "S",
               const QStringList &options = {});

} // namespace Fixtures
