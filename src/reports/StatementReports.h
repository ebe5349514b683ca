#pragma once

#include "common/report/RunReport.h"
#include "platform/report/ReportData.h"
#include "reports/FinancialStatements.h"

#include <QString>
#include <QStringList>

class Db;
class ReportOutput;
struct Session;

// What the balance sheet and income statement windows share: the options of a run for the
// session's company, and the rules that decide what a run may take of what was asked.
namespace StatementReport {

// The level options of the windows and the command line: 1 "Grupo", 2 "Cuenta",
// 3 "SubCuenta", as codes of 2, 4 and 6 characters; 0 for any other option.
int codeLengthOf(int levelOption);

StatementOptions optionsFor(const Session &session, int month, int year);
// What a run takes of what was asked: adding up branches only for a head office, the month
// beside the fiscal year only where the income statement offers it.
StatementOptions effective(const Session &session, const StatementOptions &asked);

} // namespace StatementReport

// The balance sheet as a report: the rows the layout "crpBalanceGeneral.rpt" reads.
class BalanceSheetReport
{
public:
    static inline const QString Title = QStringLiteral("Balance General");
    static inline const QString LayoutFile = QStringLiteral("crpBalanceGeneral.rpt");
    static inline const QString UnassignedResult =
        QStringLiteral("Resultado del ejercicio no asignado");

    // One row per account in code order: the heading values of the session, then Codigo,
    // nombre, Mes, Ano, UsuarioReporte, Acumulado (debit minus credit at the end of the
    // month), NombreIDEmpresa, UtilidadEjercicio, PerdidaEjercicio, Nivel (code length),
    // Consolidado, Reservado1, Reservado2 (always 0), MostrarTodas; and for the layout Clase,
    // NombreClase, TituloTotal, CodigoSangrado, NombreSangrado, EsPadre, Saldo (with the sign
    // turned for liabilities and equity), TotalClase, TotalActivo, TotalPasivoPatrimonio,
    // ResultadoEjercicio and Resaltado (1 on the rows above the chosen level, in bold). When the result has no account, a row without code named
    // UnassignedResult closes the equity. Amounts are thousandths. Throws DbError.
    static ReportData rows(const Session &session, const StatementOptions &options);
    static int rowColumnCount();
    static QStringList amountColumns();

    // Runs the layout: audited, warned when empty, previewed in portrait (destination 0) or
    // only prepared (any other). Throws DbError.
    static ReportOutcome run(const Session &session, ReportOutput &output,
                             const StatementOptions &options, int destination = 0);
    static QString describe(const StatementOptions &options);
};

// The comparative balance sheet: the rows of "crpBalanceGeneralComparativo.rpt".
class ComparativeBalanceSheetReport
{
public:
    static inline const QString Title = QStringLiteral("Balance General Comparativo");
    static inline const QString LayoutFile = QStringLiteral("crpBalanceGeneralComparativo.rpt");

    // One row per account listed in either period, in code order: the heading values, then
    // Cuenta, Nombre, Mes, Ano, UsuarioReporte, MontoActual, Nivel, MontoAnterior, Reservado1
    // (0), Consolidado; and for the layout Clase, NombreClase, TituloTotal, CodigoSangrado,
    // NombreSangrado, EsPadre, SaldoActual, SaldoAnterior, Variacion, TotalClaseActual,
    // TotalClaseAnterior, TotalClaseVariacion, TotalPasivoPatrimonioActual,
    // TotalPasivoPatrimonioAnterior, TotalPasivoPatrimonioVariacion, AnoAnterior, Resaltado.
    // Throws DbError.
    static ReportData rows(const Session &session, const StatementOptions &options);
    static int rowColumnCount();
    static QStringList amountColumns();
    static ReportOutcome run(const Session &session, ReportOutput &output,
                             const StatementOptions &options, int destination = 0);
    static QString describe(const StatementOptions &options);
};

// The income statement: the rows of "crpPerdidasYGanancias.rpt".
class IncomeStatementReport
{
public:
    static inline const QString Title = QStringLiteral("Perdidas y Ganancias");
    static inline const QString LayoutFile = QStringLiteral("crpPerdidasYGanancias.rpt");

    // The month beside the fiscal year is offered by the trial balance's rule for leaving the
    // closing voucher out: the closing month of the fiscal year, once its closing voucher is
    // posted on the month's last day.
    static bool offersBeforeClosing(Db &db, const QString &company, const QString &headOffice,
                                    int month, int year);

    // One row per account of classes "4" to "6" in code order: the heading values, then
    // Codigo, nombre, Mes, Ano, UsuarioReporte, Actual, Acumulado, NombreIDEmpresa, Nivel,
    // Reservado1 (0), Consolidado, AntesDelCierre. Amounts are debit minus credit, closing
    // vouchers left out: with AntesDelCierre Actual holds the month and Acumulado the fiscal
    // year to date, otherwise Actual holds the fiscal year and Acumulado 0. For the layout:
    // Clase, NombreClase, TituloTotal, CodigoSangrado, NombreSangrado, EsPadre, SaldoActual,
    // SaldoAcumulado (revenues with the sign turned), TotalClaseActual, TotalClaseAcumulado,
    // OtrosActual, OtrosAcumulado (class "7", in the result though not listed),
    // ResultadoActual, ResultadoAcumulado, Resaltado. Throws DbError.
    static ReportData rows(const Session &session, const StatementOptions &options);
    static int rowColumnCount();
    static QStringList amountColumns();
    static ReportOutcome run(const Session &session, ReportOutput &output,
                             const StatementOptions &options, int destination = 0);
    static QString describe(const StatementOptions &options);
};
