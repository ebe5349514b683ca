#include "shell/admin/UserAdmin.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "platform/PasswordHash.h"
#include "platform/Transaction.h"
#include "shell/UserRights.h"

#include <QSet>

namespace {
QSet<QString> asSet(const QStringList &list)
{
    return QSet<QString>(list.begin(), list.end());
}
} // namespace

UserAdmin::UserAdmin(Session &session, QString node)
    : m_session(session)
    , m_access(session, std::move(node))
{
}

std::vector<UserAdmin::Group> UserAdmin::groups() const
{
    Db &db = m_session.db();
    const auto rows = m_access.isSystemsUser()
                          ? db.rows(QStringLiteral("SELECT CodGrupo, NombreGrupo FROM GRUPOS "
                                                   "ORDER BY NombreGrupo"))
                          : db.rows(QStringLiteral("SELECT CodGrupo, NombreGrupo FROM GRUPOS "
                                                   "WHERE CodGrupo <> ? ORDER BY NombreGrupo"),
                                    {UserRights::SystemsGroup});
    std::vector<Group> result;
    for (const QSqlRecord &r : rows)
        result.push_back({r.value(0).toString(), r.value(1).toString()});
    return result;
}

std::vector<UserAdmin::User> UserAdmin::users() const
{
    Db &db = m_session.db();
    // Users without any group stay visible: somebody has to be able to give them one.
    const auto rows =
        m_access.isSystemsUser()
            ? db.rows(QStringLiteral("SELECT CodUsuario, NombreUsuario, Status FROM USUARIOS "
                                     "ORDER BY NombreUsuario, CodUsuario"))
            : db.rows(QStringLiteral("SELECT CodUsuario, NombreUsuario, Status FROM USUARIOS "
                                     "WHERE CodUsuario NOT IN (SELECT CodUsuario FROM "
                                     "USUARIOGRUPO WHERE CodGrupo = ?) "
                                     "ORDER BY NombreUsuario, CodUsuario"),
                      {UserRights::SystemsGroup});
    std::vector<User> result;
    for (const QSqlRecord &r : rows)
        result.push_back(
            {r.value(0).toString(), r.value(1).toString(), r.value(2).toInt() != 0, {}});
    return result;
}

std::optional<UserAdmin::User> UserAdmin::user(const QString &code) const
{
    Db &db = m_session.db();
    const auto rows = db.rows(QStringLiteral("SELECT CodUsuario, NombreUsuario, Status "
                                             "FROM USUARIOS WHERE CodUsuario = ?"),
                              {NormalizeCode(code)});
    if (rows.empty())
        return std::nullopt;
    User u{rows.front().value(0).toString(),
           rows.front().value(1).toString(),
           rows.front().value(2).toInt() != 0,
           {}};
    if (!m_access.isSystemsUser() && m_access.inSystemsGroup(u.code))
        return std::nullopt;
    for (const QSqlRecord &r : db.rows(QStringLiteral("SELECT CodGrupo FROM USUARIOGRUPO "
                                                      "WHERE CodUsuario = ? ORDER BY CodGrupo"),
                                       {u.code}))
        u.groups << r.value(0).toString();
    return u;
}

UserAdmin::Result UserAdmin::refuse(Result result, const QString &text, Field field)
{
    m_failedField = field;
    if (result == Result::NotAllowed)
        m_access.refuse();
    else
        m_session.prompt().warning(text);
    return result;
}

QStringList UserAdmin::existingGroups(const QStringList &codes) const
{
    QStringList found;
    for (const QString &code : codes) {
        const QString group = code.trimmed();
        if (!found.contains(group) &&
            m_session.db().exists(QStringLiteral("SELECT 1 FROM GRUPOS WHERE CodGrupo = ?"),
                                  {group}))
            found << group;
    }
    return found;
}

UserAdmin::Result UserAdmin::validate(const Input &input, bool isNew)
{
    if (NormalizeCode(input.code).isEmpty())
        return refuse(Result::MissingField, EmptyFieldText, Field::Code);
    if (input.name.trimmed().isEmpty())
        return refuse(Result::MissingField, EmptyFieldText, Field::Name);
    if (isNew && input.password.trimmed().isEmpty())
        return refuse(Result::MissingField, EmptyFieldText, Field::Password);
    if (existingGroups(input.groups).isEmpty())
        return refuse(Result::NoGroup, NoGroupText, Field::Groups);
    if (input.password != input.verification)
        return refuse(Result::ConfirmationDiffers, ConfirmationText, Field::Password);
    // Only "SISTEMAS" hands out its own membership.
    if (input.groups.contains(UserRights::SystemsGroup) && !m_access.isSystemsUser())
        return refuse(Result::NotAllowed, {});
    return Result::Saved;
}

