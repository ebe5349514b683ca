#include "demo/DemoCompany.h"

#include "common/Rate.h"
#include "demo/DemoBooks.h"
#include "demo/DemoChart.h"
#include "demo/DemoMasterData.h"
#include "demo/DemoRows.h"
#include "platform/Db.h"
#include "platform/PasswordHash.h"
#include "shell/DatabaseSetup.h"

#include <QHash>
#include <QSet>

namespace DemoCompany {

namespace {

using DemoMasterData::Company;

void insertParameters(Db &db)
{
    db.exec(QStringLiteral(
                "UPDATE PARAMETRO SET CantDigCuenta = ?, NombreIDEmpresa = ?, PorcRetIVA = ?, "
                "UtilidadEjercicio = ?, PerdidaEjercicio = ?, UtilidadAcumulada = ?, "
                "PerdidaAcumulada = ?, IngresoDiferenciaCambio = ?, GastoDiferenciaCambio = ?"),
            {9, QStringLiteral("RIF"), Rate::fromInteger(75).toSql(), QStringLiteral("360505001"),
             QStringLiteral("361005001"), QStringLiteral("370505001"), QStringLiteral("371005001"),
             QStringLiteral("421020001"), QStringLiteral("530525001")});
}

// The rows a new company gets (its periods of the year, a counter per voucher type and the
// "*" fixed asset), as the companies window writes them; no year closed before `year`.
void insertCompany(Db &db, const Company &c, const QString &headOffice, int year)
{
    const QString code = QString::fromUtf8(c.code);
    const bool isHead = code == headOffice;
    db.exec(QStringLiteral("INSERT INTO EMPRESA (Codigo, Nombre, Tipo, CodigoMatriz, "
                           "Representante, Direccion, Ciudad, Telefono1, Mes, Ano, "
                           "AgenteRetencion, CuentaPorCobrar, Status) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, 12, ?, 1, ?, 1)"),
            {code, QString::fromUtf8(c.name), isHead ? 1 : 0, headOffice,
             QString::fromUtf8(c.representative), QString::fromUtf8(c.address),
             QString::fromUtf8(c.city), QString::fromUtf8(c.phone), year - 1,
             QString::fromUtf8(c.receivable)});
    db.exec(QStringLiteral("INSERT INTO PERIODO (Empresa, Matriz, Ano) VALUES (?, ?, ?)"),
            {code, headOffice, year});
    db.exec(QStringLiteral("INSERT INTO CORRCOMPROBANTE (CodigoComprobante, Empresa, Matriz, "
                           "Ano) SELECT Codigo, ?, ?, ? FROM COMPROBANTE"),
            {code, headOffice, year});
    db.exec(QStringLiteral("INSERT INTO ACTIVOFIJO (Serial, Empresa, Matriz, TipoActivo, "
                           "CodigoCategoria, Marca, Modelo, FechaAdq, FechaDep, MesDepreciacion, "
                           "Descripcion, Status) VALUES ('*', ?, ?, '*', 0, 'DEFECTO', 'DEFECTO', "
                           "?, ?, 0, 'DEFECTO', 0)"),
            {code, headOffice, QDate(year, 1, 1), QDate(year, 1, 1)});
}

// The nodes under `menus`, and the menus above them so that the menu bar shows them.
QStringList bookkeeperNodes(Db &db)
{
    QHash<QString, QString> parentOf;
    QHash<QString, QStringList> childrenOf;
    for (const QSqlRecord &r : db.rows(QStringLiteral("SELECT CodNodo, NodoPadre FROM SEG"))) {
        parentOf.insert(r.value(0).toString(), r.value(1).toString());
        childrenOf[r.value(1).toString()] << r.value(0).toString();
    }
    QSet<QString> nodes;
    QStringList pending = BookkeeperMenus();
    while (!pending.isEmpty()) {
        const QString node = pending.takeFirst();
        if (!parentOf.contains(node) || nodes.contains(node))
            continue;
        nodes.insert(node);
        pending += childrenOf.value(node);
        for (QString up = parentOf.value(node); parentOf.contains(up); up = parentOf.value(up))
            nodes.insert(up);
    }
    QStringList sorted(nodes.begin(), nodes.end());
    sorted.sort();
    return sorted;
}

void insertBookkeeper(Db &db, const QString &headOffice, const QString &passwordHash)
{
    db.exec(QStringLiteral("INSERT INTO GRUPOS (CodGrupo, NombreGrupo, MostrarUltMov, "
                           "IncTerceroMov) VALUES (?, ?, 1, 1)"),
            {BookkeepersGroup, QStringLiteral("CONTABILIDAD DE LA CASA MATRIZ")});
    db.exec(QStringLiteral("INSERT INTO USUARIOS (CodUsuario, NombreUsuario, Paswod, Status) "
                           "VALUES (?, ?, ?, 1)"),
            {BookkeeperCode, QStringLiteral("CONTADOR GENERAL"), passwordHash});
    db.exec(QStringLiteral("INSERT INTO USUARIOGRUPO (CodUsuario, CodGrupo) VALUES (?, ?)"),
            {BookkeeperCode, BookkeepersGroup});
    db.exec(QStringLiteral("INSERT INTO USUARIOEMPRESA (Usuario, Empresa, Matriz) "
                           "VALUES (?, ?, ?)"),
            {BookkeeperCode, headOffice, headOffice});
    std::vector<QVariantList> visible;
    for (const QString &node : bookkeeperNodes(db)) {
        visible.push_back({BookkeepersGroup, node, QStringLiteral("S")});
        db.exec(QStringLiteral("INSERT INTO OPCIONESGRUPO (CodGrupo, CodNodo, Opcion) "
                               "SELECT ?, CodNodo, Opcion FROM OPCIONESMENU WHERE CodNodo = ?"),
                {BookkeepersGroup, node});
    }
    DemoRows::Insert(db, QStringLiteral("GRUPOSEG"), {"CodGrupo", "CodNodo", "Ver"}, visible);
}

} // namespace

const QStringList &BookkeeperMenus()
{
    static const QStringList menus{
        QStringLiteral("mnu_tablas"),         QStringLiteral("mnu_movimientos"),
        QStringLiteral("mnu_informes"),       QStringLiteral("mnu_impuestos"),
        QStringLiteral("mnu_cambiarperiodo"), QStringLiteral("mnu_cambiarclave")};
    return menus;
}

namespace {

void insertMarker(Db &db)
{
    TableDef marker(MarkerTable);
    marker.timestamp("Creada");
    db.execScript(db.dialect().createTable(marker));
    db.exec(QStringLiteral("INSERT INTO %1 (Creada) VALUES (%2)")
                .arg(MarkerTable, db.dialect().currentTimestamp()));
}

Summary build(Db &db, QDate today, bool rebuild)
{
    // The passwords are hashed before anything is written: a hash that fails leaves the
    // database as it was.
    const QString administratorHash = PasswordHash::HashLoginPassword(AdministratorPassword);
    const QString bookkeeperHash = PasswordHash::HashLoginPassword(BookkeeperPassword);

    Summary s;
    s.year = today.year();
    s.headOffice = QString::fromUtf8(DemoMasterData::HeadOffice().code);
    s.branch = QString::fromUtf8(DemoMasterData::Branch().code);
    auto fill = [&](Db &db) {
        insertMarker(db);
        DemoMasterData::Insert(db);
        s.accounts = DemoChart::Insert(db);
        DemoMasterData::InsertProductLines(db);
        insertParameters(db);
        // The companies were opened a year ago; their books run from then to today.
        insertCompany(db, DemoMasterData::HeadOffice(), s.headOffice, s.year - 1);
        insertCompany(db, DemoMasterData::Branch(), s.headOffice, s.year - 1);
        insertBookkeeper(db, s.headOffice, bookkeeperHash);
        s.vouchers = DemoBooks::Post(db, today, BookkeeperCode).vouchers;
    };
    std::function<bool(Db &)> rebuildable;
    if (rebuild)
        rebuildable = [](Db &db) { return IsDemo(db); };
    const auto creation = DatabaseSetup(db).create(administratorHash, fill, rebuildable);
    s.rebuilt = creation == DatabaseSetup::Creation::Rebuilt;
    if (creation == DatabaseSetup::Creation::Exists)
        throw DbError(IsDemo(db)
                          ? QStringLiteral("La base de datos ya tiene la demostración.")
                          : QStringLiteral("La base de datos ya existe y no es una demostración: "
                                           "la demostración se crea en una base de datos nueva. "
                                           "No se modificó."));

    s.parties = int(DemoMasterData::Parties().size());
    s.credentials << QStringLiteral("Administrador: usuario %1, clave %2 (todas las empresas)")
                         .arg(AdministratorCode, AdministratorPassword)
                  << QStringLiteral("Contador: usuario %1, clave %2 (solo %3)")
                         .arg(BookkeeperCode, BookkeeperPassword,
                              QString::fromUtf8(DemoMasterData::HeadOffice().name));
    return s;
}

} // namespace

bool IsDemo(Db &db)
{
    return db.hasTable(MarkerTable);
}

Summary Create(Db &db, QDate today)
{
    return build(db, today, false);
}

Summary Rebuild(Db &db, QDate today)
{
    return build(db, today, true);
}

} // namespace DemoCompany
