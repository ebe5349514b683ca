#include "common/report/ui/frmPreview.h"

#include "common/Prompter.h"
#include "common/report/RunReport.h"
#include "common/report/ui/Printers.h"
#include "common/ui/ApplicationLook.h"
#include "platform/report/PageRenderer.h"
#include "platform/SettingsStore.h"
#include "platform/report/PdfExport.h"
#include "platform/report/ReportDocument.h"
#include "platform/report/ReportError.h"
#include "platform/report/ui/ReportPrinting.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
const int Zooms[] = {50, 75, 100, 125, 150, 200, 300};
}

frmPreview::frmPreview(std::shared_ptr<const ReportDocument> document, const QString &title,
                       int zoomPercent, const QString &printerName, Prompter &prompter,
                       QWidget *parent, SettingsStore *settings)
    : QWidget(parent, Qt::Window)
    , m_document(std::move(document))
    , m_printerName(printerName)
    , m_prompter(prompter)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(title);

    auto *toolbar = new QToolBar(this);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const auto icon = [](const char *key) {
        return ApplicationLook::operationIcon(QString::fromLatin1(key));
    };
    toolbar->addAction(icon("Primera"), QStringLiteral("Primera"), this, [this] { showPage(0); })
        ->setToolTip(QStringLiteral("Primera página"));
    toolbar
        ->addAction(icon("Anterior"), QStringLiteral("Anterior"), this,
                    [this] { showPage(m_page - 1); })
        ->setToolTip(QStringLiteral("Página anterior"));
    m_pageLabel = new QLabel(toolbar);
    m_pageLabel->setObjectName(QStringLiteral("lblPagina"));
    m_pageLabel->setMinimumWidth(110);
    m_pageLabel->setAlignment(Qt::AlignCenter);
    toolbar->addWidget(m_pageLabel);
    toolbar
        ->addAction(icon("Siguiente"), QStringLiteral("Siguiente"), this,
                    [this] { showPage(m_page + 1); })
        ->setToolTip(QStringLiteral("Página siguiente"));
    toolbar
        ->addAction(icon("Ultima"), QStringLiteral("Última"), this,
                    [this] { showPage(m_document->pageCount() - 1); })
        ->setToolTip(QStringLiteral("Última página"));
    toolbar->addSeparator();
    m_zoomBox = new QComboBox(toolbar);
    m_zoomBox->setObjectName(QStringLiteral("cmbZoom"));
    m_zoomBox->addItem(FitPageText, int(FitPage));
    m_zoomBox->addItem(FitWidthText, int(FitWidth));
    for (int z : Zooms)
        m_zoomBox->addItem(QStringLiteral("%1 %").arg(z), z);
    toolbar->addWidget(m_zoomBox);
    toolbar->addSeparator();
    toolbar->addAction(icon("Imprimir"), QStringLiteral("Imprimir"), this, &frmPreview::print);
    toolbar->addAction(icon("ExportarPDF"), QStringLiteral("Exportar PDF"), this,
                       &frmPreview::chooseExportFile);
    toolbar->addAction(icon("Salir"), QStringLiteral("Cerrar"), this, &QWidget::close);

    m_canvas = new QLabel;
    m_canvas->setAlignment(Qt::AlignCenter);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("scrPagina"));
    m_scroll->setAlignment(Qt::AlignHCenter);
    // The sheet stands out on grey, as paper on a desk.
    QPalette desk = m_scroll->viewport()->palette();
    desk.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    m_scroll->viewport()->setPalette(desk);
    m_scroll->viewport()->setAutoFillBackground(true);
    m_scroll->setWidget(m_canvas);
    m_scroll->setWidgetResizable(false);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addWidget(m_scroll, 1);

    // The user's own choice, once made, wins over the report's.
    int wanted = zoomPercent;
    if (m_settings && m_settings->contains(ZoomKey))
        wanted = m_settings->value(ZoomKey).toInt();
    if (wanted == FitPage || wanted == FitWidth) {
        m_fit = Fit(wanted);
        m_zoom = 100;
    } else {
        m_zoom = std::clamp(wanted, 25, 400);
        if (m_zoomBox->findData(m_zoom) < 0)
            m_zoomBox->addItem(QStringLiteral("%1 %").arg(m_zoom), m_zoom);
    }
    m_zoomBox->setCurrentIndex(m_zoomBox->findData(m_fit != NoFit ? int(m_fit) : m_zoom));
    connect(m_zoomBox, &QComboBox::activated, this, &frmPreview::zoomChosen);
    connect(m_zoomBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        const int value = m_zoomBox->itemData(index).toInt();
        if (value > 0)
            setZoom(value);
        else
            setFit(Fit(value));
    });

    // As wide as the sheet at its zoom and as tall as the screen allows.
    const QSizeF sheet = sheetSize() * (m_fit != NoFit ? 1.0 : m_zoom / 100.0);
    QSize size(int(sheet.width()) + 60, 900);
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        size = size.boundedTo(QSize(room.width(), room.height() * 9 / 10));
    }
    resize(size);
    if (m_fit != NoFit)
        m_zoom = fittedZoom(m_fit);
    render();
}

