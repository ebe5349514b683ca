// Voucher entry at the keyboard must never wait on the database: the save of one line with
// its cost-centre rows (written, then the grid and totals read back) and the reload of a
// work area of 200 lines, on the embedded database and, when VALDORIA_BENCH_PG names a
// server ("host=/tmp/x port=5433 user=postgres"), on PostgreSQL.
#include "calendar/PeriodMonths.h"
#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "platform/MigrationRunner.h"
#include "schema/LedgerSchema.h"
#include "vouchers/entry/LineEditor.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class YesPrompter : public Prompter
{
public:
    void info(const QString &, const QString &) override {}
    void warning(const QString &text, const QString &) override { qWarning("%s", qPrintable(text)); }
    void error(const QString &text, const QString &) override { qWarning("%s", qPrintable(text)); }
    bool question(const QString &, const QString &, bool) override { return true; }
    std::optional<QString> input(const QString &, const QString &, const QString &, bool) override
    {
        return std::nullopt;
    }
};

void prepare(Db &db)
{
    MigrationRunner(db, LedgerMigrations()).migrate();
    db.exec("INSERT INTO EMPRESA (Codigo, Nombre, Tipo, CodigoMatriz, Mes, Ano, Status) "
            "VALUES ('B01', 'BENCH', 1, 'B01', 12, 2025, 1)");
    QVariantList months{2026};
    for (int m = 1; m <= 12; ++m)
        months << 0;
    db.exec(QString("INSERT INTO PERIODO (Empresa, Matriz, Ano, %1) VALUES ('B01', 'B01', ?, ?, "
                    "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                .arg(PeriodMonths::ColumnList()),
            months);
    db.exec("INSERT INTO USUARIOS (CodUsuario, NombreUsuario, Paswod, Status) "
            "VALUES ('BENCH', 'BENCH', 'x', 1)");
    db.exec("INSERT INTO GRUPOS (CodGrupo, NombreGrupo) VALUES ('BENCH', 'BENCH')");
    db.exec("INSERT INTO USUARIOGRUPO (CodUsuario, CodGrupo) VALUES ('BENCH', 'BENCH')");
    db.exec("INSERT INTO OPCIONESGRUPO (CodGrupo, CodNodo, Opcion) SELECT 'BENCH', "
            "'mnu_registro', CodigoOpcion FROM OPCIONES");
    db.exec("INSERT INTO COMPROBANTE (Codigo, Nombre, Status) VALUES ('B01', 'BENCH', 1)");
    db.exec("INSERT INTO CUENTACONTABLE (Codigo, Nombre, Centrodecosto) VALUES "
            "('610101001', 'SUELDOS', 1), ('110101001', 'BANCO', 0)");
    for (const char *cc : {"ADM", "PRD", "VEN"}) {
        db.exec("INSERT INTO CENTROCOSTO (Codigo, Nombre) VALUES (?, ?)", {cc, cc});
        db.exec("INSERT INTO CUENTACENTROCOSTO (CodigoCuenta, CodigoCentroCosto, Porcentaje) "
                "VALUES ('610101001', ?, ?)",
                {cc, Rate::fromMillionths(33333333).toSql()});
    }
}

struct Bench
{
    std::unique_ptr<Db> db;
    YesPrompter prompter;
    Session session;
    std::unique_ptr<LineEditor> editor;

    explicit Bench(std::unique_ptr<Db> opened)
        : db(std::move(opened))
    {
        prepare(*db);
        session.gConexion = db.get();
        session.prompter = &prompter;
        session.gUsuario = "BENCH";
        session.gEmpresa = session.gMatriz = "B01";
        session.gAno = 2026;
        session.gMes = 7;
        editor = std::make_unique<LineEditor>(
            session, WorkArea::registro("BENCH", "B01", "B01"), "mnu_registro");
        editor->open();
        editor->setVoucherType("B01");
        editor->setDay("15");
    }
    // One line as typed: a cost-centre account, an amount, a description.
    bool saveLine()
    {
        if (!editor->startNew())
            return false;
        editor->setAccount("610101001");
        editor->line().debit = Money::fromCents(1234567);
        editor->line().descripcion = QStringLiteral("LINEA DE PRUEBA");
        const bool written = editor->save().written;
        editor->cancel();
        return written;
    }
};

std::unique_ptr<Db> sqlite(QTemporaryDir &dir)
{
    ConnectionSettings s;
    s.database = dir.filePath("bench.sqlite");
    return Db::open(s);
}

std::unique_ptr<Db> postgres(benchmark::State &state)
{
    const QString server = qEnvironmentVariable("VALDORIA_BENCH_PG");
    if (server.isEmpty()) {
        state.SkipWithError("VALDORIA_BENCH_PG is not set");
        return nullptr;
    }
    ConnectionSettings s = ConnectionSettings::fromKeyValues(server);
    {
        auto admin = Db::open(s);
        admin->exec("DROP DATABASE IF EXISTS valdoria_entry_bench");
        admin->exec("CREATE DATABASE valdoria_entry_bench");
    }
    s.database = "valdoria_entry_bench";
    return Db::open(s);
}

// Saves in a work area that already holds 200 lines (the group written is deleted again
// outside the timing, so every save sees the same area).
void saveLines(benchmark::State &state, std::unique_ptr<Db> db)
{
    if (!db)
        return;
    Bench b(std::move(db));
    while (b.editor->rows().size() < 200)
        b.saveLine();
    for (auto _ : state) {
        if (!b.saveLine()) {
            state.SkipWithError("the line was not saved");
            return;
        }
        state.PauseTiming();
        b.db->exec("DELETE FROM REGISTRO WHERE GrupoLinea = (SELECT MAX(GrupoLinea) FROM REGISTRO)");
        b.editor->reload();
        state.ResumeTiming();
    }
}

void reloadArea(benchmark::State &state, std::unique_ptr<Db> db)
{
    if (!db)
        return;
    Bench b(std::move(db));
    while (b.editor->rows().size() < 200)
        b.saveLine();
    for (auto _ : state) {
        b.editor->reload();
        benchmark::DoNotOptimize(b.editor->totals());
    }
}

// Approval of a 20-line voucher (ten cost-centre lines of three rows is too many: ten lines
// on the bank and ten on the expense without cost centres, as a typical payment voucher).
void approveVouchers(benchmark::State &state, std::unique_ptr<Db> db)
{
    if (!db)
        return;
    Bench b(std::move(db));
    b.db->exec("UPDATE CUENTACONTABLE SET Centrodecosto = 0");
    for (auto _ : state) {
        state.PauseTiming();
        b.editor->setVoucherType("B01");
        b.editor->setDay("15");
        for (int i = 0; i < 20; ++i) {
            b.editor->startNew();
            b.editor->setAccount(i % 2 ? "110101001" : "610101001");
            b.editor->line().debit = i % 2 ? Money() : Money::fromCents(100000 + i);
            b.editor->line().credit = i % 2 ? Money::fromCents(100000 + i - 1) : Money();
            b.editor->save();
            b.editor->cancel();
        }
        state.ResumeTiming();
        if (!b.editor->approve().approved()) {
            state.SkipWithError("the voucher was not approved");
            return;
        }
    }
}

void BM_ApproveSqlite(benchmark::State &state)
{
    QTemporaryDir dir;
    approveVouchers(state, sqlite(dir));
}
void BM_ApprovePostgres(benchmark::State &state) { approveVouchers(state, postgres(state)); }
BENCHMARK(BM_ApproveSqlite)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_ApprovePostgres)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

void BM_SaveLineSqlite(benchmark::State &state)
{
    QTemporaryDir dir;
    saveLines(state, sqlite(dir));
}
void BM_SaveLinePostgres(benchmark::State &state) { saveLines(state, postgres(state)); }
void BM_Reload200Sqlite(benchmark::State &state)
{
    QTemporaryDir dir;
    reloadArea(state, sqlite(dir));
}
void BM_Reload200Postgres(benchmark::State &state) { reloadArea(state, postgres(state)); }

BENCHMARK(BM_SaveLineSqlite)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_SaveLinePostgres)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_Reload200Sqlite)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_Reload200Postgres)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
