#include "shell/SessionRegistry.h"

#include "platform/Db.h"
#include "platform/Transaction.h"

#include <QDate>

namespace SessionRegistry {

namespace {
bool workingElsewhere(Db &db, const QString &company, const QString &headOffice,
                      const QString &user, const QString &host)
{
    return db.exists(QStringLiteral("SELECT 1 FROM SESIONUSUARIO WHERE Empresa = ? AND Matriz = ? "
                                    "AND Usuario = ? AND NombreEquipo <> ?"),
                     {company, headOffice, user, host});
}

// Runs one statement in its own savepoint, so a key violation does not spoil a caller's
// transaction on PostgreSQL. Returns the affected rows, or -1 on a refused key.
int guarded(Db &db, const QString &sql, const QVariantList &params)
{
    try {
        Transaction tx(db);
        const int rows = db.exec(sql, params);
        tx.commit();
        return rows;
    } catch (const DbError &) {
        return -1;
    }
}
} // namespace

bool RegisterSession(Db &db, const QString &company, const QString &headOffice,
                     const QString &user, const QString &hostName)
{
    const QString host = hostName.toLower();
    if (workingElsewhere(db, company, headOffice, user, host))
        return false;

    // This workstation's row, if any, now names the new user and company.
    int rows = guarded(db,
                       QStringLiteral("UPDATE SESIONUSUARIO SET Empresa = ?, Matriz = ?, "
                                      "Usuario = ?, Fecha = ? WHERE NombreEquipo = ?"),
                       {company, headOffice, user,
                        QDate::currentDate().toString(QStringLiteral("yyyyMMdd")), host});
    if (rows > 0)
        return true;
    if (rows == 0)
        rows = guarded(db,
                       QStringLiteral("INSERT INTO SESIONUSUARIO (Empresa, Matriz, Usuario, "
                                      "Fecha, NombreEquipo) VALUES (?, ?, ?, ?, ?)"),
                       {company, headOffice, user,
                        QDate::currentDate().toString(QStringLiteral("yyyyMMdd")), host});
    if (rows > 0)
        return true;
    // A key refused the change: either the user took this company on another workstation a
    // moment ago, or this workstation's row appeared meanwhile and can now be updated.
    if (workingElsewhere(db, company, headOffice, user, host))
        return false;
    return db.exec(QStringLiteral("UPDATE SESIONUSUARIO SET Empresa = ?, Matriz = ?, Usuario = ? "
                                  "WHERE NombreEquipo = ?"),
                   {company, headOffice, user, host})
           > 0;
}

void DeleteSession(Db &db, const QString &company, const QString &headOffice,
                   const QString &user)
{
    db.exec(QStringLiteral("DELETE FROM SESIONUSUARIO WHERE Empresa = ? AND Matriz = ? "
                           "AND Usuario = ?"),
            {company, headOffice, user});
}

} // namespace SessionRegistry
