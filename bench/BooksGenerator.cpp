#include "BooksGenerator.h"

#include "platform/Db.h"
#include "platform/Transaction.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <map>
#include <stdexcept>

namespace BooksGenerator {

namespace {

// splitmix64: small, fast and the same on every platform.
class Random
{
public:
    explicit Random(quint64 seed)
        : m_state(seed)
    {
    }
    quint64 next()
    {
        quint64 z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    // In [0, n).
    int below(int n) { return int(next() % quint64(n)); }
    // Whole cents between 0.01 and `maxCents` / 100, in thousandths.
    qint64 amount(qint64 maxCents) { return (qint64(next() % quint64(maxCents)) + 1) * 10; }

private:
    quint64 m_state;
};

const char *const ClassNames[] = {"ACTIVO", "PASIVO", "PATRIMONIO", "INGRESOS", "GASTOS", "COSTOS"};

std::vector<Account> buildChart()
{
    // 6 classes x 3 groups x 4 accounts x 4 subaccounts x 7 details = 2,016 detail accounts.
    std::vector<Account> accounts;
    for (int c = 1; c <= 6; ++c) {
        const QString cls = QString::number(c);
        accounts.push_back({cls, QString::fromLatin1(ClassNames[c - 1]), "0", 1, true});
        for (int g = 1; g <= 3; ++g) {
            const QString group = cls + QString::number(g);
            accounts.push_back({group, QStringLiteral("GRUPO ") + group, cls, 2, true});
            for (int a = 1; a <= 4; ++a) {
                const QString account =
                    group + QStringLiteral("%1").arg(a, 2, 10, QLatin1Char('0'));
                accounts.push_back({account, QStringLiteral("CUENTA ") + account, group, 3, true});
                for (int s = 1; s <= 4; ++s) {
                    const QString sub =
                        account + QStringLiteral("%1").arg(s, 2, 10, QLatin1Char('0'));
                    accounts.push_back({sub, QStringLiteral("SUBCUENTA ") + sub, account, 4, true});
                    for (int d = 1; d <= 7; ++d) {
                        const QString detail =
                            sub + QStringLiteral("%1").arg(d, 3, 10, QLatin1Char('0'));
                        accounts.push_back(
                            {detail, QStringLiteral("AUXILIAR ") + detail, sub, 5, false});
                    }
                }
            }
        }
    }
    return accounts;
}

// Detail accounts of class `cls` (1..6).
std::vector<int> detailsOfClass(char cls)
{
    std::vector<int> found;
    for (int i : detailAccounts())
        if (chart()[size_t(i)].code.at(0) == QLatin1Char(cls))
            found.push_back(i);
    return found;
}

// Fills `v.lines` with `count` lines over `debitSide` / `creditSide` accounts (the same list
// for an ordinary voucher); the last line balances the voucher.
void fillLines(Voucher &v, int count, Random &random, const std::vector<int> &debitSide,
               const std::vector<int> &creditSide, qint64 maxCents)
{
    v.lines.clear();
    qint64 net = 0;
    for (int i = 0; i < count - 1; ++i) {
        const bool debit = debitSide != creditSide ? i % 2 == 0 : (random.next() >> 17) & 1;
        const auto &side = debit ? debitSide : creditSide;
        const qint64 amount = random.amount(maxCents);
        Line line{side[size_t(random.below(int(side.size())))]};
        (debit ? line.debit : line.credit) = amount;
        net += debit ? amount : -amount;
        v.lines.push_back(line);
    }
    if (net == 0) { // flip the first line so the last one has something to balance
        Line &first = v.lines.front();
        std::swap(first.debit, first.credit);
        net = first.debit != 0 ? 2 * first.debit : -2 * first.credit;
    }
    const auto &side = net > 0 ? creditSide : debitSide;
    Line last{side[size_t(random.below(int(side.size())))]};
    (net > 0 ? last.credit : last.debit) = net > 0 ? net : -net;
    v.lines.push_back(last);
}

QString amountText(qint64 thousandths)
{
    const qint64 cents = thousandths / 10;
    const qint64 absolute = cents < 0 ? -cents : cents;
    return QStringLiteral("%1%2.%3")
        .arg(cents < 0 ? QStringLiteral("-") : QString())
        .arg(absolute / 100)
        .arg(absolute % 100, 2, 10, QLatin1Char('0'));
}

[[noreturn]] void failed(const QSqlQuery &q, const char *what)
{
    throw std::runtime_error(std::string(what) + ": " + q.lastError().text().toStdString());
}

} // namespace

const std::vector<Account> &chart()
{
    static const std::vector<Account> accounts = buildChart();
    return accounts;
}

const std::vector<int> &detailAccounts()
{
    static const std::vector<int> details = [] {
        std::vector<int> found;
        for (size_t i = 0; i < chart().size(); ++i)
            if (!chart()[i].summary)
                found.push_back(int(i));
        return found;
    }();
    return details;
}

void forEachVoucher(qint64 lines, quint64 seed, const std::function<void(const Voucher &)> &visit)
{
    Random random(seed);
    const std::vector<int> assets = detailsOfClass('1');
    std::vector<int> sources = detailsOfClass('2');
    for (int i : detailsOfClass('3'))
        sources.push_back(i);
    std::map<std::tuple<QString, QString, int>, int> numbers; // company, type, month
    const auto number = [&numbers](const Voucher &v) {
        return QString::number(++numbers[{v.company, v.type, v.date.month()}]);
    };

    qint64 left = lines;
    Voucher v;
    // The opening balances of each company, on the first day of the year.
    for (const QString &company : {HeadOffice, Branch}) {
        const int count = int(std::min<qint64>(60, left - (company == HeadOffice ? 2 : 0)));
        if (count < 2)
            continue;
        v.company = company;
        v.type = OpeningType;
        v.date = QDate(Year, 1, 1);
        v.number = number(v);
        fillLines(v, count, random, assets, sources, 50'000'000);
        left -= count;
        visit(v);
    }
    // The year's vouchers, evenly over its days, three in five for the head office.
    const qint64 ordinary = left;
    const int days = QDate(Year, 1, 1).daysTo(QDate(Year + 1, 1, 1));
    v.type = OrdinaryType;
    while (left > 0) {
        int count = 2 + random.below(5);
        if (count > left || left - count == 1)
            count = int(left);
        const qint64 done = ordinary - left;
        v.date = QDate(Year, 1, 1).addDays(done * days / ordinary);
        v.company = random.below(5) < 3 ? HeadOffice : Branch;
        v.number = number(v);
        fillLines(v, count, random, detailAccounts(), detailAccounts(), 10'000'000);
        left -= count;
        visit(v);
    }
}

void write(Db &db, qint64 lines, quint64 seed)
{
    Transaction tx(db);
    db.exec(QStringLiteral("UPDATE PARAMETRO SET CantDigCuenta = 9"));
    db.exec(QStringLiteral("INSERT INTO EMPRESA (Codigo, Nombre, Tipo, CodigoMatriz, Mes, Ano, "
                           "Status) VALUES (?, 'LIBROS DE PRUEBA', 1, ?, 12, ?, 1)"),
            {HeadOffice, HeadOffice, Year - 1});
    db.exec(QStringLiteral("INSERT INTO EMPRESA (Codigo, Nombre, Tipo, CodigoMatriz, Mes, Ano, "
                           "Status) VALUES (?, 'LIBROS DE PRUEBA SUCURSAL', 0, ?, 12, ?, 1)"),
            {Branch, HeadOffice, Year - 1});
    db.exec(QStringLiteral("INSERT INTO COMPROBANTE (Codigo, Nombre, Status) VALUES (?, "
                           "'DIARIO', 1) ON CONFLICT DO NOTHING"),
            {OrdinaryType});
    for (const Account &a : chart())
        db.exec(QStringLiteral("INSERT INTO CUENTACONTABLE (Codigo, Nombre, CodigoPadre, Nivel, "
                               "EsPadre) VALUES (?, ?, ?, ?, ?)"),
                {a.code, a.name, a.parent, a.level, a.summary ? 1 : 0});

    // Many rows per statement, one prepared statement reused: the PostgreSQL triggers add up
    // each statement's rows at once.
    constexpr int Batch = 200;
    const QString columns = QStringLiteral(
        "INSERT INTO MOVIMIENTO (Empresa, Matriz, TipoComprobante, NumeroComprobante, Usuario, "
        "Linea, Cuenta, Fecha, ValorDebito, ValorCredito) VALUES ");
    const auto statement = [&columns](int rows) {
        QStringList values;
        for (int i = 0; i < rows; ++i)
            values << QStringLiteral("(?, ?, ?, ?, 'BENCH', ?, ?, ?, ?, ?)");
        return columns + values.join(QLatin1Char(','));
    };
    QSqlQuery full(db.handle());
    if (!full.prepare(statement(Batch)))
        failed(full, "prepare");
    std::vector<QVariantList> pending;
    pending.reserve(Batch);
    const auto flush = [&](QSqlQuery &q) {
        int p = 0;
        for (const QVariantList &row : pending)
            for (const QVariant &value : row)
                q.bindValue(p++, value);
        if (!q.exec())
            failed(q, "insert");
        pending.clear();
    };
    const QVariant matriz(HeadOffice);
    forEachVoucher(lines, seed, [&](const Voucher &v) {
        const QVariant company(v.company), type(v.type), number(v.number), date(v.date);
        int lineNumber = 0;
        for (const Line &l : v.lines) {
            pending.push_back({company, matriz, type, number, ++lineNumber,
                               chart()[size_t(l.account)].code, date, qlonglong(l.debit),
                               qlonglong(l.credit)});
            if (int(pending.size()) == Batch)
                flush(full);
        }
    });
    if (!pending.empty()) {
        QSqlQuery rest(db.handle());
        if (!rest.prepare(statement(int(pending.size()))))
            failed(rest, "prepare");
        flush(rest);
    }
    tx.commit();
}

void writeJournal(const QString &path, qint64 lines, quint64 seed)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write " + path.toStdString());
    std::vector<QByteArray> names;
    names.reserve(chart().size());
    for (const Account &a : chart()) {
        QStringList path;
        for (int length : {1, 2, 4, 6, 9})
            if (length <= a.code.size())
                path << a.code.left(length);
        names.push_back(path.join(QLatin1Char(':')).toLatin1());
    }
    QByteArray out;
    out.reserve(1 << 20);
    forEachVoucher(lines, seed, [&](const Voucher &v) {
        out += v.date.toString(Qt::ISODate).toLatin1();
        out += " * " + v.company.toLatin1() + ' ' + v.type.toLatin1() + '-' + v.number.toLatin1() +
               '\n';
        for (const Line &l : v.lines) {
            out += "    " + names[size_t(l.account)] + "  ";
            out += amountText(l.debit != 0 ? l.debit : -l.credit).toLatin1();
            out += '\n';
        }
        out += '\n';
        if (out.size() > (1 << 20) - 4096) {
            file.write(out);
            out.clear();
        }
    });
    file.write(out);
    if (!file.flush())
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace BooksGenerator
