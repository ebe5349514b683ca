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
    parts.voucherClass = QStringLiteral("CASE %1TipoComprobante WHEN '%2' THEN %3 WHEN '%4' "
                                        "THEN %5 ELSE %6 END")
                             .arg(p, OpeningVoucherType)
                             .arg(int(VoucherClass::Opening))
                             .arg(ClosingVoucherType)
                             .arg(int(VoucherClass::Closing))
                             .arg(int(VoucherClass::Ordinary));
    return parts;
}

// SELECT list of a balance key over the lines of `source`, in the key's column order.
QString keyColumns(const LineParts &parts, bool perParty)
{
    return QStringLiteral("Empresa, Matriz, %1, %2, %3, Cuenta%4")
        .arg(parts.year, parts.month, parts.voucherClass,
             perParty ? QStringLiteral(", Tercero") : QString());
}

QString sumsFromBooks(Engine engine, bool perParty)
{
    const QString key = keyColumns(partsOf(engine, {}), perParty);
    return QStringLiteral("SELECT %1, SUM(ValorDebito), SUM(ValorCredito) FROM MOVIMIENTO "
                          "GROUP BY %1")
        .arg(key);
}

QStringList sqliteTriggers()
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
    const QString added = add(QStringLiteral("NEW"), false) + add(QStringLiteral("NEW"), true);
    const QString removed = subtract(false) + subtract(true);
    statements << QStringLiteral("CREATE TRIGGER TR_MOVIMIENTO_SALDOS_AI AFTER INSERT ON "
                                 "MOVIMIENTO BEGIN %1 END")
                      .arg(added)
               << QStringLiteral("CREATE TRIGGER TR_MOVIMIENTO_SALDOS_AD AFTER DELETE ON "
                                 "MOVIMIENTO BEGIN %1 END")
                      .arg(removed)
               << QStringLiteral("CREATE TRIGGER TR_MOVIMIENTO_SALDOS_AU AFTER UPDATE OF "
                                 "Empresa, Matriz, Cuenta, Fecha, TipoComprobante, Tercero, "
                                 "ValorDebito, ValorCredito ON MOVIMIENTO BEGIN %1 %2 END")
                      .arg(removed, added);
    return statements;
}

// PostgreSQL adds up each statement's rows at once (transition tables) and touches the
// balance rows in key order, so two workstations posting at the same moment wait for each
// other instead of deadlocking.
QStringList postgresTriggers()
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
    const QString columns =
        QStringLiteral("Empresa, Matriz, Cuenta, Tercero, Fecha, TipoComprobante");
    const QString fromNew =
        QStringLiteral("SELECT %1, ValorDebito, ValorCredito FROM nuevas").arg(columns);
    const QString fromOld =
        QStringLiteral("SELECT %1, -ValorDebito AS ValorDebito, -ValorCredito AS ValorCredito "
                       "FROM viejas")
            .arg(columns);
    const QString both = fromNew + QStringLiteral(" UNION ALL ") + fromOld;
    const QString body =
        QStringLiteral("BEGIN IF TG_OP = 'INSERT' THEN %1 %2 ELSIF TG_OP = 'DELETE' THEN %3 %4 "
                       "ELSE %5 %6 END IF; RETURN NULL; END")
            .arg(upsert(fromNew, false), upsert(fromNew, true), upsert(fromOld, false),
                 upsert(fromOld, true), upsert(both, false), upsert(both, true));
    return {
        QStringLiteral("CREATE OR REPLACE FUNCTION valdoria_saldos_movimiento() RETURNS trigger "
                       "LANGUAGE plpgsql AS $$ %1 $$")
            .arg(body),
        QStringLiteral("CREATE TRIGGER TR_MOVIMIENTO_SALDOS_AI AFTER INSERT ON MOVIMIENTO "
                       "REFERENCING NEW TABLE AS nuevas FOR EACH STATEMENT "
                       "EXECUTE FUNCTION valdoria_saldos_movimiento()"),
        QStringLiteral("CREATE TRIGGER TR_MOVIMIENTO_SALDOS_AD AFTER DELETE ON MOVIMIENTO "
                       "REFERENCING OLD TABLE AS viejas FOR EACH STATEMENT "
                       "EXECUTE FUNCTION valdoria_saldos_movimiento()"),
        QStringLiteral("CREATE TRIGGER TR_MOVIMIENTO_SALDOS_AU AFTER UPDATE ON MOVIMIENTO "
                       "REFERENCING OLD TABLE AS viejas NEW TABLE AS nuevas FOR EACH STATEMENT "
                       "EXECUTE FUNCTION valdoria_saldos_movimiento()"),
    };
}

