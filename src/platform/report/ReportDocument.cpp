#include "platform/report/ReportDocument.h"

#include "platform/report/Paginator.h"

#include <algorithm>
#include <cmath>
#include <map>

ReportDocument::ReportDocument(ReportLayout layout, ReportData data)
    : m_layout(std::move(layout))
    , m_data(std::move(data))
    , m_page(m_layout.page)
    , m_printedAt(QDateTime::currentDateTime())
{
}

void ReportDocument::setPaper(ReportPaper paper)
{
    m_page.paper = paper;
    discardPages();
}

void ReportDocument::setOrientation(ReportOrientation orientation)
{
    m_page.orientation = orientation;
    discardPages();
}

void ReportDocument::setLocale(const QLocale &locale)
{
    m_locale = locale;
    discardPages();
}

void ReportDocument::setPrintedAt(const QDateTime &when)
{
    m_printedAt = when;
    discardPages();
}

QStringList ReportDocument::missingFields() const
{
    QStringList missing;
    for (const QString &name : m_layout.fieldNames()) {
        if (!m_data.has(name))
            missing << name;
    }
    return missing;
}

void ReportDocument::paginate() const
{
    if (m_pages)
        return;
    Paginator::Result result = Paginator(m_layout, m_page, m_data, m_locale, m_printedAt).run();
    m_pages = Pages{std::move(result.pages), std::move(result.images)};
}

int ReportDocument::pageCount() const
{
    paginate();
    return int(m_pages->pages.size());
}

const ReportPage &ReportDocument::page(int index) const
{
    paginate();
    return m_pages->pages.at(size_t(index));
}

const std::vector<QImage> &ReportDocument::images() const
{
    paginate();
    return m_pages->images;
}

QStringList ReportDocument::pageText(int index) const
{
    // Keyed by the top edge in tenths of a millimetre, so texts of one band row meet.
    std::map<qint64, std::vector<const DrawItem *>> rows;
    for (const DrawItem &item : page(index).items) {
        if (item.kind == DrawItem::Kind::Text && !item.text.isEmpty())
            rows[std::llround(item.rect.top() * 10)].push_back(&item);
    }
    QStringList lines;
    for (auto &[top, items] : rows) {
        std::stable_sort(items.begin(), items.end(), [](const DrawItem *a, const DrawItem *b) {
            return a->rect.left() < b->rect.left();
        });
        QStringList pieces;
        for (const DrawItem *item : items)
            pieces << item->text;
        lines << pieces.join(QStringLiteral(" | "));
    }
    return lines;
}
