#include "schema/BalanceStore.h"

#include "common/Money.h"
#include "platform/Db.h"
#include "platform/Transaction.h"
#include "schema/LedgerTables.h"

#include <map>

namespace BalanceStore {

namespace {

using namespace LedgerTables;

const QString AccountKey = QStringLiteral("Empresa, Matriz, Ano, Mes, Clase, Cuenta");
const QString PartyKey = QStringLiteral("Empresa, Matriz, Ano, Mes, Clase, Cuenta, Tercero");
// A head office's month comes first: one month of a company, or of every company of the head
// office, is one range of the key.
const QString MonthKey = QStringLiteral("Matriz, Ano, Mes, Empresa, Cuenta");
// The running sums of the calendar year before the month, then the month's sums of each
// class of voucher, in the order of VoucherClass.
const QStringList MonthAmounts{QStringLiteral("DebitoAnterior"), QStringLiteral("CreditoAnterior"),
                               QStringLiteral("Debito"),         QStringLiteral("Credito"),
                               QStringLiteral("DebitoApertura"), QStringLiteral("CreditoApertura"),
                               QStringLiteral("DebitoCierre"),   QStringLiteral("CreditoCierre")};
const QString TriggerNames[] = {QStringLiteral("TR_MOVIMIENTO_SALDOS_AI"),
                                QStringLiteral("TR_MOVIMIENTO_SALDOS_AD"),
                                QStringLiteral("TR_MOVIMIENTO_SALDOS_AU")};

TableDef balanceTable(const QString &name, bool perParty)
{
    TableDef t(name);
    t.code("Empresa", CompanyCode)
        .code("Matriz", CompanyCode)
        .integer("Ano")
        .integer("Mes")
        .integer("Clase")
        .code("Cuenta", AccountCode);
    if (perParty)
        t.code("Tercero", PartyCode);
    t.money("Debito").money("Credito");
    // Reports read one company's months, or a head office's with all its branches.
    t.primaryKey((perParty ? PartyKey : AccountKey).split(QStringLiteral(", ")));
    t.index({"Matriz", "Ano", "Mes"});
    return t;
}

TableDef monthTable()
{
    TableDef t(MonthTable);
    t.code("Empresa", CompanyCode)
        .code("Matriz", CompanyCode)
        .code("Cuenta", AccountCode)
        .integer("Ano")
        .integer("Mes");
    for (const QString &amount : MonthAmounts)
        t.money(amount);
    t.primaryKey(MonthKey.split(QStringLiteral(", ")));
    return t;
}

QStringList createMonthTable(Db &db)
{
    QStringList statements = db.dialect().createTable(monthTable());
    // SQLite then keeps the rows themselves in key order: a month is one walk of the key,
    // without a second lookup per row.
    if (db.engine() == Engine::Sqlite)
        statements.front() += QStringLiteral(" WITHOUT ROWID");
    return statements;
}

// The year, month and class of a line, as expressions over `row` ("NEW", "OLD" or a table).
struct LineParts
{
    QString year, month, voucherClass;
};

LineParts partsOf(Engine engine, const QString &row)
{
    const QString p = row.isEmpty() ? QString() : row + QLatin1Char('.');
    LineParts parts;
    if (engine == Engine::Postgres) {
        parts.year = QStringLiteral("CAST(EXTRACT(YEAR FROM %1Fecha) AS INTEGER)").arg(p);
        parts.month = QStringLiteral("CAST(EXTRACT(MONTH FROM %1Fecha) AS INTEGER)").arg(p);
    } else {
        parts.year = QStringLiteral("CAST(substr(%1Fecha, 1, 4) AS INTEGER)").arg(p);
        parts.month = QStringLiteral("CAST(substr(%1Fecha, 6, 2) AS INTEGER)").arg(p);
    }
    parts.voucherClass = QStringLiteral("(CASE %1TipoComprobante WHEN '%2' THEN %3 WHEN '%4' "
                                        "THEN %5 ELSE %6 END)")
                             .arg(p, OpeningVoucherType)
                             .arg(int(VoucherClass::Opening))
                             .arg(ClosingVoucherType)
                             .arg(int(VoucherClass::Closing))
                             .arg(int(VoucherClass::Ordinary));
    return parts;
}

// SELECT list of a balance key over the lines of `source`, in the key's column order; with
// `named`, the computed columns carry the store's names.
QString keyColumns(const LineParts &parts, bool perParty, bool named = false)
{
    const auto as = [named](const QString &expression, const char *name) {
        return named ? expression + QStringLiteral(" AS ") + QLatin1String(name) : expression;
    };
    return QStringLiteral("Empresa, Matriz, %1, %2, %3, Cuenta%4")
        .arg(as(parts.year, "Ano"), as(parts.month, "Mes"), as(parts.voucherClass, "Clase"),
             perParty ? QStringLiteral(", Tercero") : QString());
}

// The store's rows as MOVIMIENTO adds them up, columns named as in the store.
QString sumsFromBooks(Engine engine, bool perParty)
{
    const LineParts parts = partsOf(engine, {});
    return QStringLiteral("SELECT %1, SUM(ValorDebito) AS Debito, SUM(ValorCredito) AS Credito "
                          "FROM MOVIMIENTO GROUP BY %2")
        .arg(keyColumns(parts, perParty, true), keyColumns(parts, perParty));
}

// The twelve months, as a derived table `meses` of one column, Mes.
QString monthsOfYear()
{
    QStringList months;
    for (int month = 1; month <= 12; ++month)
        months << QStringLiteral("SELECT %1 AS Mes").arg(month);
    return QStringLiteral("(%1) meses").arg(months.join(QStringLiteral(" UNION ALL ")));
}

// What sums of `month`, `voucherClass`, `debit` and `credit` add to the amounts of
// MonthAmounts in the row of the month meses.Mes of the same calendar year: nothing before
// their month, the sums of their class in it and the running sums after it.
QStringList monthAmounts(const QString &month, const QString &voucherClass, const QString &debit,
                         const QString &credit)
{
    const auto when = [](const QString &condition, const QString &value) {
        return QStringLiteral("CASE WHEN %1 THEN %2 ELSE 0 END").arg(condition, value);
    };
    const QString after = QStringLiteral("meses.Mes > %1").arg(month);
    QStringList amounts{when(after, debit), when(after, credit)};
    for (VoucherClass c : {VoucherClass::Ordinary, VoucherClass::Opening, VoucherClass::Closing}) {
        const QString in = QStringLiteral("meses.Mes = %1 AND %2 = %3")
                               .arg(month, voucherClass, QString::number(int(c)));
        amounts << when(in, debit) << when(in, credit);
    }
    return amounts;
}

// SALDOMES rows from `source`, a query with the columns of SALDOCUENTA: each of its rows
// reaches every month from its own to December.
QString monthsFrom(const QString &source)
{
    QStringList sums;
    for (const QString &amount :
         monthAmounts(QStringLiteral("d.Mes"), QStringLiteral("d.Clase"),
                      QStringLiteral("d.Debito"), QStringLiteral("d.Credito")))
        sums << QStringLiteral("SUM(%1)").arg(amount);
    return QStringLiteral("SELECT d.Empresa, d.Matriz, d.Cuenta, d.Ano, meses.Mes, %1 FROM (%2) d "
                          "JOIN %3 ON meses.Mes >= d.Mes "
                          "GROUP BY d.Matriz, d.Ano, meses.Mes, d.Empresa, d.Cuenta")
        .arg(sums.join(QStringLiteral(", ")), source, monthsOfYear());
}

QString monthColumns()
{
    return QStringLiteral("Empresa, Matriz, Cuenta, Ano, Mes, ") +
           MonthAmounts.join(QStringLiteral(", "));
}

// SET list of an upsert into SALDOMES that adds the new amounts to the row's.
QString addMonthAmounts(Engine engine)
{
    QStringList set;
    for (const QString &amount : MonthAmounts)
        set << (engine == Engine::Postgres
                    ? QStringLiteral("%1 = %2.%1 + EXCLUDED.%1").arg(amount, MonthTable)
                    : QStringLiteral("%1 = %1 + excluded.%1").arg(amount));
    return set.join(QStringLiteral(", "));
}

QStringList sqliteTriggers(bool keepMonths)
{
    QStringList statements;
    const auto add = [](const QString &row, bool perParty) {
        const LineParts p = partsOf(Engine::Sqlite, row);
        const QString table =
            perParty ? QStringLiteral("SALDOTERCERO") : QStringLiteral("SALDOCUENTA");
        return QStringLiteral("INSERT INTO %1 (%2, Debito, Credito) VALUES (%3.Empresa, "
                              "%3.Matriz, %4, %5, %6, %3.Cuenta%7, %3.ValorDebito, "
                              "%3.ValorCredito) ON CONFLICT (%2) DO UPDATE SET "
                              "Debito = Debito + excluded.Debito, "
                              "Credito = Credito + excluded.Credito;")
            .arg(table, perParty ? PartyKey : AccountKey, row, p.year, p.month, p.voucherClass,
                 perParty ? QStringLiteral(", %1.Tercero").arg(row) : QString());
    };
    const auto subtract = [](bool perParty) {
        const LineParts p = partsOf(Engine::Sqlite, QStringLiteral("OLD"));
        return QStringLiteral("UPDATE %1 SET Debito = Debito - OLD.ValorDebito, "
                              "Credito = Credito - OLD.ValorCredito WHERE Empresa = OLD.Empresa "
                              "AND Matriz = OLD.Matriz AND Ano = %2 AND Mes = %3 AND Clase = %4 "
                              "AND Cuenta = OLD.Cuenta%5;")
            .arg(perParty ? QStringLiteral("SALDOTERCERO") : QStringLiteral("SALDOCUENTA"), p.year,
                 p.month, p.voucherClass,
                 perParty ? QStringLiteral(" AND Tercero = OLD.Tercero") : QString());
    };
    // The line's month and every later one of its year; a line taken away adds its amounts
    // with the sign turned, to rows that are there since it was added.
    const auto months = [](const QString &row, const QString &sign) {
        const LineParts p = partsOf(Engine::Sqlite, row);
        const QStringList amounts =
            monthAmounts(p.month, p.voucherClass, QStringLiteral("%1%2.ValorDebito").arg(sign, row),
                         QStringLiteral("%1%2.ValorCredito").arg(sign, row));
        return QStringLiteral("INSERT INTO %1 (%2) SELECT %3.Empresa, %3.Matriz, %3.Cuenta, %4, "
                              "meses.Mes, %5 FROM %6 WHERE meses.Mes >= %7 "
                              "ON CONFLICT (%8) DO UPDATE SET %9;")
            .arg(MonthTable, monthColumns(), row, p.year, amounts.join(QStringLiteral(", ")),
                 monthsOfYear(), p.month, MonthKey, addMonthAmounts(Engine::Sqlite));
    };
    QString added = add(QStringLiteral("NEW"), false) + add(QStringLiteral("NEW"), true);
    QString removed = subtract(false) + subtract(true);
    if (keepMonths) {
        added += months(QStringLiteral("NEW"), {});
        removed += months(QStringLiteral("OLD"), QStringLiteral("-"));
    }
    statements << QStringLiteral("CREATE TRIGGER %1 AFTER INSERT ON MOVIMIENTO BEGIN %2 END")
                      .arg(TriggerNames[0], added)
               << QStringLiteral("CREATE TRIGGER %1 AFTER DELETE ON MOVIMIENTO BEGIN %2 END")
                      .arg(TriggerNames[1], removed)
               << QStringLiteral("CREATE TRIGGER %1 AFTER UPDATE OF Empresa, Matriz, Cuenta, "
                                 "Fecha, TipoComprobante, Tercero, ValorDebito, ValorCredito ON "
                                 "MOVIMIENTO BEGIN %2 %3 END")
                      .arg(TriggerNames[2], removed, added);
    return statements;
}

// PostgreSQL adds up each statement's rows at once (transition tables) and touches the
// balance rows in key order, table by table, so two workstations posting at the same moment
// wait for each other instead of deadlocking.
QStringList postgresTriggers(bool keepMonths)
{
    const auto upsert = [](const QString &deltas, bool perParty) {
        const LineParts p = partsOf(Engine::Postgres, {});
        const QString table =
            perParty ? QStringLiteral("SALDOTERCERO") : QStringLiteral("SALDOCUENTA");
        const QString key = perParty ? PartyKey : AccountKey;
        return QStringLiteral("INSERT INTO %1 (%2, Debito, Credito) SELECT %3, SUM(ValorDebito), "
                              "SUM(ValorCredito) FROM (%4) d GROUP BY %3 ORDER BY %3 "
                              "ON CONFLICT (%2) DO UPDATE SET "
                              "Debito = %1.Debito + EXCLUDED.Debito, "
                              "Credito = %1.Credito + EXCLUDED.Credito;")
            .arg(table, key, keyColumns(p, perParty), deltas);
    };
    const auto months = [keepMonths](const QString &deltas) {
        if (!keepMonths)
            return QString();
        const LineParts p = partsOf(Engine::Postgres, {});
        const QString lines =
            QStringLiteral("SELECT Empresa, Matriz, Cuenta, %1 AS Ano, %2 AS Mes, %3 AS Clase, "
                           "ValorDebito AS Debito, ValorCredito AS Credito FROM (%4) l")
                .arg(p.year, p.month, p.voucherClass, deltas);
        return QStringLiteral("INSERT INTO %1 (%2) %3 ORDER BY d.Matriz, d.Ano, meses.Mes, "
                              "d.Empresa, d.Cuenta ON CONFLICT (%4) DO UPDATE SET %5;")
            .arg(MonthTable, monthColumns(), monthsFrom(lines), MonthKey,
                 addMonthAmounts(Engine::Postgres));
    };
    const QString columns =
        QStringLiteral("Empresa, Matriz, Cuenta, Tercero, Fecha, TipoComprobante");
    const QString fromNew =
        QStringLiteral("SELECT %1, ValorDebito, ValorCredito FROM nuevas").arg(columns);
    const QString fromOld =
        QStringLiteral("SELECT %1, -ValorDebito AS ValorDebito, -ValorCredito AS ValorCredito "
                       "FROM viejas")
            .arg(columns);
    const QString both = fromNew + QStringLiteral(" UNION ALL ") + fromOld;
    const auto all = [&](const QString &deltas) {
        return upsert(deltas, false) + upsert(deltas, true) + months(deltas);
    };
    const QString body =
        QStringLiteral("BEGIN IF TG_OP = 'INSERT' THEN %1 ELSIF TG_OP = 'DELETE' THEN %2 "
                       "ELSE %3 END IF; RETURN NULL; END")
            .arg(all(fromNew), all(fromOld), all(both));
    return {
        QStringLiteral("CREATE OR REPLACE FUNCTION valdoria_saldos_movimiento() RETURNS trigger "
                       "LANGUAGE plpgsql AS $$ %1 $$")
            .arg(body),
        QStringLiteral("CREATE TRIGGER %1 AFTER INSERT ON MOVIMIENTO "
                       "REFERENCING NEW TABLE AS nuevas FOR EACH STATEMENT "
                       "EXECUTE FUNCTION valdoria_saldos_movimiento()")
            .arg(TriggerNames[0]),
        QStringLiteral("CREATE TRIGGER %1 AFTER DELETE ON MOVIMIENTO "
                       "REFERENCING OLD TABLE AS viejas FOR EACH STATEMENT "
                       "EXECUTE FUNCTION valdoria_saldos_movimiento()")
            .arg(TriggerNames[1]),
        QStringLiteral("CREATE TRIGGER %1 AFTER UPDATE ON MOVIMIENTO "
                       "REFERENCING OLD TABLE AS viejas NEW TABLE AS nuevas FOR EACH STATEMENT "
                       "EXECUTE FUNCTION valdoria_saldos_movimiento()")
            .arg(TriggerNames[2]),
    };
}

QStringList triggers(Engine engine, bool keepMonths)
{
    return engine == Engine::Postgres ? postgresTriggers(keepMonths) : sqliteTriggers(keepMonths);
}

void rebuildSums(Db &db)
{
    db.exec(QStringLiteral("DELETE FROM SALDOCUENTA"));
    db.exec(QStringLiteral("DELETE FROM SALDOTERCERO"));
    db.exec(QStringLiteral("INSERT INTO SALDOCUENTA (%1, Debito, Credito) %2")
                .arg(AccountKey, sumsFromBooks(db.engine(), false)));
    db.exec(QStringLiteral("INSERT INTO SALDOTERCERO (%1, Debito, Credito) %2")
                .arg(PartyKey, sumsFromBooks(db.engine(), true)));
}

// From SALDOCUENTA, which must be right. In key order, so that on PostgreSQL too the rows of
// a month lie together.
void rebuildMonths(Db &db)
{
    db.exec(QStringLiteral("DELETE FROM %1").arg(MonthTable));
    db.exec(QStringLiteral("INSERT INTO %1 (%2) %3 ORDER BY d.Matriz, d.Ano, meses.Mes, "
                           "d.Empresa, d.Cuenta")
                .arg(MonthTable, monthColumns(),
                     monthsFrom(QStringLiteral("SELECT %1, Debito, Credito FROM SALDOCUENTA")
                                    .arg(AccountKey))));
}

struct Sums
{
    qint64 debit = 0;
    qint64 credit = 0;
};
using SumsByKey = std::map<QString, Sums>;

// A debit and credit worth comparing; a balance row left at zero by deletions is as good as
// none.
void keep(SumsByKey &sums, const QString &key, const QVariant &debit, const QVariant &credit)
{
    const Sums s{Money::fromSql(debit).thousandths(), Money::fromSql(credit).thousandths()};
    if (s.debit != 0 || s.credit != 0)
        sums[key] = s;
}

QString when(int year, int month)
{
    return QStringLiteral("%1-%2").arg(year).arg(month, 2, 10, QLatin1Char('0'));
}

// Every row of `sql` (the key columns of SALDOCUENTA or SALDOTERCERO, then debit and
// credit), by its key in words.
SumsByKey classSums(Db &db, const QString &sql, int keyColumns)
{
    SumsByKey sums;
    QSqlQuery q = db.run(sql);
    while (q.next()) {
        QStringList key;
        key << q.value(0).toString() << q.value(1).toString() << q.value(5).toString();
        if (keyColumns > 6)
            key << q.value(6).toString();
        keep(sums,
             key.join(QLatin1Char('/')) + QLatin1Char(' ') +
                 when(q.value(2).toInt(), q.value(3).toInt()) +
                 QStringLiteral(" clase %1").arg(q.value(4).toInt()),
             q.value(keyColumns), q.value(keyColumns + 1));
    }
    return sums;
}

// Every row of `sql` (the columns of SALDOMES), one entry per pair of amounts: the running
// sums before the month, then those of each class.
SumsByKey monthSums(Db &db, const QString &sql)
{
    SumsByKey sums;
    QSqlQuery q = db.run(sql);
    while (q.next()) {
        const QString row =
            QStringList{q.value(0).toString(), q.value(1).toString(), q.value(2).toString()}.join(
                QLatin1Char('/')) +
            QLatin1Char(' ') + when(q.value(3).toInt(), q.value(4).toInt());
        keep(sums, row + QStringLiteral(" anterior"), q.value(5), q.value(6));
        for (VoucherClass c :
             {VoucherClass::Ordinary, VoucherClass::Opening, VoucherClass::Closing}) {
            const int column = 7 + 2 * int(c);
            keep(sums, row + QStringLiteral(" clase %1").arg(int(c)), q.value(column),
                 q.value(column + 1));
        }
    }
    return sums;
}

std::optional<Difference> firstDifference(const QString &table, const SumsByKey &stored,
                                          const SumsByKey &posted)
{
    auto s = stored.begin();
    auto p = posted.begin();
    while (s != stored.end() || p != posted.end()) {
        Difference d;
        d.table = table;
        if (p == posted.end() || (s != stored.end() && s->first < p->first)) {
            d.key = s->first;
            d.storedDebit = s->second.debit;
            d.storedCredit = s->second.credit;
            return d;
        }
        if (s == stored.end() || p->first < s->first) {
            d.key = p->first;
            d.postedDebit = p->second.debit;
            d.postedCredit = p->second.credit;
            return d;
        }
        if (s->second.debit != p->second.debit || s->second.credit != p->second.credit) {
            d.key = s->first;
            d.storedDebit = s->second.debit;
            d.storedCredit = s->second.credit;
            d.postedDebit = p->second.debit;
            d.postedCredit = p->second.credit;
            return d;
        }
        ++s;
        ++p;
    }
    return std::nullopt;
}

std::optional<Difference> compare(Db &db, bool perParty)
{
    const QString table = perParty ? QStringLiteral("SALDOTERCERO") : QStringLiteral("SALDOCUENTA");
    const QString key = perParty ? PartyKey : AccountKey;
    const int width = perParty ? 7 : 6;
    return firstDifference(
        table,
        classSums(db, QStringLiteral("SELECT %1, Debito, Credito FROM %2").arg(key, table), width),
        classSums(db, sumsFromBooks(db.engine(), perParty), width));
}

std::optional<Difference> compareMonths(Db &db)
{
    return firstDifference(
        MonthTable,
        monthSums(db, QStringLiteral("SELECT %1 FROM %2").arg(monthColumns(), MonthTable)),
        monthSums(db, monthsFrom(sumsFromBooks(db.engine(), false))));
}

} // namespace

std::vector<TableDef> tables()
{
    return {balanceTable(QStringLiteral("SALDOCUENTA"), false),
            balanceTable(QStringLiteral("SALDOTERCERO"), true), monthTable()};
}

QStringList triggerStatements(Engine engine)
{
    return triggers(engine, true);
}

void install(Db &db)
{
    for (const TableDef &table : {balanceTable(QStringLiteral("SALDOCUENTA"), false),
                                  balanceTable(QStringLiteral("SALDOTERCERO"), true)})
        db.execScript(db.dialect().createTable(table));
    db.execScript(triggers(db.engine(), false));
    Transaction tx(db);
    rebuildSums(db);
    tx.commit();
}

void installMonths(Db &db)
{
    db.execScript(createMonthTable(db));
    QStringList statements;
    for (const QString &name : TriggerNames)
        statements << (db.engine() == Engine::Postgres
                           ? QStringLiteral("DROP TRIGGER IF EXISTS %1 ON MOVIMIENTO").arg(name)
                           : QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(name));
    db.execScript(statements + triggerStatements(db.engine()));
    Transaction tx(db);
    rebuildMonths(db);
    tx.commit();
}

void rebuild(Db &db)
{
    Transaction tx(db);
    rebuildSums(db);
    rebuildMonths(db);
    tx.commit();
}

std::optional<Difference> verify(Db &db)
{
    if (auto d = compare(db, false))
        return d;
    if (auto d = compare(db, true))
        return d;
    return compareMonths(db);
}

QString Difference::text() const
{
    return QStringLiteral("%1 %2: el saldo guardado tiene débito %3 y crédito %4; los "
                          "movimientos suman débito %5 y crédito %6")
        .arg(table, key, Money::fromThousandths(storedDebit).toPlainString(),
             Money::fromThousandths(storedCredit).toPlainString(),
             Money::fromThousandths(postedDebit).toPlainString(),
             Money::fromThousandths(postedCredit).toPlainString());
}

} // namespace BalanceStore
