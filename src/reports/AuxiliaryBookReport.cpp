#include "reports/AuxiliaryBookReport.h"

#include "calendar/PeriodService.h"
#include "common/Prompter.h"
#include "common/Session.h"
#include "common/grid/FormatHelpers.h"
#include "common/report/ReportHeading.h"
#include "platform/Db.h"
#include "reports/AuxiliaryBook.h"
#include "reports/MonthRange.h"
#include "reports/TrialBalanceReport.h"

#include <QRegularExpression>

namespace {

QVariant amount(Money m)
{
    return QVariant::fromValue<qlonglong>(m.thousandths());
}

const QStringList &rowColumns()
{
    static const QStringList columns{QStringLiteral("TipoComprobante"),
                                     QStringLiteral("NombreComprobante"),
                                     QStringLiteral("NumeroComprobante"),
                                     QStringLiteral("Linea"),
                                     QStringLiteral("Descripcion"),
                                     QStringLiteral("Cuenta"),
                                     QStringLiteral("NombreCuenta"),
                                     QStringLiteral("Fecha"),
                                     QStringLiteral("TipoDocumento"),
                                     QStringLiteral("NombreDocumento"),
                                     QStringLiteral("NumeroDocumento"),
                                     QStringLiteral("Tercero"),
                                     QStringLiteral("NombreTercero"),
                                     QStringLiteral("CentroCosto"),
                                     QStringLiteral("UsuarioLinea"),
                                     QStringLiteral("Debito"),
                                     QStringLiteral("Credito"),
                                     QStringLiteral("NombreIDEmpresa"),
                                     QStringLiteral("SaldoInicialTercero"),
                                     QStringLiteral("SaldoInicialCuenta"),
                                     QStringLiteral("DebitoCuenta"),
                                     QStringLiteral("CreditoCuenta"),
                                     QStringLiteral("DebitoTercero"),
                                     QStringLiteral("CreditoTercero"),
                                     QStringLiteral("SaldoInicialTotal"),
                                     QStringLiteral("DebitoTotal"),
                                     QStringLiteral("CreditoTotal"),
                                     QStringLiteral("Consolidado")};
    return columns;
}

const QStringList &layoutColumns()
{
    static const QStringList columns{
        QStringLiteral("Empresa"),           QStringLiteral("Saldo"),
        QStringLiteral("SaldoFinalTercero"), QStringLiteral("SaldoFinalCuenta"),
        QStringLiteral("SaldoFinalTotal"),   QStringLiteral("Periodo")};
    return columns;
}

} // namespace

QString AuxiliaryBookReport::layoutFile(Kind kind)
{
    switch (kind) {
    case Kind::Annual:
        return QStringLiteral("crpAuxiliarExpandido.rpt");
    case Kind::AnnualDetailed:
        return QStringLiteral("crpauxiliardetallado.rpt");
    case Kind::Monthly:
    case Kind::Iva:
        break;
    }
    return QStringLiteral("crpAuxiliar.rpt");
}

QString AuxiliaryBookReport::title(Kind kind)
{
    return kind == Kind::Annual || kind == Kind::AnnualDetailed ? AnnualTitle : Title;
}

QString AuxiliaryBookReport::PartyLookupQuery()
{
    return QStringLiteral("SELECT Codigo, Nombre FROM TERCERO WHERE Codigo <> '*' AND "
                          "Codigo LIKE ? ORDER BY Codigo");
}

std::vector<std::pair<QString, QString>> AuxiliaryBookReport::companiesOf(Db &db,
                                                                          const QString &headOffice)
{
    std::vector<std::pair<QString, QString>> companies;
    QSqlQuery q = db.run(QStringLiteral("SELECT Codigo, Nombre FROM EMPRESA WHERE "
                                        "CodigoMatriz = ? ORDER BY Nombre"),
                         {headOffice});
    while (q.next())
        companies.emplace_back(q.value(0).toString(), q.value(1).toString());
    return companies;
}

bool AuxiliaryBookReport::checkYear(const QString &yearText, Prompter &prompter)
{
    static const QRegularExpression fourDigits(QStringLiteral("^[0-9]{4}$"));
    const QString year = yearText.trimmed();
    if (fourDigits.match(year).hasMatch() && year.toInt() >= 1900)
        return true;
    prompter.warning(YearInvalid, Prompter::DefaultTitle);
    return false;
}

bool AuxiliaryBookReport::checkAccount(const QString &account, Prompter &prompter)
{
    if (!account.trimmed().isEmpty())
        return true;
    prompter.warning(AccountMissing, Prompter::DefaultTitle);
    return false;
}

bool AuxiliaryBookReport::checkMonths(const Session &session, int first, int last,
                                      Prompter &prompter)
{
    const int closingMonth =
        PeriodService(session.db()).closingMonth(session.gEmpresa, session.gMatriz);
    const std::optional<QString> fault = MonthRange::fault(first, last, closingMonth);
    if (!fault)
        return true;
    prompter.error(*fault, MonthRange::Title);
    return false;
}

AuxiliaryBookOptions AuxiliaryBookReport::optionsFor(const Session &session, int first, int last,
                                                     int year)
{
    AuxiliaryBookOptions o;
    o.company = session.gEmpresa;
    o.headOffice = session.gMatriz;
    o.firstMonth = first;
    o.lastMonth = last;
    o.year = year;
    return o;
}

