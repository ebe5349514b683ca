#include "platform/report/Paginator.h"

#include "platform/report/FieldFormatter.h"
#include "platform/report/GroupTotals.h"
#include "platform/report/TextMeasure.h"

#include <QFile>
#include <QHash>
#include <optional>

namespace {

// A name of the layout bound to a column of the rows or to a report parameter.
struct Ref
{
    int column = -1;
    QVariant constant;
    bool named = false;

    const QVariant &value(const QVariantList *row) const
    {
        return column >= 0 && row ? (*row)[column] : constant;
    }
};

struct BoundElement
{
    const ReportElement *element = nullptr;
    Ref value;
    Ref when;
    Ref unless;
    Ref bold;
    int slot = -1; // Sum and Count: index of their accumulator
};

struct BoundBand
{
    const ReportBand *band = nullptr;
    std::vector<BoundElement> elements;

    bool present() const { return band && band->present; }
};

class Run
{
public:
    Run(const ReportLayout &layout, const ReportPageSetup &page, const ReportData &data,
        const QLocale &locale, const QDateTime &printedAt)
        : m_layout(layout)
        , m_page(page)
        , m_data(data)
        , m_locale(locale)
        , m_printedAt(printedAt)
    {
        const qreal paperHeight = m_page.paperSize().height();
        m_pageFooterTop = paperHeight - m_page.margins.bottom() -
                          (layout.pageFooter.present ? layout.pageFooter.height : 0);
        m_footerTop = m_pageFooterTop -
                      (layout.carriedForward.present ? layout.carriedForward.height : 0);
        m_pageHeader = bind(layout.pageHeader);
        m_columnHeader = bind(layout.columnHeader);
        for (const ReportGroup &g : layout.groups) {
            m_groupKeys.push_back(resolve(g.field));
            m_groupHeaders.push_back(bind(g.header));
            m_groupFooters.push_back(bind(g.footer));
        }
        m_detail = bind(layout.detail);
        m_summary = bind(layout.summary);
        m_pageFooter = bind(layout.pageFooter);
        m_broughtForward = bind(layout.broughtForward);
        m_carriedForward = bind(layout.carriedForward);
    }

    Paginator::Result go()
    {
        std::vector<int> keyColumns;
        for (const Ref &key : m_groupKeys)
            keyColumns.push_back(key.column);
        m_totals.emplace(m_data, keyColumns, m_slots);
        const int rows = m_data.rowCount();
        const int groups = int(m_layout.groups.size());
        m_pageAcc.assign(m_slots.size(), 0);
        m_runningAcc.assign(m_slots.size(), 0);

        openPage(rows > 0 ? 0 : -1, 0);
        int active = 0;
        for (int r = 0; r < rows; ++r) {
            const int change = m_totals->levelChange(r);
            for (int g = active - 1; g >= change; --g) {
                place(m_groupFooters[size_t(g)], r - 1, active);
                active = g;
            }
            const bool wantsNewPage =
                std::any_of(m_layout.groups.begin() + change, m_layout.groups.end(),
                            [](const ReportGroup &g) { return g.newPage; });
            // The detail is laid out once: the same texts decide whether it fits and are
            // then drawn.
            qreal need = 0;
            if (m_detail.present()) {
                layOut(m_detail, r, m_detailLaid);
                need = heightOf(m_detail, m_detailLaid);
            }
            for (int g = change; g < groups; ++g)
                need += m_groupHeaders[size_t(g)].present() ? heightOf(m_groupHeaders[size_t(g)], r)
                                                            : 0;
            if (!atBodyTop() && (wantsNewPage || m_y + need > m_footerTop)) {
                closePage(r - 1, true);
                openPage(r, active);
            }
            for (int g = change; g < groups; ++g) {
                active = g + 1;
                place(m_groupHeaders[size_t(g)], r, g);
            }
            if (m_detail.present())
                placeLaid(m_detail, r, active, m_detailLaid);
            for (size_t s = 0; s < m_slots.size(); ++s) {
                const qint64 v = m_totals->contribution(int(s), r);
                m_pageAcc[s] += v;
                m_runningAcc[s] += v;
            }
        }
        const int last = rows - 1;
        for (int g = active - 1; g >= 0; --g) {
            place(m_groupFooters[size_t(g)], last, g + 1);
            active = g;
        }
        place(m_summary, last, 0, true);
        closePage(last, false);

        for (const Pending &p : m_pendingCounts) {
            DrawItem &item = m_result.pages[p.page].items[p.item];
            const QString total = QString::number(m_result.pages.size());
            item.text = p.element->prefix +
                        (p.element->kind == ReportElementKind::PageCount
                             ? total
                             : QStringLiteral("%1 de %2").arg(p.page + 1).arg(total)) +
                        p.element->suffix;
        }
        return std::move(m_result);
    }

private:
    struct Pending
    {
        size_t page;
        size_t item;
        const ReportElement *element;
    };

