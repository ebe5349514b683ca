#include "common/Session.h"

#include <QDate>
#include <QLocale>
#include <stdexcept>

Db &Session::db() const
{
    if (!gConexion)
        throw std::logic_error("no database connection in the session");
    return *gConexion;
}

Prompter &Session::prompt() const
{
    if (!prompter)
        throw std::logic_error("no prompter in the session");
    return *prompter;
}

void Session::clearCompany()
{
    gEmpresa.clear();
    gNombreEmpresa.clear();
    gMatriz.clear();
    gNombreMatriz.clear();
    gTelefonoEmpresa.clear();
    gCodigoSeleccionado.clear();
    gDireccionEmpresa.clear();
    gCiudadEmpresa.clear();
    gAgenteRetencion = 0;
    gCuentaPorCobrar.clear();
    gDireccionMatriz.clear();
    gBaseDatosOrvan.clear();
    gServidorOrvan.clear();
    gBaseDatosNomina.clear();
    gMes = 0;
    gAno = 0;
}

QString Session::userPeriodText() const
{
    QString text = QStringLiteral("USUARIO: ") + gNombreUsuario.trimmed();
    if (hasPeriod()) {
        const QLocale spanish(QLocale::Spanish, QLocale::Venezuela);
        const QString month = spanish.monthName(gMes, QLocale::LongFormat);
        text += QStringLiteral("        PROCESA: ") + month.left(1).toUpper() + month.mid(1) +
                QLatin1Char('/') + QString::number(gAno);
    }
    return text.trimmed();
}
