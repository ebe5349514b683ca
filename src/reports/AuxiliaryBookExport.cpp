#include "reports/AuxiliaryBookExport.h"

#include "calendar/PeriodService.h"
#include "common/Money.h"
#include "common/Prompter.h"
#include "common/Session.h"
#include "platform/Db.h"
#include "platform/DbError.h"
#include "platform/XlsxWriter.h"
#include "platform/report/ReportError.h"
#include "reports/MonthRange.h"
#include "reports/TrialBalanceReport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <tuple>

namespace {

// Column widths in characters, B to R.
constexpr double Widths[] = {12, 10, 14, 15, 35, 11, 11, 8, 12, 8, 14, 12, 12, 15, 15, 10, 45};

QDate dateOf(const QVariant &value)
{
    if (value.isNull())
        return {};
    // SQLite keeps dates as ISO text, PostgreSQL hands them back as dates.
    const QDate date = value.toDate();
    return date.isValid() ? date : QDate::fromString(value.toString().left(10), Qt::ISODate);
}

} // namespace

QStringList AuxiliaryBookExport::headings()
{
    return {QStringLiteral("EmpresaConsolidacion"),
            QStringLiteral("Empresa"),
            QStringLiteral("Cuenta"),
            QStringLiteral("Tercero"),
            QStringLiteral("NombreTercero"),
            QStringLiteral("Fecha"),
            QStringLiteral("FechaDoc"),
            QStringLiteral("Tipocomprobante"),
            QStringLiteral("NumeroComprobante"),
            QStringLiteral("TipoDocumento"),
            QStringLiteral("Documento"),
            QStringLiteral("Documento2"),
            QStringLiteral("Documento3"),
            QStringLiteral("ValorDebito"),
            QStringLiteral("ValorCredito"),
            QStringLiteral("Usuario"),
            QStringLiteral("Descripcion")};
}

std::optional<AuxiliaryBookExport::Fault>
AuxiliaryBookExport::fault(Db &db, const AuxiliaryExportOptions &o)
{
    if (o.year < 1 || o.year > 9999)
        return Fault{YearInvalid, Prompter::DefaultTitle};
    const int closingMonth = PeriodService(db).closingMonth(o.company, o.headOffice);
    if (const auto message = MonthRange::fault(o.firstMonth, o.lastMonth, closingMonth))
        return Fault{*message, MonthRange::Title};
    return std::nullopt;
}

std::vector<AuxiliaryExportRow> AuxiliaryBookExport::rows(Db &db, const AuxiliaryExportOptions &o)
{
    const QDate first(o.year, o.firstMonth, 1);
    const QDate next = QDate(o.year, o.lastMonth, 1).addMonths(1);
    const QString company = o.consolidated ? QString() : QStringLiteral(" AND M.Empresa = ?");
    QVariantList params{o.headOffice};
    if (!o.consolidated)
        params << o.company;
    params << first << next;
    QString ranges;
    const auto bound = [&](const QString &condition, const QString &value) {
        if (value.isEmpty())
            return;
        ranges += condition;
        params << value;
    };
    bound(QStringLiteral(" AND M.Cuenta >= ?"), o.accountFrom);
    bound(QStringLiteral(" AND M.Cuenta <= ?"), o.accountTo);
    bound(QStringLiteral(" AND M.Tercero >= ?"), o.partyFrom);
    bound(QStringLiteral(" AND M.Tercero <= ?"), o.partyTo);
    const QString sql =
        QStringLiteral(
            "SELECT MAX(M.EmpresaConsolidacion), M.Empresa, M.Cuenta, M.Tercero, MAX(T.Nombre), "
            "M.Fecha, M.Fechadoc, M.TipoComprobante, M.NumeroComprobante, M.TipoDocumento, "
            "M.Documento, MAX(M.Documento2), MAX(M.Documento3), SUM(M.ValorDebito), "
            "SUM(M.ValorCredito), MAX(M.Usuario), MAX(M.Descripcion) FROM MOVIMIENTO M INNER JOIN "
            "TERCERO T ON M.Tercero = T.Codigo WHERE M.Matriz = ?%1 AND M.Fecha >= ? AND M.Fecha < "
            "?%2 GROUP BY M.Empresa, M.Cuenta, M.Tercero, M.TipoComprobante, M.NumeroComprobante, "
            "M.Fecha, M.Fechadoc, M.TipoDocumento, M.Documento")
            .arg(company, ranges);

    std::vector<AuxiliaryExportRow> rows;
    QSqlQuery q = db.run(sql, params);
    while (q.next()) {
        AuxiliaryExportRow r;
        r.consolidationCompany = q.value(0).toString();
        r.company = q.value(1).toString();
        r.account = q.value(2).toString();
        r.party = q.value(3).toString();
        r.partyName = q.value(4).toString();
        r.date = dateOf(q.value(5));
        r.documentDate = dateOf(q.value(6));
        r.voucherType = q.value(7).toString();
        r.voucherNumber = q.value(8).toString();
        r.documentType = q.value(9).toString();
        r.document = q.value(10).toString();
        r.document2 = q.value(11).toString();
        r.document3 = q.value(12).toString();
        r.debit = Money::fromSql(q.value(13)).thousandths();
        r.credit = Money::fromSql(q.value(14)).thousandths();
        r.user = q.value(15).toString();
        r.description = q.value(16).toString();
        rows.push_back(std::move(r));
    }
    q.finish();
    // Sorted here: the engines collate codes differently, the book reads them in byte order.
    std::stable_sort(
        rows.begin(), rows.end(), [](const AuxiliaryExportRow &a, const AuxiliaryExportRow &b) {
            return std::tie(a.account, a.party, a.date, a.voucherType, a.voucherNumber) <
                   std::tie(b.account, b.party, b.date, b.voucherType, b.voucherNumber);
        });
    return rows;
}

