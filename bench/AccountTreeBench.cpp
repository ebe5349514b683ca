// Opening the chart of accounts with 5,000 accounts: the tree model read in one statement,
// and the whole window (tree, form, first account shown), on the embedded database and,
// when VALDORIA_BENCH_PG names a server ("host=/tmp/x port=5433 user=postgres"), on
// PostgreSQL.
#include "common/Session.h"
#include "ledger/accounts/AccountTreeModel.h"
#include "ledger/accounts/ui/frmCuentaContable.h"
#include "platform/Db.h"
#include "platform/MigrationRunner.h"
#include "platform/Transaction.h"
#include "schema/LedgerSchema.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int ChartSize = 5000;

// 6 classes of 5 groups, 5 accounts of each kind below them, and level-5 accounts filling the
// chart up to ChartSize (6 or 5 under each level-4 account): a chart shaped like a real one.
void generateChart(Db &db)
{
    struct Row
    {
        QString code, parent;
        int level;
    };
    std::vector<Row> rows;
    std::vector<QString> level4;
    for (int c = 1; c <= 6; ++c) {
        const QString c1 = QString::number(c);
        rows.push_back({c1, "0", 1});
        for (int g = 1; g <= 5; ++g) {
            const QString c2 = c1 + QString::number(g);
            rows.push_back({c2, c1, 2});
            for (int a = 1; a <= 5; ++a) {
                const QString c3 = c2 + QStringLiteral("%1").arg(a, 2, 10, QLatin1Char('0'));
                rows.push_back({c3, c2, 3});
                for (int s = 1; s <= 5; ++s) {
                    const QString c4 = c3 + QStringLiteral("%1").arg(s, 2, 10, QLatin1Char('0'));
                    rows.push_back({c4, c3, 4});
                    level4.push_back(c4);
                }
            }
        }
    }
    const int leaves = ChartSize - int(rows.size());
    const int extra = leaves - 5 * int(level4.size());
    for (size_t i = 0; i < level4.size(); ++i)
        for (int n = 1; n <= 5 + (int(i) < extra ? 1 : 0); ++n)
            rows.push_back(
                {level4[i] + QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0')), level4[i], 5});

    Transaction tx(db);
    constexpr int perStatement = 80;
    for (size_t first = 0; first < rows.size(); first += perStatement) {
        QStringList tuples;
        QVariantList params;
        for (size_t i = first; i < std::min(rows.size(), first + perStatement); ++i) {
            tuples << QStringLiteral("(?, ?, ?, ?, ?)");
            params << rows[i].code << QStringLiteral("CUENTA ") + rows[i].code << rows[i].parent
                   << rows[i].level << (rows[i].level < 5 ? 1 : 0);
        }
        db.exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre, CodigoPadre, Nivel, EsPadre) VALUES " +
                    tuples.join(','),
                params);
    }
    tx.commit();
}

std::unique_ptr<Db> prepare(ConnectionSettings settings)
{
    if (settings.engine == Engine::Postgres) {
        auto admin = Db::open(settings);
        admin->exec("DROP DATABASE IF EXISTS valdoria_bench_chart");
        admin->exec("CREATE DATABASE valdoria_bench_chart");
        settings.database = "valdoria_bench_chart";
    }
    auto db = Db::open(settings);
    MigrationRunner(*db, LedgerMigrations()).migrate();
    generateChart(*db);
    db->exec(
        "INSERT INTO USUARIOS (CodUsuario, NombreUsuario, Paswod) VALUES ('BENCH', 'BENCH', 'x')");
    db->exec("INSERT INTO USUARIOGRUPO (CodUsuario, CodGrupo) VALUES ('BENCH', 'SISTEMAS')");
    return db;
}

std::optional<ConnectionSettings> postgres()
{
    const QString server = qEnvironmentVariable("VALDORIA_BENCH_PG");
    if (server.isEmpty())
        return std::nullopt;
    return ConnectionSettings::fromKeyValues(server);
}

void loadTree(benchmark::State &state, Db &db)
{
    for (auto _ : state) {
        AccountTreeModel model;
        model.load(db);
        if (model.accountCount() != ChartSize)
            state.SkipWithError("the chart does not have the expected size");
    }
    state.SetItemsProcessed(state.iterations() * ChartSize);
}

void openWindow(benchmark::State &state, Db &db)
{
    Session session;
    session.gConexion = &db;
    session.gUsuario = QStringLiteral("BENCH");
    for (auto _ : state) {
        frmCuentaContable window(session);
        window.show();
        window.selectAccount(QStringLiteral("1101"));
        QApplication::processEvents();
    }
}

template <void (*Run)(benchmark::State &, Db &)> void onSqlite(benchmark::State &state)
{
    QTemporaryDir dir;
    ConnectionSettings s;
    s.database = dir.filePath("bench.sqlite");
    auto db = prepare(s);
    Run(state, *db);
}

template <void (*Run)(benchmark::State &, Db &)> void onPostgres(benchmark::State &state)
{
    const auto server = postgres();
    if (!server) {
        state.SkipWithError("VALDORIA_BENCH_PG is not set");
        return;
    }
    auto db = prepare(*server);
    Run(state, *db);
}

BENCHMARK(onSqlite<loadTree>)
    ->Name("BM_TreeLoadSqlite")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(onPostgres<loadTree>)
    ->Name("BM_TreeLoadPostgres")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(onSqlite<openWindow>)
    ->Name("BM_ChartWindowSqlite")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(onPostgres<openWindow>)
    ->Name("BM_ChartWindowPostgres")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
