#pragma once

#include "vouchers/entry/EntryLine.h"
#include "vouchers/entry/LineTax.h"

#include <QDate>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

class Db;

// The reads of voucher entry: the catalogue statements of its code fields (each takes the
// typed text + "%" as its last parameter) and the rows behind a typed code.
namespace EntryLookups {

// Catalogue statements.
QString voucherTypeCatalog();
QString accountCatalog(); // parameters: text%, text%
QString partyCatalog();
QString documentTypeCatalog();
QString conceptCatalog();       // parameters: account, text%
QString openDocumentsCatalog(); // parameters: company, head office, account, party, after, upTo

LineVoucherType voucherType(Db &db, const QString &code);        // empty code when absent
LineAccount account(Db &db, const QString &code);                // empty code when absent
LineParty party(Db &db, const QString &code);                    // empty code when absent
std::optional<std::pair<QString, bool>> documentType(Db &db, const QString &code); // name, active
// The concept linked to the account; its description, nullopt when not linked.
std::optional<QString> accountConcept(Db &db, const QString &account, const QString &code);
RetentionTerms retentionTerms(Db &db, const QString &conceptCode, int tipoPersona);

// The company (code, head office) whose inter-company receivable account is `account`,
// other than the entering company; nullopt when none.
std::optional<std::pair<QString, QString>> receivableOwner(Db &db, const QString &account,
                                                           const QString &enteringCompany);
// The branches of a head office (code, name), by name.
std::vector<std::pair<QString, QString>> branches(Db &db, const QString &headOffice);
// The voucher type marked for consolidation; empty when none.
QString consolidationVoucherType(Db &db);

// Where a document already stands in the posted books of the company.
struct PostedDocument
{
    QString type;
    QString number;
    int year = 0;
    int month = 0;
    // "El documento existe en el siguiente comprobante...!" with its three lines.
    QString message() const;
};
std::optional<PostedDocument> duplicateDocument(Db &db, const QString &company,
                                                const QString &headOffice, const QString &party,
                                                const QString &documentType,
                                                const QString &document);

TaxInForce taxInForce(Db &db, QDate firstDay);
// The TRM of the month; zero when not kept.
Rate exchangeRate(Db &db, int year, int month);
// The cost centres of an account and their shares, in code order.
std::vector<std::pair<QString, Rate>> costCentreShares(Db &db, const QString &account);

// The optional lists "TIPO" and "DESTINO" (code, description), when TABLA_VALORES exists.
struct ValueLists
{
    std::vector<std::pair<QString, QString>> tipo;
    std::vector<std::pair<QString, QString>> destino;
};
std::optional<ValueLists> valueLists(Db &db);
// The lists replace the annex fields for voucher types 2, 3, 4 and 7 on cash accounts.
bool listsApply(const QString &voucherType, const QString &account);

} // namespace EntryLookups
