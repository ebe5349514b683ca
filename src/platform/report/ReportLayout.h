#pragma once

#include <QLineF>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <vector>

// The parsed form of a layout file. Lengths are millimetres; element positions are relative
// to the top-left corner of their band, which starts at the left margin.

enum class ReportPaper { Letter, Legal, A4 };
enum class ReportOrientation { Portrait, Landscape };

struct ReportPageSetup
{
    ReportPaper paper = ReportPaper::Letter;
    ReportOrientation orientation = ReportOrientation::Portrait;
    QMarginsF margins{15, 12, 15, 12};

    // The sheet as it is turned: width and height in millimetres.
    QSizeF paperSize() const;
    qreal bodyWidth() const { return paperSize().width() - margins.left() - margins.right(); }
};

struct ReportFontStyle
{
    QString family = QStringLiteral("DejaVu Sans");
    qreal pointSize = 8;
    bool bold = false;
    bool italic = false;

    bool operator==(const ReportFontStyle &) const = default;
};

enum class ReportFormat { Text, Amount, Number, Date, Time, Flag, Choice };

struct ReportFormatting
{
    ReportFormat format = ReportFormat::Text;
    QString pattern;     // date/time pattern; empty = dd/MM/yyyy or hh:mm AP
    QStringList choices; // Choice: text by integer value
    QString yes = QStringLiteral("Sí");
    QString no = QStringLiteral("No");
    bool blankWhenZero = false;
    bool upperCase = false;
};

enum class ReportElementKind {
    Text,  // literal text
    Field, // a column of the current row, or a report parameter
    Sum,   // sum of a column over a group, the report, the page or everything so far
    Count, // rows over the same scopes
    PageNumber,
    PageCount,
    PageOfPages, // "n de m"
    PrintDate,
    PrintTime,
    Line,
    Box,
    Image,
};

enum class ReportScope { Group, Report, Page, Running };

struct ReportElement
{
    ReportElementKind kind = ReportElementKind::Text;
    QRectF rect;   // mm within the band
    QLineF line;   // Line only
    QString text;  // Text: the literal
    QString field; // Field, Sum, Image: the column or parameter
    QString prefix;
    QString suffix;
    ReportFormatting format;
    ReportScope scope = ReportScope::Report;
    int groupLevel = -1;    // Group scope: index into ReportLayout::groups
    int alignment = 0;      // Qt::Alignment flags
    int font = 0;           // index into ReportLayout::fonts
    int boldFont = -1;      // font used when `boldWhen` holds
    bool grow = false;      // top-aligned, for a text expected to take several lines
    bool ellipsis = false;  // a text wider than the element ends with "…" instead of wrapping
    qreal lineWidth = 0.25; // Line, Box
    QString fill;           // Box: colour name, empty = none
    QString imageFile;      // Image: path relative to the layout's folder
    QString when;           // drawn only when this field holds something
    QString unless;         // drawn only when this field holds nothing
    QString boldWhen;
};

struct ReportBand
{
    bool present = false;
    qreal height = 0;
    std::vector<ReportElement> elements;
};

struct ReportGroup
{
    QString field;
    ReportBand header;
    ReportBand footer;
    bool repeatHeader = false; // header printed again at the top of a page the group goes on
    bool newPage = false;      // every group starts on a page of its own
};

struct ReportLayout
{
    QString sourcePath; // the file it was read from; empty when built in code
    ReportPageSetup page;
    std::vector<ReportFontStyle> fonts{ReportFontStyle{}};
    ReportBand pageHeader;
    ReportBand columnHeader;
    std::vector<ReportGroup> groups; // outermost first
    ReportBand detail;
    ReportBand summary;
    ReportBand pageFooter;
    // Carried totals: "Vienen" under the headings of every page after the first, "Van" above
    // the page footer of every page followed by another (its height is kept free on every page).
    ReportBand broughtForward;
    ReportBand carriedForward;

    // Index of `style` in `fonts`, added when missing.
    int fontIndex(const ReportFontStyle &style);
    // Every field name the layout reads (fields, sums, images, conditions, group keys).
    QStringList fieldNames() const;

    template <typename F> void forEachBand(F f)
    {
        f(pageHeader);
        f(columnHeader);
        for (ReportGroup &g : groups) {
            f(g.header);
            f(g.footer);
        }
        f(detail);
        f(summary);
        f(pageFooter);
        f(broughtForward);
        f(carriedForward);
    }
    template <typename F> void forEachBand(F f) const
    {
        const_cast<ReportLayout *>(this)->forEachBand([&](const ReportBand &b) { f(b); });
    }
};
