// The auxiliary book of one month of 100,000 lines laid out to PDF, on the embedded database
// and, when VALDORIA_BENCH_PG names a server ("host=/tmp/x port=5433 user=postgres"), on
// PostgreSQL. The books: a year of generated books (BooksGenerator, 20,000 lines) to open from,
// then 100,000 lines in March of the head office over 400 accounts, a quarter of them on four
// accounts of customers and suppliers with 1,500 third parties.
// They are built once and kept: a SQLite file in VALDORIA_BENCH_CACHE (default
// ./bench-books), the PostgreSQL database valdoria_aux_books.
//
// Each phase is timed on its own (the engine, the report rows, the layout, the PDF of a book
// laid out beforehand) and the whole run as the window makes it.
//
//   auxiliary_book_bench --benchmark_filter=Sqlite
#include "BooksGenerator.h"

#include "common/Session.h"
#include "common/report/ReportOutput.h"
#include "platform/Db.h"
#include "platform/MigrationRunner.h"
#include "platform/memory/LargePages.h"
#include "platform/Transaction.h"
#include "platform/report/PdfExport.h"
#include "platform/report/ReportDocument.h"
#include "reports/AuxiliaryBook.h"
#include "reports/AuxiliaryBookReport.h"
#include "schema/LedgerSchema.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>

