#include "shell/MenuStructure.h"

#include "common/OptionRights.h"
#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "platform/Transaction.h"
#include "shell/UserRights.h"

namespace {
MenuStructure::Node fromRecord(const QSqlRecord &r)
{
    MenuStructure::Node n;
    n.code = r.value(QStringLiteral("CodNodo")).toString();
    n.caption = r.value(QStringLiteral("NomNodo")).toString();
    n.parent = r.value(QStringLiteral("NodoPadre")).toString();
    n.level = r.value(QStringLiteral("Nivel")).toInt();
    n.order = r.value(QStringLiteral("Orden")).toInt();
    n.number = r.value(QStringLiteral("NumNodo")).toInt();
    n.image = r.value(QStringLiteral("Imagen")).toInt();
    n.form = r.value(QStringLiteral("Forma")).toString();
    n.container = r.value(QStringLiteral("EsPadre")).toString() == QLatin1String("S");
    return n;
}

const QString nodeColumns =
    QStringLiteral("CodNodo, NomNodo, NodoPadre, Nivel, Orden, NumNodo, Imagen, Forma, EsPadre");
} // namespace

MenuStructure::MenuStructure(Session &session)
    : m_session(session)
{
}

std::vector<MenuStructure::Node> MenuStructure::nodes() const
{
    std::vector<Node> result;
    for (const QSqlRecord &r : m_session.db().rows(
             QStringLiteral("SELECT %1 FROM SEG ORDER BY Nivel, Orden, NumNodo").arg(nodeColumns)))
        result.push_back(fromRecord(r));
    return result;
}

std::optional<MenuStructure::Node> MenuStructure::node(const QString &code) const
{
    const auto rows = m_session.db().rows(
        QStringLiteral("SELECT %1 FROM SEG WHERE CodNodo = ?").arg(nodeColumns), {code});
    if (rows.empty())
        return std::nullopt;
    return fromRecord(rows.front());
}

QStringList MenuStructure::optionsOf(const QString &code) const
{
    QStringList names;
    for (const QSqlRecord &r : m_session.db().rows(
             QStringLiteral("SELECT O.Nombre FROM OPCIONESMENU OM INNER JOIN OPCIONES O "
                            "ON O.CodigoOpcion = OM.Opcion WHERE OM.CodNodo = ? "
                            "ORDER BY O.CodigoOpcion"),
             {code}))
        names << r.value(0).toString();
    return names;
}

QStringList MenuStructure::allOptions() const
{
    return OptionRights::AllOptions(m_session.db());
}

bool MenuStructure::mayChange() const
{
    if (UserRights::IsSystemsUser(m_session.db(), m_session.gUsuario))
        return true;
    m_session.prompt().warning(
        QStringLiteral("Solo los usuarios del grupo SISTEMAS pueden cambiar la estructura del menú."));
    return false;
}

bool MenuStructure::validate(NodeInput &input) const
{
    input.code = input.code.trimmed();
    if (input.kind == Kind::Separator) {
        input.caption = QStringLiteral("_");
        input.form.clear();
        if (input.image == 0)
            input.image = 1;  // a separator line needs a picture to be drawn as one
    }
    if (input.kind == Kind::Container)
        input.form.clear();
    if (input.code.isEmpty() || input.caption.trimmed().isEmpty()) {
        m_session.prompt().warning(QStringLiteral("Debe escribir el código y el nombre del nodo."));
        return false;
    }
    if (input.kind == Kind::Function && input.form.trimmed().isEmpty()) {
        m_session.prompt().warning(QStringLiteral("¡Debe definir el nombre del formulario!"),
                                   QStringLiteral("Error"));
        return false;
    }
    return true;
}

void MenuStructure::writeOptions(const QString &code, const NodeInput &input)
{
    Db &db = m_session.db();
    db.exec(QStringLiteral("DELETE FROM OPCIONESMENU WHERE CodNodo = ?"), {code});
    if (input.kind == Kind::Container)
        return;
    for (const QString &option : input.options)
        db.exec(QStringLiteral("INSERT INTO OPCIONESMENU (CodNodo, Opcion) "
                               "SELECT ?, CodigoOpcion FROM OPCIONES WHERE Nombre = ?"),
                {code, option});
}

bool MenuStructure::addNode(const QString &parent, NodeInput input)
{
    if (!mayChange() || !validate(input))
        return false;
    Db &db = m_session.db();
    int level = 1;
    if (parent != Root) {
        const auto parentNode = node(parent);
        if (!parentNode)
            return false;
        if (!parentNode->container) {
            m_session.prompt().warning(QStringLiteral("No puede insertar un nodo en una función"));
            return false;
        }
        level = parentNode->level + 1;
    }
    if (node(input.code)) {
        m_session.prompt().warning(QStringLiteral("Registro duplicado!"));
        return false;
    }
    Transaction tx(db);
    const int number =
        db.scalar(QStringLiteral("SELECT COALESCE(MAX(NumNodo), 0) + 1 FROM SEG")).toInt();
    const int order =
        db.scalar(QStringLiteral("SELECT COALESCE(MAX(Orden), 0) + 1 FROM SEG WHERE NodoPadre = ?"),
                  {parent})
            .toInt();
    if (parent != Root)
        db.exec(QStringLiteral("UPDATE SEG SET EsPadre = 'S' WHERE CodNodo = ?"), {parent});
    db.exec(QStringLiteral("INSERT INTO SEG (Nivel, NumNodo, NodoPadre, CodNodo, NomNodo, Imagen, "
                           "Forma, Orden, EsPadre) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {level, number, parent, input.code, input.caption, input.image, input.form, order,
             input.kind == Kind::Container ? QStringLiteral("S") : QStringLiteral("N")});
    writeOptions(input.code, input);
    tx.commit();
    return true;
}

