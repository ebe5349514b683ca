#include "platform/report/ReportLayout.h"

#include <algorithm>

QSizeF ReportPageSetup::paperSize() const
{
    QSizeF size;
    switch (paper) {
    case ReportPaper::Letter:
        size = QSizeF(215.9, 279.4);
        break;
    case ReportPaper::Legal:
        size = QSizeF(215.9, 355.6);
        break;
    case ReportPaper::A4:
        size = QSizeF(210, 297);
        break;
    }
    return orientation == ReportOrientation::Landscape ? size.transposed() : size;
}

int ReportLayout::fontIndex(const ReportFontStyle &style)
{
    const auto it = std::find(fonts.begin(), fonts.end(), style);
    if (it != fonts.end())
        return int(it - fonts.begin());
    fonts.push_back(style);
    return int(fonts.size()) - 1;
}

QStringList ReportLayout::fieldNames() const
{
    QStringList names;
    auto add = [&](const QString &name) {
        if (!name.isEmpty() && !names.contains(name, Qt::CaseInsensitive))
            names << name;
    };
    for (const ReportGroup &g : groups)
        add(g.field);
    forEachBand([&](const ReportBand &band) {
        for (const ReportElement &e : band.elements) {
            add(e.field);
            add(e.when);
            add(e.unless);
            add(e.boldWhen);
        }
    });
    return names;
}
