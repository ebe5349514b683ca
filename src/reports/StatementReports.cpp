#include "reports/StatementReports.h"

#include "common/Session.h"
#include "common/report/ReportHeading.h"
#include "platform/Db.h"
#include "reports/TrialBalanceReport.h"

namespace {

// Spaces before a code or name per level below the group (2, 4, 6 characters).
constexpr int IndentPerLevel = 3;

QString indentOf(const QString &code)
{
    const int level = code.size() <= 2 ? 0 : code.size() <= 4 ? 1 : 2;
    return QString(level * IndentPerLevel, QLatin1Char(' '));
}

// Rows that add up other listed rows print in bold: the levels above the chosen one.
bool emphasized(const QString &code, const StatementOptions &options)
{
    return !code.isEmpty() && code.size() < options.codeLength;
}

QVariant amount(Money m)
{
    return QVariant::fromValue<qlonglong>(m.thousandths());
}

// The heading values of the session as the first columns of every row.
struct Heading
{
    QStringList columns;
    QVariantList values;
    explicit Heading(const Session &session)
    {
        for (const ReportValue &v : ReportHeadingValues(session)) {
            columns << v.name;
            values << v.value;
        }
    }
};

int headingCount()
{
    return int(ReportHeadingValues(Session{}).size());
}

QString className(const std::map<QString, QString> &names, QChar c, const QString &otherwise)
{
    const auto found = names.find(QString(c));
    return found == names.end() || found->second.trimmed().isEmpty() ? otherwise
                                                                     : found->second.trimmed();
}

QString sheetClassName(const std::map<QString, QString> &names, QChar c)
{
    if (c == QLatin1Char('1'))
        return className(names, c, QStringLiteral("ACTIVO"));
    if (c == QLatin1Char('2'))
        return className(names, c, QStringLiteral("PASIVO"));
    return className(names, c, QStringLiteral("PATRIMONIO"));
}

QString sheetTotalTitle(QChar c)
{
    if (c == QLatin1Char('1'))
        return QStringLiteral("TOTAL ACTIVO");
    if (c == QLatin1Char('2'))
        return QStringLiteral("TOTAL PASIVO");
    return QStringLiteral("TOTAL PATRIMONIO");
}

// Debit balances of assets read as they are; credit balances of liabilities and equity with
// the sign turned.
Money readerSign(QChar c, Money debitMinusCredit)
{
    return c == QLatin1Char('1') ? debitMinusCredit : -debitMinusCredit;
}

// The class total as printed: the result on its own line counts in the equity.
Money printedClassTotal(const BalanceSheet &sheet, QChar c)
{
    if (c == QLatin1Char('1'))
        return sheet.assets();
    if (c == QLatin1Char('2'))
        return sheet.liabilities();
    return sheet.equity();
}

QStringList sheetParameters(Db &db)
{
    const auto rows =
        db.rows(QStringLiteral("SELECT UtilidadEjercicio, PerdidaEjercicio FROM PARAMETRO"));
    if (rows.empty())
        return {QString(), QString()};
    return {rows.front().value(0).toString(), rows.front().value(1).toString()};
}

QString describeOptions(const QString &what, const StatementOptions &o)
{
    return QStringLiteral("%1 Empresa=%2 Matriz=%3 Mes=%4 Ano=%5 Nivel=%6 Todas=%7 "
                          "Consolidado=%8 AntesDelCierre=%9")
        .arg(what, o.company, o.headOffice)
        .arg(o.month)
        .arg(o.year)
        .arg(o.codeLength)
        .arg(int(o.showAll))
        .arg(int(o.consolidated))
        .arg(int(o.beforeClosing));
}

ReportOutcome runLayout(const Session &session, ReportOutput &output, ReportData data,
                        const QString &description, const QString &layout, const QString &title,
                        int destination)
{
    return RunReport(session, output, ComputedRows{std::move(data), description},
                     session.gRutaReporte + QStringLiteral("\\") + layout, title, destination, 1,
                     QString(), true, 0);
}

} // namespace

