#include "common/report/GridReport.h"

#include "platform/report/ReportDocument.h"

#include <QAbstractItemModel>

namespace {

constexpr qreal Margin = 12.7;         // half an inch on every side
constexpr qreal CharacterWidth = 1.75; // mm per character of the 9-point face, on average
constexpr qreal RowHeight = 4.6;
constexpr int SampledRows = 1000; // enough rows to judge a column's width

bool isNumber(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

ReportElement textElement(ReportElementKind kind, const QRectF &rect, int align, int font)
{
    ReportElement e;
    e.kind = kind;
    e.rect = rect;
    e.alignment = align;
    e.font = font;
    return e;
}

} // namespace

std::shared_ptr<ReportDocument> GridReport::build(const QAbstractItemModel &model,
                                                  const QSet<int> &hiddenColumns,
                                                  const QString &title, const QDateTime &printedAt)
{
    QList<int> visible;
    for (int c = 0; c < model.columnCount(); ++c) {
        if (!hiddenColumns.contains(c))
            visible << c;
    }

    // Rows as the grid shows them, one report column per visible grid column.
    QStringList columns;
    for (int i = 0; i < visible.size(); ++i)
        columns << QStringLiteral("C%1").arg(i);
    std::vector<QVariantList> rows;
    rows.reserve(size_t(model.rowCount()));
    for (int r = 0; r < model.rowCount(); ++r) {
        QVariantList row;
        for (int c : visible)
            row << model.data(model.index(r, c), Qt::DisplayRole).toString();
        rows.push_back(std::move(row));
    }

    ReportLayout layout;
    layout.page.margins = QMarginsF(Margin, Margin, Margin, Margin);
    ReportFontStyle normal;
    normal.pointSize = 9;
    layout.fonts = {normal};
    ReportFontStyle heading = normal;
    heading.pointSize = 16;
    heading.bold = true;
    const int titleFont = layout.fontIndex(heading);

    // Widths follow the longest text of each column, within reason.
    std::vector<qreal> widths;
    std::vector<int> alignments;
    for (int i = 0; i < visible.size(); ++i) {
        const int c = visible[i];
        qsizetype longest = model.headerData(c, Qt::Horizontal).toString().size();
        for (int r = 0; r < std::min(model.rowCount(), SampledRows); ++r)
            longest = std::max(longest, rows[size_t(r)][i].toString().size());
        widths.push_back(std::clamp(qreal(longest + 2) * CharacterWidth, 12.0, 90.0));
        const QVariant align = model.data(model.index(0, c), Qt::TextAlignmentRole);
        int h = align.isValid() ? (align.toInt() & Qt::AlignHorizontal_Mask) : 0;
        if (!h)
            h = isNumber(model.data(model.index(0, c), Qt::DisplayRole)) ? Qt::AlignRight
                                                                         : Qt::AlignLeft;
        alignments.push_back(h | Qt::AlignVCenter);
    }
    qreal natural = 0;
    for (qreal w : widths)
        natural += w;
    if (natural > layout.page.bodyWidth())
        layout.page.orientation = ReportOrientation::Landscape;
    const qreal body = layout.page.bodyWidth();
    if (natural > body) {
        for (qreal &w : widths)
            w *= body / natural;
    }

    const int right = Qt::AlignRight | Qt::AlignVCenter;
    ReportBand &header = layout.pageHeader;
    header.present = true;
    header.height = 24;
    ReportElement date =
        textElement(ReportElementKind::PrintDate, QRectF(0, 0, body, 4.5), right, 0);
    date.prefix = QStringLiteral("Fecha: ");
    date.format.format = ReportFormat::Date;
    date.format.pattern = QStringLiteral("dd-MM-yyyy");
    header.elements.push_back(date);
    ReportElement time =
        textElement(ReportElementKind::PrintTime, QRectF(0, 4.5, body, 4.5), right, 0);
    time.prefix = QStringLiteral("Hora:  ");
    time.format.format = ReportFormat::Time;
    time.format.pattern = QStringLiteral("hh:mm AP");
    header.elements.push_back(time);
    ReportElement caption = textElement(ReportElementKind::Text, QRectF(0, 9, body, 8),
                                        Qt::AlignHCenter | Qt::AlignVCenter, titleFont);
    caption.text = title.toUpper();
    header.elements.push_back(caption);
    ReportElement page =
        textElement(ReportElementKind::PageNumber, QRectF(0, 9, body, 8), right, 0);
    page.prefix = QStringLiteral("Pág:    ");
    header.elements.push_back(page);

    // Column headers in shaded cells, as the grid draws them; no lines between the rows.
    ReportBand &columnHeader = layout.columnHeader;
    columnHeader.present = true;
    columnHeader.height = RowHeight + 1;
    ReportElement shade;
    shade.kind = ReportElementKind::Box;
    shade.rect = QRectF(0, 0, body, RowHeight);
    shade.lineWidth = 0;
    shade.fill = QStringLiteral("#e4e4e4");
    columnHeader.elements.push_back(shade);

    ReportBand &detail = layout.detail;
    detail.present = true;
    detail.height = RowHeight;
    ReportData data(columns, std::move(rows));
    qreal x = 0;
    for (int i = 0; i < visible.size(); ++i) {
        const QRectF cell(x + 0.8, 0, widths[size_t(i)] - 1.6, RowHeight);
        ReportElement head =
            textElement(ReportElementKind::Text, cell, Qt::AlignHCenter | Qt::AlignVCenter, 0);
        head.text = model.headerData(visible[i], Qt::Horizontal).toString();
        columnHeader.elements.push_back(head);
        ReportElement value = textElement(ReportElementKind::Field, cell, alignments[size_t(i)], 0);
        value.field = columns[i];
        detail.elements.push_back(value);
        x += widths[size_t(i)];
    }

    auto document = std::make_shared<ReportDocument>(std::move(layout), std::move(data));
    document->setTitle(title);
    document->setPrintedAt(printedAt);
    return document;
}
