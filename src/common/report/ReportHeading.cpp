#include "common/report/ReportHeading.h"

#include "common/Session.h"

std::vector<ReportValue> ReportHeadingValues(const Session &s)
{
    return {
        {QStringLiteral("NombreEmpresa"), s.gNombreEmpresa},
        {QStringLiteral("NombreMatriz"), s.gNombreMatriz},
        {QStringLiteral("DireccionEmpresa"), s.gDireccionEmpresa},
        {QStringLiteral("CiudadEmpresa"), s.gCiudadEmpresa},
        {QStringLiteral("TelefonoEmpresa"), s.gTelefonoEmpresa},
        {QStringLiteral("NombreIDEmpresa"), s.gNombreIDEmpresa},
        {QStringLiteral("Usuario"), s.gUsuario},
        {QStringLiteral("NombreUsuario"), s.gNombreUsuario},
    };
}

QString ReportHeadingColumns()
{
    QStringList columns;
    for (const ReportValue &v : ReportHeadingValues(Session{}))
        // The cast gives PostgreSQL the type of a marker it could not infer in a select list.
        columns << QStringLiteral("CAST(? AS TEXT) AS ") + v.name;
    return columns.join(QStringLiteral(", "));
}

QVariantList ReportHeadingParameters(const Session &session)
{
    QVariantList values;
    for (const ReportValue &v : ReportHeadingValues(session))
        values << v.value;
    return values;
}