    Ref resolve(const QString &name) const
    {
        Ref ref;
        if (name.isEmpty())
            return ref;
        ref.named = true;
        ref.column = m_data.columnIndex(name);
        if (ref.column < 0)
            ref.constant = m_data.parameter(name);
        return ref;
    }

    BoundBand bind(const ReportBand &band)
    {
        BoundBand bound;
        bound.band = &band;
        for (const ReportElement &e : band.elements) {
            BoundElement b;
            b.element = &e;
            b.value = resolve(e.field);
            b.when = resolve(e.when);
            b.unless = resolve(e.unless);
            b.bold = resolve(e.boldWhen);
            if (e.kind == ReportElementKind::Sum || e.kind == ReportElementKind::Count) {
                b.slot = int(m_slots.size());
                int column = GroupTotals::CountRows;
                if (e.kind == ReportElementKind::Sum)
                    column = b.value.column >= 0 ? b.value.column : GroupTotals::NoColumn;
                m_slots.push_back({e.scope, e.groupLevel, column});
            }
            bound.elements.push_back(std::move(b));
        }
        return bound;
    }

    qint64 slotValue(int s, int row) const
    {
        switch (m_slots[size_t(s)].scope) {
        case ReportScope::Page:
            return m_pageAcc[size_t(s)];
        case ReportScope::Running:
            return m_runningAcc[size_t(s)];
        default:
            return m_totals->total(s, row);
        }
    }

    const QVariantList *rowAt(int row) const { return row >= 0 ? &m_data.row(row) : nullptr; }

    static bool visible(const BoundElement &b, const QVariantList *row)
    {
        if (b.when.named && !FieldFormatter::holdsSomething(b.when.value(row)))
            return false;
        return !(b.unless.named && FieldFormatter::holdsSomething(b.unless.value(row)));
    }

    QString textOf(const BoundElement &b, int row) const
    {
        const ReportElement &e = *b.element;
        QString text;
        switch (e.kind) {
        case ReportElementKind::Text:
            return e.text;
        case ReportElementKind::Field:
            text = FieldFormatter::format(b.value.value(rowAt(row)), e.format, m_locale);
            break;
        case ReportElementKind::Sum:
        case ReportElementKind::Count:
            text = FieldFormatter::format(QVariant(qlonglong(slotValue(b.slot, row))), e.format,
                                          m_locale);
            break;
        case ReportElementKind::PageNumber:
            text = QString::number(m_result.pages.size());
            break;
        case ReportElementKind::PrintDate:
            text = FieldFormatter::format(m_printedAt, e.format, m_locale);
            break;
        case ReportElementKind::PrintTime:
            text = FieldFormatter::format(m_printedAt, e.format, m_locale);
            break;
        default:
            return {};
        }
        if (text.isEmpty() || (e.prefix.isEmpty() && e.suffix.isEmpty()))
            return text;
        return e.prefix + text + e.suffix;
    }

    static bool printsText(const ReportElement &e)
    {
        switch (e.kind) {
        case ReportElementKind::Text:
        case ReportElementKind::Field:
        case ReportElementKind::Sum:
        case ReportElementKind::Count:
        case ReportElementKind::PageNumber:
        case ReportElementKind::PrintDate:
        case ReportElementKind::PrintTime:
            return true;
        default:
            return false;
        }
    }

    // A text element as this row prints it: its text within its width, in its font.
    struct Laid
    {
        bool drawn = false;
        int font = 0;
        TextMeasure::Fitted fitted;
    };

