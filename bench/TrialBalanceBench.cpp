// The trial balance of March and December, every level and the first one, over a year of
// generated books (BooksGenerator) at each size of VALDORIA_BENCH_SIZES (lines, comma
// separated; default 100000,1000000), on the embedded database and, when VALDORIA_BENCH_PG
// names a server ("host=/tmp/x port=5433 user=postgres"), on PostgreSQL.
//
// The books of each size are built once and kept: SQLite files in VALDORIA_BENCH_CACHE
// (default ./bench-books), PostgreSQL databases valdoria_books_<lines>. Reruns skip the
// generation; its time is reported as the counter gen_s_per_100k.
//
//   trial_balance_bench --benchmark_filter=TrialBalance
//   trial_balance_bench --journal 1000000 books.journal   (the same books as a journal)
#include "BooksGenerator.h"

#include "platform/Db.h"
#include "platform/MigrationRunner.h"
#include "reports/TrialBalance.h"
#include "schema/LedgerSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>

namespace {

struct Books
{
    std::unique_ptr<Db> db;
    double generationSeconds = 0;
};

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

// Migrates, generates and records how long the generation took.
double generate(Db &db, qint64 lines)
{
    MigrationRunner(db, LedgerMigrations()).migrate();
    if (db.engine() == Engine::Sqlite)
        db.exec(QStringLiteral("PRAGMA cache_size = -262144"));
    QElapsedTimer timer;
    timer.start();
    BooksGenerator::write(db, lines);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    return seconds;
}

void markDone(Db &db, qint64 lines, double seconds)
{
    db.exec(QStringLiteral("CREATE TABLE BENCH_LIBROS (Lineas BIGINT, Segundos REAL)"));
    db.exec(QStringLiteral("INSERT INTO BENCH_LIBROS VALUES (?, ?)"), {lines, seconds});
    if (db.engine() == Engine::Postgres)
        db.exec(QStringLiteral("VACUUM ANALYZE"));
    else
        db.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
}

// Brings kept books written by an older program to the current schema, as a user's would be.
void upgrade(Db &db, const QString &name)
{
    QElapsedTimer timer;
    timer.start();
    if (MigrationRunner(db, LedgerMigrations()).migrate() == 0)
        return;
    // As a database administrator would after a bulk change.
    if (db.engine() == Engine::Postgres)
        db.exec(QStringLiteral("VACUUM ANALYZE"));
    std::fprintf(stderr, "upgraded %s in %.1f s\n", qPrintable(name),
                 double(timer.nsecsElapsed()) / 1e9);
}

// The books opened so far. Closed before main returns: a connection must not outlive the
// application object.
std::map<std::pair<Engine, qint64>, Books> &openBooks()
{
    static std::map<std::pair<Engine, qint64>, Books> open;
    return open;
}

// Reopens the kept books of `lines`, or builds them.
Books &books(Engine engine, qint64 lines)
{
    Books &b = openBooks()[{engine, lines}];
    if (b.db)
        return b;
    const auto finished = [lines](Db &db) {
        return db.hasTable(QStringLiteral("BENCH_LIBROS")) &&
               db.scalar(QStringLiteral("SELECT Lineas FROM BENCH_LIBROS")).toLongLong() == lines;
    };
    if (engine == Engine::Sqlite) {
        ConnectionSettings s;
        s.database = QStringLiteral("%1/books-%2.sqlite").arg(cacheDir()).arg(lines);
        if (QFile::exists(s.database)) {
            b.db = Db::open(s);
            if (!finished(*b.db)) {
                b.db.reset();
                for (const char *suffix : {"", "-wal", "-shm"})
                    QFile::remove(s.database + QLatin1String(suffix));
            } else {
                upgrade(*b.db, s.database);
            }
        }
        if (!b.db) {
            std::fprintf(stderr, "generating %lld lines into %s\n", lines, qPrintable(s.database));
            b.db = Db::open(s);
            markDone(*b.db, lines, generate(*b.db, lines));
        }
    } else {
        const QString name = QStringLiteral("valdoria_books_%1").arg(lines);
        auto admin = Db::open(postgresServer(QStringLiteral("postgres")));
        if (admin->exists(QStringLiteral("SELECT 1 FROM pg_database WHERE datname = ?"), {name})) {
            b.db = Db::open(postgresServer(name));
            if (!finished(*b.db)) {
                b.db.reset();
                admin->exec(QStringLiteral("DROP DATABASE %1").arg(name));
            } else {
                upgrade(*b.db, name);
            }
        }
        if (!b.db) {
            std::fprintf(stderr, "generating %lld lines into database %s\n", lines,
                         qPrintable(name));
            admin->exec(QStringLiteral("CREATE DATABASE %1").arg(name));
            b.db = Db::open(postgresServer(name));
            markDone(*b.db, lines, generate(*b.db, lines));
        }
    }
    b.generationSeconds =
        b.db->scalar(QStringLiteral("SELECT Segundos FROM BENCH_LIBROS")).toDouble();
    return b;
}

struct Case
{
    int month;
    int level;
    bool consolidated;
};

void trialBalance(benchmark::State &state, Engine engine, qint64 lines, Case c)
{
    Books *b = nullptr;
    try {
        b = &books(engine, lines);
    } catch (const std::exception &e) {
        state.SkipWithError(e.what());
        return;
    }
    TrialBalanceOptions o;
    o.company = o.headOffice = BooksGenerator::HeadOffice;
    o.consolidated = c.consolidated;
    o.month = c.month;
    o.year = BooksGenerator::Year;
    o.level = c.level;
    size_t rows = 0;
    for (auto _ : state) {
        const auto result = TrialBalance::compute(*b->db, o);
        rows = result.size();
        benchmark::DoNotOptimize(result.data());
    }
    state.counters["rows"] = double(rows);
    state.counters["gen_s_per_100k"] = b->generationSeconds * 100'000 / double(lines);
}

// Posting 100,000 lines into fresh books, once.
void generation(benchmark::State &state, Engine engine)
{
    constexpr qint64 Lines = 100'000;
    for (auto _ : state) {
        QTemporaryDir dir;
        std::unique_ptr<Db> db;
        const QString name = QStringLiteral("valdoria_books_gen");
        if (engine == Engine::Sqlite) {
            ConnectionSettings s;
            s.database = dir.filePath(QStringLiteral("gen.sqlite"));
            db = Db::open(s);
        } else {
            auto admin = Db::open(postgresServer(QStringLiteral("postgres")));
            admin->exec(QStringLiteral("DROP DATABASE IF EXISTS %1").arg(name));
            admin->exec(QStringLiteral("CREATE DATABASE %1").arg(name));
            db = Db::open(postgresServer(name));
        }
        state.SetIterationTime(generate(*db, Lines));
        db.reset();
        if (engine == Engine::Postgres)
            Db::open(postgresServer(QStringLiteral("postgres")))
                ->exec(QStringLiteral("DROP DATABASE %1").arg(name));
    }
    state.SetItemsProcessed(state.iterations() * Lines);
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
    for (const auto &[engine, engineName] : engines) {
        benchmark::RegisterBenchmark(
            QStringLiteral("Generate100k/%1").arg(QLatin1String(engineName)).toUtf8().constData(),
            [engine = engine](benchmark::State &s) { generation(s, engine); })
            ->Iterations(1)
            ->UseManualTime()
            ->Unit(benchmark::kSecond);
        for (qint64 lines : sizes())
            for (const Case c :
                 {Case{3, 4, false}, Case{12, 4, false}, Case{3, 1, false}, Case{12, 1, false},
                  Case{3, 4, true}, Case{12, 4, true}, Case{3, 1, true}, Case{12, 1, true}}) {
                const QString name = QStringLiteral("TrialBalance/%1/lines:%2/month:%3/level:%4%5")
                                         .arg(QLatin1String(engineName))
                                         .arg(lines)
                                         .arg(c.month)
                                         .arg(c.level)
                                         .arg(c.consolidated ? "/consolidated" : "");
                benchmark::RegisterBenchmark(name.toUtf8().constData(),
                                             [engine = engine, lines, c](benchmark::State &s) {
                                                 trialBalance(s, engine, lines, c);
                                             })
                    ->Unit(benchmark::kMillisecond)
                    ->UseRealTime();
            }
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--journal") {
        BooksGenerator::writeJournal(QString::fromLocal8Bit(argv[3]),
                                     QByteArray(argv[2]).toLongLong());
        return 0;
    }
    registerAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    openBooks().clear();
    return 0;
}
