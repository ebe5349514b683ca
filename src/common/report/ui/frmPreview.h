#pragma once

#include <QWidget>
#include <memory>

class Prompter;
class SettingsStore;
class QComboBox;
class QLabel;
class QScrollArea;
class ReportDocument;

// The preview of a report: its pages at a chosen zoom, page by page, with printing and
// export to PDF. Modeless; it keeps the laid-out document while it is open. The zoom may also
// follow the window ("Ajustar a la página", "Ajustar al ancho"); the zoom a user picks is kept
// in the workstation's settings and wins over the report's own next time.
class frmPreview : public QWidget
{
    Q_OBJECT

public:
    frmPreview(std::shared_ptr<const ReportDocument> document, const QString &title,
               int zoomPercent, const QString &printerName, Prompter &prompter,
               QWidget *parent = nullptr, SettingsStore *settings = nullptr);

    // Zoom-box entries that follow the window rather than a percentage.
    enum Fit { NoFit = 0, FitPage = -1, FitWidth = -2 };
    static inline const QString FitPageText = QStringLiteral("Ajustar a la página");
    static inline const QString FitWidthText = QStringLiteral("Ajustar al ancho");
    static inline const QString ZoomKey = QStringLiteral("ZoomVistaPrevia");
    ~frmPreview() override;

    int currentPage() const { return m_page; } // from 0
    int zoom() const { return m_zoom; }        // percent
    void showPage(int index);
    void setZoom(int percent);
    void setFit(Fit fit);
    Fit fit() const { return m_fit; }
    // Writes the whole report to `path`; tells the user when it cannot. True on success.
    bool exportPdf(const QString &path);
    void print();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void render();
    void zoomChosen(int index);
    // The zoom at which the page fills the view as `fit` asks.
    int fittedZoom(Fit fit) const;
    // The sheet's size on screen at 100 %.
    QSizeF sheetSize() const;
    void chooseExportFile();

    std::shared_ptr<const ReportDocument> m_document;
    QString m_printerName;
    Prompter &m_prompter;
    int m_page = 0;
    int m_zoom = 100;
    Fit m_fit = NoFit;
    SettingsStore *m_settings = nullptr;

    QLabel *m_pageLabel = nullptr;
    QComboBox *m_zoomBox = nullptr;
    QScrollArea *m_scroll = nullptr;
    QLabel *m_canvas = nullptr;
};
