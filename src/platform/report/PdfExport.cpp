#include "platform/report/PdfExport.h"

#include "platform/report/PageRenderer.h"
#include "platform/report/ReportDocument.h"
#include "platform/report/ReportError.h"

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace {

QPageSize pageSizeOf(ReportPaper paper)
{
    switch (paper) {
    case ReportPaper::Letter:
        return QPageSize(QPageSize::Letter);
    case ReportPaper::Legal:
        return QPageSize(QPageSize::Legal);
    case ReportPaper::A4:
        return QPageSize(QPageSize::A4);
    }
    return QPageSize(QPageSize::Letter);
}

} // namespace

void PdfExport::write(const ReportDocument &document, QIODevice &device)
{
    const ReportPageSetup &setup = document.pageSetup();
    QPdfWriter writer(&device);
    writer.setCreator(QStringLiteral("Valdoria"));
    writer.setTitle(document.title());
    writer.setResolution(600);
    writer.setPageSize(pageSizeOf(setup.paper));
    writer.setPageOrientation(setup.orientation == ReportOrientation::Landscape
                                  ? QPageLayout::Landscape
                                  : QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));

    const PageRenderer renderer(document);
    QPainter painter;
    if (!painter.begin(&writer))
        throw ReportError(QStringLiteral("No se pudo generar el PDF del reporte."));
    for (int i = 0; i < document.pageCount(); ++i) {
        if (i > 0)
            writer.newPage();
        renderer.paint(painter, i);
    }
    painter.end();
}

void PdfExport::write(const ReportDocument &document, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw ReportError(QStringLiteral("No se pudo escribir el archivo \"%1\": %2.")
                              .arg(path, file.errorString()));
    write(document, file);
    if (!file.commit())
        throw ReportError(QStringLiteral("No se pudo escribir el archivo \"%1\": %2.")
                              .arg(path, file.errorString()));
}
