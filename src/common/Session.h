#pragma once

#include <QString>
#include <QtGlobal>

class Db;
class Prompter;
class ReportOutput;
class SettingsStore;
class ShellHost;

// The values that live for one login, named as every window knows them. The application
// owns one Session and passes it down; tests build their own.
struct Session
{
    // Start-up and connection
    Db *gConexion = nullptr; // the shared connection; owned by the application
    QString gCadenaConexion; // description of the connection in use (never the password)
    QString gServidor;
    QString gVersionSQL = QStringLiteral("SQL2005");
    QString gNombreSistema;
    QString gDescripcionSistema;
    QString gRutaReporte;
    QString gNombreIDEmpresa;
    QString gSQL;

    // Login
    QString gUsuario;
    QString gNombreUsuario;
    bool gSesionIniciada = false;

    // Working company and period
    QString gEmpresa;
    QString gNombreEmpresa;
    QString gMatriz;
    QString gNombreMatriz;
    QString gTelefonoEmpresa;
    QString gCodigoSeleccionado;
    QString gDireccionEmpresa;
    QString gCiudadEmpresa;
    qint16 gAgenteRetencion = 0;
    QString gCuentaPorCobrar;
    QString gDireccionMatriz;
    // Where the accounting interfaces find the other systems' databases. Their logins are
    // not kept here: ExternalSystemLogin reads them when a connection is made.
    QString gBaseDatosOrvan;
    QString gServidorOrvan;
    QString gBaseDatosNomina;
    qint16 gMes = 0;
    qint16 gAno = 0;

    // Navigation. The edit state is each child window's own (ChildWindow::editState), so
    // that one window cannot overwrite or clear another's.
    QString gNodoActual;
    QString gFormaActual;
    qint8 gModoOpcion = 0;
    bool gVentanaLista = false;
    QString gConsultaLista;
    int gCatalogoRegistros = 0; // rows the last lookup found

    // Services every window reaches through the session; owned by the application.
    Prompter *prompter = nullptr;
    SettingsStore *settings = nullptr;
    ShellHost *host = nullptr;       // the main window; null in tests that need none
    ReportOutput *reports = nullptr; // preview, printers and PDF of this workstation

    Db &db() const;
    Prompter &prompt() const;

    bool hasCompany() const { return !gEmpresa.trimmed().isEmpty(); }
    bool hasPeriod() const { return gMes != 0 && gAno != 0; }
    // "USUARIO: <name>" followed, when a period is chosen, by "PROCESA: <month>/<year>".
    QString userPeriodText() const;
    // Forgets the working company and period (new login, change of server).
    void clearCompany();
};
