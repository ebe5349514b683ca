#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class Db;

// A company a newcomer can explore: a head office and a branch, the year's periods and
// counters, a chart of about four hundred accounts, third parties, cost centres, documents,
// retention concepts, the IVA rates, and two users. The credentials exist only in the demo
// database.
namespace DemoCompany {

inline const QString AdministratorCode = QStringLiteral("ADMIN");
inline const QString AdministratorPassword = QStringLiteral("demo");
inline const QString BookkeeperCode = QStringLiteral("CONTADOR");
inline const QString BookkeeperPassword = QStringLiteral("demo");
inline const QString BookkeepersGroup = QStringLiteral("CONTABILIDAD");

struct Summary
{
    QString headOffice; // company codes (RIFs)
    QString branch;
    int year = 0; // the year whose periods are open
    int accounts = 0;
    int parties = 0;
    // What to tell the person who asked for the demo: the users and their passwords.
    QStringList credentials;
};

// Brings the schema of `db` up to date and fills it, in one transaction, as of `today`.
// The database must not hold any company yet. Throws DbError.
Summary Create(Db &db, QDate today = QDate::currentDate());

// The menus whose windows the bookkeeper may use, with everything under them.
const QStringList &BookkeeperMenus();

} // namespace DemoCompany
