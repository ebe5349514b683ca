#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class Db;

// The demo company's chart of accounts: five levels of 1, 1, 2, 2 and 3 digits (nine-digit
// codes), on the account groups the system's rules name (1105 cash, 1110 banks, 1305
// customers, 2205 suppliers, 2408 IVA, 4135 sales ...).
namespace DemoChart {

// One account. `flags` holds a letter per column set to 1: T ManejaTerc, D ManejaDoc,
// A ManejaDocAnexos, C Centrodecosto, R ManejaReteFuente, F ActivoFijo, P Depreciable,
// X AjustDifCambio, G ControlPago, Z CuentaCierreTerc, K CuentaLibroCompras,
// V CuentaLibroVentas, I ManejaRetIVA, S Consolidacion, B CuentaBanco,
// E TransferenciaElectronica.
struct Account
{
    const char *code;
    const char *name;
    const char *flags = "";
};

// Every account, in code order.
const std::vector<Account> &Accounts();
const std::vector<Account> &BalanceSheetAccounts(); // classes 1 to 3
const std::vector<Account> &ResultAccounts();       // classes 4 to 6

// The level of a code from its length (1, 2, 4, 6 or 9 digits); 0 for any other length.
int LevelOf(const QString &code);
// The code of the account above; "0" for a first-level account.
QString ParentOf(const QString &code);
// Detail accounts that the withholding and tax-rate rules name by their four-level code.
const QStringList &RuleAccounts();

// Writes the accounts, their bank data, linked accounts, cost-centre shares and retention
// concepts. Cost centres, concepts and the banks' third parties must be there already.
int Insert(Db &db);

} // namespace DemoChart
