#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class Db;

// A company a newcomer can explore: a head office and a branch, a chart of about four hundred
// accounts, third parties, cost centres, documents, retention concepts, the IVA rates, two
// users, and the books of last year (closed) and of this year up to today. The credentials
// exist only in the demo database.
namespace DemoCompany {

inline const QString AdministratorCode = QStringLiteral("ADMIN");
inline const QString AdministratorPassword = QStringLiteral("demo");
inline const QString BookkeeperCode = QStringLiteral("CONTADOR");
inline const QString BookkeeperPassword = QStringLiteral("demo");
inline const QString BookkeepersGroup = QStringLiteral("CONTABILIDAD");
// A database built as the demo holds this table; only such a database is ever rebuilt.
inline const QString MarkerTable = QStringLiteral("VALDORIA_DEMO");

struct Summary
{
    QString headOffice; // company codes (RIFs)
    QString branch;
    int year = 0;         // the year whose periods are open
    bool rebuilt = false; // an earlier demo was replaced
    int accounts = 0;
    int parties = 0;
    int vouchers = 0; // posted, the closings' own left out
    // What to tell the person who asked for the demo: the users and their passwords.
    QStringList credentials;
};

// Creates the schema and the demo in `db`, in one transaction, as of `today`. Only a new,
// empty database is filled; any other is refused untouched. Throws DbError.
Summary Create(Db &db, QDate today = QDate::currentDate());
// The same, and a database that was built as the demo is dropped and built again. A database
// of real books is refused untouched. Throws DbError.
Summary Rebuild(Db &db, QDate today = QDate::currentDate());
// True when `db` was built as the demo.
bool IsDemo(Db &db);

// The menus whose windows the bookkeeper may use, with everything under them.
const QStringList &BookkeeperMenus();

} // namespace DemoCompany
