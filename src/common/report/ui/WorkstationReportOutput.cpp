#include "common/report/ui/WorkstationReportOutput.h"

#include "common/Prompter.h"
#include "common/report/RunReport.h"
#include "common/report/ui/Printers.h"
#include "common/report/ui/frmPreview.h"
#include "platform/report/ReportDocument.h"
#include "platform/report/ui/ReportPrinting.h"

#include <QGuiApplication>
#include <QPrinter>

WorkstationReportOutput::WorkstationReportOutput(Prompter &prompter, QWidget *window,
                                                 SettingsStore *settings)
    : m_prompter(prompter)
    , m_window(window)
    , m_settings(settings)
{
}

bool WorkstationReportOutput::printerAvailable()
{
    return PrinterAvailable();
}

void WorkstationReportOutput::preview(std::shared_ptr<const ReportDocument> document,
                                      const QString &title, int zoomPercent,
                                      const QString &printerName)
{
    auto *window =
        new frmPreview(std::move(document), title, zoomPercent, printerName, m_prompter, m_window,
                       m_settings);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void WorkstationReportOutput::print(std::shared_ptr<const ReportDocument> document,
                                    const QString &printerName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(FindPrinter(printerName).printerName());
    ReportPrinting::setUp(printer, *document);
    if (!ReportPrinting::print(*document, printer))
        m_prompter.error(
            QStringLiteral("No se pudo imprimir en \"%1\".").arg(printer.printerName()),
            ReportMessages::Title);
}

void WorkstationReportOutput::setBusy(bool busy)
{
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}
