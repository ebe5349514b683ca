// Voucher numbers issued per second, each in its own transaction, on the embedded database
// and, when VALDORIA_BENCH_PG names a server ("host=/tmp/x port=5433 user=postgres"), on
// PostgreSQL.
#include "platform/Db.h"
#include "platform/MigrationRunner.h"
#include "platform/Transaction.h"
#include "schema/LedgerSchema.h"
#include "vouchers/VoucherNumbering.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

std::unique_ptr<Db> prepare(const ConnectionSettings &settings)
{
    auto db = Db::open(settings);
    MigrationRunner(*db, LedgerMigrations()).migrate();
    db->exec("INSERT INTO EMPRESA (Codigo, Nombre, Tipo, CodigoMatriz, Mes, Ano, Status) "
             "VALUES ('B01', 'BENCH', 1, 'B01', 12, 2025, 1) ON CONFLICT DO NOTHING");
    db->exec("INSERT INTO COMPROBANTE (Codigo, Nombre, Status) VALUES ('B01', 'BENCH', 1) "
             "ON CONFLICT DO NOTHING");
    return db;
}

void issueNumbers(benchmark::State &state, Db &db)
{
    for (auto _ : state) {
        Transaction tx(db);
        benchmark::DoNotOptimize(
            VoucherNumbering::InicializarComprobante(db, "B01", "B01", "B01", 2026, 7));
        tx.commit();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_NumbersSqlite(benchmark::State &state)
{
    QTemporaryDir dir;
    ConnectionSettings s;
    s.database = dir.filePath("bench.sqlite");
    auto db = prepare(s);
    issueNumbers(state, *db);
}
BENCHMARK(BM_NumbersSqlite)->Unit(benchmark::kMicrosecond)->MinTime(2.0)->UseRealTime();

void BM_NumbersPostgres(benchmark::State &state)
{
    const QString server = qEnvironmentVariable("VALDORIA_BENCH_PG");
    if (server.isEmpty()) {
        state.SkipWithError("VALDORIA_BENCH_PG is not set");
        return;
    }
    ConnectionSettings s = ConnectionSettings::fromKeyValues(server);
    {
        auto admin = Db::open(s);
        admin->exec("DROP DATABASE IF EXISTS valdoria_bench");
        admin->exec("CREATE DATABASE valdoria_bench");
    }
    s.database = "valdoria_bench";
    auto db = prepare(s);
    issueNumbers(state, *db);
}
BENCHMARK(BM_NumbersPostgres)->Unit(benchmark::kMicrosecond)->MinTime(2.0)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
