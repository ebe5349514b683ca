#include "ledger/accounts/Parameters.h"

#include "common/OptionRights.h"
#include "common/Prompter.h"
#include "common/Session.h"
#include "ledger/accounts/DetailAccountCheck.h"
#include "platform/Db.h"
#include "platform/Transaction.h"
#include "shell/ServerConfig.h"

#include <QDir>

namespace {

QVariant bit(bool on)
{
    return on ? 1 : 0;
}

// PARAMETRO's columns in the order of the window, which is the order of valuesOf().
QStringList columns()
{
    QStringList c{"CantDigCuenta", "NombreIDEmpresa", "AplicaRetBase"};
    for (int a = 0; a < Parameters::AccountCount; ++a)
        c << Parameters::columnOf(Parameters::Account(a));
    c << "PorcRetIVA"
      << "CierreAjusteInflacion"
      << "CierreAjusteDifCambio"
      << "ExportarConsolidado"
      << "RutaReporte"
      << "ServidorNexlar"
      << "UsuarioNexlar"
      << "PasswordNexlar";
    return c;
}

QVariantList valuesOf(const Parameters &p)
{
    QVariantList v{p.CantDigCuenta, p.NombreIDEmpresa.trimmed(), bit(p.AplicaRetBase)};
    for (const QString &a : p.accounts)
        v << a.trimmed();
    v << p.PorcRetIVA.toSql() << bit(p.CierreAjusteInflacion) << bit(p.CierreAjusteDifCambio)
      << bit(p.ExportarConsolidado) << p.RutaReporte.trimmed() << p.ServidorNexlar.trimmed()
      << p.UsuarioNexlar.trimmed() << p.PasswordNexlar;
    return v;
}

} // namespace

QString Parameters::columnOf(Account a)
{
    static const QStringList names{"UtilidadEjercicio",       "PerdidaEjercicio",
                                   "UtilidadAcumulada",       "PerdidaAcumulada",
                                   "IngresoDiferenciaCambio", "GastoDiferenciaCambio"};
    return names.value(int(a));
}

ParametersService::ParametersService(Session &session, QString node)
    : m_session(session)
    , m_node(std::move(node))
{
}

std::optional<Parameters> ParametersService::load() const
{
    const auto rows = m_session.db().rows(
        QStringLiteral("SELECT %1 FROM PARAMETRO").arg(columns().join(QStringLiteral(", "))));
    if (rows.empty())
        return std::nullopt;
    const QSqlRecord &r = rows.front();
    Parameters p;
    int c = 0;
    p.CantDigCuenta = r.value(c++).toInt();
    p.NombreIDEmpresa = r.value(c++).toString();
    p.AplicaRetBase = r.value(c++).toInt() != 0;
    for (QString &a : p.accounts)
        a = r.value(c++).toString().trimmed();
    p.PorcRetIVA = Rate::fromSql(r.value(c++));
    p.CierreAjusteInflacion = r.value(c++).toInt() != 0;
    p.CierreAjusteDifCambio = r.value(c++).toInt() != 0;
    p.ExportarConsolidado = r.value(c++).toInt() != 0;
    p.RutaReporte = r.value(c++).toString();
    p.ServidorNexlar = r.value(c++).toString();
    p.UsuarioNexlar = r.value(c++).toString();
    p.PasswordNexlar = r.value(c++).toString();
    return p;
}

ParametersService::SaveOutcome ParametersService::save(const Parameters &values)
{
    Db &db = m_session.db();
    Prompter &prompt = m_session.prompt();
    if (!OptionRights::MayUse(db, m_session.gUsuario, m_node, QStringLiteral("Guardar"))) {
        prompt.warning(OptionRights::NotAllowedText);
        return {SaveResult::NotAllowed, std::nullopt};
    }
    for (int a = 0; a < Parameters::AccountCount; ++a) {
        const QString code = values.accounts[size_t(a)].trimmed();
        // An account left empty is not set yet: the processes that need it say so.
        if (code.isEmpty())
            continue;
        const DetailAccountCheck check = DetailAccountCheck::run(db, code);
        if (!check.ok()) {
            prompt.warning(check.message());
            return {SaveResult::Invalid, Parameters::Account(a)};
        }
    }
    const QStringList names = columns();
    try {
        Transaction tx(db);
        const bool exists = db.scalar(QStringLiteral("SELECT COUNT(*) FROM PARAMETRO")).toInt() > 0;
        if (exists)
            db.exec(QStringLiteral("UPDATE PARAMETRO SET %1 = ?")
                        .arg(names.join(QStringLiteral(" = ?, "))),
                    valuesOf(values));
        else
            db.exec(
                QStringLiteral("INSERT INTO PARAMETRO (%1) VALUES (%2)")
                    .arg(names.join(','), QStringList(names.size(), QStringLiteral("?")).join(',')),
                valuesOf(values));
        tx.commit();
    } catch (const DbError &e) {
        prompt.error(QStringLiteral("No se pudieron guardar los parámetros.\n") + e.userText());
        return {SaveResult::Failed, std::nullopt};
    }
    return {SaveResult::Saved, std::nullopt};
}

bool ParametersService::verifyReportDirectory(const QString &path)
{
    const QDir dir(path.trimmed());
    const bool found = !path.trimmed().isEmpty() && dir.exists() &&
                       !dir.entryList(QDir::Files | QDir::Hidden).isEmpty();
    if (found)
        m_session.prompt().info(DirectoryVerified);
    else
        m_session.prompt().warning(DirectoryMissing);
    return found;
}

bool ParametersService::verifyNexlarServer(const QString &server, const QString &user,
                                           const QString &password)
{
    ServerConfig config;
    config.server = server.trimmed();
    // The external system always lives on a server; "(local)" means this machine's.
    if (config.isEmbedded())
        config.server = QStringLiteral("localhost");
    config.database = QStringLiteral("postgres");
    config.authMode = user.trimmed().isEmpty() ? 0 : 1;
    config.user = user;
    config.password = password;
    try {
        auto probe = Db::open(config.toConnectionSettings(QString()));
        probe->scalar(QStringLiteral("SELECT 1"));
    } catch (const DbError &e) {
        m_session.prompt().warning(e.userText());
        return false;
    }
    m_session.prompt().info(ServerVerified);
    return true;
}
