#include "shell/admin/GroupAdmin.h"

#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "platform/Transaction.h"
#include "shell/MenuStructure.h"
#include "shell/UserRights.h"

#include <QHash>
#include <QSet>
#include <algorithm>

namespace {
const QString groupColumns =
    QStringLiteral("CodGrupo, NombreGrupo, ImprimirCheque, ModificarMovimiento, MostrarUltMov, "
                   "IncTerceroMov, TipoModificacion");

GroupAdmin::Group fromRecord(const QSqlRecord &r)
{
    GroupAdmin::Group g;
    g.code = r.value(0).toString();
    g.name = r.value(1).toString();
    g.imprimirCheque = r.value(2).toInt() != 0;
    g.modificarMovimiento = r.value(3).toInt() != 0;
    g.mostrarUltMov = r.value(4).toInt() != 0;
    g.incTerceroMov = r.value(5).toInt() != 0;
    g.tipoModificacion = r.value(6).toInt() != 0;
    return g;
}

// A tree of a few hundred nodes and a thousand operations: several rows per statement keep a
// save on a distant server from taking one round trip per grant.
void insertRows(Db &db, const QString &head, int columns, const std::vector<QVariantList> &rows)
{
    const size_t perStatement = size_t(std::max(1, 300 / columns));
    const QString tuple =
        QLatin1Char('(') + QStringList(columns, QStringLiteral("?")).join(',') + QLatin1Char(')');
    for (size_t first = 0; first < rows.size(); first += perStatement) {
        const size_t last = std::min(rows.size(), first + perStatement);
        QStringList tuples;
        QVariantList params;
        for (size_t i = first; i < last; ++i) {
            tuples << tuple;
            params += rows[i];
        }
        db.exec(head + tuples.join(','), params);
    }
}
} // namespace

GroupAdmin::GroupAdmin(Session &session, QString node)
    : m_session(session)
    , m_access(session, std::move(node))
{
}

std::vector<GroupAdmin::Group> GroupAdmin::groups() const
{
    Db &db = m_session.db();
    const auto rows =
        m_access.isSystemsUser()
            ? db.rows(QStringLiteral("SELECT %1 FROM GRUPOS ORDER BY CodGrupo").arg(groupColumns))
            : db.rows(QStringLiteral("SELECT %1 FROM GRUPOS WHERE CodGrupo <> ? ORDER BY CodGrupo")
                          .arg(groupColumns),
                      {UserRights::SystemsGroup});
    std::vector<Group> result;
    for (const QSqlRecord &r : rows)
        result.push_back(fromRecord(r));
    return result;
}

bool GroupAdmin::visible(const QString &code) const
{
    return code != UserRights::SystemsGroup || m_access.isSystemsUser();
}

std::optional<GroupAdmin::Group> GroupAdmin::group(const QString &codeText) const
{
    const QString code = NormalizeCode(codeText);
    if (!visible(code))
        return std::nullopt;
    const auto rows = m_session.db().rows(
        QStringLiteral("SELECT %1 FROM GRUPOS WHERE CodGrupo = ?").arg(groupColumns), {code});
    if (rows.empty())
        return std::nullopt;
    return fromRecord(rows.front());
}

