#include "reports/AuxiliaryBook.h"

#include "calendar/PeriodService.h"
#include "platform/Db.h"
#include "reports/AccountSums.h"
#include "schema/BalanceStore.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <unordered_map>

namespace {

// A pair as it is gathered: listed once it has an opening balance or a line.
struct Gathered
{
    Money opening;
    std::vector<AuxiliaryLine> lines;
};

// The pairs of the book. Codes are numbered as they come, so that a line finds its pair by
// two hash look-ups and no comparison of texts; they are put in code order once, at the end.
class Pairs
{
public:
    Gathered &at(const QString &account, const QString &party)
    {
        const quint64 key = (quint64(id(m_accounts, m_accountCodes, account)) << 32) |
                            quint64(id(m_parties, m_partyCodes, party));
        if (key != m_lastKey || !m_last) {
            m_last = &m_pairs[key];
            m_lastKey = key;
        }
        return *m_last;
    }

    // Account code, party code and the pair, in code order.
    template <typename Visit> void inOrder(Visit visit)
    {
        std::vector<std::pair<quint64, Gathered *>> sorted;
        sorted.reserve(m_pairs.size());
        for (auto &[key, gathered] : m_pairs)
            sorted.emplace_back(key, &gathered);
        const auto account = [this](quint64 key) -> const QString & {
            return m_accountCodes[qsizetype(key >> 32)];
        };
        const auto party = [this](quint64 key) -> const QString & {
            return m_partyCodes[qsizetype(key & 0xffffffffu)];
        };
        std::sort(sorted.begin(), sorted.end(), [&](const auto &a, const auto &b) {
            if (const int c = account(a.first).compare(account(b.first)))
                return c < 0;
            return party(a.first) < party(b.first);
        });
        for (auto &[key, gathered] : sorted)
            visit(account(key), party(key), *gathered);
    }

private:
    static quint32 id(QHash<QString, quint32> &ids, QStringList &codes, const QString &code)
    {
        const auto found = ids.constFind(code);
        if (found != ids.constEnd())
            return found.value();
        codes << code;
        return ids.insert(code, quint32(codes.size() - 1)).value();
    }