namespace {

constexpr qint64 MonthLines = 100'000;
constexpr int Parties = 1'500;
constexpr int Accounts = 400;
constexpr int PartyAccounts = 4;
const QString Marker = QStringLiteral("BENCH_AUXILIAR_2");

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

// March's lines: vouchers of four lines, two debits and two credits of the same amount, on
// accounts and third parties spread over the chart and the register.
void writeMonth(Db &db)
{
    Transaction tx(db);
    for (int p = 1; p <= Parties; ++p)
        db.exec(QStringLiteral("INSERT INTO TERCERO (Codigo, Nombre) VALUES (?, ?)"),
                {QStringLiteral("J-%1").arg(p, 8, 10, QLatin1Char('0')),
                 QStringLiteral("Proveedor y cliente número %1, C.A.").arg(p)});
    const std::vector<int> &details = BooksGenerator::detailAccounts();
    constexpr int Batch = 200;
    QStringList values;
    for (int i = 0; i < Batch; ++i)
        values << QStringLiteral("(?, ?, '001', ?, 'BENCH', ?, ?, ?, ?, ?, ?, ?, ?)");
    const QString insert = QStringLiteral(
        "INSERT INTO MOVIMIENTO (Empresa, Matriz, TipoComprobante, NumeroComprobante, Usuario, "
        "Linea, Cuenta, Fecha, Tercero, Descripcion, Documento, ValorDebito, ValorCredito) "
        "VALUES %1");
    QSqlQuery q(db.handle());
    if (!q.prepare(insert.arg(values.join(QLatin1Char(',')))))
        throw std::runtime_error("prepare");
    quint64 seed = 20250315;
    int bound = 0;
    const QVariant company(BooksGenerator::HeadOffice);
    for (qint64 n = 0; n < MonthLines; ++n) {
        if (n % 4 == 0)
            seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
        const qint64 voucher = n / 4 + 1;
        const qlonglong amount = qlonglong((seed >> 33) % 5'000'000) * 10 + 10;
        const quint64 pick = seed * (quint64(n % 4) + 7) >> 20;
        // A quarter of the lines fall on the four accounts of customers and suppliers, each
        // with a third party; the rest on accounts that take none.
        const bool withParty = (pick >> 40) % 4 == 0;
        const QString account =
            BooksGenerator::chart()[size_t(details[size_t(withParty ? pick % PartyAccounts
                                                                    : pick % Accounts)])]
                .code;
        const QString party = withParty
                                  ? QStringLiteral("J-%1").arg(int((pick >> 12) % Parties) + 1, 8,
                                                               10, QLatin1Char('0'))
                                  : QStringLiteral("*");
        const bool debit = n % 4 < 2;
        for (const QVariant &v :
             {company, company, QVariant(QString::number(voucher + 10'000)),
              QVariant(int(n % 4) + 1), QVariant(account),
              QVariant(QDate(BooksGenerator::Year, 3, int(voucher % 31) + 1)), QVariant(party),
              QVariant(QStringLiteral("Factura %1 de mercancía según pedido").arg(voucher)),
              QVariant(QString::number(100'000 + voucher)), QVariant(debit ? amount : 0),
              QVariant(debit ? 0 : amount)})
            q.bindValue(bound++, v);
        if (bound == Batch * 11) {
            if (!q.exec())
                throw std::runtime_error(q.lastError().text().toStdString());
            bound = 0;
        }
    }
    tx.commit();
}

// The books opened so far. Closed before main returns: a connection must not outlive the
// application object.
std::map<Engine, std::unique_ptr<Db>> &openBooks()
{
    static std::map<Engine, std::unique_ptr<Db>> open;
    return open;
}

Db &books(Engine engine)
{
    std::unique_ptr<Db> &db = openBooks()[engine];
    if (db)
        return *db;
    const auto finished = [](Db &d) { return d.hasTable(Marker); };
    const auto build = [](Db &d) {
        std::fprintf(stderr, "generating the auxiliary book's month\n");
        MigrationRunner(d, LedgerMigrations()).migrate();
        BooksGenerator::write(d, 20'000);
        writeMonth(d);
        d.exec(QStringLiteral("CREATE TABLE %1 (Lineas BIGINT)").arg(Marker));
        if (d.engine() == Engine::Postgres)
            d.exec(QStringLiteral("VACUUM ANALYZE"));
    };
    if (engine == Engine::Sqlite) {
        ConnectionSettings s;
        s.database = QStringLiteral("%1/auxiliary-book.sqlite").arg(cacheDir());
        db = Db::open(s);
        if (!finished(*db)) {
            db.reset();
            QFile::remove(s.database);
            db = Db::open(s);
            build(*db);
        }
    } else {
        const QString name = QStringLiteral("valdoria_aux_books");
        auto admin = Db::open(postgresServer(QStringLiteral("postgres")));
        if (admin->exists(QStringLiteral("SELECT 1 FROM pg_database WHERE datname = ?"), {name})) {
            db = Db::open(postgresServer(name));
            if (!finished(*db)) {
                db.reset();
                admin->exec(QStringLiteral("DROP DATABASE %1").arg(name));
            }
        }
        if (!db) {
            admin->exec(QStringLiteral("CREATE DATABASE %1").arg(name));
            db = Db::open(postgresServer(name));
            build(*db);
        }
    }
    MigrationRunner(*db, LedgerMigrations()).migrate();
    return *db;
}

class KeptReport : public ReportOutput
{
public:
    std::shared_ptr<const ReportDocument> document;
    bool printerAvailable() override { return true; }
    void preview(std::shared_ptr<const ReportDocument> d, const QString &, int,
                 const QString &) override
    {
        document = std::move(d);
    }
    void print(std::shared_ptr<const ReportDocument> d, const QString &) override
    {
        document = std::move(d);
    }
};

Session sessionOn(Db &db)
{
    Session s;
    s.gConexion = &db;
    s.gUsuario = QStringLiteral("BENCH");
    s.gNombreUsuario = QStringLiteral("Banco de pruebas");
    s.gEmpresa = s.gMatriz = BooksGenerator::HeadOffice;
    s.gNombreEmpresa = s.gNombreMatriz = QStringLiteral("LIBROS DE PRUEBA");
    s.gNombreIDEmpresa = QStringLiteral("RIF");
    s.gMes = 3;
    s.gAno = BooksGenerator::Year;
    return s;
}

AuxiliaryBookOptions march(const Session &s)
{
    return AuxiliaryBookReport::optionsFor(s, 3, 3, BooksGenerator::Year);
}

enum class Phase { Engine, Rows, Preview, Pdf, Whole };

void run(benchmark::State &state, Engine engine, Phase phase)
{
    Db *db = nullptr;
    try {
        db = &books(engine);
    } catch (const std::exception &e) {
        state.SkipWithError(e.what());
        return;
    }
    Session session = sessionOn(*db);
    const AuxiliaryBookOptions options = march(session);
    QTemporaryDir dir;
    size_t lines = 0;
    int pages = 0;
    std::shared_ptr<const ReportDocument> laidOut;
    // VALDORIA_BENCH_PDF keeps the export alone's file where it can be looked at.
    const QString pdfPath =
        qEnvironmentVariable("VALDORIA_BENCH_PDF", dir.filePath(QStringLiteral("auxiliar.pdf")));
    for (auto _ : state) {
        switch (phase) {
        case Phase::Engine:
            lines = AuxiliaryBook::compute(*db, options).lineCount();
            break;
        case Phase::Rows:
            lines = size_t(AuxiliaryBookReport::rows(session, options).rowCount());
            break;
        case Phase::Preview: {
            // What the print button does before the preview shows: rows and pages.
            KeptReport output;
            AuxiliaryBookReport::run(session, output, AuxiliaryBookReport::Kind::Monthly, options);
            pages = output.document->pageCount();
            lines = size_t(output.document->data().rowCount());
            break;
        }
        case Phase::Pdf: {
            // The export alone, of a book laid out beforehand.
            state.PauseTiming();
            KeptReport output;
            AuxiliaryBookReport::run(session, output, AuxiliaryBookReport::Kind::Monthly, options);
            pages = output.document->pageCount();
            lines = size_t(output.document->data().rowCount());
            laidOut = output.document; // its pages are freed outside the timing
            state.ResumeTiming();
            PdfExport::write(*laidOut, pdfPath);
            break;
        }
        case Phase::Whole: {
            // As the print button does it, then the preview's export to PDF.
            KeptReport output;
            AuxiliaryBookReport::run(session, output, AuxiliaryBookReport::Kind::Monthly, options);
            PdfExport::write(*output.document, dir.filePath(QStringLiteral("auxiliar.pdf")));
            pages = output.document->pageCount();
            lines = size_t(output.document->data().rowCount());
            break;
        }
        }
    }
    state.counters["rows"] = double(lines);
    if (pages)
        state.counters["pages"] = pages;
}

void registerAll()
{
    std::vector<std::pair<Engine, const char *>> engines{{Engine::Sqlite, "Sqlite"}};
    if (!qEnvironmentVariableIsEmpty("VALDORIA_BENCH_PG"))
        engines.push_back({Engine::Postgres, "Postgres"});
    for (const auto &[engine, engineName] : engines)
        for (const auto &[phase, phaseName] :
             {std::pair{Phase::Engine, "Engine"}, std::pair{Phase::Rows, "Rows"},
              std::pair{Phase::Preview, "Preview"}, std::pair{Phase::Pdf, "Pdf"},
              std::pair{Phase::Whole, "ToPdf"}}) {
            const QString name = QStringLiteral("AuxiliaryBook/%1/%2/lines:100000")
                                     .arg(QLatin1String(engineName), QLatin1String(phaseName));
            benchmark::RegisterBenchmark(
                name.toUtf8().constData(),
                [engine = engine, phase = phase](benchmark::State &s) { run(s, engine, phase); })
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime()
                ->Iterations(phase == Phase::Engine || phase == Phase::Rows ? 5 : 1);
        }
}

} // namespace

int main(int argc, char **argv)
{
    // As the programs do (VALDORIA_BENCH_SMALL_PAGES=1 to see the difference).
    if (!qEnvironmentVariableIsSet("VALDORIA_BENCH_SMALL_PAGES"))
        UseLargeMemoryPages();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    registerAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    openBooks().clear();
    return 0;
}
