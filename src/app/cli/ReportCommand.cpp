#include "app/cli/ReportCommand.h"

#include "app/cli/AuxiliaryBookCommand.h"
#include "app/cli/ExportCommand.h"
#include "app/cli/LedgerBookCommand.h"
#include "app/cli/ReportFile.h"
#include "app/cli/StreamPrompter.h"
#include "common/Session.h"
#include "platform/DataFolder.h"
#include "platform/Db.h"
#include "platform/DbError.h"
#include "platform/report/ReportError.h"
#include "reports/StatementReports.h"
#include "reports/TrialBalanceReport.h"
#include "shell/ServerConfig.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

namespace ReportCommand {

namespace {

// The session the window would run in for `company`: its heading lines and the system's
// report directory, when it holds the layout.
bool fillSession(Session &session, const QString &company, QTextStream &err)
{
    Db &db = session.db();
    const auto rows =
        db.rows(QStringLiteral("SELECT E.Codigo, E.CodigoMatriz, E.Nombre, E.Direccion, E.Ciudad, "
                               "E.Telefono1, M.Nombre FROM EMPRESA E LEFT JOIN EMPRESA M ON "
                               "M.Codigo = E.CodigoMatriz WHERE E.Codigo = ?"),
                {company});
    if (rows.empty()) {
        err << "No existe la empresa " << company << "\n";
        return false;
    }
    const QSqlRecord &r = rows.front();
    session.gEmpresa = r.value(0).toString();
    session.gMatriz = r.value(1).toString();
    session.gNombreEmpresa = r.value(2).toString();
    session.gDireccionEmpresa = r.value(3).toString();
    session.gCiudadEmpresa = r.value(4).toString();
    session.gTelefonoEmpresa = r.value(5).toString();
    session.gNombreMatriz = r.value(6).toString();
    const QString user = qEnvironmentVariable("USER", QStringLiteral("valdoria-cli"));
    session.gUsuario = user.left(20);
    session.gNombreUsuario = user;
    const auto parameters =
        db.rows(QStringLiteral("SELECT RutaReporte, NombreIDEmpresa FROM PARAMETRO"));
    if (!parameters.empty()) {
        session.gNombreIDEmpresa = parameters.front().value(1).toString();
        const QString dir = parameters.front().value(0).toString();
        if (!dir.isEmpty() && QFileInfo::exists(QDir(dir).filePath(TrialBalanceReport::LayoutFile)))
            session.gRutaReporte = dir;
    }
    return true;
}

const QString TrialBalanceName = QStringLiteral("balance-prueba");
const QString BalanceSheetName = QStringLiteral("balance-general");
const QString ComparativeName = QStringLiteral("balance-comparativo");
const QString IncomeStatementName = QStringLiteral("ganancias-perdidas");

} // namespace

std::unique_ptr<QCoreApplication> makeApplication(int &argc, char **argv)
{
    // The options may come before the command, so any argument may name it.
    bool report = false;
    for (int i = 1; i < argc; ++i)
        report = report || QString::fromLocal8Bit(argv[i]) == Command;
    if (report) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

QList<QCommandLineOption> options()
{
    return QList<QCommandLineOption>{
        {"company", "Con report: código de la empresa.", "código"},
        {"consolidated", "Con report: la matriz con todas sus sucursales."},
        {"month", "Con report: mes (1-12).", "mes"},
        {"year", "Con report: año.", "año"},
        {"level", "Con report: nivel de detalle 1-4 (4 por omisión).", "nivel"},
        {"from", "Con report: cuenta inicial del rango.", "cuenta"},
        {"to", "Con report: cuenta final del rango.", "cuenta"},
        {"all", "Con report: también las cuentas sin saldo ni movimiento."},
        {"before-closing", "Con report ganancias-perdidas: el mes junto al ejercicio, en el mes "
                           "de cierre ya cerrado."},
        {"pdf", "Con report: escribe el reporte en este PDF.", "archivo"},
        {"csv", "Con report: escribe las filas del reporte en este CSV.", "archivo"},
        {"party-from",
         "Con report libro-auxiliar, saldos-terceros o exportar-auxiliar: tercero inicial.",
         "tercero"},
        {"party-to",
         "Con report libro-auxiliar, saldos-terceros o exportar-auxiliar: tercero final.",
         "tercero"},
           } +
           LedgerBookCommand::options() + ExportCommand::options();
}

std::optional<Request> parse(const QCommandLineParser &p, QTextStream &err)
{
    Request r;
    const QStringList args = p.positionalArguments();
    r.report = args.value(1);
    if (args.size() > 2) {
        err << "Sobra: " << args.mid(2).join(QLatin1Char(' ')) << "\n";
        return std::nullopt;
    }
    QStringList reports{TrialBalanceName, BalanceSheetName, ComparativeName, IncomeStatementName};
    reports << AuxiliaryBookCommand::BookName << AuxiliaryBookCommand::PartyBalancesName;
    if (!reports.contains(r.report)) {
        // The journal, the general ledger and the export have their own parsers, but the
        // user is told of every report there is.
        const QStringList all = reports + QStringList{LedgerBookCommand::JournalName,
                                                      LedgerBookCommand::LedgerName,
                                                      ExportCommand::Name};
        err << "Reporte desconocido: " << r.report << " (reportes: "
            << all.join(QStringLiteral(", ")) << ")\n";
        return std::nullopt;
    }
    const bool statement =
        r.report != TrialBalanceName && !AuxiliaryBookCommand::handles(r.report);
    r.beforeClosing = p.isSet("before-closing");
    if (AuxiliaryBookCommand::handles(r.report) && !AuxiliaryBookCommand::parse(p, r, err))
        return std::nullopt;
    bool levelOk = true;
    if (!readMonthRequest(p, r, levelOk, err))
        return std::nullopt;
    if (statement && !p.isSet("level"))
        r.level = 2;
    if (statement && (!levelOk || r.level < 1 || r.level > 3)) {
        err << "El nivel debe ser 1 (grupo), 2 (cuenta) o 3 (subcuenta) (--level)\n";
        return std::nullopt;
    }
    if (!levelOk || r.level < 1 || r.level > 4) {
        err << "El nivel debe ser 1, 2, 3 o 4 (--level)\n";
        return std::nullopt;
    }
    if (statement && (!r.from.isEmpty() || !r.to.isEmpty())) {
        err << "Los estados financieros no toman un rango de cuentas (--from, --to)\n";
        return std::nullopt;
    }
    if (r.beforeClosing && r.report != IncomeStatementName) {
        err << "--before-closing es solo para ganancias-perdidas\n";
        return std::nullopt;
    }
    return r;
}

bool readMonthRequest(const QCommandLineParser &p, MonthRequest &r, bool &levelOk,
                      QTextStream &err)
{
    bool monthOk = false, yearOk = false;
    levelOk = true;
    r.company = p.value("company");
    r.consolidated = p.isSet("consolidated");
    r.month = p.value("month").toInt(&monthOk);
    r.year = p.value("year").toInt(&yearOk);
    if (p.isSet("level"))
        r.level = p.value("level").toInt(&levelOk);
    r.from = p.value("from");
    r.to = p.value("to");
    r.all = p.isSet("all");
    r.pdf = p.value("pdf");
    r.csv = p.value("csv");
    if (r.company.isEmpty()) {
        err << "Falta --company\n";
        return false;
    }
    if (!monthOk || r.month < 1 || r.month > 12) {
        err << "El mes debe ser un número de 1 a 12 (--month)\n";
        return false;
    }
    if (!yearOk || r.year < 1) {
        err << "¡Debe seleccionar un año! (--year)\n";
        return false;
    }
    if (r.from.isEmpty() != r.to.isEmpty()) {
        err << "El rango de cuentas necesita --from y --to\n";
        return false;
    }
    if (r.pdf.isEmpty() == r.csv.isEmpty()) {
        err << "Indique --pdf o --csv\n";
        return false;
    }
    return true;
}

int Run(Db &db, const Request &request, QTextStream &out, QTextStream &err)
{
    StreamPrompter prompter(err);
    Session session;
    session.gConexion = &db;
    session.prompter = &prompter;
    session.gVersionSQL = request.sqlVersion;
    try {
        if (const int refused =
                openReportSession(session, request.company, request.consolidated, err))
            return refused;
        ReportFile::KeptReport kept;
        ReportOutcome outcome;
        int columns = 0;
        QStringList amounts;
        if (request.report == TrialBalanceName) {
            TrialBalanceOptions options =
                TrialBalanceReport::optionsFor(session, request.month, request.year);
            options.consolidated = request.consolidated;
            options.level = request.level;
            options.from = request.from;
            options.to = request.to;
            options.showAll = request.all;
            outcome = TrialBalanceReport::run(session, kept, options);
            columns = TrialBalanceReport::rowColumnCount();
            amounts = QStringList{QStringLiteral("SaldoInicial"), QStringLiteral("valordebito"),
                                  QStringLiteral("valorcredito"), QStringLiteral("NuevoSaldo")};
        } else if (AuxiliaryBookCommand::handles(request.report)) {
            outcome = AuxiliaryBookCommand::run(session, kept, request, columns, amounts);
        } else {
            StatementOptions options =
                StatementReport::optionsFor(session, request.month, request.year);
            options.consolidated = request.consolidated;
            options.codeLength = StatementReport::codeLengthOf(request.level);
            options.showAll = request.all;
            options.beforeClosing = request.beforeClosing;
            if (request.report == BalanceSheetName) {
                outcome = BalanceSheetReport::run(session, kept, options);
                columns = BalanceSheetReport::rowColumnCount();
                amounts = BalanceSheetReport::amountColumns();
            } else if (request.report == ComparativeName) {
                outcome = ComparativeBalanceSheetReport::run(session, kept, options);
                columns = ComparativeBalanceSheetReport::rowColumnCount();
                amounts = ComparativeBalanceSheetReport::amountColumns();
            } else {
                outcome = IncomeStatementReport::run(session, kept, options);
                columns = IncomeStatementReport::rowColumnCount();
                amounts = IncomeStatementReport::amountColumns();
            }
        }
        return ReportFile::finish(kept, outcome, request.pdf, request.csv,
                                  {columns, {}, amounts}, out);
    } catch (const DbError &e) {
        err << e.userText() << "\n";
        return 1;
    } catch (const ReportError &e) {
        err << e.message() << "\n";
        return 1;
    }
}

int Run(const ConnectionSettings &settings, const QCommandLineParser &parser, QTextStream &out,
        QTextStream &err)
{
    const QString report = parser.positionalArguments().value(1);
    if (LedgerBookCommand::handles(report))
        return LedgerBookCommand::Run(settings, parser, out, err);
    if (report == ExportCommand::Name)
        return ExportCommand::Run(settings, parser, out, err);
    auto request = parse(parser, err);
    if (!request)
        return 2;
    request->sqlVersion = sqlVersionFor(parser, request->sqlVersion);
    try {
        auto db = Db::open(settings);
        return Run(*db, *request, out, err);
    } catch (const DbError &e) {
        err << e.userText() << "\n";
        return 1;
    }
}

bool openSession(Session &session, const QString &company, QTextStream &err)
{
    return fillSession(session, company, err);
}

int openReportSession(Session &session, const QString &company, bool consolidated,
                      QTextStream &err)
{
    if (!fillSession(session, company, err))
        return 2;
    if (consolidated && !TrialBalanceReport::consolidationAllowed(session)) {
        err << "Solo una matriz consolida sus sucursales: " << company << "\n";
        return 2;
    }
    return 0;
}

QString sqlVersionFor(const QCommandLineParser &p, const QString &fallback)
{
    const bool named = p.isSet("sqlite") || p.isSet("pg-host") || p.isSet("pg-port") ||
                       p.isSet("pg-user") || p.isSet("pg-sslmode") || p.isSet("database");
    if (named)
        return fallback;
    const QString path =
        p.isSet("config") ? p.value("config") : DataFolder::file(ServerConfig::FileName);
    if (const auto config = ServerConfig::read(path))
        return config->sqlVersion;
    return fallback;
}

} // namespace ReportCommand
