#pragma once

#include <QString>
#include <QVariant>
#include <vector>

struct Session;

// A value every layout may read by name.
struct ReportValue
{
    QString name;
    QVariant value;
};

// The lines that head every listing, in this order: NombreEmpresa, NombreMatriz,
// DireccionEmpresa, CiudadEmpresa, TelefonoEmpresa, NombreIDEmpresa (the name of the tax
// identifier, "RIF"), Usuario (the user's code) and NombreUsuario. A listing statement may
// carry them as its first columns.
std::vector<ReportValue> ReportHeadingValues(const Session &session);

// What the report runner hands to every layout: the heading values and IdentificacionEmpresa,
// the identifier's name followed by the working company's code, which is its RIF
// ("RIF J-30123456-7"). Every shipped layout heads its pages with IdentificacionEmpresa.
std::vector<ReportValue> ReportLayoutValues(const Session &session);

// The company's line of identification: `label` and `code`, either of them possibly empty.
QString CompanyIdentification(const QString &label, const QString &code);

// "CAST(? AS TEXT) AS NombreEmpresa, ..." to open a listing's select list with the heading
// values; bind ReportHeadingParameters() in the same order.
QString ReportHeadingColumns();
QVariantList ReportHeadingParameters(const Session &session);