AuxiliaryBookOptions AuxiliaryBookReport::effective(const Session &session,
                                                    const AuxiliaryBookOptions &asked)
{
    AuxiliaryBookOptions options = asked;
    options.consolidated = asked.consolidated && TrialBalanceReport::consolidationAllowed(session);
    return options;
}

QString AuxiliaryBookReport::periodText(const AuxiliaryBookOptions &o)
{
    if (o.firstMonth == o.lastMonth)
        return QStringLiteral("%1 %2").arg(MonthName(o.firstMonth)).arg(o.year);
    return QStringLiteral("%1 a %2 %3")
        .arg(MonthName(o.firstMonth), MonthName(o.lastMonth))
        .arg(o.year);
}

ReportData AuxiliaryBookReport::rows(const Session &session, const AuxiliaryBookOptions &asked)
{
    const AuxiliaryBookOptions options = effective(session, asked);
    const AuxiliaryBookData book = AuxiliaryBook::compute(session.db(), options);

    QStringList columns;
    QVariantList heading;
    for (const ReportValue &v : ReportHeadingValues(session)) {
        columns << v.name;
        heading << v.value;
    }
    columns << rowColumns() << layoutColumns();

    const QVariant period = periodText(options);
    const QVariant consolidated = int(options.consolidated);
    const QVariant identifier = session.gNombreIDEmpresa;
    const QVariant none = QString();
    std::vector<QVariantList> data;
    data.reserve(book.lineCount() + 16);
    for (const AuxiliaryAccount &account : book.accounts) {
        const QVariant accountCode = account.code, accountName = account.name;
        for (const AuxiliaryParty &party : account.parties) {
            const QVariant partyCode = party.code, partyName = party.name;
            // The sums every row of the pair repeats: the layout reads them in its headers
            // and footers, whichever row opens or closes the group.
            const QVariantList sums{identifier,
                                    amount(party.opening),
                                    amount(account.opening),
                                    amount(account.debit),
                                    amount(account.credit),
                                    amount(party.debit),
                                    amount(party.credit),
                                    amount(book.opening),
                                    amount(book.debit),
                                    amount(book.credit),
                                    consolidated};
            const auto finish = [&](QVariantList &row, const QVariant &company, Money balance) {
                row << sums << company << amount(balance) << amount(party.closing())
                    << amount(account.closing()) << amount(book.closing()) << period;
            };
            if (party.lines.empty()) {
                QVariantList row = heading;
                row << none << none << none << 0 << none << accountCode << accountName
                    << QVariant(QMetaType::fromType<QDate>()) << none << none << none << partyCode
                    << partyName << none << none << amount({}) << amount({});
                finish(row, none, party.opening);
                data.push_back(std::move(row));
                continue;
            }
            // The "*" that stands for no document or no cost centre prints as nothing.
            const auto shown = [](const QString &code) {
                return code == QLatin1String("*") ? QString() : code;
            };
            Money balance = party.opening;
            for (const AuxiliaryLine &line : party.lines) {
                balance += line.debit - line.credit;
                QVariantList row;
                row.reserve(columns.size());
                row << heading << line.voucherType << line.voucherName << line.voucherNumber << line.line
                    << line.description << accountCode << accountName << line.date
                    << shown(line.documentType)
                    << (line.documentType == QLatin1String("*") ? QString() : line.documentName)
                    << line.document << partyCode << partyName << shown(line.costCentre)
                    << line.user << amount(line.debit)
                    << amount(line.credit);
                finish(row, line.company, balance);
                data.push_back(std::move(row));
            }
        }
    }
    return ReportData(columns, std::move(data));
}

int AuxiliaryBookReport::rowColumnCount()
{
    return int(ReportHeadingValues(Session{}).size() + rowColumns().size());
}

QString AuxiliaryBookReport::describe(const AuxiliaryBookOptions &o)
{
    return QStringLiteral("Libro auxiliar Empresa=%1 Matriz=%2 Meses=%3-%4 Ano=%5 Cuentas=%6-%7 "
                          "Terceros=%8-%9 Cuenta=%10 Consolidado=%11 Orden=%12")
        .arg(o.company, o.headOffice)
        .arg(o.firstMonth)
        .arg(o.lastMonth)
        .arg(o.year)
        .arg(o.accountFrom, o.accountTo, o.partyFrom, o.partyTo, o.account)
        .arg(int(o.consolidated))
        .arg(o.order == AuxiliaryBookOptions::Order::Document ? QStringLiteral("Documento")
                                                              : QStringLiteral("Fecha"));
}

ReportOutcome AuxiliaryBookReport::run(const Session &session, ReportOutput &output, Kind kind,
                                       const AuxiliaryBookOptions &options, int destination)
{
    ComputedRows computed{rows(session, options), describe(effective(session, options))};
    // The books with every column of the line print across the page; the annual one keeps
    // to the columns a portrait page holds.
    const int orientation = kind == Kind::Annual ? 1 : 2;
    return RunReport(session, output, std::move(computed),
                     session.gRutaReporte + QStringLiteral("\\") + layoutFile(kind), title(kind),
                     destination, orientation, QString(), true, 0);
}
