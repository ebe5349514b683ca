#pragma once

#include <QString>
#include <QVariantList>

class Db;

// One row of AUDITORIAREPORTE per report request: who asked, from which workstation, for
// which layout and with which statement.
class ReportAudit
{
public:
    // The statement as the audit keeps it: single quotes turned into double quotes, then
    // " -- " and the bound values in order (texts in double quotes, NULL for nulls).
    static QString statementText(const QString &statement, const QVariantList &values);

    // Inserts the row stamped with the server's clock; user, host and file name upper-cased.
    static void write(Db &db, const QString &user, const QString &ipAddress,
                      const QString &hostName, const QString &fileName, const QString &statement);
};
