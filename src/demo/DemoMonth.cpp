#include "demo/DemoMonth.h"

#include "demo/DemoMasterData.h"
#include "demo/DemoRandom.h"

#include <QLocale>

namespace DemoBooks {

namespace {

// Voucher types of the demo's chart of vouchers.
const QString Journal = QStringLiteral("001");
const QString Payment = QStringLiteral("002");
const QString Receipt = QStringLiteral("003");
const QString Purchases = QStringLiteral("004");
const QString Sales = QStringLiteral("005");
const QString Payroll = QStringLiteral("010");

const QString Customers = QStringLiteral("130505");
const QString Suppliers = QStringLiteral("220501");
const QString IvaCredit = QStringLiteral("240802");
const QString IvaDebit = QStringLiteral("240805001");
const QString IvaWithheldByCustomers = QStringLiteral("240807");
const QString GeneralSales = QStringLiteral("413505001");
const QString ExemptSales = QStringLiteral("413505003");
const QString TaxAuthority = QStringLiteral("G-20000303-0");
const QString SocialSecurity = QStringLiteral("G-20000041-4");
const QString HousingBank = QStringLiteral("G-20000052-0");
const QString TrainingInstitute = QStringLiteral("G-20000063-5");

// Useful life in months of the demo's fixed assets, by account.
int usefulLife(const QString &asset)
{
    if (asset.startsWith(QLatin1String("1516")))
        return 240; // buildings
    if (asset.startsWith(QLatin1String("152805")))
        return 36; // computers
    if (asset.startsWith(QLatin1String("1540")) || asset.startsWith(QLatin1String("152810")))
        return 60; // vehicles, telecommunications
    return 120;
}

QString zeroPadded(qint64 n, int width)
{
    return QStringLiteral("%1").arg(n, width, 10, QLatin1Char('0'));
}

} // namespace

qint64 PriceLevel(int monthsSinceStart)
{
    // About 3.5 % a month, the order of the bolívar's inflation in these years.
    qint64 level = 100000;
    for (int i = 0; i < monthsSinceStart; ++i)
        level = level * 1035 / 1000;
    return level;
}

QString PartyName(const QString &code)
{
    for (const DemoMasterData::Party &p : DemoMasterData::Parties())
        if (code == QLatin1String(p.code))
            return QString::fromUtf8(p.name);
    return code;
}

MonthBooks::MonthBooks(DemoJournal &journal, DemoRandom &random, const Profile &profile,
                       Counters &counters, int year, int month, qint64 priceLevel)
    : m_journal(journal)
    , m_random(random)
    , m_profile(profile)
    , m_office(profile.office)
    , m_counters(counters)
    , m_year(year)
    , m_month(month)
    , m_priceLevel(priceLevel)
{
}

QDate MonthBooks::day(int d) const
{
    const QDate first(m_year, m_month, 1);
    QDate date(m_year, m_month, std::min(d, first.daysInMonth()));
    if (date.dayOfWeek() == Qt::Saturday)
        date = date.addDays(-1);
    else if (date.dayOfWeek() == Qt::Sunday)
        date = date.addDays(date.addDays(1).month() == m_month ? 1 : -2);
    return date;
}

Money MonthBooks::price(qint64 units, int spread)
{
    qint64 thousandths = units * 1000 * m_priceLevel / 100000;
    if (spread > 0)
        thousandths = thousandths * (100 + m_random.between(-spread, spread)) / 100;
    return Money::fromThousandths(thousandths).roundedToCents();
}

Money MonthBooks::reserve()
{
    return price(qint64(m_office.scale) * 3000);
}

QString MonthBooks::transferNumber()
{
    return zeroPadded(m_counters.transfer++, 10);
}

QString MonthBooks::period() const
{
    return QStringLiteral("%1/%2").arg(zeroPadded(m_month, 2)).arg(m_year);
}

Draft MonthBooks::draft(const QString &type, QDate date, const QString &description) const
{
    Draft d;
    d.office = &m_office;
    d.type = type;
    d.date = date;
    d.description = description;
    return d;
}

void MonthBooks::throughBank(Draft &draft, const QString &documentType, const QString &document)
{
    draft.add(m_office.bank, -draft.difference(), QStringLiteral("*"), documentType, document);
}

QString MonthBooks::supplierInvoice(const QString &party)
{
    auto found = m_counters.supplierInvoice.find(party);
    if (found == m_counters.supplierInvoice.end())
        found = m_counters.supplierInvoice.emplace(party, int(m_random.between(1200, 48000))).first;
    found->second += int(m_random.between(1, 30));
    return zeroPadded(found->second, 8);
}

void MonthBooks::write()
{
    // The previous month's taxes and contributions first: they settle items already there.
    payLastMonth(5, QStringLiteral("PAGO APORTES IVSS, FAOV E INCES"), {QStringLiteral("2370")});
    payLastMonth(9, QStringLiteral("ENTERAMIENTO RETENCIONES ISLR"), {QStringLiteral("2365")});
    payLastMonth(10, QStringLiteral("ENTERAMIENTO RETENCIONES IVA"),
                 {m_journal.ivaRetentionAccount(IvaCredit), QStringLiteral("240811")});
    settleIva();
    services();
    sales();
    merchandise();
    payroll(1);
    payroll(2);
    if (m_month == 12)
        profitSharing();
    for (const int d : {8, 15, 22, 29})
        collections(d);
    for (const int d : {11, 26})
        supplierPayments(d);
    depreciation();
    bankCharges();
}

// Purchases: the expense with its IVA, the income tax and the IVA withheld, the rest owed
// to the supplier.
void MonthBooks::purchase(QDate date, const QString &account, const QString &party, Money base,
                          bool iva)
{
    const QString invoice = supplierInvoice(party);
    Draft d = draft(Purchases, date,
                    QStringLiteral("FACT. %1 %2").arg(invoice, PartyName(party)).left(255));
    const auto retention = m_journal.incomeTaxRetention(account, party, base);
    d.add(account, base, party, QStringLiteral("FC"), invoice, retention.conceptCode);
    const Money tax = iva ? base.percent(Rate::fromInteger(16)).roundedToCents() : Money();
    d.add(IvaCredit, tax, party, QStringLiteral("FC"), invoice);
    if (!retention.amount.isZero())
        d.add(retention.account, -retention.amount, party, QStringLiteral("FR"),
              QStringLiteral("%1%2")
                  .arg(date.toString(QStringLiteral("yyyyMM")))
                  .arg(zeroPadded(m_counters.islrRetention++, 4)),
              retention.conceptCode)
            .describe(QStringLiteral("RETENCION ISLR FACT. %1").arg(invoice));
    if (!tax.isZero() && m_journal.subjectToIvaRetention(party))
        d.add(m_journal.ivaRetentionAccount(IvaCredit),
              -tax.percent(m_journal.ivaRetentionRate()).roundedToCents(), party,
              QStringLiteral("FR"),
              date.toString(QStringLiteral("yyyyMM")) + zeroPadded(m_counters.ivaRetention++, 8))
            .describe(QStringLiteral("RETENCION IVA FACT. %1").arg(invoice));
    d.add(Suppliers, -d.difference(), party, QStringLiteral("FC"), invoice);
    m_journal.queue(d);
}

void MonthBooks::services()
{
    const int monthIndex = m_year * 12 + m_month - 1;
    for (const Service &s : m_profile.services) {
        if (monthIndex % s.everyMonths != 0)
            continue;
        purchase(day(s.day), s.account, s.party, price(s.units, s.everyMonths > 1 ? 0 : 12), s.iva);
    }
}

// Merchandise enough to bring the warehouse back to about a month and a half of sales, part
// of it basic food, which carries no IVA.
void MonthBooks::merchandise()
{
    const Money monthCost = price(m_profile.salesUnits * 62 / 100);
    const Money target = monthCost + monthCost.dividedBy(2);
    Money needed = target - m_journal.balance(m_office.company, m_office.inventory);
    if (needed < monthCost.dividedBy(5))
        needed = monthCost.dividedBy(5);
    const int count = m_profile.suppliers.size() > 1 ? 3 : 2;
    std::vector<qint64> weights;
    for (int i = 0; i < count; ++i)
        weights.push_back(m_random.between(70, 130));
    const auto parts = Money::allocate(needed, weights);
    for (int i = 0; i < count; ++i) {
        const QString party = m_profile.suppliers[i % m_profile.suppliers.size()];
        const QDate date = day(3 + i * 9 + int(m_random.between(0, 4)));
        const QString invoice = supplierInvoice(party);
        Draft d = draft(Purchases, date,
                        QStringLiteral("FACT. %1 %2").arg(invoice, PartyName(party)).left(255));
        const Money exempt =
            parts[i].percent(Rate::fromInteger(m_random.between(30, 45))).roundedToCents();
        const Money taxed = parts[i] - exempt;
        const Money tax = taxed.percent(Rate::fromInteger(16)).roundedToCents();
        d.add(m_office.inventory, parts[i]);
        d.add(IvaCredit, tax, party, QStringLiteral("FC"), invoice);
        if (m_journal.subjectToIvaRetention(party))
            d.add(m_journal.ivaRetentionAccount(IvaCredit),
                  -tax.percent(m_journal.ivaRetentionRate()).roundedToCents(), party,
                  QStringLiteral("FR"),
                  date.toString(QStringLiteral("yyyyMM")) +
                      zeroPadded(m_counters.ivaRetention++, 8))
                .describe(QStringLiteral("RETENCION IVA FACT. %1").arg(invoice));
        d.add(Suppliers, -d.difference(), party, QStringLiteral("FC"), invoice);
        m_journal.queue(d);
    }
}

// Invoices with a taxed and sometimes an exempt part, the IVA charged, and the cost of the
// goods out of the warehouse.
void MonthBooks::sales()
{
    std::vector<qint64> weights;
    for (int i = 0; i < m_profile.invoices; ++i)
        weights.push_back(m_random.between(50, 150));
    const auto amounts = Money::allocate(price(m_profile.salesUnits, 10), weights);
    for (int i = 0; i < m_profile.invoices; ++i) {
        // The first customers of the list buy the most.
        const int n = int(m_profile.customers.size());
        const qint64 one = m_random.between(0, n - 1);
        const qint64 other = m_random.between(0, n - 1);
        const QString party = m_profile.customers[int(std::min(one, other))];
        const QString invoice = zeroPadded(m_counters.invoice++, 8);
        const QDate date = day(2 + (27 * i) / m_profile.invoices + int(m_random.between(0, 2)));
        Draft d = draft(Sales, date,
                        QStringLiteral("FACT. %1 %2").arg(invoice, PartyName(party)).left(255));
        const Money exempt =
            m_random.chance(40)
                ? amounts[i].percent(Rate::fromInteger(m_random.between(20, 50))).roundedToCents()
                : Money();
        const Money taxed = amounts[i] - exempt;
        const Money tax = taxed.percent(Rate::fromInteger(16)).roundedToCents();
        d.add(Customers, amounts[i] + tax, party, QStringLiteral("FV"), invoice);
        d.add(GeneralSales, -taxed, party, QStringLiteral("FV"), invoice);
        d.add(ExemptSales, -exempt, party, QStringLiteral("FV"), invoice);
        d.add(IvaDebit, -tax, party, QStringLiteral("FV"), invoice);
        const Money cost =
            amounts[i].percent(Rate::fromInteger(m_random.between(58, 66))).roundedToCents();
        d.add(m_office.costOfSales, cost).describe(QStringLiteral("COSTO FACT. %1").arg(invoice));
        d.add(m_office.inventory, -cost).describe(QStringLiteral("COSTO FACT. %1").arg(invoice));
        m_journal.queue(d);
        // Special taxpayers withhold three quarters of the IVA when they pay.
        if (m_journal.specialTaxpayer(party))
            m_counters.withheld[invoice] =
                tax.percent(m_journal.ivaRetentionRate()).roundedToCents();
    }
}

// What each customer owes on invoices at least twenty days old, collected by transfer.
void MonthBooks::collections(int d)
{
    const QDate date = day(d);
    std::map<QString, std::vector<OpenItem>> byCustomer;
    for (const OpenItem &item :
         m_journal.openItems(m_office.company, {Customers}, date.addDays(-20)))
        if (item.balance > Money())
            byCustomer[item.party].push_back(item);
    for (const auto &[party, items] : byCustomer) {
        const QString reference = transferNumber();
        Draft r = draft(Receipt, date, QStringLiteral("COBRO %1").arg(PartyName(party)).left(255));
        Money withheld;
        for (const OpenItem &item : items) {
            r.add(Customers, -item.balance, party, item.documentType, item.document)
                .describe(QStringLiteral("COBRO FACT. %1").arg(item.document));
            withheld += m_counters.withheld[item.document];
            m_counters.withheld.erase(item.document);
        }
        r.add(IvaWithheldByCustomers, withheld, party, QStringLiteral("FR"),
              date.toString(QStringLiteral("yyyyMM")) +
                  zeroPadded(m_random.between(10000000, 99999999), 8))
            .describe(QStringLiteral("IVA RETENIDO POR EL CLIENTE"));
        throughBank(r, QStringLiteral("TE"), reference);
        m_journal.queue(r);
    }
}

// Supplier invoices at least ten days old, oldest first, paid in one batch of transfers as
// far as the bank allows without falling below a month's reserve; the rest waits.
void MonthBooks::supplierPayments(int d)
{
    const QDate date = day(d);
    std::vector<OpenItem> owed;
    for (const OpenItem &item :
         m_journal.openItems(m_office.company, {Suppliers}, date.addDays(-10)))
        if (item.balance.isNegative())
            owed.push_back(item);
    std::stable_sort(owed.begin(), owed.end(),
                     [](const OpenItem &a, const OpenItem &b) { return a.date < b.date; });
    Money available = m_journal.lowestFrom(m_office.company, m_office.bank, date) - reserve();
    std::map<QString, std::vector<OpenItem>> bySupplier;
    for (const OpenItem &item : owed) {
        if (available < -item.balance)
            break;
        available += item.balance;
        bySupplier[item.party].push_back(item);
    }
    if (bySupplier.empty())
        return;
    Draft p = draft(Payment, date,
                    QStringLiteral("PAGO A PROVEEDORES SEGUN RELACION DEL %1")
                        .arg(date.toString(QStringLiteral("dd/MM/yyyy"))));
    for (const auto &[party, items] : bySupplier) {
        Money total;
        for (const OpenItem &item : items) {
            p.add(Suppliers, -item.balance, party, item.documentType, item.document)
                .describe(QStringLiteral("PAGO FACT. %1 %2")
                              .arg(item.document, PartyName(party))
                              .left(255));
            total -= item.balance;
        }
        p.add(m_office.bank, -total, QStringLiteral("*"), QStringLiteral("TE"), transferNumber())
            .describe(QStringLiteral("TRANSFERENCIA A %1").arg(PartyName(party)).left(255));
    }
    m_journal.queue(p);
}

// Pays on day `d` what the accounts beginning with `prefixes` owed at the end of last month,
// one bank line per third party.
void MonthBooks::payLastMonth(int d, const QString &what, const QStringList &prefixes)
{
    const QDate first(m_year, m_month, 1);
    Draft p =
        draft(Payment, day(d),
              what + QStringLiteral(" ") + first.addDays(-1).toString(QStringLiteral("MM/yyyy")));
    std::map<QString, Money> byParty;
    for (const OpenItem &item :
         m_journal.openItems(m_office.company, prefixes, first.addDays(-1))) {
        p.add(item.account, -item.balance, item.party, item.documentType, item.document);
        byParty[item.party] -= item.balance;
    }
    for (const auto &[party, amount] : byParty)
        p.add(m_office.bank, -amount, QStringLiteral("*"), QStringLiteral("LP"), transferNumber())
            .describe((p.description + QStringLiteral(" ") + PartyName(party)).left(255));
    m_journal.queue(p);
}

// The IVA return of last month: the tax charged less the tax paid and the tax customers
// withheld. A balance in favour stays on the credit account for the next return.
void MonthBooks::settleIva()
{
    const QDate first(m_year, m_month, 1);
    const QString last = first.addDays(-1).toString(QStringLiteral("MM/yyyy"));
    Draft d = draft(Payment, day(14), QStringLiteral("DECLARACION Y PAGO IVA %1").arg(last));
    for (const OpenItem &item :
         m_journal.openItems(m_office.company,
                             {QStringLiteral("240805"), IvaCredit, QStringLiteral("240803"),
                              IvaWithheldByCustomers},
                             first.addDays(-1)))
        d.add(item.account, -item.balance, item.party, item.documentType, item.document);
    if (d.entries.empty())
        return;
    const QString declaration = first.addDays(-1).toString(QStringLiteral("yyyyMM")) +
                                zeroPadded(m_random.between(100000, 999999), 6);
    if (d.difference() > Money())
        throughBank(d, QStringLiteral("LP"), declaration);
    else
        d.add(IvaCredit, -d.difference(), TaxAuthority, QStringLiteral("LP"),
              QStringLiteral("EXC") + first.addDays(-1).toString(QStringLiteral("yyyyMM")))
            .describe(QStringLiteral("EXCEDENTE DE CREDITO FISCAL %1").arg(last));
    m_journal.queue(d);
}

// Salaries in two halves, through the bank; the second half also pays the food allowance and
// books the contributions, the employees' share withheld from their pay.
void MonthBooks::payroll(int half)
{
    const Money admin = price(m_profile.adminPayroll);
    const Money sales = price(m_profile.salesPayroll);
    const Money monthly = admin + sales;
    const QDate date = half == 1 ? day(15) : day(31);
    Draft d = draft(Payroll, date,
                    QStringLiteral("NOMINA %1 QUINCENA %2")
                        .arg(half == 1 ? QStringLiteral("1RA") : QStringLiteral("2DA"), period()));
    d.add(QStringLiteral("510506001"), admin.dividedBy(2).roundedToCents());
    d.add(QStringLiteral("520506001"), sales.dividedBy(2).roundedToCents());
    if (half == 2) {
        const auto share = [&](int tenths) {
            return monthly.percent(Rate::fromMillionths(tenths * 100000)).roundedToCents();
        };
        d.add(QStringLiteral("510584001"), price(2200) * m_profile.employees)
            .describe(QStringLiteral("CESTA TICKET %1").arg(period()));
        d.add(QStringLiteral("510568001"), share(90));
        d.add(QStringLiteral("510568002"), share(20));
        d.add(QStringLiteral("510568003"), share(20));
        d.add(QStringLiteral("510568004"), share(20));
        d.add(QStringLiteral("237005001"), -share(130), SocialSecurity);
        d.add(QStringLiteral("237010001"), -share(30), HousingBank);
        d.add(QStringLiteral("237015001"), -share(20), TrainingInstitute);
        d.add(QStringLiteral("237020001"), -share(25), SocialSecurity);
    }
    throughBank(d, QStringLiteral("TE"),
                QStringLiteral("NOM%1%2").arg(date.toString(QStringLiteral("yyyyMM"))).arg(half));
    m_journal.queue(d);
}

// December's profit sharing: a month of salary.
void MonthBooks::profitSharing()
{
    Draft d = draft(Payroll, day(12), QStringLiteral("PAGO DE UTILIDADES %1").arg(m_year));
    d.add(QStringLiteral("510530001"), price(m_profile.adminPayroll));
    d.add(QStringLiteral("520530001"), price(m_profile.salesPayroll));
    throughBank(d, QStringLiteral("TE"), QStringLiteral("UTI%1").arg(m_year));
    m_journal.queue(d);
}

// Straight-line depreciation of every asset the office holds, as an ordinary voucher.
void MonthBooks::depreciation()
{
    Draft d = draft(Journal, day(31), QStringLiteral("DEPRECIACION DEL MES %1").arg(period()));
    for (const auto &a : m_journal.depreciables()) {
        const Money cost = m_journal.balance(m_office.company, a.asset);
        if (!(cost > Money()))
            continue;
        const Money monthly = cost.dividedBy(usefulLife(a.asset)).roundedToCents();
        d.add(a.expense, monthly);
        d.add(a.accumulated, -monthly);
    }
    m_journal.queue(d);
}

void MonthBooks::bankCharges()
{
    Draft d = draft(Journal, day(31), QStringLiteral("COMISIONES BANCARIAS %1").arg(period()));
    d.add(QStringLiteral("530505001"), price(m_profile.office.scale * 14, 30),
          m_journal.bankParty(m_office.bank));
    throughBank(d, QStringLiteral("ND"), QStringLiteral("ND%1").arg(transferNumber()));
    m_journal.queue(d);
}

} // namespace DemoBooks
