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

std::vector<ReportValue> ReportLayoutValues(const Session &s)
{
    std::vector<ReportValue> values = ReportHeadingValues(s);
    values.push_back({QStringLiteral("IdentificacionEmpresa"),
                      CompanyIdentification(s.gNombreIDEmpresa, s.gEmpresa)});
    return values;
}

QString CompanyIdentification(const QString &label, const QString &code)
{
    QStringList parts;
    for (const QString &part : {label.trimmed(), code.trimmed()})
        if (!part.isEmpty())
            parts << part;
    return parts.join(QLatin1Char(' '));
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