std::vector<PermissionEntry> GroupAdmin::permissionEntries(const QString &group) const
{
    Db &db = m_session.db();
    QHash<QString, std::vector<std::pair<int, QString>>> offered;
    for (const QSqlRecord &r :
         db.rows(QStringLiteral("SELECT OM.CodNodo, OM.Opcion, O.Nombre FROM OPCIONESMENU OM "
                                "INNER JOIN OPCIONES O ON OM.Opcion = O.CodigoOpcion "
                                "ORDER BY OM.CodNodo, O.CodigoOpcion")))
        offered[r.value(0).toString()].emplace_back(r.value(1).toInt(), r.value(2).toString());
    QSet<QString> seen;
    QSet<QString> granted;
    if (!group.isEmpty() && visible(group)) {
        for (const QSqlRecord &r : db.rows(QStringLiteral("SELECT CodNodo FROM GRUPOSEG "
                                                          "WHERE CodGrupo = ? AND Ver = 'S'"),
                                           {group}))
            seen.insert(r.value(0).toString());
        for (const QSqlRecord &r : db.rows(QStringLiteral("SELECT CodNodo, Opcion FROM "
                                                          "OPCIONESGRUPO WHERE CodGrupo = ?"),
                                           {group}))
            granted.insert(
                PermissionEntry::OperationKey(r.value(0).toString(), r.value(1).toInt()));
    }

    std::vector<PermissionEntry> entries;
    for (const MenuStructure::Node &n : MenuStructure(m_session).nodes()) {
        PermissionEntry node;
        node.key = n.code;
        node.parent = n.parent == MenuStructure::Root ? QString() : n.parent;
        node.caption = n.caption;
        node.node = n.code;
        node.separator = n.caption == QLatin1String("_") && !n.container;
        node.marked = seen.contains(n.code);
        entries.push_back(node);
        if (n.container)
            continue;
        for (const auto &[option, name] : offered.value(n.code)) {
            PermissionEntry op;
            op.key = PermissionEntry::OperationKey(n.code, option);
            op.parent = n.code;
            op.caption = name;
            op.node = n.code;
            op.option = option;
            op.marked = granted.contains(op.key);
            entries.push_back(op);
        }
    }
    return entries;
}

GroupAdmin::Result GroupAdmin::refuse(Result result, const QString &text, Field field)
{
    m_failedField = field;
    if (result == Result::NotAllowed)
        m_access.refuse();
    else if (result == Result::Exists)
        m_session.prompt().info(text);
    else
        m_session.prompt().warning(text);
    return result;
}

GroupAdmin::Result GroupAdmin::validate(const Group &group)
{
    if (NormalizeCode(group.code).isEmpty())
        return refuse(Result::MissingField, EmptyFieldText, Field::Code);
    if (group.name.trimmed().isEmpty())
        return refuse(Result::MissingField, EmptyFieldText, Field::Name);
    return Result::Saved;
}

void GroupAdmin::writeGroupRow(const Group &g, bool isNew)
{
    const QVariantList flags{g.imprimirCheque ? 1 : 0, g.modificarMovimiento ? 1 : 0,
                             g.mostrarUltMov ? 1 : 0, g.incTerceroMov ? 1 : 0,
                             g.modificarMovimiento && g.tipoModificacion ? 1 : 0};
    const QString code = NormalizeCode(g.code);
    if (isNew)
        m_session.db().exec(QStringLiteral("INSERT INTO GRUPOS (%1) VALUES (?, ?, ?, ?, ?, ?, ?)")
                                .arg(groupColumns),
                            QVariantList{code, g.name.trimmed()} + flags);
    else
        m_session.db().exec(QStringLiteral("UPDATE GRUPOS SET NombreGrupo = ?, ImprimirCheque = ?, "
                                           "ModificarMovimiento = ?, MostrarUltMov = ?, "
                                           "IncTerceroMov = ?, TipoModificacion = ? "
                                           "WHERE CodGrupo = ?"),
                            QVariantList{g.name.trimmed()} + flags + QVariantList{code});
}