namespace StatementReport {

int codeLengthOf(int levelOption)
{
    switch (levelOption) {
    case 1:
        return 2;
    case 2:
        return 4;
    case 3:
        return 6;
    default:
        return 0;
    }
}

StatementOptions optionsFor(const Session &session, int month, int year)
{
    StatementOptions o;
    o.company = session.gEmpresa;
    o.headOffice = session.gMatriz;
    o.month = month;
    o.year = year;
    return o;
}

StatementOptions effective(const Session &session, const StatementOptions &asked)
{
    StatementOptions o = asked;
    o.consolidated = asked.consolidated && TrialBalanceReport::consolidationAllowed(session);
    o.beforeClosing = asked.beforeClosing &&
                      IncomeStatementReport::offersBeforeClosing(session.db(), asked.company,
                                                                 asked.headOffice, asked.month,
                                                                 asked.year);
    return o;
}

} // namespace StatementReport

// ---- Balance sheet

ReportData BalanceSheetReport::rows(const Session &session, const StatementOptions &asked)
{
    Db &db = session.db();
    StatementOptions options = StatementReport::effective(session, asked);
    options.beforeClosing = false;
    const BalanceSheet sheet = FinancialStatements::balanceSheet(db, options);
    const QStringList parameters = sheetParameters(db);

    const Heading heading(session);
    QStringList columns = heading.columns;
    columns << QStringLiteral("Codigo") << QStringLiteral("nombre") << QStringLiteral("Mes")
            << QStringLiteral("Ano") << QStringLiteral("UsuarioReporte")
            << QStringLiteral("Acumulado") << QStringLiteral("NombreIDEmpresa")
            << QStringLiteral("UtilidadEjercicio") << QStringLiteral("PerdidaEjercicio")
            << QStringLiteral("Nivel") << QStringLiteral("Consolidado")
            << QStringLiteral("Reservado1") << QStringLiteral("Reservado2")
            << QStringLiteral("MostrarTodas") << QStringLiteral("Clase")
            << QStringLiteral("NombreClase") << QStringLiteral("TituloTotal")
            << QStringLiteral("CodigoSangrado") << QStringLiteral("NombreSangrado")
            << QStringLiteral("EsPadre") << QStringLiteral("Saldo") << QStringLiteral("TotalClase")
            << QStringLiteral("TotalActivo") << QStringLiteral("TotalPasivoPatrimonio")
            << QStringLiteral("ResultadoEjercicio") << QStringLiteral("Resaltado");

    const Money liabilitiesAndEquity = sheet.liabilities() + sheet.equity();
    std::vector<QVariantList> data;
    auto add = [&](const QString &code, const QString &name, bool summary, Money balance,
                   QChar c) {
        QVariantList row = heading.values;
        row << code << name << options.month << options.year << session.gNombreUsuario
            << amount(balance) << session.gNombreIDEmpresa << parameters[0] << parameters[1]
            << options.codeLength << int(options.consolidated) << 0 << 0 << int(options.showAll)
            << QString(c) << sheetClassName(sheet.classNames, c) << sheetTotalTitle(c)
            << indentOf(code) + code << indentOf(code) + name << int(summary)
            << amount(readerSign(c, balance)) << amount(printedClassTotal(sheet, c))
            << amount(sheet.assets()) << amount(liabilitiesAndEquity) << amount(sheet.result)
            << int(emphasized(code, options));
        data.push_back(std::move(row));
    };
    for (const StatementLine &line : sheet.lines)
        add(line.code, line.name, line.summary, line.balance, line.code[0]);
    if (!sheet.resultAssigned() && !sheet.result.isZero())
        add(QString(), UnassignedResult, false, -sheet.result, QLatin1Char('3'));
    return ReportData(columns, std::move(data));
}

int BalanceSheetReport::rowColumnCount()
{
    return headingCount() + 14;
}

QStringList BalanceSheetReport::amountColumns()
{
    return {QStringLiteral("Acumulado")};
}

QString BalanceSheetReport::describe(const StatementOptions &options)
{
    return describeOptions(QStringLiteral("Balance general"), options);
}

ReportOutcome BalanceSheetReport::run(const Session &session, ReportOutput &output,
                                      const StatementOptions &options, int destination)
{
    return runLayout(session, output, rows(session, options),
                     describe(StatementReport::effective(session, options)), LayoutFile, Title,
                     destination);
}

// ---- Comparative balance sheet

