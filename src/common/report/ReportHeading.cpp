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
        {QStringLiteral("IdentificacionEmpresa"),
         CompanyIdentification(s.gNombreIDEmpresa, s.gEmpresa)},
    };
}

QString CompanyIdentification(const QString &label, const QString &code)
{
    QStringList parts;
    for (const QString &part : {label.trimmed(), code.trimmed()})
        if (!part.isEmpty())
            parts << part;
    return parts.join(QLatin1Char(' '));
}

namespace {
// The values a listing statement carries as its first columns.
constexpr int ColumnCount = 8;
} // namespace

QString ReportHeadingColumns()
{
    QStringList columns;
    const auto values = ReportHeadingValues(Session{});
    for (int i = 0; i < ColumnCount; ++i)
        // The cast gives PostgreSQL the type of a marker it could not infer in a select list.
        columns << QStringLiteral("CAST(? AS TEXT) AS ") + values[size_t(i)].name;
    return columns.join(QStringLiteral(", "));
}

QVariantList ReportHeadingParameters(const Session &session)
{
    QVariantList values;
    const auto heading = ReportHeadingValues(session);
    for (int i = 0; i < ColumnCount; ++i)
        values << heading[size_t(i)].value;
    return values;
}
