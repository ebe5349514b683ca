#include "shell/admin/AdminAccess.h"

#include "common/OptionRights.h"
#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "shell/UserRights.h"

AdminAccess::AdminAccess(Session &session, QString node)
    : m_session(session)
    , m_node(std::move(node))
{
}

bool AdminAccess::isSystemsUser() const
{
    return UserRights::IsSystemsUser(m_session.db(), m_session.gUsuario);
}

bool AdminAccess::isAdministrator() const
{
    return UserRights::IsAdministrator(m_session.db(), m_session.gUsuario);
}

bool AdminAccess::require(const QStringList &options) const
{
    const QStringList allowed =
        OptionRights::AllowedOptions(m_session.db(), m_session.gUsuario, m_node);
    for (const QString &option : options) {
        if (!allowed.contains(option)) {
            refuse();
            return false;
        }
    }
    return true;
}

bool AdminAccess::requireAdministrator() const
{
    if (isAdministrator())
        return true;
    refuse();
    return false;
}

void AdminAccess::refuse() const
{
    m_session.prompt().warning(OptionRights::NotAllowedText);
}

bool AdminAccess::inSystemsGroup(const QString &user) const
{
    return m_session.db().exists(
        QStringLiteral("SELECT 1 FROM USUARIOGRUPO WHERE CodUsuario = ? AND CodGrupo = ?"),
        {user, UserRights::SystemsGroup});
}
