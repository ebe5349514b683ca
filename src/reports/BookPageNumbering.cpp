#include "reports/BookPageNumbering.h"

#include "common/Prompter.h"
#include "common/Session.h"

std::optional<QString> BookPageNumbering::fault(int first, int last)
{
    if (last < first)
        return LastBelowFirst;
    if (qint64(last) - first + 1 > MaxPages)
        return TooManyPages;
    return std::nullopt;
}

bool BookPageNumbering::check(int first, int last, Prompter &prompter)
{
    if (const auto message = fault(first, last)) {
        prompter.warning(*message, Prompter::DefaultTitle);
        return false;
    }
    return true;
}

QString BookPageNumbering::progressText(int page)
{
    return QStringLiteral("Foliando pagina Nº ") + QString::number(page);
}

ReportData BookPageNumbering::rows(const Session &session, const QString &book, int first, int last,
                                   const Progress &progress)
{
    std::vector<QVariantList> data;
    const int total = last >= first ? last - first + 1 : 0;
    data.reserve(size_t(total));
    for (int page = first; page <= last; ++page) {
        data.push_back({session.gNombreEmpresa, book, page});
        if (progress)
            progress(page, int(data.size()), total);
    }
    return ReportData(
        {QStringLiteral("Empresa"), QStringLiteral("Libro"), QStringLiteral("Pagina")},
        std::move(data));
}

ReportOutcome BookPageNumbering::run(const Session &session, ReportOutput &output,
                                     const QString &book, int first, int last,
                                     const Progress &progress, int destination)
{
    if (!check(first, last, session.prompt()))
        return ReportOutcome::Failed;
    ComputedRows computed{rows(session, book, first, last, progress),
                          QStringLiteral("Foliado de libros Libro=%1 Desde=%2 Hasta=%3")
                              .arg(book)
                              .arg(first)
                              .arg(last)};
    return RunReport(session, output, std::move(computed),
                     session.gRutaReporte + QStringLiteral("\\") + LayoutFile, Title, destination,
                     1, QString(), true, 0);
}
