#pragma once

#include "common/report/ReportOutput.h"

class Prompter;
class SettingsStore;
class QWidget;

// Reports on this workstation: the preview window, and the installed printers chosen by name.
class WorkstationReportOutput : public ReportOutput
{
public:
    // Preview windows belong to `window` (the main window) and close with it; the zoom the
    // user picks is kept in `settings`.
    explicit WorkstationReportOutput(Prompter &prompter, QWidget *window = nullptr,
                                     SettingsStore *settings = nullptr);

    bool printerAvailable() override;
    void preview(std::shared_ptr<const ReportDocument> document, const QString &title,
                 int zoomPercent, const QString &printerName) override;
    void print(std::shared_ptr<const ReportDocument> document, const QString &printerName) override;
    void setBusy(bool busy) override;

private:
    Prompter &m_prompter;
    QWidget *m_window;
    SettingsStore *m_settings;
};
