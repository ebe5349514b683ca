#pragma once

#include <QDate>
#include <QString>
#include <vector>

class Db;

// The master tables of the demo database: regimes, third parties, cost centres, document
// types, retention concepts, voucher types, the IVA rates and the asset categories.
namespace DemoMasterData {

struct Party
{
    const char *code; // a RIF
    const char *name;
    int personType; // 0 legal, 1 natural, 2 foreign
    const char *regime;
    bool islr; // SujetoAReteFuente
    bool iva;  // SujetoAReteIVA
    const char *address;
    const char *phone;
    bool taxAuthority = false;
};

const std::vector<Party> &Parties();

// The head office and its branch, as the company rows and the third parties name them.
struct Company
{
    const char *code;
    const char *name;
    const char *representative;
    const char *address;
    const char *city;
    const char *phone;
    const char *receivable; // the account other companies use for it
};
const Company &HeadOffice();
const Company &Branch();

// Everything but the chart of accounts, which needs the parties, centres and concepts first.
void Insert(Db &db);
// Rows that hang from the chart: the sales accounts of the product lines.
void InsertProductLines(Db &db);

} // namespace DemoMasterData
