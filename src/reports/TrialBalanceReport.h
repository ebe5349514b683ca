#pragma once

#include "common/report/RunReport.h"
#include "platform/report/ReportData.h"
#include "reports/TrialBalanceOptions.h"

#include <QString>

class Db;
class Prompter;
class ReportOutput;
struct Session;

// The trial balance as a report: what the window checks and offers, the rows the layout
// "crpBalance.rpt" reads, and the run through the report runner.
class TrialBalanceReport
{
public:
    static inline const QString Title = QStringLiteral("Balance Prueba");
    static inline const QString LayoutFile = QStringLiteral("crpBalance.rpt");
    static inline const QString YearMissing = QStringLiteral("¡Debe seleccionar un año!");

    // The account lookup of the range fields; bind the typed text followed by "%".
    static QString AccountLookupQuery();

    // The year must be typed; otherwise the user is told and nothing runs.
    static bool checkYear(const QString &yearText, Prompter &prompter);
    // Only a head office (its own head-office code) may add up its branches.
    static bool consolidationAllowed(const Session &session);
    // Leaving the closing voucher out is offered only for the closing month of the company's
    // fiscal year, and only once a closing voucher of the company is dated on that month's
    // last day. A fiscal year may close in any month, so the day is the month's last, not
    // the 31st.
    static bool offersClosingExclusion(Db &db, const QString &company, const QString &headOffice,
                                       int month, int year);

    // Options for the session's company. The closing exclusion holds only where it is
    // offered, and the installation's "SQL2000" setting groups details on the whole code.
    static TrialBalanceOptions optionsFor(const Session &session, int month, int year);
    // What a run takes of what was asked: adding up branches and leaving the closing voucher
    // out only where they are offered. Throws DbError.
    static TrialBalanceOptions effectiveOptions(const Session &session,
                                                const TrialBalanceOptions &asked);

    // One row per account in code order: the heading values of the session, then Codigo,
    // nombre, Mes, Ano, UsuarioReporte, SaldoInicial, valordebito, valorcredito, NuevoSaldo,
    // NombreIDEmpresa, NivelDetalle, CantDigCuenta, EsPadre, Consolidado; and for the layout
    // CodigoSangrado and NombreSangrado (indented by level) and TotalSaldoInicial,
    // TotalDebito, TotalCredito, TotalNuevoSaldo (the amounts of the rows no other listed row
    // contains, so that summing them counts every line once). Amounts are thousandths.
    // Throws DbError.
    static ReportData rows(const Session &session, const TrialBalanceOptions &options);
    // How many of those columns make the report row; the rest only serve the layout.
    static int rowColumnCount();

    // Runs the layout on the rows: audited, warned when empty, previewed in portrait
    // (destination 0) or only prepared (any other). Throws DbError.
    static ReportOutcome run(const Session &session, ReportOutput &output,
                             const TrialBalanceOptions &options, int destination = 0);
    // What the audit keeps of a run, in place of a statement.
    static QString describe(const TrialBalanceOptions &options);
};
