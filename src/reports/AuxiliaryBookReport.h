#pragma once

#include "common/report/RunReport.h"
#include "platform/report/ReportData.h"
#include "reports/AuxiliaryBookOptions.h"

#include <QString>
#include <utility>
#include <vector>

class Db;
class Prompter;
class ReportOutput;
struct Session;

// The books that list every line of an account and third party: what their windows check,
// the rows their layouts read and the run through the report runner.
class AuxiliaryBookReport
{
public:
    // Which book: the layout, the title and the paper it prints on.
    enum class Kind {
        Monthly,        // one month
        Annual,         // a range of months
        AnnualDetailed, // a range of months, every column of the line
        Iva,            // one account of one company, one month
    };

    static inline const QString Title = QStringLiteral("Libro Auxiliar");
    static inline const QString AnnualTitle = QStringLiteral("Libro Auxiliar (Anual)");
    static inline const QString YearInvalid = QStringLiteral("¡Debe seleccionar un año valido...!");
    static inline const QString AccountMissing = QStringLiteral("¡Debe seleccionar una cuenta!");

    static QString layoutFile(Kind kind);
    static QString title(Kind kind);

    // The third-party lookup of the range fields; bind the typed text followed by "%".
    static QString PartyLookupQuery();
    // The companies of a head office, by name, for the IVA book: code and name.
    static std::vector<std::pair<QString, QString>> companiesOf(Db &db, const QString &headOffice);

    // The year must be four digits; otherwise the user is told and nothing runs.
    static bool checkYear(const QString &yearText, Prompter &prompter);
    // The IVA book needs its account.
    static bool checkAccount(const QString &account, Prompter &prompter);
    // The months of a range must stay in one fiscal year of the working company and run
    // forwards; otherwise the user is told why, titled "Error".
    static bool checkMonths(const Session &session, int first, int last, Prompter &prompter);

    // Options for the session's company over the months `first` to `last` of `year`.
    static AuxiliaryBookOptions optionsFor(const Session &session, int first, int last, int year);

    // One row per line, and one per account and third party without lines, in the book's
    // order: the heading values of the session, then TipoComprobante, NombreComprobante,
    // NumeroComprobante, Linea, Descripcion, Cuenta, NombreCuenta, Fecha, TipoDocumento,
    // NombreDocumento, NumeroDocumento, Tercero, NombreTercero, CentroCosto, UsuarioLinea,
    // Debito, Credito, NombreIDEmpresa, SaldoInicialTercero, SaldoInicialCuenta, DebitoCuenta,
    // CreditoCuenta, DebitoTercero, CreditoTercero, SaldoInicialTotal, DebitoTotal,
    // CreditoTotal, Consolidado; and for the layouts Empresa, Saldo (the running balance of
    // the pair), SaldoFinalTercero, SaldoFinalCuenta, SaldoFinalTotal and Periodo. Amounts
    // are thousandths. Throws DbError.
    static ReportData rows(const Session &session, const AuxiliaryBookOptions &options);
    // How many of those columns make the report row; the rest only serve the layouts.
    static int rowColumnCount();

    // Runs the book's layout on the rows: audited, warned when empty, previewed (destination
    // 0) or only prepared (any other). Throws DbError.
    static ReportOutcome run(const Session &session, ReportOutput &output, Kind kind,
                             const AuxiliaryBookOptions &options, int destination = 0);
    static QString describe(const AuxiliaryBookOptions &options);

    // What a run takes of what was asked: adding up branches only from the head office.
    static AuxiliaryBookOptions effective(const Session &session,
                                          const AuxiliaryBookOptions &asked);
    // "Marzo 2025", or "Enero a Marzo 2025" for a range.
    static QString periodText(const AuxiliaryBookOptions &options);
};