bool UserAdmin::keepsSystemsMember(const QString &code, bool staysActiveMember)
{
    Db &db = m_session.db();
    // Two workstations removing the last two members at once must not both succeed: the
    // group's row is the lock they queue on.
    db.scalar(QStringLiteral("SELECT CodGrupo FROM GRUPOS WHERE CodGrupo = ?") +
                  db.dialect().forUpdate(),
              {UserRights::SystemsGroup});
    if (staysActiveMember)
        return true;
    const bool activeMember =
        db.exists(QStringLiteral("SELECT 1 FROM USUARIOGRUPO UG INNER JOIN USUARIOS U "
                                 "ON U.CodUsuario = UG.CodUsuario "
                                 "WHERE UG.CodGrupo = ? AND U.CodUsuario = ? AND U.Status = 1"),
                  {UserRights::SystemsGroup, code});
    if (!activeMember)
        return true;
    return db.exists(QStringLiteral("SELECT 1 FROM USUARIOGRUPO UG INNER JOIN USUARIOS U "
                                    "ON U.CodUsuario = UG.CodUsuario "
                                    "WHERE UG.CodGrupo = ? AND U.CodUsuario <> ? "
                                    "AND U.Status = 1"),
                     {UserRights::SystemsGroup, code});
}

void UserAdmin::writeGroups(const QString &code, const QStringList &groups)
{
    Db &db = m_session.db();
    db.exec(QStringLiteral("DELETE FROM USUARIOGRUPO WHERE CodUsuario = ?"), {code});
    for (const QString &group : groups)
        db.exec(QStringLiteral("INSERT INTO USUARIOGRUPO (CodUsuario, CodGrupo) VALUES (?, ?)"),
                {code, group});
}

UserAdmin::Result UserAdmin::create(const Input &input)
{
    m_failedField = Field::None;
    // A new user comes with a password and rights, which only administrators hand out.
    if (!m_access.require({QStringLiteral("Nuevo"), QStringLiteral("Guardar")}) ||
        !m_access.requireAdministrator())
        return Result::NotAllowed;
    if (const Result r = validate(input, true); r != Result::Saved)
        return r;
    Db &db = m_session.db();
    const QString code = NormalizeCode(input.code);
    if (db.exists(QStringLiteral("SELECT 1 FROM USUARIOS WHERE CodUsuario = ?"), {code}))
        return refuse(Result::Duplicate, DuplicateText, Field::Code);

    Transaction tx(db);
    db.exec(QStringLiteral("INSERT INTO USUARIOS (CodUsuario, NombreUsuario, Paswod, Status) "
                           "VALUES (?, ?, ?, ?)"),
            {code, input.name.trimmed(), PasswordHash::HashLoginPassword(input.password),
             input.active ? 1 : 0});
    writeGroups(code, existingGroups(input.groups));
    tx.commit();
    return Result::Saved;
}

UserAdmin::Result UserAdmin::modify(const Input &input)
{
    m_failedField = Field::None;
    if (!m_access.require({QStringLiteral("Modificar"), QStringLiteral("Guardar")}))
        return Result::NotAllowed;
    const QString code = NormalizeCode(input.code);
    Db &db = m_session.db();
    if (!db.exists(QStringLiteral("SELECT 1 FROM USUARIOS WHERE CodUsuario = ?"), {code}))
        return refuse(Result::UnknownUser, UnknownUserText, Field::Code);
    const std::optional<User> stored = user(code);
    if (!stored)
        return refuse(Result::NotAllowed, {});
    if (const Result r = validate(input, false); r != Result::Saved)
        return r;

    const QStringList groups = existingGroups(input.groups);
    const bool newPassword = !input.password.trimmed().isEmpty();
    if (!m_access.isAdministrator()) {
        // Others may keep the list of names and states up to date, and change their own
        // password, but not touch an administrator nor anybody's password or groups.
        const bool changesRights = asSet(groups) != asSet(stored->groups);
        const bool otherPassword = newPassword && code != m_session.gUsuario;
        if (UserRights::IsAdministrator(db, code) || changesRights || otherPassword)
            return refuse(Result::NotAllowed, {});
    }

    Transaction tx(db);
    if (!keepsSystemsMember(code, input.active && groups.contains(UserRights::SystemsGroup)))
        return refuse(Result::LastSystemsMember, LastSystemsMemberText, Field::Groups);
    db.exec(QStringLiteral("UPDATE USUARIOS SET NombreUsuario = ?, Status = ? "
                           "WHERE CodUsuario = ?"),
            {input.name.trimmed(), input.active ? 1 : 0, code});
    if (newPassword)
        db.exec(QStringLiteral("UPDATE USUARIOS SET Paswod = ? WHERE CodUsuario = ?"),
                {PasswordHash::HashLoginPassword(input.password), code});
    writeGroups(code, groups);
    tx.commit();
    return Result::Saved;
}

UserAdmin::Result UserAdmin::remove(const QString &codeText)
{
    m_failedField = Field::None;
    if (!m_access.require({QStringLiteral("Eliminar")}))
        return Result::NotAllowed;
    const QString code = NormalizeCode(codeText);
    Db &db = m_session.db();
    if (!db.exists(QStringLiteral("SELECT 1 FROM USUARIOS WHERE CodUsuario = ?"), {code}))
        return refuse(Result::UnknownUser, UnknownUserText);
    if (!user(code) || (!m_access.isAdministrator() && UserRights::IsAdministrator(db, code)))
        return refuse(Result::NotAllowed, {});

    Transaction tx(db);
    if (!keepsSystemsMember(code, false))
        return refuse(Result::LastSystemsMember, LastSystemsMemberText);
    // Memberships, company assignments and session rows go with the user.
    db.exec(QStringLiteral("DELETE FROM USUARIOS WHERE CodUsuario = ?"), {code});
    tx.commit();
    return Result::Deleted;
}