    QHash<QString, quint32> m_accounts, m_parties;
    QStringList m_accountCodes, m_partyCodes;
    std::unordered_map<quint64, Gathered> m_pairs;
    quint64 m_lastKey = 0;
    Gathered *m_last = nullptr;
};

// Months of one calendar year whose store rows add up to an opening balance.
struct StoreMonths
{
    int year;
    int first;
    int last;
};

// Codes compare as text, as a BETWEEN on them would: "11" to "12" takes in "1105".
bool inRange(const QString &code, const QString &from, const QString &to)
{
    return from.isEmpty() || to.isEmpty() || (code >= from && code <= to);
}

bool wanted(const AuxiliaryBookOptions &o, const QString &account, const QString &party)
{
    return inRange(account, o.accountFrom, o.accountTo) && inRange(party, o.partyFrom, o.partyTo);
}

QHash<QString, QString> namesOf(Db &db, const QString &table)
{
    QHash<QString, QString> names;
    QSqlQuery q = db.run(QStringLiteral("SELECT Codigo, Nombre FROM %1").arg(table));
    while (q.next())
        names.insert(q.value(0).toString(), q.value(1).toString());
    return names;
}

// Voucher numbers are decimal text: a shorter one is a smaller number.
int compareNumbers(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

bool byDate(const AuxiliaryLine &a, const AuxiliaryLine &b)
{
    if (a.date != b.date)
        return a.date < b.date;
    if (const int c = a.voucherType.compare(b.voucherType))
        return c < 0;
    if (const int c = compareNumbers(a.voucherNumber, b.voucherNumber))
        return c < 0;
    return a.line < b.line;
}

bool byDocument(const AuxiliaryLine &a, const AuxiliaryLine &b)
{
    if (const int c = a.description.compare(b.description))
        return c < 0;
    if (const int c = a.document.compare(b.document))
        return c < 0;
    return byDate(a, b);
}

// The opening balances of the pairs, added to `pairs`.
void readOpenings(Db &db, const AuxiliaryBookOptions &o, const AccountSums::Dates &dates,
                  Pairs &pairs)
{
    const QDate &first = dates.monthStart;
    const QDate &start = dates.fiscalYearStart;
    std::vector<StoreMonths> months;
    if (dates.firstMonthOfFiscalYear()) {
        months.push_back({first.year(), first.month(), first.month()});
    } else if (start.year() != first.year()) {
        months.push_back({start.year(), start.month(), 12});
        if (first.month() > 1)
            months.push_back({first.year(), 1, first.month() - 1});
    } else {
        months.push_back({first.year(), start.month(), first.month() - 1});
    }

    QString sql = QStringLiteral("SELECT Cuenta, Tercero, Debito, Credito FROM SALDOTERCERO "
                                 "WHERE Matriz = ? AND Ano = ? AND Mes >= ? AND Mes <= ?");
    if (!o.consolidated)
        sql += QStringLiteral(" AND Empresa = ?");
    if (!o.account.isEmpty())
        sql += QStringLiteral(" AND Cuenta = ?");
    // The first month of a fiscal year opens from its opening vouchers alone.
    if (dates.firstMonthOfFiscalYear())
        sql += QStringLiteral(" AND Clase = ?");

    for (const StoreMonths &m : months) {
        QVariantList params{o.headOffice, m.year, m.first, m.last};
        if (!o.consolidated)
            params << o.company;
        if (!o.account.isEmpty())
            params << o.account;
        if (dates.firstMonthOfFiscalYear())
            params << int(BalanceStore::VoucherClass::Opening);
        QSqlQuery q = db.run(sql, params);
        while (q.next()) {
            const Money debit = Money::fromSql(q.value(2));
            const Money credit = Money::fromSql(q.value(3));
            // Rows the store keeps at zero after their lines were taken out list nothing.
            if (debit.isZero() && credit.isZero())
                continue;
            const QString account = q.value(0).toString();
            const QString party = q.value(1).toString();
            if (wanted(o, account, party))
                pairs.at(account, party).opening += debit - credit;
        }
    }
}

// The posted lines of the months, added to `pairs`.
void readLines(Db &db, const AuxiliaryBookOptions &o, QDate from, QDate until, Pairs &pairs)
{
    const QHash<QString, QString> vouchers = namesOf(db, QStringLiteral("COMPROBANTE"));
    const QHash<QString, QString> documents = namesOf(db, QStringLiteral("DOCUMENTO"));

    // Lines outside any voucher (number "0", user "*", line -1, type "*") are no postings;
    // the opening vouchers count only in the opening balances.
    QString sql = QStringLiteral(
        "SELECT Empresa, TipoComprobante, NumeroComprobante, Linea, Descripcion, Cuenta, Fecha, "
        "TipoDocumento, Documento, Tercero, CentroCosto, Usuario, ValorDebito, ValorCredito "
        "FROM MOVIMIENTO WHERE Matriz = ? AND Fecha >= ? AND Fecha < ? AND "
        "TipoComprobante <> ? AND TipoComprobante <> ? AND NumeroComprobante <> ? AND "
        "Usuario <> ? AND Linea <> ?");
    QVariantList params{o.headOffice,
                        from,
                        until,
                        BalanceStore::OpeningVoucherType,
                        QStringLiteral("*"),
                        QStringLiteral("0"),
                        QStringLiteral("*"),
                        -1};
    sql += QStringLiteral(" AND Empresa %1 ?").arg(o.consolidated ? "<>" : "=");
    params << (o.consolidated ? QStringLiteral("*") : o.company);
    if (!o.account.isEmpty()) {
        sql += QStringLiteral(" AND Cuenta = ?");
        params << o.account;
    }

    // Companies, types, cost centres and users repeat from line to line: a month of lines
    // keeps one copy of each instead of one per line.
    QSet<QString> seen;
    const auto shared = [&seen](const QVariant &value) {
        const QString text = value.toString();
        return *seen.insert(text);
    };
    QSqlQuery q = db.run(sql, params);
    while (q.next()) {
        const QString account = q.value(5).toString();
        const QString party = q.value(9).toString();
        if (!wanted(o, account, party))
            continue;
        AuxiliaryLine line;
        line.company = shared(q.value(0));
        line.voucherType = shared(q.value(1));
        line.voucherName = vouchers.value(line.voucherType);
        line.voucherNumber = q.value(2).toString();
        line.line = q.value(3).toInt();
        line.description = q.value(4).toString();
        line.date = q.value(6).toDate();
        line.documentType = shared(q.value(7));
        line.documentName = documents.value(line.documentType);
        line.document = q.value(8).toString();
        line.costCentre = shared(q.value(10));
        line.user = shared(q.value(11));
        line.debit = Money::fromSql(q.value(12));
        line.credit = Money::fromSql(q.value(13));
        pairs.at(account, party).lines.push_back(std::move(line));
    }
}

} // namespace

size_t AuxiliaryBookData::lineCount() const
{
    size_t count = 0;
    for (const AuxiliaryAccount &a : accounts)
        for (const AuxiliaryParty &p : a.parties)
            count += p.lines.size();
    return count;
}

AuxiliaryBookData AuxiliaryBook::compute(Db &db, const AuxiliaryBookOptions &o)
{
    const int closingMonth = PeriodService(db).closingMonth(o.company, o.headOffice);
    const AccountSums::Dates dates = AccountSums::datesOf(o.firstMonth, o.year, closingMonth);
    const QDate until = QDate(o.year, o.lastMonth, 1).addMonths(1);

    Pairs pairs;
    readOpenings(db, o, dates, pairs);
    readLines(db, o, dates.monthStart, until, pairs);

    const QHash<QString, QString> accountNames = namesOf(db, QStringLiteral("CUENTACONTABLE"));
    const QHash<QString, QString> partyNames = namesOf(db, QStringLiteral("TERCERO"));
    const auto order = o.order == AuxiliaryBookOptions::Order::Document ? byDocument : byDate;

    AuxiliaryBookData book;
    pairs.inOrder([&](const QString &accountCode, const QString &partyCode, Gathered &gathered) {
        if (book.accounts.empty() || book.accounts.back().code != accountCode)
            book.accounts.push_back({accountCode, accountNames.value(accountCode), {}, {}, {}, {}});
        AuxiliaryAccount &account = book.accounts.back();
        AuxiliaryParty party{partyCode, partyNames.value(partyCode), gathered.opening, {},
                             {},        std::move(gathered.lines)};
        std::stable_sort(party.lines.begin(), party.lines.end(), order);
        for (const AuxiliaryLine &line : party.lines) {
            party.debit += line.debit;
            party.credit += line.credit;
        }
        account.opening += party.opening;
        account.debit += party.debit;
        account.credit += party.credit;
        account.parties.push_back(std::move(party));
    });
    for (const AuxiliaryAccount &account : book.accounts) {
        book.opening += account.opening;
        book.debit += account.debit;
        book.credit += account.credit;
    }
    return book;
}
