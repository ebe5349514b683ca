#pragma once

#include "common/report/RunReport.h"
#include "platform/report/ReportData.h"
#include "reports/AuxiliaryBookOptions.h"

#include <QString>

class ReportOutput;
struct Session;

// "Saldos por Terceros": the auxiliary book of a month summed per account and third party.
class PartyBalancesReport
{
public:
    static inline const QString Title = QStringLiteral("Saldos Por Terceros");
    static inline const QString LayoutFile = QStringLiteral("crpSaldosXTerceros.rpt");

    // One row per account and third party in code order: the heading values of the session,
    // then Cuenta, NombreCuenta, Tercero, NombreTercero, SaldoAnterior, ValorDebito,
    // ValorCredito, UsuarioActivo, TipoIdentificacion, Consolidado; and for the layout
    // SaldoFinal and Periodo. Amounts are thousandths. Throws DbError.
    static ReportData rows(const Session &session, const AuxiliaryBookOptions &options);
    static int rowColumnCount();

    // Previewed in portrait (destination 0) or only prepared (any other). Throws DbError.
    static ReportOutcome run(const Session &session, ReportOutput &output,
                             const AuxiliaryBookOptions &options, int destination = 0);
};
