#include "schema/ChequeTables.h"

#include "platform/Db.h"
#include "schema/LedgerTables.h"

namespace LedgerTables {

std::vector<TableDef> chequeTables()
{
    // Nombre is also the file name, without ".rpt", of the layout that prints the cheque.
    TableDef formats("FORMATOCHEQUE");
    formats.integer("Numero")
        .text("Nombre", Name, true)
        .text("Ruta", 255)
        .integer("Orientacion", true, QStringLiteral("1"))
        .primaryKey({"Numero"});

    // No foreign key on NumeroFormato: a format may be deleted while bank cheques still name
    // it, and those cheques then drop out of the list until they are given another one.
    TableDef cheques("CHEQUESBANCO");
    cheques.code("Codigo", 15)
        .text("Nombre", Name, true)
        .integer("NumeroFormato")
        .primaryKey({"Codigo"});
    return {formats, cheques};
}

} // namespace LedgerTables

void InstallChequeTables(Db &db)
{
    for (const TableDef &table : LedgerTables::chequeTables())
        if (!db.hasTable(table.name))
            db.execScript(db.dialect().createTable(table));

    // The layouts CHQ1.rpt and CHQ2.rpt ship in the report directory; a new database can
    // print cheques on them at once.
    const QString format = QStringLiteral(
        "INSERT INTO FORMATOCHEQUE (Numero, Nombre, Ruta, Orientacion) VALUES (?, ?, ?, ?)");
    const QString cheque =
        QStringLiteral("INSERT INTO CHEQUESBANCO (Codigo, Nombre, NumeroFormato) VALUES (?, ?, ?)");
    if (!db.exists(QStringLiteral("SELECT 1 FROM FORMATOCHEQUE"))) {
        db.exec(format, {1, QStringLiteral("CHQ1"), QString(), 1});
        db.exec(format, {2, QStringLiteral("CHQ2"), QString(), 2});
    }
    if (!db.exists(QStringLiteral("SELECT 1 FROM CHEQUESBANCO"))) {
        db.exec(cheque, {QStringLiteral("CHQV"), QStringLiteral("CHEQUE CARTA VERTICAL"), 1});
        db.exec(cheque, {QStringLiteral("CHQH"), QStringLiteral("CHEQUE CARTA HORIZONTAL"), 2});
    }
}
