#include "shell/SystemData.h"

#include "common/Session.h"
#include "platform/Db.h"
#include "shell/ReportPathConfig.h"

#include <QDir>

namespace SystemData {

void LoadSystemData(Session &session, const QString &dataFolder)
{
    Db &db = session.db();
    const auto system = db.rows(QStringLiteral(
        "SELECT NombreSistema, Descripcion FROM SISTEMAS ORDER BY NombreSistema LIMIT 1"));
    if (!system.empty()) {
        session.gNombreSistema = system.front().value(0).toString();
        session.gDescripcionSistema = system.front().value(1).toString();
    }

    const auto parameters = db.rows(
        QStringLiteral("SELECT RutaReporte, NombreIDEmpresa FROM PARAMETRO LIMIT 1"));
    if (!parameters.empty()) {
        const QString own =
            ReportPathConfig::read(QDir(dataFolder).filePath(ReportPathConfig::FileName));
        session.gRutaReporte = own.isEmpty() ? parameters.front().value(0).toString() : own;
        session.gNombreIDEmpresa = parameters.front().value(1).toString();
    }
}

} // namespace SystemData
