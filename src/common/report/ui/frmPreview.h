#pragma once

#include <QWidget>
#include <memory>

class Prompter;
class QComboBox;
class QLabel;
class QScrollArea;
class ReportDocument;

// The preview of a report: its pages at a chosen zoom, page by page, with printing and
// export to PDF. Modeless; it keeps the laid-out document while it is open.
class frmPreview : public QWidget
{
    Q_OBJECT

public:
    frmPreview(std::shared_ptr<const ReportDocument> document, const QString &title,
               int zoomPercent, const QString &printerName, Prompter &prompter,
               QWidget *parent = nullptr);
    ~frmPreview() override;

    int currentPage() const { return m_page; } // from 0
    int zoom() const { return m_zoom; }        // percent
    void showPage(int index);
    void setZoom(int percent);
    // Writes the whole report to `path`; tells the user when it cannot. True on success.
    bool exportPdf(const QString &path);
    void print();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void render();
    void chooseExportFile();

    std::shared_ptr<const ReportDocument> m_document;
    QString m_printerName;
    Prompter &m_prompter;
    int m_page = 0;
    int m_zoom = 100;

    QLabel *m_pageLabel = nullptr;
    QComboBox *m_zoomBox = nullptr;
    QScrollArea *m_scroll = nullptr;
    QLabel *m_canvas = nullptr;
};