    // `laid` is the caller's, reused from row to row so that a row costs no allocation of
    // its own.
    void layOut(const BoundBand &band, int row, std::vector<Laid> &laid)
    {
        laid.resize(band.elements.size());
        const QVariantList *r = rowAt(row);
        for (size_t i = 0; i < band.elements.size(); ++i) {
            const BoundElement &b = band.elements[i];
            const ReportElement &e = *b.element;
            laid[i].drawn = false;
            if (!printsText(e) || !visible(b, r))
                continue;
            const QString text = textOf(b, row);
            if (text.isEmpty())
                continue;
            if (!m_measure)
                m_measure.emplace();
            Laid &l = laid[i];
            l.drawn = true;
            l.font = b.bold.named && FieldFormatter::holdsSomething(b.bold.value(r)) ? e.boldFont
                                                                                      : e.font;
            m_measure->fit(m_layout.fonts[size_t(l.font)], e.rect.width(), text, e.ellipsis,
                           l.fitted);
        }
    }

    std::vector<Laid> layOut(const BoundBand &band, int row)
    {
        std::vector<Laid> laid;
        layOut(band, row, laid);
        return laid;
    }

    // The band's height for this row: a text that takes several lines makes it grow.
    static qreal heightOf(const BoundBand &band, const std::vector<Laid> &laid)
    {
        qreal height = band.band->height;
        for (size_t i = 0; i < laid.size(); ++i) {
            const ReportElement &e = *band.elements[i].element;
            if (laid[i].drawn && (e.grow || !laid[i].fitted.lines.isEmpty()))
                height =
                    std::max(height, e.rect.top() + std::max(e.rect.height(), laid[i].fitted.height));
        }
        return height;
    }

    qreal heightOf(const BoundBand &band, int row) { return heightOf(band, layOut(band, row)); }

    int imageIndex(const BoundElement &b, int row)
    {
        QByteArray bytes;
        const ReportElement &e = *b.element;
        if (!e.imageFile.isEmpty()) {
            QFile file(e.imageFile);
            if (file.open(QIODevice::ReadOnly))
                bytes = file.readAll();
        } else {
            bytes = b.value.value(rowAt(row)).toByteArray();
        }
        if (bytes.isEmpty())
            return -1;
        const auto known = m_imageIndex.constFind(bytes);
        if (known != m_imageIndex.cend())
            return *known;
        QImage image = QImage::fromData(bytes);
        const int index = image.isNull() ? -1 : int(m_result.images.size());
        if (index >= 0)
            m_result.images.push_back(std::move(image));
        m_imageIndex.insert(bytes, index);
        return index;
    }

    void draw(const BoundBand &band, int row, const std::vector<Laid> &laid, qreal height)
    {
        const QVariantList *r = rowAt(row);
        const QPointF origin(m_page.margins.left(), m_y);
        auto &items = m_result.pages.back().items;
        for (size_t i = 0; i < band.elements.size(); ++i) {
            const BoundElement &b = band.elements[i];
            if (!visible(b, r))
                continue;
            const ReportElement &e = *b.element;
            DrawItem item;
            item.rect = e.rect.translated(origin);
            switch (e.kind) {
            case ReportElementKind::Line:
                item.kind = DrawItem::Kind::Line;
                item.rect = QRectF(e.line.p1() + origin, e.line.p2() + origin);
                item.lineWidth = e.lineWidth;
                break;
            case ReportElementKind::Box:
                item.kind = DrawItem::Kind::Box;
                item.lineWidth = e.lineWidth;
                item.fill = e.fill;
                break;
            case ReportElementKind::Image:
                item.kind = DrawItem::Kind::Image;
                item.image = imageIndex(b, row);
                if (item.image < 0)
                    continue;
                break;
            case ReportElementKind::PageCount:
            case ReportElementKind::PageOfPages:
                item.font = e.font;
                item.alignment = e.alignment;
                m_pendingCounts.push_back({m_result.pages.size() - 1, items.size(), &e});
                break;
            default: {
                const Laid &l = laid[i];
                if (!l.drawn)
                    continue;
                item.text = l.fitted.text;
                item.lines = l.fitted.lines;
                item.font = l.font;
                item.alignment = e.alignment;
                if (e.grow || !item.lines.isEmpty())
                    item.rect.setHeight(std::min(std::max(e.rect.height(), l.fitted.height),
                                                 height - e.rect.top()));
                break;
            }
            }
            items.push_back(std::move(item));
        }
    }

    bool atBodyTop() const { return m_y <= m_bodyTop; }