frmPreview::~frmPreview() = default;

void frmPreview::showPage(int index)
{
    const int last = m_document->pageCount() - 1;
    m_page = std::clamp(index, 0, std::max(last, 0));
    render();
}

void frmPreview::setZoom(int percent)
{
    if (percent <= 0 || (percent == m_zoom && m_fit == NoFit))
        return;
    m_fit = NoFit;
    m_zoom = percent;
    const int index = m_zoomBox->findData(percent);
    if (index >= 0 && index != m_zoomBox->currentIndex())
        m_zoomBox->setCurrentIndex(index);
    render();
}

void frmPreview::setFit(Fit fit)
{
    m_fit = fit;
    if (fit == NoFit)
        return;
    const int index = m_zoomBox->findData(int(fit));
    if (index >= 0 && index != m_zoomBox->currentIndex())
        m_zoomBox->setCurrentIndex(index);
    m_zoom = fittedZoom(fit);
    render();
}

void frmPreview::zoomChosen(int index)
{
    if (m_settings) {
        m_settings->setValue(ZoomKey, m_zoomBox->itemData(index).toInt());
        m_settings->sync();
    }
}

QSizeF frmPreview::sheetSize() const
{
    // 96 dots per inch is a sheet at its real size on an ordinary screen.
    return m_document->pageSetup().paperSize() / 25.4 * 96.0;
}

int frmPreview::fittedZoom(Fit fit) const
{
    const QSizeF sheet = sheetSize();
    // Room for the scroll bar that a page taller than the view brings, and a little air.
    const QSize view = m_scroll->maximumViewportSize() - QSize(24, 12);
    qreal factor = view.width() / sheet.width();
    if (fit == FitPage)
        factor = std::min(factor, view.height() / sheet.height());
    return std::clamp(int(factor * 100), 10, 400);
}

void frmPreview::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_fit != NoFit) {
        const int zoom = fittedZoom(m_fit);
        if (zoom != m_zoom) {
            m_zoom = zoom;
            render();
        }
    }
}

void frmPreview::render()
{
    const int pages = m_document->pageCount();
    m_pageLabel->setText(QStringLiteral("Página %1 de %2").arg(m_page + 1).arg(pages));
    if (pages == 0)
        return;
    // 96 dots per inch is a sheet at its real size on an ordinary screen.
    const qreal dpi = 96.0 * m_zoom / 100.0 * devicePixelRatioF();
    QImage image = PageRenderer(*m_document).image(m_page, dpi);
    image.setDevicePixelRatio(devicePixelRatioF());
    m_canvas->setPixmap(QPixmap::fromImage(image));
    m_canvas->adjustSize();
}

bool frmPreview::exportPdf(const QString &path)
{
    try {
        PdfExport::write(*m_document, path);
        m_prompter.info(QStringLiteral("El reporte se exportó a:\n%1")
                            .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())),
                        ReportMessages::Title);
        return true;
    } catch (const ReportError &e) {
        m_prompter.error(e.message(), ReportMessages::Title);
        return false;
    }
}

void frmPreview::chooseExportFile()
{
    QString suggested = windowTitle().trimmed();
    if (suggested.isEmpty())
        suggested = QStringLiteral("Reporte");
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Exportar a PDF"),
                                                      QDir::home().filePath(suggested + ".pdf"),
                                                      QStringLiteral("Documentos PDF (*.pdf)"));
    if (!path.isEmpty())
        exportPdf(path);
}

void frmPreview::print()
{
    if (!PrinterAvailable()) {
        m_prompter.warning(ReportMessages::NoPrinter);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(FindPrinter(m_printerName).printerName());
    ReportPrinting::setUp(printer, *m_document);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!ReportPrinting::print(*m_document, printer))
        m_prompter.error(
            QStringLiteral("No se pudo imprimir en \"%1\".").arg(printer.printerName()),
            ReportMessages::Title);
}

void frmPreview::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_PageDown:
        showPage(m_page + 1);
        return;
    case Qt::Key_PageUp:
        showPage(m_page - 1);
        return;
    case Qt::Key_Home:
        if (event->modifiers() & Qt::ControlModifier) {
            showPage(0);
            return;
        }
        break;
    case Qt::Key_End:
        if (event->modifiers() & Qt::ControlModifier) {
            showPage(m_document->pageCount() - 1);
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}
