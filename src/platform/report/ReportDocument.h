#pragma once

#include "platform/report/ReportData.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/ReportPage.h"

#include <QDateTime>
#include <QImage>
#include <QLocale>
#include <optional>
#include <vector>

// A layout bound to its rows, with the page set-up chosen for this run. The pages are laid
// out on first use and then shared by the preview, the printer and the PDF export.
class ReportDocument
{
public:
    ReportDocument(ReportLayout layout, ReportData data);

    const ReportLayout &layout() const { return m_layout; }
    const ReportData &data() const { return m_data; }
    const ReportPageSetup &pageSetup() const { return m_page; }
    const QLocale &locale() const { return m_locale; }
    const QDateTime &printedAt() const { return m_printedAt; }
    const QString &title() const { return m_title; }

    // Settings change the pages, so they belong before the first look at them.
    void setPaper(ReportPaper paper);
    void setOrientation(ReportOrientation orientation);
    void setLocale(const QLocale &locale);
    void setPrintedAt(const QDateTime &when);
    void setTitle(const QString &title) { m_title = title; }

    // Names the layout reads that neither the rows nor the parameters provide.
    QStringList missingFields() const;

    int pageCount() const;
    const ReportPage &page(int index) const;
    const std::vector<QImage> &images() const;
    // The texts of a page, one line per row of text from top to bottom, the pieces of a row
    // from left to right joined by " | ". What the golden files hold.
    QStringList pageText(int index) const;

private:
    void paginate() const;
    void discardPages() { m_pages.reset(); }

    ReportLayout m_layout;
    ReportData m_data;
    ReportPageSetup m_page;
    QLocale m_locale;
    QDateTime m_printedAt;
    QString m_title;

    struct Pages
    {
        std::vector<ReportPage> pages;
        std::vector<QImage> images;
    };
    mutable std::optional<Pages> m_pages;
};
