#include "reports/GeneralLedgerReport.h"

#include "calendar/PeriodService.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "reports/AccountSums.h"
#include "reports/TrialBalanceReport.h"
#include "schema/BalanceStore.h"

namespace {

// Months counted from year 0, so that a range across the turn of a calendar year is one
// interval.
int monthIndex(QDate date)
{
    return date.year() * 12 + date.month() - 1;
}

constexpr int Landscape = 2;

} // namespace

GeneralLedgerReport::Totals GeneralLedgerReport::openingRangeTotals(Db &db,
                                                                    const TrialBalanceOptions &o)
{
    const int closingMonth = PeriodService(db).closingMonth(o.company, o.headOffice);
    const AccountSums::Dates dates = AccountSums::datesOf(o.month, o.year, closingMonth);
    const bool first = dates.firstMonthOfFiscalYear();
    const QDate from = dates.fiscalYearStart;
    const QDate to = first ? dates.monthStart.addMonths(1) : dates.monthStart;

    // SALDOCUENTA holds every line of a month per class of voucher, so the whole range is a
    // handful of rows per account; the year bounds let the (Matriz, Ano, Mes) index narrow it.
    QString sql = QStringLiteral("SELECT SUM(Debito), SUM(Credito) FROM SALDOCUENTA WHERE "
                                 "Matriz = ? AND Ano >= ? AND Ano <= ? AND Ano * 12 + Mes - 1 "
                                 ">= ? AND Ano * 12 + Mes - 1 < ?");
    QVariantList params{o.headOffice, from.year(), to.year(), monthIndex(from), monthIndex(to)};
    if (!o.consolidated) {
        sql += QStringLiteral(" AND Empresa = ?");
        params << o.company;
    }
    if (first) {
        sql += QStringLiteral(" AND Clase = ?");
        params << int(BalanceStore::VoucherClass::Opening);
    }
    const auto rows = db.rows(sql, params);
    if (rows.empty())
        return {};
    return {Money::fromSql(rows.front().value(0)), Money::fromSql(rows.front().value(1))};
}

ReportData GeneralLedgerReport::rows(const Session &session, const TrialBalanceOptions &asked)
{
    const ReportData balance = TrialBalanceReport::rows(session, asked);
    const Totals totals =
        openingRangeTotals(session.db(), TrialBalanceReport::effectiveOptions(session, asked));
    QStringList columns = balance.columns();
    columns << DebitColumn << CreditColumn;
    std::vector<QVariantList> data;
    data.reserve(size_t(balance.rowCount()));
    for (int r = 0; r < balance.rowCount(); ++r) {
        QVariantList row = balance.row(r);
        row << QVariant::fromValue<qlonglong>(totals.debit.thousandths())
            << QVariant::fromValue<qlonglong>(totals.credit.thousandths());
        data.push_back(std::move(row));
    }
    return ReportData(columns, std::move(data));
}

ReportOutcome GeneralLedgerReport::run(const Session &session, ReportOutput &output,
                                       const TrialBalanceOptions &options, int destination)
{
    ComputedRows computed{
        rows(session, options),
        QStringLiteral("Mayor analitico ") +
            TrialBalanceReport::describe(TrialBalanceReport::effectiveOptions(session, options))};
    return RunReport(session, output, std::move(computed),
                     session.gRutaReporte + QStringLiteral("\\") + LayoutFile, Title, destination,
                     Landscape, QString(), true, 0);
}