int AuxiliaryBookExport::write(Db &db, const AuxiliaryExportOptions &options, const QString &path,
                               const Progress &progress)
{
    const std::vector<AuxiliaryExportRow> lines = rows(db, options);
    const QFileInfo target(path);
    QTemporaryFile part(target.dir().filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    if (!part.open())
        throw ReportError(QStringLiteral("No se pudo escribir el archivo %1").arg(path));
    part.close();

    XlsxWriter book(part.fileName());
    const QStringList titles = headings();
    for (int c = 0; c < titles.size(); ++c) {
        book.heading(HeadingRow, FirstColumn + c, titles[c]);
        book.setColumnWidth(FirstColumn + c, FirstColumn + c, Widths[c]);
    }
    const int total = int(lines.size());
    int row = HeadingRow + 1;
    for (const AuxiliaryExportRow &r : lines) {
        int c = FirstColumn;
        for (const QString &text :
             {r.consolidationCompany, r.company, r.account, r.party, r.partyName})
            book.text(row, c++, text);
        book.date(row, c++, r.date);
        book.date(row, c++, r.documentDate);
        for (const QString &text :
             {r.voucherType, r.voucherNumber, r.documentType, r.document, r.document2, r.document3})
            book.text(row, c++, text);
        book.amount(row, c++, r.debit);
        book.amount(row, c++, r.credit);
        book.text(row, c++, r.user);
        book.text(row, c++, r.description);
        ++row;
        if (progress)
            progress(row - HeadingRow - 1, total);
    }
    if (!book.close())
        throw ReportError(
            QStringLiteral("No se pudo escribir el archivo %1: %2").arg(path, book.errorString()));
    if (!part.rename(path))
        throw ReportError(QStringLiteral("No se pudo escribir el archivo %1").arg(path));
    part.setAutoRemove(false);
    return total;
}

AuxiliaryBookExport::Outcome AuxiliaryBookExport::run(const Session &session,
                                                      AuxiliaryExportOptions options,
                                                      const QString &path, const Progress &progress,
                                                      const Opener &opener)
{
    Prompter &prompter = session.prompt();
    options.consolidated =
        options.consolidated && TrialBalanceReport::consolidationAllowed(session);
    try {
        if (const auto wrong = fault(session.db(), options)) {
            prompter.warning(wrong->text, wrong->title);
            return Outcome::Refused;
        }
        if (QFileInfo::exists(path)) {
            prompter.warning(FileExists, Prompter::DefaultTitle);
            return Outcome::Refused;
        }
        write(session.db(), options, path, progress);
    } catch (const DbError &e) {
        prompter.error(e.userText(), Prompter::DefaultTitle);
        return Outcome::Failed;
    } catch (const ReportError &e) {
        prompter.error(e.message(), Prompter::DefaultTitle);
        return Outcome::Failed;
    }
    if (prompter.question(OpenQuestion, Prompter::DefaultTitle, true) && opener)
        opener(path);
    return Outcome::Written;
}
