#pragma once

#include <QDate>
#include <QString>
#include <functional>
#include <vector>

class Db;

// Deterministic books for the benchmarks: a chart in five levels (codes of 1, 2, 4, 6 and 9
// characters, about 2,000 detail accounts), a head office with one branch, an opening
// voucher "999" per company in January and balanced vouchers spread over one year, exactly
// `lines` lines in all. The same seed gives the same books in the database and in the
// plain-text journal.
namespace BooksGenerator {

inline const QString HeadOffice = QStringLiteral("E01");
inline const QString Branch = QStringLiteral("E02");
inline const QString OrdinaryType = QStringLiteral("001");
inline const QString OpeningType = QStringLiteral("999");
constexpr int Year = 2025;
constexpr quint64 DefaultSeed = 20250301;

struct Account
{
    QString code;
    QString name;
    QString parent; // "0" for a first-level account
    int level = 1;  // 1..5
    bool summary = false;
};

// Every account of the chart, parents before their children, in code order.
const std::vector<Account> &chart();
// The detail (posting) accounts of the chart, in code order.
const std::vector<int> &detailAccounts();

struct Line
{
    int account = 0;  // index into chart()
    qint64 debit = 0; // thousandths, always whole cents
    qint64 credit = 0;
};

struct Voucher
{
    QString company;
    QString type;
    QString number; // restarts every month, per company and type
    QDate date;
    std::vector<Line> lines;
};

// Calls `visit` for every voucher of the books, in date order.
void forEachVoucher(qint64 lines, quint64 seed, const std::function<void(const Voucher &)> &visit);

// Writes the companies, voucher types and chart, then posts the books into MOVIMIENTO in one
// transaction (the triggers keep the balance store). `db` must hold the migrated schema and
// no books. Throws DbError / std::runtime_error.
void write(Db &db, qint64 lines, quint64 seed = DefaultSeed);

// The same books as a plain-text journal: one transaction per voucher, accounts named by
// their code path ("1:11:1105:110501:110501001"), amounts with two decimals.
void writeJournal(const QString &path, qint64 lines, quint64 seed = DefaultSeed);

} // namespace BooksGenerator
