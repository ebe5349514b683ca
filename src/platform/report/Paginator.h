#pragma once

#include "platform/report/ReportData.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/ReportPage.h"

#include <QDateTime>
#include <QImage>
#include <QLocale>
#include <vector>

// Lays a layout and its rows out on pages, once: the preview, the printer and the PDF all
// paint the result. Totals are exact whole numbers (amounts in thousandths).
class Paginator
{
public:
    struct Result
    {
        std::vector<ReportPage> pages;
        std::vector<QImage> images;
    };

    Paginator(const ReportLayout &layout, const ReportPageSetup &page, const ReportData &data,
              const QLocale &locale, const QDateTime &printedAt);

    Result run() const;

private:
    const ReportLayout &m_layout;
    ReportPageSetup m_page;
    const ReportData &m_data;
    QLocale m_locale;
    QDateTime m_printedAt;
};
