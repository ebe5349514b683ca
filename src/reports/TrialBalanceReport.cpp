#include "reports/TrialBalanceReport.h"

#include "calendar/FiscalYear.h"
#include "calendar/PeriodService.h"
#include "common/Prompter.h"
#include "common/Session.h"
#include "common/report/ReportHeading.h"
#include "platform/Db.h"
#include "reports/TrialBalance.h"
#include "schema/BalanceStore.h"

#include <QSet>

namespace {

// Spaces before a code or name per level of the code (1, 2, 4, 6 characters, detail).
constexpr int IndentPerLevel = 3;

int levelOf(const QString &code)
{
    const int length = int(code.size());
    if (length <= 1)
        return 0;
    if (length <= 2)
        return 1;
    if (length <= 4)
        return 2;
    if (length <= 6)
        return 3;
    return 4;
}

QVariant amount(Money m)
{
    return QVariant::fromValue<qlonglong>(m.thousandths());
}

} // namespace

QString TrialBalanceReport::AccountLookupQuery()
{
    return QStringLiteral("SELECT Codigo, Nombre, CASE WHEN CAST(EsPadre AS INTEGER) = 0 THEN 1 "
                          "ELSE 0 END AS Status FROM CUENTACONTABLE WHERE Codigo LIKE ? "
                          "ORDER BY Codigo");
}

bool TrialBalanceReport::checkYear(const QString &yearText, Prompter &prompter)
{
    if (!yearText.trimmed().isEmpty())
        return true;
    prompter.warning(YearMissing, Prompter::DefaultTitle);
    return false;
}

bool TrialBalanceReport::consolidationAllowed(const Session &session)
{
    return session.hasCompany() && session.gEmpresa == session.gMatriz;
}

bool TrialBalanceReport::offersClosingExclusion(Db &db, const QString &company,
                                                const QString &headOffice, int month, int year)
{
    if (month < 1 || month > 12 || year < 1)
        return false;
    const int closingMonth = PeriodService(db).closingMonth(company, headOffice);
    const QDate first(year, month, 1);
    if (FiscalYear::containing(first, closingMonth).last.month() != month)
        return false;
    const QDate last = first.addMonths(1).addDays(-1);
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM MOVIMIENTO WHERE Empresa = ? AND "
                                    "Matriz = ? AND TipoComprobante = ? AND Fecha = ?"),
                     {company, headOffice, BalanceStore::ClosingVoucherType, last})
               .toInt() > 0;
}

TrialBalanceOptions TrialBalanceReport::optionsFor(const Session &session, int month, int year)
{
    TrialBalanceOptions o;
    o.company = session.gEmpresa;
    o.headOffice = session.gMatriz;
    o.month = month;
    o.year = year;
    o.wholeCodeDetail =
        session.gVersionSQL.trimmed().compare(QLatin1String("SQL2000"), Qt::CaseInsensitive) == 0;
    return o;
}

TrialBalanceOptions TrialBalanceReport::effectiveOptions(const Session &session,
                                                         const TrialBalanceOptions &asked)
{
    TrialBalanceOptions options = asked;
    options.consolidated = asked.consolidated && consolidationAllowed(session);
    options.withoutClosing =
        asked.withoutClosing && offersClosingExclusion(session.db(), asked.company,
                                                       asked.headOffice, asked.month, asked.year);
    return options;
}

ReportData TrialBalanceReport::rows(const Session &session, const TrialBalanceOptions &asked)
{
    Db &db = session.db();
    const TrialBalanceOptions options = effectiveOptions(session, asked);
    const std::vector<TrialBalanceRow> balance = TrialBalance::compute(db, options);
    const int detailDigits =
        db.scalar(QStringLiteral("SELECT CantDigCuenta FROM PARAMETRO")).toInt();

    QStringList columns;
    QVariantList heading;
    for (const ReportValue &v : ReportHeadingValues(session)) {
        columns << v.name;
        heading << v.value;
    }
    columns << QStringLiteral("Codigo") << QStringLiteral("nombre") << QStringLiteral("Mes")
            << QStringLiteral("Ano") << QStringLiteral("UsuarioReporte")
            << QStringLiteral("SaldoInicial") << QStringLiteral("valordebito")
            << QStringLiteral("valorcredito") << QStringLiteral("NuevoSaldo")
            << QStringLiteral("NombreIDEmpresa") << QStringLiteral("NivelDetalle")
            << QStringLiteral("CantDigCuenta") << QStringLiteral("EsPadre")
            << QStringLiteral("Consolidado") << QStringLiteral("CodigoSangrado")
            << QStringLiteral("NombreSangrado") << QStringLiteral("TotalSaldoInicial")
            << QStringLiteral("TotalDebito") << QStringLiteral("TotalCredito")
            << QStringLiteral("TotalNuevoSaldo");

    QSet<QString> listed;
    for (const TrialBalanceRow &r : balance)
        listed.insert(r.code);
    // A row whose code begins with another listed code is already in that one's sums.
    auto contained = [&listed](const QString &code) {
        for (qsizetype length = 1; length < code.size(); ++length)
            if (listed.contains(code.left(length)))
                return true;
        return false;
    };

    std::vector<QVariantList> data;
    data.reserve(balance.size());
    for (const TrialBalanceRow &r : balance) {
        const QString indent(levelOf(r.code) * IndentPerLevel, QLatin1Char(' '));
        const bool counts = !contained(r.code);
        const AccountSum none;
        const AccountSum &total = counts ? r.sum : none;
        QVariantList row = heading;
        row << r.code << r.name << options.month << options.year << session.gNombreUsuario
            << amount(r.sum.opening) << amount(r.sum.debit) << amount(r.sum.credit)
            << amount(r.sum.closing()) << session.gNombreIDEmpresa << options.level << detailDigits
            << int(r.summary) << int(options.consolidated) << indent + r.code << indent + r.name
            << amount(total.opening) << amount(total.debit) << amount(total.credit)
            << amount(total.closing());
        data.push_back(std::move(row));
    }
    return ReportData(columns, std::move(data));
}

int TrialBalanceReport::rowColumnCount()
{
    return int(ReportHeadingValues(Session{}).size()) + 14;
}

QString TrialBalanceReport::describe(const TrialBalanceOptions &o)
{
    return QStringLiteral("Balance de prueba Empresa=%1 Matriz=%2 Mes=%3 Ano=%4 Nivel=%5 "
                          "Desde=%6 Hasta=%7 Todas=%8 Consolidado=%9 SinCierre=%10")
        .arg(o.company, o.headOffice)
        .arg(o.month)
        .arg(o.year)
        .arg(o.level)
        .arg(o.from, o.to)
        .arg(int(o.showAll))
        .arg(int(o.consolidated))
        .arg(int(o.withoutClosing));
}

ReportOutcome TrialBalanceReport::run(const Session &session, ReportOutput &output,
                                      const TrialBalanceOptions &options, int destination)
{
    ComputedRows computed{rows(session, options), describe(effectiveOptions(session, options))};
    return RunReport(session, output, std::move(computed),
                     session.gRutaReporte + QStringLiteral("\\") + LayoutFile, Title, destination,
                     1, QString(), true, 0);
}
