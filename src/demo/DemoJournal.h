#pragma once

#include "common/Money.h"
#include "common/Rate.h"
#include "vouchers/PostingLine.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <map>
#include <tuple>
#include <vector>

class Db;

namespace DemoBooks {

// One of the demo's companies as its books see it.
struct Office
{
    QString company;
    QString headOffice;
    QString city;        // for descriptions
    QString bank;        // the current account everything is paid from and into
    QString cash;        // the main cash box
    QString inventory;   // merchandise of its warehouse
    QString costOfSales; // cost of what that warehouse sells
    int scale = 100;     // volume, in percent of the head office's
    int firstInvoice = 1;
};

// A voucher as the bookkeeper types it: one entry per line, before the cost-centre split.
struct Draft
{
    struct Entry
    {
        QString account;
        Money amount; // positive on the debit side, negative on the credit side
        QString party = QStringLiteral("*");
        QString documentType = QStringLiteral("*");
        QString document;
        QString retentionConcept; // income-tax retention concept
        QString description;
    };

    const Office *office = nullptr;
    QString type;
    QDate date;
    QString description;
    std::vector<Entry> entries;
    bool lastAdded = false;

    // An entry of zero is left out, as a bookkeeper would not type it.
    Draft &add(const QString &account, Money amount, const QString &party = QStringLiteral("*"),
               const QString &documentType = QStringLiteral("*"), const QString &document = {},
               const QString &retentionConcept = {});
    // Gives the entry just added a description of its own; nothing when add() left out a
    // zero amount.
    Draft &describe(const QString &text);
    // Debits less credits; zero when the voucher balances.
    Money difference() const;
};

// An open item of the books: what an account owes or is owed per third party and document.
struct OpenItem
{
    QString account;
    QString party;
    QString documentType;
    QString document;
    Money balance; // debit less credit
    QDate date;    // of the first line that opened it
};

// The demo's bookkeeper: knows the chart's rules, writes vouchers the way voucher entry does
// (cost-centre split, line groups, tax rates, only the fields the account asks for), keeps
// the open items of what it wrote, and hands the vouchers to the posting service.
class DemoJournal
{
public:
    DemoJournal(Db &db, QString user);

    // Takes the voucher into the books to come: the open items follow it at once, the
    // posting waits for post(). A voucher that does not balance is a bug of the demo and
    // throws std::logic_error, as does an entry missing a field its account asks for.
    void queue(const Draft &draft);
    // Posts the queued vouchers dated up to `until` in date order (so that numbers follow the
    // dates) and forgets the others. Gives the number posted. Throws DbError when the
    // posting service refuses one.
    int post(QDate until);

    // Open items of `company` on the accounts beginning with one of `prefixes`, dated up to
    // `until`, in account, third party and document order.
    std::vector<OpenItem> openItems(const QString &company, const QStringList &prefixes,
                                    QDate until) const;
    // Balance (debit less credit) of `company`'s account, everything queued included.
    Money balance(const QString &company, const QString &account) const;
    // The lowest balance the account reaches from the end of `from` on, by what is queued.
    Money lowestFrom(const QString &company, const QString &account, QDate from) const;

    // Income tax to withhold from `base` paid to `party` for an expense on `account`, and the
    // concept and account it goes to; zero when the account or the party takes none. The
    // concept gives the share of the amount that is taxed, the rate and the amount subtracted
    // (legal entities' or natural persons' values by the party's kind).
    struct Retention
    {
        Money amount;
        QString conceptCode;
        QString account;
    };
    Retention incomeTaxRetention(const QString &account, const QString &party, Money base) const;
    // Whether the IVA `party` bills is withheld when the company buys from it.
    bool subjectToIvaRetention(const QString &party) const;
    // Whether `party` is a special taxpayer, who withholds IVA when it pays the company.
    bool specialTaxpayer(const QString &party) const;
    // The share of the IVA withheld.
    Rate ivaRetentionRate() const { return m_ivaRetention; }
    // The account that receives the IVA withheld on the tax of `ivaAccount`.
    QString ivaRetentionAccount(const QString &ivaAccount) const;
    // The bank's third party of a bank account.
    QString bankParty(const QString &bankAccount) const;
    // Depreciable accounts with their expense and accumulated-depreciation accounts.
    struct Depreciable
    {
        QString asset, expense, accumulated;
    };
    const std::vector<Depreciable> &depreciables() const { return m_depreciables; }

private:
    struct AccountRules
    {
        bool party = false, document = false, centres = false;
        QString retentionConcept, ivaRetention, bankParty;
        std::vector<std::pair<QString, Rate>> shares;
    };
    struct Concept
    {
        Rate baseLegal, baseNatural, rateLegal, rateNatural;
        Money deductionLegal, deductionNatural;
        QString accountLegal, accountNatural;
    };
    struct Party
    {
        bool natural = false, incomeTax = false, iva = false, special = false;
    };
    using ItemKey = std::tuple<QString, QString, QString, QString, QString>;

    void load();
    const AccountRules &rules(const QString &account) const;
    std::vector<PostingLine> lines(const Draft &draft) const;

    Db &m_db;
    QString m_user;
    std::map<QString, AccountRules> m_accounts;
    std::map<QString, Concept> m_concepts;
    std::map<QString, Party> m_parties;
    std::vector<Depreciable> m_depreciables;
    Rate m_ivaRetention;
    Rate m_generalRate, m_reducedRate;
    struct Queued
    {
        QDate date;
        QString company, headOffice, type;
        std::vector<PostingLine> lines;
    };
    std::vector<Queued> m_queued;
    std::map<ItemKey, OpenItem> m_items;
    std::map<std::pair<QString, QString>, Money> m_balances;
    std::map<std::pair<QString, QString>, std::map<QDate, Money>> m_movements;
};

} // namespace DemoBooks
