#include "common/Session.h"

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
    gUsuarioOrvan.clear();
    gPasswordOrvan.clear();
    gBaseDatosNomina.clear();
    gMes = 0;
    gAno = 0;
}
