#include "app/cli/LedgerBookCommand.h"

#include "app/cli/ReportCommand.h"
#include "app/cli/ReportFile.h"
#include "app/cli/StreamPrompter.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "platform/DbError.h"
#include "platform/report/ReportError.h"
#include "reports/GeneralLedgerReport.h"
#include "reports/JournalReport.h"
#include "reports/TrialBalanceReport.h"

#include <QCommandLineParser>

namespace LedgerBookCommand {

bool handles(const QString &report)
{
    return report == JournalName || report == LedgerName;
}

QList<QCommandLineOption> options()
{
    return {{"detail", "Con report libro-diario: una fila por tipo de comprobante y cuenta."}};
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
    const bool journal = r.report == JournalName;
    r.detail = p.isSet("detail");
    bool levelOk = true;
    if (!ReportCommand::readMonthRequest(p, r, levelOk, err))
        return std::nullopt;
    if (journal && (p.isSet("level") || p.isSet("from") || p.isSet("to") || p.isSet("all"))) {
        err << "El libro diario no toma nivel, rango ni --all\n";
        return std::nullopt;
    }
    if (!journal && r.detail) {
        err << "--detail es solo para libro-diario\n";
        return std::nullopt;
    }
    if (!levelOk || r.level < 1 || r.level > 4) {
        err << "El nivel debe ser 1, 2, 3 o 4 (--level)\n";
        return std::nullopt;
    }
    return r;
}

int Run(Db &db, const Request &request, QTextStream &out, QTextStream &err)
{
    StreamPrompter prompter(err);
    Session session;
    session.gConexion = &db;
    session.prompter = &prompter;
    session.gVersionSQL = request.sqlVersion;
    try {
        if (const int refused = ReportCommand::openReportSession(session, request.company,
                                                                 request.consolidated, err))
            return refused;
        ReportFile::KeptReport kept;
        ReportOutcome outcome;
        QStringList columns, amounts;
        if (request.report == JournalName) {
            JournalOptions options =
                JournalReport::optionsFor(session, request.month, request.year);
            options.consolidated = request.consolidated;
            options.detail = request.detail;
            outcome = JournalReport::run(session, kept, options);
            columns =
                QStringList{QStringLiteral("TipoComprobante"), QStringLiteral("NombreComprobante")};
            if (request.detail)
                columns << QStringLiteral("Cuenta") << QStringLiteral("NombreCuenta");
            amounts = QStringList{QStringLiteral("ValorDebito"), QStringLiteral("ValorCredito")};
        } else {
            TrialBalanceOptions options =
                TrialBalanceReport::optionsFor(session, request.month, request.year);
            options.consolidated = request.consolidated;
            options.level = request.level;
            options.from = request.from;
            options.to = request.to;
            options.showAll = request.all;
            outcome = GeneralLedgerReport::run(session, kept, options);
            columns = QStringList{QStringLiteral("Codigo"), QStringLiteral("nombre")};
            amounts =
                QStringList{QStringLiteral("SaldoInicial"),   QStringLiteral("valordebito"),
                            QStringLiteral("valorcredito"),   QStringLiteral("NuevoSaldo"),
                            GeneralLedgerReport::DebitColumn, GeneralLedgerReport::CreditColumn};
        }
        return ReportFile::finish(kept, outcome, request.pdf, request.csv,
                                  {0, columns + amounts, amounts}, out);
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
    auto request = parse(parser, err);
    if (!request)
        return 2;
    request->sqlVersion = ReportCommand::sqlVersionFor(parser, request->sqlVersion);
    try {
        auto db = Db::open(settings);
        return Run(*db, *request, out, err);
    } catch (const DbError &e) {
        err << e.userText() << "\n";
        return 1;
    }
}

} // namespace LedgerBookCommand
