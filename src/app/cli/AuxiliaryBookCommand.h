#pragma once

#include "app/cli/ReportCommand.h"
#include "common/report/RunReport.h"

#include <QStringList>

class ReportOutput;
struct Session;

// "valdoria-cli report libro-auxiliar" and "report saldos-terceros": the auxiliary book of a
// month and the balances by third party, as their window prints them.
namespace AuxiliaryBookCommand {

inline const QString BookName = QStringLiteral("libro-auxiliar");
inline const QString PartyBalancesName = QStringLiteral("saldos-terceros");
bool handles(const QString &report);
// Fills the request's third-party range; false after saying what is wrong on `err`.
bool parse(const QCommandLineParser &parser, ReportCommand::Request &request, QTextStream &err);
// Runs the request's book into `output` and says which columns make the CSV row and which of
// them are amounts. Throws DbError.
ReportOutcome run(const Session &session, ReportOutput &output,
                  const ReportCommand::Request &request, int &columns, QStringList &amounts);

} // namespace AuxiliaryBookCommand
