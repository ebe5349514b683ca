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
// DireccionEmpresa, CiudadEmpresa, TelefonoEmpresa, NombreIDEmpresa, Usuario (the user's
// code) and NombreUsuario. The report runner hands them to every layout; a listing statement
// may also carry them as its first columns.
std::vector<ReportValue> ReportHeadingValues(const Session &session);

// "CAST(? AS TEXT) AS NombreEmpresa, ..." to open a listing's select list with the heading
// values; bind ReportHeadingParameters() in the same order.
QString ReportHeadingColumns();
QVariantList ReportHeadingParameters(const Session &session);
