#include "common/report/ReportAudit.h"

#include "platform/Db.h"

#include <QDate>
#include <QDateTime>

namespace {

QString noSingleQuotes(QString text)
{
    return text.replace(QLatin1Char('\''), QLatin1Char('"'));
}

QString valueText(const QVariant &v)
{
    if (v.isNull())
        return QStringLiteral("NULL");
    switch (v.typeId()) {
    case QMetaType::QString:
        return QLatin1Char('"') + noSingleQuotes(v.toString()) + QLatin1Char('"');
    case QMetaType::QDate:
        return QLatin1Char('"') + v.toDate().toString(Qt::ISODate) + QLatin1Char('"');
    case QMetaType::QDateTime:
        return QLatin1Char('"') + v.toDateTime().toString(Qt::ISODate) + QLatin1Char('"');
    case QMetaType::QByteArray:
        // Pictures and other binary values say only how big they were.
        return QStringLiteral("<%1 bytes>").arg(v.toByteArray().size());
    default:
        return noSingleQuotes(v.toString());
    }
}

} // namespace

QString ReportAudit::statementText(const QString &statement, const QVariantList &values)
{
    QString text = noSingleQuotes(statement);
    if (values.isEmpty())
        return text;
    QStringList bound;
    for (const QVariant &v : values)
        bound << valueText(v);
    return text + QStringLiteral(" -- ") + bound.join(QStringLiteral(", "));
}

void ReportAudit::write(Db &db, const QString &user, const QString &ipAddress,
                        const QString &hostName, const QString &fileName, const QString &statement)
{
    db.exec(QStringLiteral("INSERT INTO AUDITORIAREPORTE (FechaHora, Usuario, DireccionIp, "
                           "NombreEquipo, Reporte, Consulta) VALUES (%1, ?, ?, ?, ?, ?)")
                .arg(db.dialect().currentTimestamp()),
            {user.toUpper(), ipAddress, hostName.toUpper(), fileName.toUpper(), statement});
}