ReportData ComparativeBalanceSheetReport::rows(const Session &session,
                                               const StatementOptions &asked)
{
    Db &db = session.db();
    StatementOptions options = StatementReport::effective(session, asked);
    options.beforeClosing = false;
    ComparativeBalanceSheet c = FinancialStatements::comparative(db, options);

    const Heading heading(session);
    QStringList columns = heading.columns;
    columns << QStringLiteral("Cuenta") << QStringLiteral("Nombre") << QStringLiteral("Mes")
            << QStringLiteral("Ano") << QStringLiteral("UsuarioReporte")
            << QStringLiteral("MontoActual") << QStringLiteral("Nivel")
            << QStringLiteral("MontoAnterior") << QStringLiteral("Reservado1")
            << QStringLiteral("Consolidado") << QStringLiteral("Clase")
            << QStringLiteral("NombreClase") << QStringLiteral("TituloTotal")
            << QStringLiteral("CodigoSangrado") << QStringLiteral("NombreSangrado")
            << QStringLiteral("EsPadre") << QStringLiteral("SaldoActual")
            << QStringLiteral("SaldoAnterior") << QStringLiteral("Variacion")
            << QStringLiteral("TotalClaseActual") << QStringLiteral("TotalClaseAnterior")
            << QStringLiteral("TotalClaseVariacion")
            << QStringLiteral("TotalPasivoPatrimonioActual")
            << QStringLiteral("TotalPasivoPatrimonioAnterior")
            << QStringLiteral("TotalPasivoPatrimonioVariacion") << QStringLiteral("AnoAnterior")
            << QStringLiteral("Resaltado");

    const Money currentTotal = c.current.liabilities() + c.current.equity();
    const Money previousTotal = c.previous.liabilities() + c.previous.equity();
    std::vector<QVariantList> data;
    auto add = [&](const QString &code, const QString &name, bool summary, Money current,
                   Money previous, QChar k) {
        const Money now = readerSign(k, current);
        const Money before = readerSign(k, previous);
        const Money classNow = printedClassTotal(c.current, k);
        const Money classBefore = printedClassTotal(c.previous, k);
        QVariantList row = heading.values;
        row << code << name << options.month << options.year << session.gNombreUsuario
            << amount(current) << options.codeLength << amount(previous) << 0
            << int(options.consolidated) << QString(k)
            << sheetClassName(c.current.classNames, k) << sheetTotalTitle(k)
            << indentOf(code) + code << indentOf(code) + name << int(summary) << amount(now)
            << amount(before) << amount(now - before) << amount(classNow) << amount(classBefore)
            << amount(classNow - classBefore) << amount(currentTotal) << amount(previousTotal)
            << amount(currentTotal - previousTotal) << options.year - 1
            << int(emphasized(code, options));
        data.push_back(std::move(row));
    };
    for (const ComparativeLine &line : c.lines)
        add(line.code, line.name, line.summary, line.current, line.previous, line.code[0]);
    const Money currentUnassigned = c.current.resultAssigned() ? Money() : c.current.result;
    const Money previousUnassigned = c.previous.resultAssigned() ? Money() : c.previous.result;
    if (!currentUnassigned.isZero() || !previousUnassigned.isZero())
        add(QString(), BalanceSheetReport::UnassignedResult, false, -currentUnassigned,
            -previousUnassigned, QLatin1Char('3'));
    return ReportData(columns, std::move(data));
}

int ComparativeBalanceSheetReport::rowColumnCount()
{
    return headingCount() + 10;
}

QStringList ComparativeBalanceSheetReport::amountColumns()
{
    return {QStringLiteral("MontoActual"), QStringLiteral("MontoAnterior")};
}

QString ComparativeBalanceSheetReport::describe(const StatementOptions &options)
{
    return describeOptions(QStringLiteral("Balance general comparativo"), options);
}

ReportOutcome ComparativeBalanceSheetReport::run(const Session &session, ReportOutput &output,
                                                 const StatementOptions &options, int destination)
{
    return runLayout(session, output, rows(session, options),
                     describe(StatementReport::effective(session, options)), LayoutFile, Title,
                     destination);
}

// ---- Income statement

bool IncomeStatementReport::offersBeforeClosing(Db &db, const QString &company,
                                                const QString &headOffice, int month, int year)
{
    return TrialBalanceReport::offersClosingExclusion(db, company, headOffice, month, year);
}

