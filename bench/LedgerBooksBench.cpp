// The journal of December (per voucher type, and per type and account), the general ledger
// of December at the detail level, and the detailed auxiliary book of the last quarter
// written to a workbook, for the head office and consolidated, over generated books
// (BooksGenerator) at each size of VALDORIA_BENCH_SIZES (default 100000,1000000), on the
// embedded database and, when VALDORIA_BENCH_PG names a server, on PostgreSQL. Books are
// kept and found as financial_statements_bench keeps them (VALDORIA_BENCH_CACHE,
// VALDORIA_BENCH_BOOKS).
//
//   ledger_books_bench --benchmark_filter=Journal
#include "BooksGenerator.h"

#include "common/Session.h"
#include "platform/Db.h"
#include "platform/MigrationRunner.h"
#include "reports/AuxiliaryBookExport.h"
#include "reports/GeneralLedgerReport.h"
#include "reports/JournalReport.h"
#include "reports/TrialBalanceReport.h"
#include "schema/LedgerSchema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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

// The connections stay open across benchmarks and are closed before the application goes:
// a connection outliving it crashes on the way out.
std::map<std::pair<Engine, qint64>, std::unique_ptr<Db>> &openBooks()
{
    static std::map<std::pair<Engine, qint64>, std::unique_ptr<Db>> open;
    return open;
}

Db &books(Engine engine, qint64 lines)
{
    std::unique_ptr<Db> &db = openBooks()[{engine, lines}];
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
        if (!admin->exists(QStringLiteral("SELECT 1 FROM pg_database WHERE datname = ?"), {name})) {
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

enum class Book { Journal, JournalDetail, GeneralLedger, Export };

void book(benchmark::State &state, Engine engine, qint64 lines, Book kind, bool consolidated)
{
    Db *db = nullptr;
    try {
        db = &books(engine, lines);
    } catch (const std::exception &e) {
        state.SkipWithError(e.what());
        return;
    }
    Session session;
    session.gConexion = db;
    session.gEmpresa = session.gMatriz = BooksGenerator::HeadOffice;
    QTemporaryDir dir;
    int run = 0;
    qint64 rows = 0;
    for (auto _ : state) {
        switch (kind) {
        case Book::Journal:
        case Book::JournalDetail: {
            JournalOptions o = JournalReport::optionsFor(session, 12, BooksGenerator::Year);
            o.consolidated = consolidated;
            o.detail = kind == Book::JournalDetail;
            rows = JournalReport::rows(session, o).rowCount();
            break;
        }
        case Book::GeneralLedger: {
            TrialBalanceOptions o =
                TrialBalanceReport::optionsFor(session, 12, BooksGenerator::Year);
            o.consolidated = consolidated;
            rows = GeneralLedgerReport::rows(session, o).rowCount();
            break;
        }
        case Book::Export: {
            AuxiliaryExportOptions o;
            o.company = o.headOffice = BooksGenerator::HeadOffice;
            o.consolidated = consolidated;
            o.firstMonth = 10;
            o.lastMonth = 12;
            o.year = BooksGenerator::Year;
            rows = AuxiliaryBookExport::write(
                *db, o, dir.filePath(QString::number(++run) + QStringLiteral(".xlsx")));
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
    const std::pair<Book, const char *> kinds[] = {{Book::Journal, "Journal"},
                                                   {Book::JournalDetail, "JournalDetail"},
                                                   {Book::GeneralLedger, "GeneralLedger"},
                                                   {Book::Export, "AuxiliaryExport"}};
    for (const auto &[engine, engineName] : engines)
        for (qint64 lines : sizes())
            for (const auto &[kind, kindName] : kinds)
                for (const bool consolidated : {false, true}) {
                    const QString name =
                        QStringLiteral("%1/%2/lines:%3%4")
                            .arg(QLatin1String(kindName), QLatin1String(engineName))
                            .arg(lines)
                            .arg(consolidated ? "/consolidated" : "");
                    benchmark::RegisterBenchmark(
                        name.toUtf8().constData(),
                        [engine = engine, lines, kind = kind, consolidated](benchmark::State &s) {
                            book(s, engine, lines, kind, consolidated);
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
    openBooks().clear();
    return 0;
}
