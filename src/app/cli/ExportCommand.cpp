#include "app/cli/ExportCommand.h"

#include "app/cli/ReportCommand.h"
#include "app/cli/StreamPrompter.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "platform/DbError.h"
#include "reports/AuxiliaryBookExport.h"

#include <QCommandLineParser>

namespace ExportCommand {

namespace {

// Nothing is opened from a command line, so the offer to open the file is not made.
class ExportPrompter : public StreamPrompter
{
public:
    using StreamPrompter::StreamPrompter;
    bool question(const QString &, const QString &, bool) override { return false; }
};

} // namespace

QList<QCommandLineOption> options()
{
    return {
        {"first-month", "Con report exportar-auxiliar: primer mes (1-12).", "mes"},
        {"last-month", "Con report exportar-auxiliar: último mes (1-12).", "mes"},
        {"xlsx", "Con report exportar-auxiliar: la hoja de cálculo nueva.", "archivo"},
    };
}

std::optional<Request> parse(const QCommandLineParser &p, QTextStream &err)
{
    const QStringList args = p.positionalArguments();
    if (args.size() > 2) {
        err << "Sobra: " << args.mid(2).join(QLatin1Char(' ')) << "\n";
        return std::nullopt;
    }
    Request r;
    bool firstOk = false, lastOk = false, yearOk = false;
    r.company = p.value("company");
    r.consolidated = p.isSet("consolidated");
    r.firstMonth = p.value("first-month").toInt(&firstOk);
    r.lastMonth = p.value("last-month").toInt(&lastOk);
    r.year = p.value("year").toInt(&yearOk);
    r.from = p.value("from");
    r.to = p.value("to");
    r.partyFrom = p.value("party-from");
    r.partyTo = p.value("party-to");
    r.xlsx = p.value("xlsx");
    if (r.company.isEmpty()) {
        err << "Falta --company\n";
        return std::nullopt;
    }
    if (!firstOk || !lastOk || r.firstMonth < 1 || r.firstMonth > 12 || r.lastMonth < 1 ||
        r.lastMonth > 12) {
        err << "Los meses deben ser números de 1 a 12 (--first-month, --last-month)\n";
        return std::nullopt;
    }
    if (!yearOk) {
        err << "¡Debe seleccionar un año valido...! (--year)\n";
        return std::nullopt;
    }
    if (r.xlsx.isEmpty()) {
        err << "Indique --xlsx\n";
        return std::nullopt;
    }
    if (p.isSet("pdf") || p.isSet("csv") || p.isSet("month") || p.isSet("level")) {
        err << "exportar-auxiliar no toma --pdf, --csv, --month ni --level\n";
        return std::nullopt;
    }
    return r;
}

int Run(Db &db, const Request &request, QTextStream &out, QTextStream &err)
{
    ExportPrompter prompter(err);
    Session session;
    session.gConexion = &db;
    session.prompter = &prompter;
    try {
        if (const int refused = ReportCommand::openReportSession(session, request.company,
                                                                 request.consolidated, err))
            return refused;
    } catch (const DbError &e) {
        err << e.userText() << "\n";
        return 1;
    }
    AuxiliaryExportOptions o;
    o.company = session.gEmpresa;
    o.headOffice = session.gMatriz;
    o.consolidated = request.consolidated;
    o.firstMonth = request.firstMonth;
    o.lastMonth = request.lastMonth;
    o.year = request.year;
    o.accountFrom = request.from;
    o.accountTo = request.to;
    o.partyFrom = request.partyFrom;
    o.partyTo = request.partyTo;
    int rows = 0;
    const auto outcome = AuxiliaryBookExport::run(session, o, request.xlsx,
                                                  [&rows](int done, int) { rows = done; }, {});
    switch (outcome) {
    case AuxiliaryBookExport::Outcome::Written:
        out << request.xlsx << ": filas: " << rows << "\n";
        return 0;
    case AuxiliaryBookExport::Outcome::Refused:
        return 2;
    case AuxiliaryBookExport::Outcome::Failed:
        break;
    }
    return 1;
}

int Run(const ConnectionSettings &settings, const QCommandLineParser &parser, QTextStream &out,
        QTextStream &err)
{
    auto request = parse(parser, err);
    if (!request)
        return 2;
    try {
        auto db = Db::open(settings);
        return Run(*db, *request, out, err);
    } catch (const DbError &e) {
        err << e.userText() << "\n";
        return 1;
    }
}

} // namespace ExportCommand
