#include "shell/Startup.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "shell/Connector.h"
#include "shell/ServerConfig.h"
#include "shell/SessionRegistry.h"

#include <QDir>

namespace Startup {

FileConnection ConnectFromFile(Session &session, Connector &connector)
{
    const auto config =
        ServerConfig::read(QDir(connector.dataFolder()).filePath(ServerConfig::FileName));
    if (!config)
        return FileConnection::NoFile;
    const bool opened = connector.OpenConnection(*config);
    session.gServidor = config->server;
    session.gVersionSQL = config->sqlVersion;
    return opened ? FileConnection::Connected : FileConnection::Failed;
}

QString PendingEditQuestion(int editState, const QString &caption)
{
    QString start;
    if (editState == 1)
        start = QStringLiteral("Esta incluyendo un nuevo registro en ");
    else if (editState == 2)
        start = QStringLiteral("Esta modificando un registro en ");
    else
        return {};
    return start + caption + QStringLiteral(" ¿Desea cancelar la operación?");
}

bool ConfirmPendingEdits(Prompter &prompter, const std::vector<ChildWindowState> &windows)
{
    for (const ChildWindowState &w : windows) {
        const QString pending = PendingEditQuestion(w.editState, w.caption);
        if (!pending.isEmpty() && !prompter.question(pending, Prompter::DefaultTitle, false))
            return false;
    }
    return true;
}

bool ConfirmExit(Session &session, Prompter &prompter, const std::vector<ChildWindowState> &windows)
{
    if (!ConfirmPendingEdits(prompter, windows))
        return false;
    return prompter.question(QStringLiteral("¿Desea abandonar el sistema?"),
                             QStringLiteral("Salir ") + session.gNombreSistema);
}

void ReleaseSession(Session &session, Connector &connector)
{
    if (session.gConexion && session.hasCompany() && !session.gUsuario.isEmpty()) {
        try {
            SessionRegistry::DeleteSession(*session.gConexion, session.gEmpresa, session.gMatriz,
                                           session.gUsuario);
        } catch (const DbError &) {
            // Leaving must not fail: a stale row is cleared from the sessions window.
        }
    }
    connector.CloseConnection();
}

} // namespace Startup
