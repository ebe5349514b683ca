#include "reports/JournalReport.h"

#include "common/Money.h"
#include "common/Session.h"
#include "common/report/ReportHeading.h"
#include "platform/Db.h"
#include "reports/TrialBalanceReport.h"

#include <QDate>
#include <algorithm>

namespace {

QVariant amount(const QVariant &sum)
{
    return QVariant::fromValue<qlonglong>(Money::fromSql(sum).thousandths());
}

} // namespace

bool JournalReport::checkYear(const QString &yearText, Prompter &prompter)
{
    return TrialBalanceReport::checkYear(yearText, prompter);
}

JournalOptions JournalReport::optionsFor(const Session &session, int month, int year)
{
    JournalOptions o;
    o.company = session.gEmpresa;
    o.headOffice = session.gMatriz;
    o.month = month;
    o.year = year;
    return o;
}

ReportData JournalReport::rows(const Session &session, const JournalOptions &asked)
{
    JournalOptions options = asked;
    options.consolidated = asked.consolidated && TrialBalanceReport::consolidationAllowed(session);
    const QDate first(options.year, options.month, 1);

    // Sums per voucher type (and account) over the month; the names come along through MAX so
    // that one grouping serves both engines.
    const QString accountColumns =
        options.detail ? QStringLiteral("M.Cuenta, MAX(CC.Nombre), ") : QString();
    const QString accountJoin =
        options.detail ? QStringLiteral(" INNER JOIN CUENTACONTABLE CC ON M.Cuenta = CC.Codigo")
                       : QString();
    const QString grouping = options.detail ? QStringLiteral("M.TipoComprobante, M.Cuenta")
                                            : QStringLiteral("M.TipoComprobante");
    QVariantList params{options.headOffice, first, first.addMonths(1)};
    if (!options.consolidated)
        params << options.company;
    const QString sql =
        QStringLiteral("SELECT M.TipoComprobante, MAX(C.Nombre), %1SUM(M.ValorDebito), "
                       "SUM(M.ValorCredito) FROM MOVIMIENTO M INNER JOIN COMPROBANTE C ON "
                       "M.TipoComprobante = C.Codigo%2 WHERE M.Matriz = ? AND M.Fecha >= ? AND "
                       "M.Fecha < ?%3 GROUP BY %4")
            .arg(accountColumns, accountJoin,
                 options.consolidated ? QString() : QStringLiteral(" AND M.Empresa = ?"), grouping);

    QStringList columns;
    QVariantList heading;
    for (const ReportValue &v : ReportHeadingValues(session)) {
        columns << v.name;
        heading << v.value;
    }
    columns << QStringLiteral("TipoComprobante") << QStringLiteral("NombreComprobante");
    if (options.detail)
        columns << QStringLiteral("Cuenta") << QStringLiteral("NombreCuenta");
    columns << QStringLiteral("ValorDebito") << QStringLiteral("ValorCredito")
            << QStringLiteral("Mes") << QStringLiteral("Ano") << QStringLiteral("UsuarioReporte")
            << QStringLiteral("NombreIdEmpresa") << QStringLiteral("Consolidado");

    const int keys = options.detail ? 4 : 2;
    std::vector<QVariantList> data;
    QSqlQuery q = session.db().run(sql, params);
    while (q.next()) {
        QVariantList row = heading;
        for (int c = 0; c < keys; ++c)
            row << q.value(c).toString();
        row << amount(q.value(keys)) << amount(q.value(keys + 1)) << options.month << options.year
            << session.gNombreUsuario << session.gNombreIDEmpresa << int(options.consolidated);
        data.push_back(std::move(row));
    }
    q.finish();
    // The engines collate text differently; codes read in byte order everywhere.
    const int type = int(heading.size());
    const int account = type + 2;
    std::sort(data.begin(), data.end(), [&](const QVariantList &a, const QVariantList &b) {
        const QString ta = a[type].toString(), tb = b[type].toString();
        if (ta != tb)
            return ta < tb;
        return options.detail && a[account].toString() < b[account].toString();
    });
    return ReportData(columns, std::move(data));
}

QString JournalReport::describe(const JournalOptions &o)
{
    return QStringLiteral("Libro diario Empresa=%1 Matriz=%2 Mes=%3 Ano=%4 Detalle=%5 "
                          "Consolidado=%6")
        .arg(o.company, o.headOffice)
        .arg(o.month)
        .arg(o.year)
        .arg(int(o.detail))
        .arg(int(o.consolidated));
}

ReportOutcome JournalReport::run(const Session &session, ReportOutput &output,
                                 const JournalOptions &options, int destination)
{
    ComputedRows computed{rows(session, options), describe(options)};
    return RunReport(session, output, std::move(computed),
                     session.gRutaReporte + QStringLiteral("\\") +
                         (options.detail ? DetailLayout : SummaryLayout),
                     Title, destination, 1, QString(), true, 0);
}
