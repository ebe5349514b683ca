#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

// One thing to draw on a laid-out page. Positions are millimetres from the sheet's top-left
// corner, so the same page is painted at any resolution.
struct DrawItem
{
    enum class Kind { Text, Line, Box, Image };

    Kind kind = Kind::Text;
    QRectF rect;       // Line: from the top-left corner to the bottom-right one
    QString text;      // Text
    QStringList lines; // Text that takes several lines: the lines, broken where every output
                       // breaks them; empty for a text on one line
    QString fill;      // Box: colour name, empty = outline only
    int font = 0;      // Text: index into the layout's fonts
    int alignment = 0; // Text: Qt::Alignment
    int image = -1;    // Image: index into the document's images
    qreal lineWidth = 0;
};

struct ReportPage
{
    std::vector<DrawItem> items;
};
