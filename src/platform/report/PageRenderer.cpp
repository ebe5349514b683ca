#include "platform/report/PageRenderer.h"

#include "platform/report/ReportDocument.h"
#include "platform/report/TextMeasure.h"

#include <QPaintDevice>
#include <QPainter>

namespace {
constexpr qreal MmPerInch = 25.4;
}

PageRenderer::PageRenderer(const ReportDocument &document)
    : m_document(document)
{
    for (const ReportFontStyle &style : document.layout().fonts)
        m_fonts.push_back(TextMeasure::fontFor(style));
}

void PageRenderer::paint(QPainter &painter, int index) const
{
    const ReportPage &page = m_document.page(index);
    const std::vector<QImage> &images = m_document.images();
    const qreal sx = painter.device()->logicalDpiX() / MmPerInch;
    const qreal sy = painter.device()->logicalDpiY() / MmPerInch;
    auto toDevice = [&](const QRectF &mm) {
        return QRectF(mm.left() * sx, mm.top() * sy, mm.width() * sx, mm.height() * sy);
    };

    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    int currentFont = -1;
    for (const DrawItem &item : page.items) {
        switch (item.kind) {
        case DrawItem::Kind::Text:
            if (item.font != currentFont) {
                painter.setFont(m_fonts[size_t(item.font)]);
                currentFont = item.font;
            }
            painter.setPen(Qt::black);
            // The lines were broken once for every output; a device whose glyphs come out a
            // hair wider than the reference's must neither break them again nor clip them.
            painter.drawText(toDevice(item.rect),
                             (item.alignment & ~Qt::TextWordWrap) | Qt::TextDontClip,
                             item.lines.isEmpty() ? item.text
                                                  : item.lines.join(QLatin1Char('\n')));
            break;
        case DrawItem::Kind::Line:
            painter.setPen(QPen(Qt::black, item.lineWidth * sx, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(QPointF(item.rect.left() * sx, item.rect.top() * sy),
                             QPointF(item.rect.right() * sx, item.rect.bottom() * sy));
            break;
        case DrawItem::Kind::Box:
            painter.setPen(item.lineWidth > 0 ? QPen(Qt::black, item.lineWidth * sx)
                                              : QPen(Qt::NoPen));
            painter.setBrush(item.fill.isEmpty() ? QBrush(Qt::NoBrush) : QBrush(QColor(item.fill)));
            painter.drawRect(toDevice(item.rect));
            painter.setBrush(Qt::NoBrush);
            break;
        case DrawItem::Kind::Image: {
            const QImage &image = images[size_t(item.image)];
            const QRectF box = toDevice(item.rect);
            QSizeF size = image.size();
            size.scale(box.size(), Qt::KeepAspectRatio);
            const QRectF target(box.left() + (box.width() - size.width()) / 2,
                                box.top() + (box.height() - size.height()) / 2, size.width(),
                                size.height());
            painter.drawImage(target, image);
            break;
        }
        }
    }
    painter.restore();
}

QImage PageRenderer::image(int index, qreal dpi) const
{
    const QSizeF paper = m_document.pageSetup().paperSize();
    QImage image(qRound(paper.width() * dpi / MmPerInch), qRound(paper.height() * dpi / MmPerInch),
                 QImage::Format_RGB32);
    const int dotsPerMeter = qRound(dpi / MmPerInch * 1000);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    paint(painter, index);
    return image;
}
