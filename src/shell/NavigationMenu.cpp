#include "shell/NavigationMenu.h"

#include "common/Session.h"
#include "platform/Db.h"

#include <QHash>
#include <QSet>

namespace NavigationMenu {

std::vector<Entry> Build(Db &db, const QString &user)
{
    const auto rows = db.rows(QStringLiteral(
        "SELECT S.Nivel, S.NodoPadre, GS.CodNodo, S.NomNodo, S.Imagen, MAX(GS.Ver) AS Ver, "
        "S.Orden, S.NumNodo, S.EsPadre, S.Forma "
        "FROM GRUPOSEG GS INNER JOIN SEG S ON GS.CodNodo = S.CodNodo "
        "INNER JOIN USUARIOGRUPO UG ON GS.CodGrupo = UG.CodGrupo "
        "WHERE UG.CodUsuario = ? "
        "GROUP BY S.Nivel, S.NodoPadre, GS.CodNodo, S.NomNodo, S.Imagen, S.Orden, S.NumNodo, "
        "S.EsPadre, S.Forma "
        "ORDER BY S.Nivel, S.Orden, S.NumNodo"),
        {user});

    std::vector<Entry> entries;
    QSet<QString> placed;
    for (const QSqlRecord &r : rows) {
        Entry e;
        e.level = r.value(0).toInt();
        e.parent = e.level == 1 ? QString() : r.value(1).toString();
        e.code = r.value(2).toString();
        e.caption = r.value(3).toString();
        e.image = r.value(4).toInt();
        e.container = r.value(8).toString() == QLatin1String("S");
        e.form = r.value(9).toString().trimmed();
        const bool visible = r.value(5).toString() == QLatin1String("S");
        if (e.level == 1) {
            if (!visible)
                continue;
        } else if (!placed.contains(e.parent)) {
            continue;  // its menu is not shown, so neither is the entry
        }
        e.enabled = visible;
        e.separator = visible && e.image != 0 && e.caption == QLatin1String("_");
        placed.insert(e.code);
        entries.push_back(e);
    }
    return entries;
}

std::optional<qint8> OptionModeFor(const QString &caption)
{
    static const QHash<QString, qint8> modes{
        {QStringLiteral("BALANCE GENERAL"), 2},
        {QStringLiteral("BALANCE GENERAL COMPARATIVO"), 3},
        {QStringLiteral("AUXILIAR"), 1},
        {QStringLiteral("AUXILIAR ANALITICO"), 2},
        {QStringLiteral("SALDOS POR TERCEROS"), 3},
        {QStringLiteral("IPC"), 1},
        {QStringLiteral("TASA REPRESENTATIVA DEL MERCADO"), 2},
        {QStringLiteral("IMPORTAR DATOS EMPRESA"), 1},
        {QStringLiteral("EXPORTAR DATOS EMPRESA"), 2},
    };
    const auto it = modes.constFind(caption.toUpper());
    if (it == modes.constEnd())
        return std::nullopt;
    return it.value();
}

QString OpenRefusal(const Session &session)
{
    if (!session.hasCompany())
        return QStringLiteral("Debe seleccionar una empresa...!");
    if (!session.hasPeriod())
        return QStringLiteral("Debe seleccionar un periodo valido...!");
    return {};
}

QString FormOf(Db &db, const QString &nodeCode)
{
    return db.scalar(QStringLiteral("SELECT Forma FROM SEG WHERE CodNodo = ? AND EsPadre = 'N'"),
                     {nodeCode})
        .toString()
        .trimmed();
}

} // namespace NavigationMenu
