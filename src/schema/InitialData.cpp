#include "schema/InitialData.h"

#include "common/Rate.h"
#include "platform/Db.h"
#include "schema/NavigationTree.h"

#include <QSet>
#include <algorithm>

namespace {

const QString SystemsGroup = QStringLiteral("SISTEMAS");
const QString CompanyAdminGroup = QStringLiteral("SUPERGRUPO");

// Several rows per statement: the tree and its grants are a few thousand rows, and one
// round trip each would make every new PostgreSQL database slow to create.
void insertRows(Db &db, const QString &table, const QStringList &columns,
                const std::vector<QVariantList> &rows)
{
    const qsizetype perStatement = std::max<qsizetype>(1, 400 / columns.size());
    const QString tuple = QLatin1Char('(') +
                          QStringList(columns.size(), QStringLiteral("?")).join(',') +
                          QLatin1Char(')');
    for (size_t first = 0; first < rows.size(); first += perStatement) {
        const size_t last = std::min(rows.size(), first + size_t(perStatement));
        QStringList tuples;
        QVariantList params;
        for (size_t i = first; i < last; ++i) {
            tuples << tuple;
            params += rows[i];
        }
        db.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
                    .arg(table, columns.join(','), tuples.join(',')),
                params);
    }
}

void insertPlaceholders(Db &db)
{
    const QString none = QStringLiteral("NINGUNO");
    insertRows(db, "TERCERO", {"Codigo", "Nombre"}, {{"*", none}});
    insertRows(db, "DOCUMENTO", {"Codigo", "Nombre"}, {{"*", none}});
    insertRows(db, "CENTROCOSTO", {"Codigo", "Nombre"}, {{"*", none}});
    // "999" carries the opening balances of a year and "099" the closing voucher; the
    // statements and the closing rely on both types existing.
    insertRows(db, "COMPROBANTE", {"Codigo", "Nombre"},
               {{"*", none}, {"999", "SALDOS INICIALES"}, {"099", "CIERRE DEL EJERCICIO"}});
}

void insertSettings(Db &db)
{
    insertRows(db, "PARAMETRO", {"CantDigCuenta", "NombreIDEmpresa", "PorcRetIVA"},
               {{9, "RIF", Rate::fromInteger(75).toSql()}});
    insertRows(db, "SISTEMAS", {"NombreSistema", "Descripcion", "Version"},
               {{"Valdoria", "Valdoria - Sistema de Contabilidad", "1.0"}});
}

void insertGroups(Db &db)
{
    const QStringList columns{
        "CodGrupo",      "NombreGrupo",   "ImprimirCheque",  "ModificarMovimiento",
        "MostrarUltMov", "IncTerceroMov", "TipoModificacion"};
    insertRows(db, "GRUPOS", columns,
               {{SystemsGroup, "ADMINISTRADORES DEL SISTEMA", 1, 1, 1, 1, 1},
                {CompanyAdminGroup, "ADMINISTRADORES DE EMPRESAS", 1, 1, 1, 1, 1}});
}

void insertToolbarOptions(Db &db)
{
    std::vector<QVariantList> rows;
    const QStringList &names = ToolbarOptionNames();
    for (int i = 0; i < names.size(); ++i)
        rows.push_back({i + 1, names.at(i), i + 1});
    insertRows(db, "OPCIONES", {"CodigoOpcion", "Nombre", "Orden"}, rows);
}

} // namespace

void InsertInitialData(Db &db)
{
    insertPlaceholders(db);
    insertSettings(db);
    insertGroups(db);
    insertToolbarOptions(db);
}

int InstallNavigationTree(Db &db)
{
    QSet<QString> present;
    for (const QSqlRecord &r : db.rows(QStringLiteral("SELECT CodNodo FROM SEG")))
        present.insert(r.value(0).toString());
    // Administrators may have deleted the company administrators' group since.
    QStringList adminGroups;
    for (const QString &group : {SystemsGroup, CompanyAdminGroup}) {
        if (db.exists(QStringLiteral("SELECT 1 FROM GRUPOS WHERE CodGrupo = ?"), {group}))
            adminGroups << group;
    }

    std::vector<QVariantList> nodes, offered, visible, granted;
    for (const NavigationNode &n : DefaultNavigationTree()) {
        if (present.contains(n.code))
            continue;
        nodes.push_back({n.code, n.caption, n.level, n.parent, n.number, n.order, n.image, n.form,
                         n.container ? "S" : "N"});
        QStringList groups = adminGroups;
        if (n.systemsOnly)
            groups.removeAll(CompanyAdminGroup);
        for (const QString &group : groups)
            visible.push_back({group, n.code, "S"});
        for (ToolbarOption option : n.options) {
            offered.push_back({n.code, int(option)});
            for (const QString &group : groups)
                granted.push_back({group, n.code, int(option)});
        }
    }
    insertRows(db, "SEG",
               {"CodNodo", "NomNodo", "Nivel", "NodoPadre", "NumNodo", "Orden", "Imagen", "Forma",
                "EsPadre"},
               nodes);
    insertRows(db, "OPCIONESMENU", {"CodNodo", "Opcion"}, offered);
    insertRows(db, "GRUPOSEG", {"CodGrupo", "CodNodo", "Ver"}, visible);
    insertRows(db, "OPCIONESGRUPO", {"CodGrupo", "CodNodo", "Opcion"}, granted);
    return int(nodes.size());
}
