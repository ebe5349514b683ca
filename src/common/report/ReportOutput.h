#pragma once

#include <QString>
#include <memory>

class ReportDocument;

// Where a laid-out report goes: the preview window and the printers of the workstation in
// the application, a recorder in tests. Keeps the report runner free of windows.
class ReportOutput
{
public:
    virtual ~ReportOutput() = default;

    // Whether the workstation has a printer to print on.
    virtual bool printerAvailable() = 0;
    // Opens the preview window (modeless); the window keeps the document alive. Its print
    // button offers `printerName` first.
    virtual void preview(std::shared_ptr<const ReportDocument> document, const QString &title,
                         int zoomPercent, const QString &printerName) = 0;
    // Prints without a dialog on the printer called `printerName`, or on the default
    // printer when the name is empty or no printer has it.
    virtual void print(std::shared_ptr<const ReportDocument> document,
                       const QString &printerName) = 0;
    // The busy pointer while the query runs and the pages are laid out.
    virtual void setBusy(bool busy) { (void)busy; }
};
