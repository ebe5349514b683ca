#pragma once

#include "platform/ConnectionSettings.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QTextStream>
#include <memory>
#include <optional>

class Db;
struct Session;
class QCommandLineParser;
class QCoreApplication;

// "valdoria-cli report balance-prueba ...": the trial balance of a company and month, as the
// window would print it, written to a PDF or a CSV file without a display; and the same for
// the balance sheet ("balance-general"), the comparative balance sheet
// ("balance-comparativo") and the income statement ("ganancias-perdidas").
namespace ReportCommand {

inline const QString Command = QStringLiteral("report");
inline const QString Usage = QStringLiteral(
    "  report   balance-prueba --company C [--consolidated] --month M --year Y\n"
    "           [--level 1-4] [--from A --to B] [--all] --pdf ARCHIVO | --csv ARCHIVO\n"
    "           el balance de prueba de un mes, en PDF o en CSV (separado por \";\")\n"
    "  report   balance-general | balance-comparativo | ganancias-perdidas --company C\n"
    "           [--consolidated] --month M --year Y [--level 1-3] [--all]\n"
    "           [--before-closing] --pdf ARCHIVO | --csv ARCHIVO\n"
    "           el balance general, el comparativo con el año anterior o el estado de\n"
    "           ganancias y pérdidas de un mes; nivel 1 grupo, 2 cuenta (por omisión),\n"
    "           3 subcuenta; --before-closing pone el mes junto al ejercicio en el mes de\n"
    "           cierre ya cerrado\n"
    "  report   libro-auxiliar | saldos-terceros --company C [--consolidated]\n"
    "           --month M --year Y [--from A --to B] [--party-from T --party-to U]\n"
    "           --pdf ARCHIVO | --csv ARCHIVO\n"
    "           el libro auxiliar de un mes por cuenta y tercero, o los saldos por\n"
    "           tercero\n");

// What every report of one month is asked for.
struct MonthRequest
{
    QString report; // the word after "report"
    QString company;
    bool consolidated = false;
    int month = 0;
    int year = 0;
    int level = 4; // 1-4 for the trial balance and the general ledger
    QString from, to;
    bool all = false;
    QString pdf, csv;
    // The installation's "SQL2000"/"SQL2005" label, which chooses the detail level.
    QString sqlVersion = QStringLiteral("SQL2005");
};

struct Request : MonthRequest
{
    // report: "balance-prueba", "balance-general", "balance-comparativo", "ganancias-perdidas",
    // "libro-auxiliar", "saldos-terceros"; a statement's level is 1-3 (2 when not given)
    bool beforeClosing = false; // income statement: the month beside the fiscal year
    QString partyFrom, partyTo; // the auxiliary books' third-party range
};

// Reads into `r` the options every report of one month takes, and checks what they all
// require: a company, a month of 1 to 12, a year, both ends of an account range or neither,
// and one output file. The level is read when given; `levelOk` says whether it is a number.
// False after saying on `err` what is wrong.
bool readMonthRequest(const QCommandLineParser &parser, MonthRequest &r, bool &levelOk,
                      QTextStream &err);

// Reports lay out text, which needs the fonts of a GUI application: for this command the
// application is one, on the offscreen platform unless another is named.
std::unique_ptr<QCoreApplication> makeApplication(int &argc, char **argv);
QList<QCommandLineOption> options();
// The request the options make, or nothing when they do not make one (told on `err`).
std::optional<Request> parse(const QCommandLineParser &parser, QTextStream &err);

// Runs the request on `db` and writes the file. Returns the exit code: 0 written, 1 failed,
// 2 bad request, 4 no row.
int Run(Db &db, const Request &request, QTextStream &out, QTextStream &err);
int Run(const ConnectionSettings &settings, const QCommandLineParser &parser, QTextStream &out,
        QTextStream &err);

// Fills `session` (on its connection) as a window of `company` would see it: its heading
// lines and the system's report directory. False, told on `err`, without such a company.
bool openSession(Session &session, const QString &company, QTextStream &err);
// The same, and a consolidated request refused (told on `err`) unless `company` is a head
// office. Returns 0 when the session is open, otherwise the exit code. Throws DbError.
int openReportSession(Session &session, const QString &company, bool consolidated,
                      QTextStream &err);
// The installation's "SQL2000"/"SQL2005" label from its configuration file, or `fallback` when
// the database is named on the command line, which leaves no file to take it from.
QString sqlVersionFor(const QCommandLineParser &parser, const QString &fallback);

} // namespace ReportCommand