ReportData IncomeStatementReport::rows(const Session &session, const StatementOptions &asked)
{
    Db &db = session.db();
    const StatementOptions options = StatementReport::effective(session, asked);
    const IncomeStatement statement = FinancialStatements::incomeStatement(db, options);

    const Heading heading(session);
    QStringList columns = heading.columns;
    columns << QStringLiteral("Codigo") << QStringLiteral("nombre") << QStringLiteral("Mes")
            << QStringLiteral("Ano") << QStringLiteral("UsuarioReporte")
            << QStringLiteral("Actual") << QStringLiteral("Acumulado")
            << QStringLiteral("NombreIDEmpresa") << QStringLiteral("Nivel")
            << QStringLiteral("Reservado1") << QStringLiteral("Consolidado")
            << QStringLiteral("AntesDelCierre") << QStringLiteral("Clase")
            << QStringLiteral("NombreClase") << QStringLiteral("TituloTotal")
            << QStringLiteral("CodigoSangrado") << QStringLiteral("NombreSangrado")
            << QStringLiteral("EsPadre") << QStringLiteral("SaldoActual")
            << QStringLiteral("SaldoAcumulado") << QStringLiteral("TotalClaseActual")
            << QStringLiteral("TotalClaseAcumulado") << QStringLiteral("OtrosActual")
            << QStringLiteral("OtrosAcumulado") << QStringLiteral("ResultadoActual")
            << QStringLiteral("ResultadoAcumulado") << QStringLiteral("Resaltado");

    // Revenues read as credits, costs and expenses as debits.
    auto printed = [](QChar c, Money debitMinusCredit) {
        return c == QLatin1Char('4') ? -debitMinusCredit : debitMinusCredit;
    };
    auto classTotal = [&](const std::map<QChar, Money> &classes, QChar c) {
        const auto found = classes.find(c);
        return printed(c, found == classes.end() ? Money() : found->second);
    };
    const bool both = options.beforeClosing;
    // The columns: with the month beside the year, (month, year); otherwise (year, nothing).
    auto first = [&](Money month, Money year) { return both ? month : year; };
    auto second = [&](Money year) { return both ? year : Money(); };
    const QChar other = QLatin1Char('7');
    const Money otherFirst =
        first(classTotal(statement.monthClasses, other), classTotal(statement.yearClasses, other));
    const Money otherSecond = second(classTotal(statement.yearClasses, other));
    const Money resultFirst = first(statement.monthResult(), statement.result());
    const Money resultSecond = second(statement.result());

    std::vector<QVariantList> data;
    for (const StatementLine &line : statement.lines) {
        const QChar c = line.code[0];
        const QString name = className(statement.classNames, c, QString(c));
        QVariantList row = heading.values;
        row << line.code << line.name << options.month << options.year << session.gNombreUsuario
            << amount(first(line.month, line.balance)) << amount(second(line.balance))
            << session.gNombreIDEmpresa << options.codeLength << 0 << int(options.consolidated)
            << int(both) << QString(c) << name << QStringLiteral("TOTAL ") + name.toUpper()
            << indentOf(line.code) + line.code << indentOf(line.code) + line.name
            << int(line.summary) << amount(printed(c, first(line.month, line.balance)))
            << amount(printed(c, second(line.balance)))
            << amount(first(classTotal(statement.monthClasses, c),
                            classTotal(statement.yearClasses, c)))
            << amount(second(classTotal(statement.yearClasses, c))) << amount(otherFirst)
            << amount(otherSecond) << amount(resultFirst) << amount(resultSecond)
            << int(emphasized(line.code, options));
        data.push_back(std::move(row));
    }
    return ReportData(columns, std::move(data));
}

int IncomeStatementReport::rowColumnCount()
{
    return headingCount() + 12;
}

QStringList IncomeStatementReport::amountColumns()
{
    return {QStringLiteral("Actual"), QStringLiteral("Acumulado")};
}

QString IncomeStatementReport::describe(const StatementOptions &options)
{
    return describeOptions(QStringLiteral("Perdidas y ganancias"), options);
}

ReportOutcome IncomeStatementReport::run(const Session &session, ReportOutput &output,
                                         const StatementOptions &options, int destination)
{
    return runLayout(session, output, rows(session, options),
                     describe(StatementReport::effective(session, options)), LayoutFile, Title,
                     destination);
}