    // Places a band below what the page holds, on a new page when it does not fit;
    // `active` groups repeat their headers there. The last band of the report may take the
    // room kept for the carried totals, which a last page does not print.
    void place(const BoundBand &band, int row, int active, bool last = false)
    {
        if (!band.present())
            return;
        layOut(band, row, m_laid);
        placeLaid(band, row, active, m_laid, last);
    }

    // As place(), with the band already laid out for this row into `laid`.
    void placeLaid(const BoundBand &band, int row, int active, std::vector<Laid> &laid,
                   bool last = false)
    {
        qreal height = heightOf(band, laid);
        if (!atBodyTop() && m_y + height > (last ? m_pageFooterTop : m_footerTop)) {
            closePage(row, true);
            openPage(row, active);
            layOut(band, row, laid);
            height = heightOf(band, laid);
        }
        draw(band, row, laid, height);
        m_y += height;
    }

    // Draws a band at the current position, as tall as its texts make it.
    void drawHere(const BoundBand &band, int row)
    {
        const std::vector<Laid> laid = layOut(band, row);
        const qreal height = heightOf(band, laid);
        draw(band, row, laid, height);
        m_y += height;
    }

    void openPage(int row, int activeGroups)
    {
        // A listing's pages hold about as many items as the one before: room for them at
        // once, instead of a vector that doubles its way there.
        const size_t before = m_result.pages.empty() ? 0 : m_result.pages.back().items.size();
        m_result.pages.emplace_back();
        m_result.pages.back().items.reserve(before + before / 8);
        m_pageAcc.assign(m_slots.size(), 0);
        m_y = m_page.margins.top();
        for (const BoundBand *band : {&m_pageHeader, &m_columnHeader}) {
            if (band->present())
                drawHere(*band, row);
        }
        // What the pages before carried, under the headings of every page after the first.
        if (m_result.pages.size() > 1 && m_broughtForward.present())
            drawHere(m_broughtForward, row);
        for (int g = 0; g < activeGroups; ++g) {
            const BoundBand &header = m_groupHeaders[size_t(g)];
            if (m_layout.groups[size_t(g)].repeatHeader && header.present())
                drawHere(header, row);
        }
        m_bodyTop = m_y;
    }

    // `more`: another page follows, so this one ends with the carried totals.
    void closePage(int row, bool more)
    {
        if (more && m_carriedForward.present()) {
            m_y = m_footerTop;
            draw(m_carriedForward, row, layOut(m_carriedForward, row),
                 m_carriedForward.band->height);
        }
        if (!m_pageFooter.present())
            return;
        m_y = m_pageFooterTop;
        draw(m_pageFooter, row, layOut(m_pageFooter, row), m_pageFooter.band->height);
    }

    const ReportLayout &m_layout;
    const ReportPageSetup &m_page;
    const ReportData &m_data;
    const QLocale &m_locale;
    const QDateTime &m_printedAt;

    BoundBand m_pageHeader, m_columnHeader, m_detail, m_summary, m_pageFooter;
    BoundBand m_broughtForward, m_carriedForward;
    std::vector<BoundBand> m_groupHeaders, m_groupFooters;
    std::vector<Ref> m_groupKeys;
    std::vector<GroupTotals::Slot> m_slots;
    std::optional<GroupTotals> m_totals;
    std::vector<qint64> m_pageAcc, m_runningAcc; // [slot]: this page, every page so far

    qreal m_y = 0;
    qreal m_bodyTop = 0;
    qreal m_footerTop = 0;     // where the carried totals go, or the page footer without them
    qreal m_pageFooterTop = 0;
    std::optional<TextMeasure> m_measure;
    std::vector<Laid> m_laid, m_detailLaid; // reused by every row
    QHash<QByteArray, int> m_imageIndex;
    std::vector<Pending> m_pendingCounts;
    Paginator::Result m_result;
};

} // namespace

Paginator::Paginator(const ReportLayout &layout, const ReportPageSetup &page,
                     const ReportData &data, const QLocale &locale, const QDateTime &printedAt)
    : m_layout(layout)
    , m_page(page)
    , m_data(data)
    , m_locale(locale)
    , m_printedAt(printedAt)
{
}

Paginator::Result Paginator::run() const
{
    return Run(m_layout, m_page, m_data, m_locale, m_printedAt).go();
}
