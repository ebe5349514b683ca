#include "platform/report/ui/ReportPrinting.h"

#include "platform/report/PageRenderer.h"
#include "platform/report/ReportDocument.h"

#include <QPageSize>
#include <QPainter>
#include <QPrinter>

void ReportPrinting::setUp(QPrinter &printer, const ReportDocument &document)
{
    const ReportPageSetup &setup = document.pageSetup();
    QPageSize::PageSizeId size = QPageSize::Letter;
    if (setup.paper == ReportPaper::Legal)
        size = QPageSize::Legal;
    else if (setup.paper == ReportPaper::A4)
        size = QPageSize::A4;
    printer.setPageSize(QPageSize(size));
    printer.setPageOrientation(setup.orientation == ReportOrientation::Landscape
                                   ? QPageLayout::Landscape
                                   : QPageLayout::Portrait);
    // The layout keeps its own margins; the printer's would shift every position.
    printer.setFullPage(true);
    printer.setDocName(document.title());
}

bool ReportPrinting::print(const ReportDocument &document, QPrinter &printer)
{
    const PageRenderer renderer(document);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    for (int i = 0; i < document.pageCount(); ++i) {
        if (i > 0)
            printer.newPage();
        renderer.paint(painter, i);
    }
    return painter.end();
}
