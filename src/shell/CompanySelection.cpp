#include "shell/CompanySelection.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "common/ShellHost.h"
#include "platform/Db.h"
#include "shell/SessionRegistry.h"
#include "shell/Startup.h"
#include "shell/UserRights.h"

namespace {
// Columns of both queries, in order. The picker shows every column it is given, so the
// other systems' logins and passwords are never among them (ExternalSystemLogin reads them).
enum Column {
    Codigo,
    Nombre,
    CodMatriz,
    Matriz,
    Direccion,
    Ciudad,
    Tipo,
    Telefono1,
    Status,
    AgenteRetencion,
    CuentaPorCobrar,
    BaseDatosOrvan,
    BaseDatosNomina,
    DireccionMatriz,
    ServidorOrvan,
    ColumnCount
};
const QString periodNode = QStringLiteral("mnu_cambiarperiodo");
} // namespace

CompanySelection::CompanySelection(Session &session, Picker picker, QString hostName)
    : m_session(session)
    , m_picker(std::move(picker))
    , m_host(std::move(hostName))
{
}

QString CompanySelection::companyQuery(int mode)
{
    // The status the picker shows: 1 head office, 0 active branch, 3 inactive branch.
    if (mode == 1)
        return QStringLiteral(
            "SELECT E.Codigo, E.Nombre, A.Codigo AS CodMatriz, A.Nombre AS Matriz, E.Direccion, "
            "E.Ciudad, E.Tipo, E.Telefono1, "
            "CASE WHEN E.Tipo = 0 THEN CASE WHEN E.Status = 0 THEN 3 ELSE 0 END ELSE E.Tipo END "
            "AS Status, E.AgenteRetencion, E.CuentaPorCobrar, E.BaseDatosOrvan, "
            "E.BaseDatosNomina, A.Direccion AS DireccionMatriz, E.ServidorOrvan "
            "FROM EMPRESA E LEFT JOIN EMPRESA A ON E.CodigoMatriz = A.Codigo "
            "ORDER BY E.Tipo DESC, E.Codigo");
    return QStringLiteral(
        "SELECT UE.Empresa AS Codigo, MAX(E.Nombre) AS Nombre, A.Codigo AS CodMatriz, "
        "MAX(A.Nombre) AS Matriz, MAX(E.Direccion) AS Direccion, MAX(E.Ciudad) AS Ciudad, "
        "MAX(E.Tipo) AS Tipo, MAX(E.Telefono1) AS Telefono1, "
        "CASE WHEN MAX(E.Tipo) = 0 THEN CASE WHEN MAX(E.Status) = 0 THEN 3 ELSE 0 END "
        "ELSE MAX(E.Tipo) END AS Status, MAX(E.AgenteRetencion) AS AgenteRetencion, "
        "MAX(E.CuentaPorCobrar) AS CuentaPorCobrar, MAX(E.BaseDatosOrvan) AS BaseDatosOrvan, "
        "MAX(E.BaseDatosNomina) AS BaseDatosNomina, MAX(A.Direccion) AS DireccionMatriz, "
        "MAX(E.ServidorOrvan) AS ServidorOrvan "
        "FROM USUARIOEMPRESA UE INNER JOIN EMPRESA E "
        "ON UE.Empresa = E.Codigo AND UE.Matriz = E.CodigoMatriz "
        "LEFT JOIN EMPRESA A ON E.CodigoMatriz = A.Codigo "
        "WHERE UE.Usuario = ? GROUP BY UE.Empresa, A.Codigo "
        "ORDER BY MAX(E.Tipo) DESC, UE.Empresa");
}

int CompanySelection::modeForUser() const
{
    Db &db = m_session.db();
    if (UserRights::IsAdministrator(db, m_session.gUsuario))
        return 1;
    if (UserRights::HasCompanies(db, m_session.gUsuario))
        return 2;
    return 0;
}

bool CompanySelection::needsFirstCompany() const
{
    return NeedsFirstCompany(m_session);
}

