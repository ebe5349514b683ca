#pragma once

#include "common/report/RunReport.h"
#include "platform/report/ReportData.h"

#include <QString>

class Prompter;
class ReportOutput;
struct Session;

// What the user asks of the journal ("Libro Diario").
struct JournalOptions
{
    QString company;
    QString headOffice;
    bool consolidated = false; // every company of the head office
    int month = 0;             // 1-12
    int year = 0;
    bool detail = false; // one row per voucher type and account instead of per type
};

// The journal of a month: the debits and credits of every voucher type, opening ("999") and
// closing ("099") vouchers included, and in detail mode of every account within each type.
class JournalReport
{
public:
    static inline const QString Title = QStringLiteral("Libro Diario");
    static inline const QString SummaryLayout = QStringLiteral("crpLibroDiarioRes.rpt");
    static inline const QString DetailLayout = QStringLiteral("crpLibroDiarioDet.rpt");

    // The year must be typed ("¡Debe seleccionar un año!"); otherwise nothing runs.
    static bool checkYear(const QString &yearText, Prompter &prompter);
    static JournalOptions optionsFor(const Session &session, int month, int year);

    // The heading values of the session, then TipoComprobante, NombreComprobante, (in detail
    // mode Cuenta, NombreCuenta,) ValorDebito, ValorCredito (thousandths), Mes, Ano,
    // UsuarioReporte, NombreIdEmpresa, Consolidado; ordered by type (and account).
    // Consolidation is taken only where the session may consolidate. Throws DbError.
    static ReportData rows(const Session &session, const JournalOptions &options);

    // Previewed in portrait (destination 0) or only prepared (any other). Throws DbError.
    static ReportOutcome run(const Session &session, ReportOutput &output,
                             const JournalOptions &options, int destination = 0);
    static QString describe(const JournalOptions &options);
};
