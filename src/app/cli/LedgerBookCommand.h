#pragma once

#include "app/cli/ReportCommand.h"
#include "platform/ConnectionSettings.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QTextStream>
#include <optional>

class Db;
class QCommandLineParser;

// "valdoria-cli report libro-diario | mayor-analitico ...": the journal and the general
// ledger of a company and month as their windows print them, written to a PDF or a CSV file.
namespace LedgerBookCommand {

inline const QString JournalName = QStringLiteral("libro-diario");
inline const QString LedgerName = QStringLiteral("mayor-analitico");
inline const QString Usage = QStringLiteral(
    "  report   libro-diario --company C [--consolidated] --month M --year Y [--detail]\n"
    "           --pdf ARCHIVO | --csv ARCHIVO\n"
    "           el libro diario de un mes: por tipo de comprobante, o con --detail por tipo\n"
    "           y cuenta\n"
    "  report   mayor-analitico --company C [--consolidated] --month M --year Y\n"
    "           [--level 1-4] [--from A --to B] [--all] --pdf ARCHIVO | --csv ARCHIVO\n"
    "           el mayor analítico: el balance de prueba con los débitos y créditos del\n"
    "           período de los saldos iniciales\n");

// report: JournalName or LedgerName.
struct Request : ReportCommand::MonthRequest
{
    bool detail = false;
};

// Whether `report` (the word after "report") is one of these.
bool handles(const QString &report);
// The options these reports add to the report command's.
QList<QCommandLineOption> options();
std::optional<Request> parse(const QCommandLineParser &parser, QTextStream &err);

// Returns 0 written, 1 failed, 2 bad request, 4 no row.
int Run(Db &db, const Request &request, QTextStream &out, QTextStream &err);
int Run(const ConnectionSettings &settings, const QCommandLineParser &parser, QTextStream &out,
        QTextStream &err);

} // namespace LedgerBookCommand