struct Sums
{
    qint64 debit = 0;
    qint64 credit = 0;
};

// Every non-zero row of `sql` (key columns, then debit and credit), by its key in words.
std::map<QString, Sums> readSums(Db &db, const QString &sql, int keyColumns)
{
    std::map<QString, Sums> sums;
    for (const QSqlRecord &r : db.rows(sql)) {
        const Sums s{Money::fromSql(r.value(keyColumns)).thousandths(),
                     Money::fromSql(r.value(keyColumns + 1)).thousandths()};
        if (s.debit == 0 && s.credit == 0)
            continue; // a balance row left at zero by deletions is as good as none
        QStringList key;
        key << r.value(0).toString() << r.value(1).toString() << r.value(5).toString();
        if (keyColumns > 6)
            key << r.value(6).toString();
        const QString when = QStringLiteral("%1-%2 clase %3")
                                 .arg(r.value(2).toInt())
                                 .arg(r.value(3).toInt(), 2, 10, QLatin1Char('0'))
                                 .arg(r.value(4).toInt());
        sums[key.join(QLatin1Char('/')) + QLatin1Char(' ') + when] = s;
    }
    return sums;
}

std::optional<Difference> compare(Db &db, bool perParty)
{
    const QString table = perParty ? QStringLiteral("SALDOTERCERO") : QStringLiteral("SALDOCUENTA");
    const QString key = perParty ? PartyKey : AccountKey;
    const int width = perParty ? 7 : 6;
    const auto stored =
        readSums(db, QStringLiteral("SELECT %1, Debito, Credito FROM %2").arg(key, table), width);
    const auto posted = readSums(db, sumsFromBooks(db.engine(), perParty), width);
    auto s = stored.begin();
    auto p = posted.begin();
    while (s != stored.end() || p != posted.end()) {
        Difference d{table};
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

} // namespace

std::vector<TableDef> tables()
{
    return {balanceTable(QStringLiteral("SALDOCUENTA"), false),
            balanceTable(QStringLiteral("SALDOTERCERO"), true)};
}

QStringList triggerStatements(Engine engine)
{
    return engine == Engine::Postgres ? postgresTriggers() : sqliteTriggers();
}

void install(Db &db)
{
    for (const TableDef &table : tables())
        db.execScript(db.dialect().createTable(table));
    db.execScript(triggerStatements(db.engine()));
    rebuild(db);
}

void rebuild(Db &db)
{
    Transaction tx(db);
    db.exec(QStringLiteral("DELETE FROM SALDOCUENTA"));
    db.exec(QStringLiteral("DELETE FROM SALDOTERCERO"));
    db.exec(QStringLiteral("INSERT INTO SALDOCUENTA (%1, Debito, Credito) %2")
                .arg(AccountKey, sumsFromBooks(db.engine(), false)));
    db.exec(QStringLiteral("INSERT INTO SALDOTERCERO (%1, Debito, Credito) %2")
                .arg(PartyKey, sumsFromBooks(db.engine(), true)));
    tx.commit();
}

std::optional<Difference> verify(Db &db)
{
    if (auto d = compare(db, false))
        return d;
    return compare(db, true);
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
