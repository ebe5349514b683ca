#pragma once

#include "demo/DemoJournal.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

class DemoRandom;

namespace DemoBooks {

// A supplier billed every month (or every few months) for a service or a utility.
struct Service
{
    QString account;
    QString party;
    qint64 units; // bolívares a month before tax, at the prices of the first month
    int day;
    int everyMonths = 1;
    bool iva = true; // insurance and formal taxpayers bill without IVA
};

// What one office buys, sells and pays in a month.
struct Profile
{
    Office office;
    std::vector<Service> services;
    QStringList customers; // the first ones buy the most
    QStringList suppliers; // of merchandise
    qint64 salesUnits = 0; // a month's sales before tax, at the prices of the first month
    int invoices = 0;      // sales invoices a month
    qint64 adminPayroll = 0, salesPayroll = 0;
    int employees = 0;
};

// The numbers that run on from one month to the next in one office.
struct Counters
{
    int invoice = 1;
    int ivaRetention = 1;
    int islrRetention = 1;
    int transfer = 1;
    std::map<QString, int> supplierInvoice;
    // IVA a customer withholds when it pays an invoice, by document.
    std::map<QString, Money> withheld;
};

// The vouchers of one month of one office, queued in the journal. Every amount follows the
// price level of the month.
class MonthBooks
{
public:
    MonthBooks(DemoJournal &journal, DemoRandom &random, const Profile &profile, Counters &counters,
               int year, int month, qint64 priceLevel);

    // Everything but the transfer between the offices, in an order where each flow finds the
    // items it settles already queued.
    void write();

    // The first business day on or before day `d` of the month (later when that leaves it).
    QDate day(int d) const;
    // `units` bolívares of the first month at this month's prices, give or take `spread`
    // percent, in whole cents.
    Money price(qint64 units, int spread = 0);
    QString transferNumber();
    // What the office keeps in the bank when it pays its suppliers.
    Money reserve();

private:
    void payLastMonth(int d, const QString &what, const QStringList &prefixes);
    void settleIva();
    void payroll(int half);
    void profitSharing();
    void services();
    void sales();
    void merchandise();
    void collections(int d);
    void supplierPayments(int d);
    void depreciation();
    void bankCharges();

    Draft draft(const QString &type, QDate date, const QString &description) const;
    void purchase(QDate date, const QString &account, const QString &party, Money base, bool iva);
    // The bank line that pays or collects what `draft` leaves open, or nothing when it is
    // balanced already.
    void throughBank(Draft &draft, const QString &documentType, const QString &document);
    QString supplierInvoice(const QString &party);
    QString period() const;

    DemoJournal &m_journal;
    DemoRandom &m_random;
    const Profile &m_profile;
    const Office &m_office;
    Counters &m_counters;
    int m_year, m_month;
    qint64 m_priceLevel;
};

// The head office's and the branch's price level of a month: 100000 in the first month of
// the books, rising by the month's inflation.
qint64 PriceLevel(int monthsSinceStart);

// Name of a third party of the demo, for descriptions.
QString PartyName(const QString &code);

} // namespace DemoBooks
