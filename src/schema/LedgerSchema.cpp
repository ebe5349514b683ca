#include "schema/LedgerSchema.h"

#include "platform/Db.h"
#include "schema/AdjustmentTables.h"
#include "schema/BalanceStore.h"
#include "schema/ChequeTables.h"
#include "schema/InitialData.h"
#include "schema/LedgerTables.h"
#include "schema/VoucherCoreUpgrade.h"

std::vector<TableDef> LedgerTables::allTables()
{
    std::vector<TableDef> all;
    for (auto &&group : {securityTables(), companyTables(), masterTables(), accountTables(),
                         movementTables(), assetTables()})
        all.insert(all.end(), group.begin(), group.end());
    return all;
}

std::vector<Migration> LedgerMigrations()
{
    return {
        {1, QStringLiteral("Esquema inicial"),
         [](Db &db) {
             for (const TableDef &table : LedgerTables::allTables())
                 db.execScript(db.dialect().createTable(table));
             db.execScript(LedgerTables::movementKeyStatements(db.engine()));
         }},
        {2, QStringLiteral("Datos iniciales"),
         [](Db &db) {
             InsertInitialData(db);
             InstallNavigationTree(db);
         }},
        {3, QStringLiteral("Núcleo de comprobantes: documentos, fechas, índices y tipos únicos"),
         UpgradeForVoucherCore},
        {4, QStringLiteral("Saldos por cuenta y por tercero, mantenidos al contabilizar"),
         BalanceStore::install},
        {5, QStringLiteral("Control de los ajustes mensuales por inflación y depreciación"),
         InstallAdjustmentTables},
        {6, QStringLiteral("Saldos por mes con lo acumulado del año antes de cada mes"),
         BalanceStore::installMonths},
        {7, QStringLiteral("Formatos de cheque y cheques por banco"), InstallChequeTables},
    };
}
