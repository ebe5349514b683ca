// The balance sheet, the comparative balance sheet and the income statement of December,
// by sub-account and by group, for the head office and consolidated, over a year of
// generated books (BooksGenerator) at each size of VALDORIA_BENCH_SIZES (lines, comma
// separated; default 100000,1000000), on the embedded database and, when VALDORIA_BENCH_PG
// names a server ("host=/tmp/x port=5433 user=postgres"), on PostgreSQL.
//
// SQLite books are kept in VALDORIA_BENCH_CACHE (default ./bench-books) as the trial
// balance's benchmark keeps them; with VALDORIA_BENCH_BOOKS naming a folder of books kept
// elsewhere, each is copied from there instead of generated, and the original is never
// opened. PostgreSQL books are the databases valdoria_books_<lines>, built when missing.
//
//   financial_statements_bench --benchmark_filter=BalanceSheet
#include "BooksGenerator.h"

#include "platform/Db.h"
#include "platform/MigrationRunner.h"
#include "reports/FinancialStatements.h"
#include "schema/LedgerSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>

namespace {

QString cacheDir()
{
    const QString dir = qEnvironmentVariable("VALDORIA_BENCH_CACHE", QStringLiteral("bench-books"));
    QDir().mkpath(dir);
    return QDir(dir).absolutePath();
}

ConnectionSettings postgresServer(const QString &database)
{
    return ConnectionSettings::fromKeyValues(qEnvironmentVariable("VALDORIA_BENCH_PG"), database);
}

bool finished(Db &db, qint64 lines)
{
    return db.hasTable(QStringLiteral("BENCH_LIBROS")) &&
           db.scalar(QStringLiteral("SELECT Lineas FROM BENCH_LIBROS")).toLongLong() == lines;
}

void build(Db &db, qint64 lines)
{
    std::fprintf(stderr, "generating %lld lines\n", lines);
    MigrationRunner(db, LedgerMigrations()).migrate();
    BooksGenerator::write(db, lines);
    db.exec(QStringLiteral("CREATE TABLE BENCH_LIBROS (Lineas BIGINT, Segundos REAL)"));
    db.exec(QStringLiteral("INSERT INTO BENCH_LIBROS VALUES (?, 0)"), {lines});
    if (db.engine() == Engine::Postgres)
        db.exec(QStringLiteral("VACUUM ANALYZE"));
    else
        db.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
}

Db &books(Engine engine, qint64 lines)
{
    static std::map<std::pair<Engine, qint64>, std::unique_ptr<Db>> open;
    std::unique_ptr<Db> &db = open[{engine, lines}];
    if (db)
        return *db;
    if (engine == Engine::Sqlite) {
        ConnectionSettings s;
        s.database = QStringLiteral("%1/books-%2.sqlite").arg(cacheDir()).arg(lines);
        const QString kept = qEnvironmentVariable("VALDORIA_BENCH_BOOKS");
        const QString original = QStringLiteral("%1/books-%2.sqlite").arg(kept).arg(lines);
        if (!QFile::exists(s.database) && !kept.isEmpty() && QFile::exists(original)) {
            std::fprintf(stderr, "copying %s\n", qPrintable(original));
            QFile::copy(original, s.database);
        }
        db = Db::open(s);
        if (finished(*db, lines)) {
            // Books kept by an older build are brought to the current schema.
            MigrationRunner(*db, LedgerMigrations()).migrate();
        } else {
            db.reset();
            for (const char *suffix : {"", "-wal", "-shm"})
                QFile::remove(s.database + QLatin1String(suffix));
            db = Db::open(s);
            build(*db, lines);
        }
    } else {
        const QString name = QStringLiteral("valdoria_books_%1").arg(lines);
        auto admin = Db::open(postgresServer(QStringLiteral("postgres")));
        if (!admin->exists(QStringLiteral("SELECT 1 FROM pg_database WHERE datname = ?"),
                           {name})) {
            admin->exec(QStringLiteral("CREATE DATABASE %1").arg(name));
            db = Db::open(postgresServer(name));
            build(*db, lines);
        } else {
            db = Db::open(postgresServer(name));
            MigrationRunner(*db, LedgerMigrations()).migrate();
        }
    }
    return *db;
}

enum class Statement { BalanceSheet, Comparative, IncomeStatement };

struct Case
{
    Statement statement;
    int codeLength;
    bool consolidated;
};

void statement(benchmark::State &state, Engine engine, qint64 lines, Case c)
{
    Db *db = nullptr;
    try {
        db = &books(engine, lines);
    } catch (const std::exception &e) {
        state.SkipWithError(e.what());
        return;
    }
    StatementOptions o;
    o.company = o.headOffice = BooksGenerator::HeadOffice;
    o.consolidated = c.consolidated;
    o.month = 12;
    o.year = BooksGenerator::Year;
    o.codeLength = c.codeLength;
    size_t rows = 0;
    for (auto _ : state) {
        switch (c.statement) {
        case Statement::BalanceSheet: {
            const BalanceSheet s = FinancialStatements::balanceSheet(*db, o);
            rows = s.lines.size();
            benchmark::DoNotOptimize(s.result);
            break;
        }
        case Statement::Comparative: {
            const ComparativeBalanceSheet s = FinancialStatements::comparative(*db, o);
            rows = s.lines.size();
            benchmark::DoNotOptimize(s.current.result);
            break;
        }
        case Statement::IncomeStatement: {
            const IncomeStatement s = FinancialStatements::incomeStatement(*db, o);
            rows = s.lines.size();
            benchmark::DoNotOptimize(s.yearClasses);
            break;
        }
        }
    }
    state.counters["rows"] = double(rows);
}

std::vector<qint64> sizes()
{
    std::vector<qint64> found;
    const QString text =
        qEnvironmentVariable("VALDORIA_BENCH_SIZES", QStringLiteral("100000,1000000"));
    for (const QString &part : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        found.push_back(part.trimmed().toLongLong());
    return found;
}

void registerAll()
{
    std::vector<std::pair<Engine, const char *>> engines{{Engine::Sqlite, "Sqlite"}};
    if (!qEnvironmentVariableIsEmpty("VALDORIA_BENCH_PG"))
        engines.push_back({Engine::Postgres, "Postgres"});
    const std::pair<Statement, const char *> statements[] = {
        {Statement::BalanceSheet, "BalanceSheet"},
        {Statement::Comparative, "ComparativeBalanceSheet"},
        {Statement::IncomeStatement, "IncomeStatement"}};
    for (const auto &[engine, engineName] : engines)
        for (qint64 lines : sizes())
            for (const auto &[kind, kindName] : statements)
                for (const int length : {6, 2})
                    for (const bool consolidated : {false, true}) {
                        const Case c{kind, length, consolidated};
                        const QString name = QStringLiteral("%1/%2/lines:%3/month:12/length:%4%5")
                                                 .arg(QLatin1String(kindName),
                                                      QLatin1String(engineName))
                                                 .arg(lines)
                                                 .arg(length)
                                                 .arg(consolidated ? "/consolidated" : "");
                        benchmark::RegisterBenchmark(
                            name.toUtf8().constData(),
                            [engine = engine, lines, c](benchmark::State &s) {
                                statement(s, engine, lines, c);
                            })
                            ->Unit(benchmark::kMillisecond)
                            ->UseRealTime();
                    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    registerAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
