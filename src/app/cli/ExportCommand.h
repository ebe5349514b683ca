#pragma once

#include "platform/ConnectionSettings.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QTextStream>
#include <optional>

class Db;
class QCommandLineParser;

// "valdoria-cli report exportar-auxiliar ...": the detailed auxiliary book of a range of
// months written to a spreadsheet, as its window exports it.
namespace ExportCommand {

inline const QString Name = QStringLiteral("exportar-auxiliar");
inline const QString Usage = QStringLiteral(
    "  report   exportar-auxiliar --company C [--consolidated] --first-month M\n"
    "           --last-month N --year Y [--from A] [--to B] [--party-from T]\n"
    "           [--party-to T] --xlsx ARCHIVO\n"
    "           el auxiliar detallado de los meses M a N en una hoja de cálculo nueva\n");

struct Request
{
    QString company;
    bool consolidated = false;
    int firstMonth = 0;
    int lastMonth = 0;
    int year = 0;
    QString from, to, partyFrom, partyTo;
    QString xlsx;
};

QList<QCommandLineOption> options();
std::optional<Request> parse(const QCommandLineParser &parser, QTextStream &err);

// Returns 0 written, 1 failed, 2 bad or refused request.
int Run(Db &db, const Request &request, QTextStream &out, QTextStream &err);
int Run(const ConnectionSettings &settings, const QCommandLineParser &parser, QTextStream &out,
        QTextStream &err);

} // namespace ExportCommand
