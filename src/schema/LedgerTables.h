#pragma once

#include "platform/ConnectionSettings.h"
#include "platform/TableDef.h"

#include <QStringList>
#include <vector>

// The tables of the one database, grouped by area, as the first migration creates them.
// Each list is in creation order: a table comes after every table its foreign keys name,
// because PostgreSQL checks that at once. A database that exists keeps what it was created
// with, so a later change of the schema is a migration of its own, never an edit here.
namespace LedgerTables {

// Code widths that the statements of every subsystem rely on.
inline constexpr int CompanyCode = 15;
inline constexpr int AccountCode = 12;
inline constexpr int PartyCode = 15;
inline constexpr int ConceptCode = 12;
inline constexpr int DocumentTypeCode = 3;
inline constexpr int DocumentNumber = 15;
inline constexpr int VoucherTypeCode = 3;
inline constexpr int VoucherNumber = 10;
inline constexpr int CostCentreCode = 15;
inline constexpr int UserCode = 20;
inline constexpr int GroupCode = 20;
inline constexpr int NodeCode = 50;
inline constexpr int HostName = 100;
inline constexpr int IpAddress = 45;
inline constexpr int Name = 100;

// USUARIOS, GRUPOS and their links, sessions, the navigation tree and its rights.
std::vector<TableDef> securityTables();
// SISTEMAS, PARAMETRO, EMPRESA, USUARIOEMPRESA, PERIODO, AUDITORIAREPORTE.
std::vector<TableDef> companyTables();
// TERCERO, REGIMEN, CENTROCOSTO, DOCUMENTO, CONCEPTORET, VARIACIONIMPUESTO,
// COMPROBANTE, CORRCOMPROBANTE.
std::vector<TableDef> masterTables();
// CUENTACONTABLE and the tables that hang from an account.
std::vector<TableDef> accountTables();
// MOVIMIENTO, REGISTRO, CONSOLIDACION and the voucher logs.
std::vector<TableDef> movementTables();
// Statements that TableDef cannot express: the partial key of posted voucher lines.
QStringList movementKeyStatements(Engine engine);
// TRM, IPC, CATEGORIAACTIVO, ACTIVOFIJO.
std::vector<TableDef> assetTables();

// Every table above, in creation order.
std::vector<TableDef> allTables();

// CONTROLAJUSTE and MOVAJUSTEDEPRECACTIVOFIJO, the record of the monthly adjustment runs;
// created by a later migration, so not part of allTables().
std::vector<TableDef> adjustmentTables();

// FORMATOCHEQUE and CHEQUESBANCO, the cheque print formats; created by a later migration.
std::vector<TableDef> chequeTables();

} // namespace LedgerTables
