#pragma once

#include "common/report/ReportQuery.h"
#include "platform/report/ReportData.h"

#include <QString>

struct Session;
class ReportOutput;

// What became of a report request.
enum class ReportOutcome {
    Previewed, // destination 0
    Printed,   // destination 1
    Prepared,  // any other destination: run and bound, neither shown nor printed
    Empty,     // the statement yielded no row
    NoPrinter, // destination 1 on a workstation without a printer
    Failed,    // the layout could not be read or does not fit the rows; the user was told
};

namespace ReportMessages {
inline const QString Title = QStringLiteral("Imprimir Reporte");
inline const QString Empty =
    QStringLiteral("No existe ningún registro para el criterio específicado.");
inline const QString NoPrinter =
    QStringLiteral("No hay impresora instalada. Instale la impresora e intente de nuevo...!");
} // namespace ReportMessages

// Every printed or previewed report goes through here: it records the request in
// AUDITORIAREPORTE, runs the statement on the session's connection, binds its rows to the
// layout `reportFile` (the report directory and the file name, "\" or "/" alike) and
// previews it (destination 0, zoom 150 %), prints it on `printerName` (1), or only binds it
// (any other value). `orientation` is 1 portrait or 2 landscape, `paperSize` 1 letter or
// 5 legal. `filter` applies to the rows of a statement that is not a SELECT. The layout also
// reads the heading values of the session, the title as TituloReporte and the working
// company's Logo and Firma. Database errors reach the caller.
ReportOutcome RunReport(const Session &session, ReportOutput &output, const ReportQuery &query,
                        const QString &reportFile, const QString &title, int destination,
                        int orientation, const QString &printerName, bool warnWhenEmpty,
                        int paperSize, const QString &filter);

// Rows computed in code rather than by a statement. `description` says what was asked; the
// audit keeps it where it keeps a statement.
struct ComputedRows
{
    ReportData data;
    QString description;
};

// The same run over rows computed in code: audited, warned when empty, previewed, printed
// or prepared alike.
ReportOutcome RunReport(const Session &session, ReportOutput &output, ComputedRows rows,
                        const QString &reportFile, const QString &title, int destination,
                        int orientation, const QString &printerName, bool warnWhenEmpty,
                        int paperSize);
