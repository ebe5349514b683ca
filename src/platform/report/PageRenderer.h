#pragma once

#include <QFont>
#include <QImage>
#include <vector>

class QPainter;
class ReportDocument;

// Paints laid-out pages with QPainter on any device: a picture for the preview, a printer,
// a PDF. Millimetres become device pixels here and nowhere else.
class PageRenderer
{
public:
    explicit PageRenderer(const ReportDocument &document);

    // Paints page `index` with the painter's origin at the top-left corner of the sheet.
    void paint(QPainter &painter, int index) const;
    // Page `index` on white at `dpi` dots per inch.
    QImage image(int index, qreal dpi) const;

private:
    const ReportDocument &m_document;
    std::vector<QFont> m_fonts;
};
