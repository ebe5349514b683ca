#pragma once

#include "common/report/ReportOutput.h"
#include "platform/report/ReportDocument.h"

#include <vector>

// Stands in for the preview window and the printers: records what the runner asked for.
class RecordingReportOutput : public ReportOutput
{
public:
    struct Request
    {
        enum class Kind { Preview, Print };
        Kind kind;
        std::shared_ptr<const ReportDocument> document;
        QString title; // Preview
        int zoom = 0;  // Preview
        QString printer;
    };

    bool hasPrinter = true;
    std::vector<Request> requests;
    std::vector<bool> busy;

    bool printerAvailable() override { return hasPrinter; }
    void preview(std::shared_ptr<const ReportDocument> document, const QString &title,
                 int zoomPercent, const QString &printerName) override
    {
        requests.push_back(
            {Request::Kind::Preview, std::move(document), title, zoomPercent, printerName});
    }
    void print(std::shared_ptr<const ReportDocument> document, const QString &printerName) override
    {
        requests.push_back({Request::Kind::Print, std::move(document), {}, 0, printerName});
    }
    void setBusy(bool on) override { busy.push_back(on); }
};