bool MenuStructure::modifyNode(NodeInput input)
{
    if (input.code == Root) {
        m_session.prompt().warning(QStringLiteral("No puede modificar el nodo raiz del sistema"));
        return false;
    }
    if (!mayChange() || !validate(input))
        return false;
    Db &db = m_session.db();
    Transaction tx(db);
    db.exec(QStringLiteral("UPDATE SEG SET NomNodo = ?, Imagen = ?, Forma = ?, EsPadre = ? "
                           "WHERE CodNodo = ?"),
            {input.caption, input.image, input.form,
             input.kind == Kind::Container ? QStringLiteral("S") : QStringLiteral("N"),
             input.code});
    writeOptions(input.code, input);
    tx.commit();
    return true;
}

bool MenuStructure::deleteNode(const QString &code)
{
    if (code == Root) {
        m_session.prompt().warning(QStringLiteral("No puede eliminar el nodo raiz del sistema"));
        return false;
    }
    if (!mayChange())
        return false;
    const auto target = node(code);
    if (!target)
        return false;
    Db &db = m_session.db();
    if (db.exists(QStringLiteral("SELECT 1 FROM SEG WHERE NodoPadre = ?"), {code})) {
        m_session.prompt().warning(
            QStringLiteral("El nodo tiene opciones debajo; elimínelas o muévalas primero."));
        return false;
    }
    if (!m_session.prompt().question(QStringLiteral("¿Desea eliminar el nodo seleccionado?"),
                                     Prompter::DefaultTitle, false))
        return false;
    Transaction tx(db);
    db.exec(QStringLiteral("DELETE FROM SEG WHERE CodNodo = ?"), {code});
    // Close the gap among the siblings.
    db.exec(QStringLiteral("UPDATE SEG SET Orden = Orden - 1 WHERE NodoPadre = ? AND Orden > ?"),
            {target->parent, target->order});
    db.exec(QStringLiteral("UPDATE SEG SET NumNodo = NumNodo - 1 WHERE NodoPadre = ? "
                           "AND NumNodo > ?"),
            {target->parent, target->number});
    tx.commit();
    return true;
}

bool MenuStructure::swapWithSibling(const QString &code, int step)
{
    if (!mayChange())
        return false;
    const auto target = node(code);
    if (!target)
        return false;
    Db &db = m_session.db();
    const QVariant sibling = db.scalar(
        QStringLiteral("SELECT CodNodo FROM SEG WHERE NodoPadre = ? AND Orden = ?"),
        {target->parent, target->order + step});
    if (sibling.isNull())
        return false;  // already first or last
    Transaction tx(db);
    db.exec(QStringLiteral("UPDATE SEG SET Orden = ? WHERE CodNodo = ?"),
            {target->order, sibling});
    db.exec(QStringLiteral("UPDATE SEG SET Orden = ? WHERE CodNodo = ?"),
            {target->order + step, code});
    tx.commit();
    return true;
}

void MenuStructure::shiftLevels(const QString &code, int delta)
{
    Db &db = m_session.db();
    db.exec(QStringLiteral("UPDATE SEG SET Nivel = Nivel + ? WHERE CodNodo = ?"), {delta, code});
    for (const QSqlRecord &r :
         db.rows(QStringLiteral("SELECT CodNodo FROM SEG WHERE NodoPadre = ?"), {code}))
        shiftLevels(r.value(0).toString(), delta);
}

bool MenuStructure::moveTo(const QString &code, const QString &container)
{
    if (code == Root || code == container || !mayChange())
        return false;
    const auto moving = node(code);
    if (!moving)
        return false;
    int newLevel = 1;
    QString containerCaption = m_session.gNombreSistema;
    if (container != Root) {
        const auto target = node(container);
        if (!target || !target->container)
            return false;
        // A node cannot go inside its own subtree.
        for (auto up = target; up && up->code != Root;
             up = up->parent == Root ? std::nullopt : node(up->parent))
            if (up->code == code)
                return false;
        newLevel = target->level + 1;
        containerCaption = target->caption;
    }
    if (moving->parent == container)
        return false;
    if (!m_session.prompt().question(QStringLiteral("Desea mover el nodo ") + moving->caption
                                     + QStringLiteral(" al sub menú ") + containerCaption
                                     + QStringLiteral(" ...?")))
        return false;
    Db &db = m_session.db();
    Transaction tx(db);
    const int order =
        db.scalar(QStringLiteral("SELECT COALESCE(MAX(Orden), 0) + 1 FROM SEG WHERE NodoPadre = ?"),
                  {container})
            .toInt();
    db.exec(QStringLiteral("UPDATE SEG SET Orden = Orden - 1 WHERE NodoPadre = ? AND Orden > ?"),
            {moving->parent, moving->order});
    db.exec(QStringLiteral("UPDATE SEG SET NodoPadre = ?, Orden = ? WHERE CodNodo = ?"),
            {container, order, code});
    shiftLevels(code, newLevel - moving->level);
    tx.commit();
    return true;
}