bool CompanySelection::NeedsFirstCompany(Session &session)
{
    Db &db = session.db();
    return !db.exists(QStringLiteral("SELECT 1 FROM EMPRESA")) &&
           UserRights::IsSystemsUser(db, session.gUsuario);
}

CompanySelection::Outcome CompanySelection::SelectCompany(int mode)
{
    const QVariantList params =
        mode == 1 ? QVariantList{} : QVariantList{QVariant(m_session.gUsuario)};
    const QStringList row = m_picker(companyQuery(mode), params);
    if (row.size() < ColumnCount || row.value(Codigo).isEmpty())
        return Outcome::NothingPicked;

    if (row[Codigo] == m_session.gEmpresa && row[CodMatriz] == m_session.gMatriz) {
        // The same company: its windows stay, and the period may be chosen again.
        showCompany(row);
        return Outcome::SameCompany;
    }
    const bool hadCompany = m_session.hasCompany();
    if (hadCompany && m_session.host &&
        !Startup::ConfirmPendingEdits(m_session.prompt(), m_session.host->childWindows()))
        return Outcome::EditKept;
    if (!SessionRegistry::RegisterSession(m_session.db(), row[Codigo], row[CodMatriz],
                                          m_session.gUsuario, m_host)) {
        m_session.prompt().warning(
            QStringLiteral("¡El usuario ya inicio sesión en la empresa seleccionada!"));
        return Outcome::AlreadyInUse;
    }
    // No window stays open on a company that is no longer the working one.
    if (hadCompany && m_session.host)
        m_session.host->closeChildWindows();
    // The workstation's row named the previous company; its registration has just moved.
    takeOver(row);
    showCompany(row);
    return Outcome::Selected;
}

void CompanySelection::showCompany(const QStringList &row)
{
    if (!m_session.host)
        return;
    const bool headOffice = row[Status] == QLatin1String("1");
    m_session.host->setCaption(m_session.gDescripcionSistema +
                               (headOffice ? QStringLiteral("   Empresa : ") + row[Nombre]
                                           : QStringLiteral("   Sucursal : ") + row[Nombre] +
                                                 QStringLiteral(" - ") + row[Matriz]));
    m_session.host->setUserPanel(m_session.userPeriodText());
    m_session.host->openNode(periodNode);
}

void CompanySelection::takeOver(const QStringList &row)
{
    Session &s = m_session;
    const bool headOffice = row[Status] == QLatin1String("1");
    s.gEmpresa = row[Codigo];
    s.gNombreEmpresa = row[Nombre];
    s.gMatriz = headOffice ? row[Codigo] : row[CodMatriz];
    s.gNombreMatriz = headOffice ? row[Nombre] : row[Matriz];
    s.gTelefonoEmpresa = row[Telefono1];
    s.gCodigoSeleccionado = row[Codigo];
    s.gDireccionEmpresa = row[Direccion];
    s.gCiudadEmpresa = row[Ciudad];
    s.gAgenteRetencion = qint16(row[AgenteRetencion].toInt());
    s.gCuentaPorCobrar = row[CuentaPorCobrar];
    s.gDireccionMatriz = row[DireccionMatriz];
    s.gBaseDatosOrvan = row[BaseDatosOrvan];
    s.gServidorOrvan = row[ServidorOrvan];
    s.gBaseDatosNomina = row[BaseDatosNomina];
    s.gMes = 0;
    s.gAno = 0;
}

int CompanySelection::CompanyMonth(Session &session, const QString &company,
                                   const QString &headOffice)
{
    return session.db()
        .scalar(QStringLiteral("SELECT Mes FROM EMPRESA WHERE Codigo = ? AND CodigoMatriz = ?"),
                {company, headOffice})
        .toInt();
}

bool CompanySelection::CompanyPeriod(Session &session, const QString &company,
                                     const QString &headOffice, int &month, int &year)
{
    const auto rows = session.db().rows(
        QStringLiteral("SELECT Mes, Ano FROM EMPRESA WHERE Codigo = ? AND CodigoMatriz = ?"),
        {company, headOffice});
    if (rows.empty())
        return false;
    month = rows.front().value(0).toInt();
    year = rows.front().value(1).toInt();
    return true;
}