void GroupAdmin::writeGrants(const QString &code, const Marks &marks)
{
    Db &db = m_session.db();
    db.exec(QStringLiteral("DELETE FROM OPCIONESGRUPO WHERE CodGrupo = ?"), {code});
    db.exec(QStringLiteral("DELETE FROM GRUPOSEG WHERE CodGrupo = ?"), {code});

    // Only what the tree can still offer is written: a node or an operation removed from the
    // menu structure since the window was loaded is dropped, not refused.
    QSet<QString> nodes;
    for (const QSqlRecord &r : db.rows(QStringLiteral("SELECT CodNodo FROM SEG")))
        nodes.insert(r.value(0).toString());
    QSet<QString> offered;
    for (const QSqlRecord &r : db.rows(QStringLiteral("SELECT CodNodo, Opcion FROM OPCIONESMENU")))
        offered.insert(PermissionEntry::OperationKey(r.value(0).toString(), r.value(1).toInt()));

    std::vector<QVariantList> seen;
    QSet<QString> done;
    for (const QString &node : marks.nodes)
        if (nodes.contains(node) && !done.contains(node)) {
            done.insert(node);
            seen.push_back({code, node, QStringLiteral("S")});
        }
    std::vector<QVariantList> granted;
    for (const auto &[node, option] : marks.options) {
        const QString key = PermissionEntry::OperationKey(node, option);
        if (offered.contains(key) && !done.contains(key)) {
            done.insert(key);
            granted.push_back({code, node, option});
        }
    }
    insertRows(db, QStringLiteral("INSERT INTO GRUPOSEG (CodGrupo, CodNodo, Ver) VALUES "), 3,
               seen);
    insertRows(db, QStringLiteral("INSERT INTO OPCIONESGRUPO (CodGrupo, CodNodo, Opcion) VALUES "),
               3, granted);
}

GroupAdmin::Result GroupAdmin::create(const Group &group, const Marks &marks)
{
    m_failedField = Field::None;
    if (!m_access.require({QStringLiteral("Nuevo"), QStringLiteral("Guardar")}) ||
        !m_access.requireAdministrator())
        return Result::NotAllowed;
    if (const Result r = validate(group); r != Result::Saved)
        return r;
    Db &db = m_session.db();
    const QString code = NormalizeCode(group.code);
    if (db.exists(QStringLiteral("SELECT 1 FROM GRUPOS WHERE CodGrupo = ?"), {code}))
        return refuse(Result::Exists, ExistsText, Field::Code);
    Transaction tx(db);
    writeGroupRow(group, true);
    writeGrants(code, marks);
    tx.commit();
    return Result::Saved;
}

GroupAdmin::Result GroupAdmin::modify(const Group &group, const Marks &marks)
{
    m_failedField = Field::None;
    if (!m_access.require({QStringLiteral("Modificar"), QStringLiteral("Guardar")}) ||
        !m_access.requireAdministrator())
        return Result::NotAllowed;
    if (const Result r = validate(group); r != Result::Saved)
        return r;
    const QString code = NormalizeCode(group.code);
    if (!visible(code))
        return refuse(Result::NotAllowed, {});
    Db &db = m_session.db();
    if (!db.exists(QStringLiteral("SELECT 1 FROM GRUPOS WHERE CodGrupo = ?"), {code}))
        return refuse(Result::UnknownGroup, UnknownGroupText, Field::Code);
    Transaction tx(db);
    writeGroupRow(group, false);
    writeGrants(code, marks);
    tx.commit();
    return Result::Saved;
}

GroupAdmin::Result GroupAdmin::remove(const QString &codeText)
{
    m_failedField = Field::None;
    if (!m_access.require({QStringLiteral("Eliminar")}) || !m_access.requireAdministrator())
        return Result::NotAllowed;
    const QString code = NormalizeCode(codeText);
    if (!visible(code))
        return refuse(Result::NotAllowed, {});
    // Deleting it would take every administrator of the system with it.
    if (code == UserRights::SystemsGroup)
        return refuse(Result::Protected, ProtectedText);
    Db &db = m_session.db();
    if (!db.exists(QStringLiteral("SELECT 1 FROM GRUPOS WHERE CodGrupo = ?"), {code}))
        return refuse(Result::UnknownGroup, UnknownGroupText);
    // Memberships and grants go with the group.
    db.exec(QStringLiteral("DELETE FROM GRUPOS WHERE CodGrupo = ?"), {code});
    return Result::Deleted;
}
