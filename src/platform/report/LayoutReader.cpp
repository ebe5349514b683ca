#include "platform/report/LayoutReader.h"

#include "platform/report/LayoutXml.h"
#include "platform/report/ReportError.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace {

const QSet<QString> &boxAttributes()
{
    static const QSet<QString> names{"x", "y", "width", "height"};
    return names;
}

const QSet<QString> &textAttributes()
{
    static const QSet<QString> names{"x",      "y",      "width",    "height", "font", "size",
                                     "bold",   "italic", "align",    "valign", "when", "unless",
                                     "prefix", "suffix", "boldWhen", "grow",
                                     "ellipsis"};
    return names;
}

const QSet<QString> &formatAttributes()
{
    static const QSet<QString> names{"format", "pattern",   "choices", "yes",
                                     "no",     "blankZero", "upper"};
    return names;
}

class Reader : private LayoutXml
{
public:
    Reader(const QByteArray &xml, ReportLayout &layout)
        : LayoutXml(xml)
        , m_layout(layout)
    {
    }

    void read()
    {
        if (!readNextStartElement())
            fail(QStringLiteral("el archivo está vacío o no es XML"));
        if (tag() != QLatin1String("report"))
            fail(QStringLiteral("se esperaba el elemento <report>"));
        allow({"version"});
        const QString version = attr("version");
        if (!version.isEmpty() && version != QLatin1String("1"))
            fail(QStringLiteral("versión de formato %1 desconocida").arg(version));

        while (readNextStartElement()) {
            const QString element = tag();
            if (element == QLatin1String("page"))
                readPage();
            else if (element == QLatin1String("font"))
                readFont();
            else if (element == QLatin1String("pageHeader"))
                readBand(m_layout.pageHeader, -1);
            else if (element == QLatin1String("columnHeader"))
                readBand(m_layout.columnHeader, -1);
            else if (element == QLatin1String("group"))
                readGroup();
            else if (element == QLatin1String("detail"))
                readBand(m_layout.detail, -1);
            else if (element == QLatin1String("summary"))
                readBand(m_layout.summary, -1);
            else if (element == QLatin1String("pageFooter"))
                readBand(m_layout.pageFooter, -1);
            else if (element == QLatin1String("broughtForward"))
                readCarryBand(m_layout.broughtForward);
            else if (element == QLatin1String("carriedForward"))
                readCarryBand(m_layout.carriedForward);
            else
                fail(QStringLiteral("elemento <%1> desconocido en <report>").arg(element));
        }
        if (hasError())
            fail(errorString());
        checkGroupReferences();
    }

    qint64 line() const { return lineNumber(); }

private:
    void readPage()
    {
        allow({"size", "orientation", "left", "top", "right", "bottom"});
        ReportPageSetup &p = m_layout.page;
        const QString size = attr("size").toLower();
        if (size == QLatin1String("letter") || size.isEmpty())
            p.paper = ReportPaper::Letter;
        else if (size == QLatin1String("legal"))
            p.paper = ReportPaper::Legal;
        else if (size == QLatin1String("a4"))
            p.paper = ReportPaper::A4;
        else
            fail(
                QStringLiteral("tamaño de papel \"%1\" desconocido (letter, legal, a4)").arg(size));
        const QString orientation = attr("orientation").toLower();
        if (orientation == QLatin1String("portrait") || orientation.isEmpty())
            p.orientation = ReportOrientation::Portrait;
        else if (orientation == QLatin1String("landscape"))
            p.orientation = ReportOrientation::Landscape;
        else
            fail(QStringLiteral("orientación \"%1\" desconocida (portrait, landscape)")
                     .arg(orientation));
        p.margins =
            QMarginsF(number("left", p.margins.left()), number("top", p.margins.top()),
                      number("right", p.margins.right()), number("bottom", p.margins.bottom()));
        skipCurrentElement();
    }

    void readFont()
    {
        allow({"name", "family", "size", "bold", "italic"});
        const QString name = attr("name");
        if (name.isEmpty())
            fail(QStringLiteral("<font> necesita un nombre"));
        ReportFontStyle style;
        if (has("family"))
            style.family = attr("family");
        style.pointSize = number("size", style.pointSize);
        if (style.pointSize < 3 || style.pointSize > 72)
            fail(QStringLiteral("tamaño de letra fuera de 3 a 72 puntos"));
        style.bold = flag("bold");
        style.italic = flag("italic");
        if (name == QLatin1String("normal"))
            m_layout.fonts[0] = style;
        m_fonts.insert(name, style);
        skipCurrentElement();
    }

    void readGroup()
    {
        allow({"field", "repeatHeader", "newPage"});
        ReportGroup group;
        group.field = attr("field");
        if (group.field.isEmpty())
            fail(QStringLiteral("<group> necesita el atributo \"field\""));
        group.repeatHeader = flag("repeatHeader");
        group.newPage = flag("newPage");
        const int level = int(m_layout.groups.size());
        m_layout.groups.push_back(group);
        while (readNextStartElement()) {
            const QString element = tag();
            if (element == QLatin1String("header"))
                readBand(m_layout.groups[level].header, level);
            else if (element == QLatin1String("footer"))
                readBand(m_layout.groups[level].footer, level);
            else
                fail(QStringLiteral("elemento <%1> desconocido en <group>").arg(element));
        }
    }

    void readBand(ReportBand &band, int groupLevel)
    {
        allow({"height"});
        if (band.present)
            fail(QStringLiteral("la sección <%1> aparece dos veces").arg(tag()));
        band.present = true;
        band.height = number("height");
        if (band.height < 0)
            fail(QStringLiteral("la altura de una sección no puede ser negativa"));
        while (readNextStartElement())
            band.elements.push_back(readElement(groupLevel));
    }

    // Sums in the carried-total bands are running ones unless they say otherwise.
    void readCarryBand(ReportBand &band)
    {
        m_carryBand = true;
        readBand(band, -1);
        m_carryBand = false;
    }

    ReportElement readElement(int groupLevel)
    {
        static const QHash<QString, ReportElementKind> kinds{
            {"text", ReportElementKind::Text},
            {"field", ReportElementKind::Field},
            {"sum", ReportElementKind::Sum},
            {"count", ReportElementKind::Count},
            {"pageNumber", ReportElementKind::PageNumber},
            {"pageCount", ReportElementKind::PageCount},
            {"pageOfPages", ReportElementKind::PageOfPages},
            {"printDate", ReportElementKind::PrintDate},
            {"printTime", ReportElementKind::PrintTime},
            {"line", ReportElementKind::Line},
            {"box", ReportElementKind::Box},
            {"image", ReportElementKind::Image},
        };
        const QString element = tag();
        const auto kind = kinds.find(element);
        if (kind == kinds.end())
            fail(QStringLiteral("elemento <%1> desconocido en una sección").arg(element));
        ReportElement e;
        e.kind = *kind;
        switch (e.kind) {
        case ReportElementKind::Line:
            allow({"x1", "y1", "x2", "y2", "width"});
            e.line = QLineF(number("x1"), number("y1"), number("x2"), number("y2"));
            e.lineWidth = number("width", e.lineWidth);
            skipCurrentElement();
            return e;
        case ReportElementKind::Box:
            allow({"lineWidth", "fill"}, {&boxAttributes()});
            e.rect = rect();
            e.lineWidth = number("lineWidth", e.lineWidth);
            e.fill = attr("fill");
            skipCurrentElement();
            return e;
        case ReportElementKind::Image:
            allow({"field", "file", "when", "unless"}, {&boxAttributes()});
            e.rect = rect();
            e.field = attr("field");
            e.imageFile = attr("file");
            e.when = attr("when");
            e.unless = attr("unless");
            if (e.field.isEmpty() == e.imageFile.isEmpty())
                fail(QStringLiteral("<image> lleva \"field\" o \"file\", uno de los dos"));
            skipCurrentElement();
            return e;
        case ReportElementKind::Sum:
        case ReportElementKind::Count:
            allow({"field", "scope", "group"}, {&textAttributes(), &formatAttributes()});
            readScope(e, groupLevel);
            break;
        case ReportElementKind::Field:
            allow({"name"}, {&textAttributes(), &formatAttributes()});
            break;
        case ReportElementKind::PrintDate:
        case ReportElementKind::PrintTime:
            allow({"pattern"}, {&textAttributes()});
            break;
        default:
            allow({}, {&textAttributes()});
            break;
        }
        e.rect = rect();
        readText(e);
        if (e.kind == ReportElementKind::Field) {
            e.field = attr("name");
            if (e.field.isEmpty())
                fail(QStringLiteral("<field> necesita el atributo \"name\""));
        }
        if (e.kind == ReportElementKind::Sum) {
            e.field = attr("field");
            if (e.field.isEmpty())
                fail(QStringLiteral("<sum> necesita el atributo \"field\""));
        }
        readFormat(e);
        if (e.kind == ReportElementKind::Text)
            e.text = readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        else
            skipCurrentElement();
        return e;
    }

    QRectF rect()
    {
        const QRectF r(number("x"), number("y"), number("width"), number("height"));
        if (r.width() <= 0 || r.height() <= 0)
            fail(QStringLiteral("<%1> necesita ancho y alto positivos").arg(tag()));
        return r;
    }

    void readText(ReportElement &e)
    {
        ReportFontStyle style = m_layout.fonts[0];
        if (has("font")) {
            const auto it = m_fonts.find(attr("font"));
            if (it == m_fonts.end())
                fail(QStringLiteral("la letra \"%1\" no está declarada antes con <font>")
                         .arg(attr("font")));
            style = *it;
        }
        style.pointSize = number("size", style.pointSize);
        style.bold = flag("bold", style.bold);
        style.italic = flag("italic", style.italic);
        e.font = m_layout.fontIndex(style);

        int align = 0;
        const QString h = attr("align").toLower();
        if (h.isEmpty() || h == QLatin1String("left"))
            align = Qt::AlignLeft;
        else if (h == QLatin1String("center"))
            align = Qt::AlignHCenter;
        else if (h == QLatin1String("right"))
            align = Qt::AlignRight;
        else
            fail(QStringLiteral("alineación \"%1\" desconocida (left, center, right)").arg(h));
        e.grow = flag("grow");
        e.ellipsis = flag("ellipsis");
        if (e.grow && e.ellipsis)
            fail(QStringLiteral("\"grow\" y \"ellipsis\" no van juntos: el texto crece o se acorta"));
        const QString v = attr("valign").toLower();
        if (v == QLatin1String("top") || (v.isEmpty() && e.grow))
            align |= Qt::AlignTop;
        else if (v.isEmpty() || v == QLatin1String("middle"))
            align |= Qt::AlignVCenter;
        else if (v == QLatin1String("bottom"))
            align |= Qt::AlignBottom;
        else
            fail(QStringLiteral("alineación vertical \"%1\" desconocida (top, middle, bottom)")
                     .arg(v));
        e.alignment = align;
        e.prefix = attr("prefix");
        e.suffix = attr("suffix");
        e.when = attr("when");
        e.unless = attr("unless");
        e.boldWhen = attr("boldWhen");
        if (!e.boldWhen.isEmpty()) {
            ReportFontStyle bold = m_layout.fonts[e.font];
            bold.bold = true;
            e.boldFont = m_layout.fontIndex(bold);
        }
    }

    void readFormat(ReportElement &e)
    {
        static const QHash<QString, ReportFormat> formats{
            {"text", ReportFormat::Text},     {"amount", ReportFormat::Amount},
            {"number", ReportFormat::Number}, {"date", ReportFormat::Date},
            {"time", ReportFormat::Time},     {"flag", ReportFormat::Flag},
            {"choice", ReportFormat::Choice},
        };
        ReportFormatting &f = e.format;
        if (e.kind == ReportElementKind::Sum)
            f.format = ReportFormat::Amount;
        else if (e.kind == ReportElementKind::Count)
            f.format = ReportFormat::Number;
        else if (e.kind == ReportElementKind::PrintDate)
            f.format = ReportFormat::Date;
        else if (e.kind == ReportElementKind::PrintTime)
            f.format = ReportFormat::Time;
        if (has("format")) {
            const auto it = formats.find(attr("format"));
            if (it == formats.end())
                fail(QStringLiteral("formato \"%1\" desconocido").arg(attr("format")));
            f.format = *it;
        }
        f.pattern = attr("pattern");
        if (has("choices"))
            f.choices = attr("choices").split(QLatin1Char('|'));
        if (f.format == ReportFormat::Choice && f.choices.isEmpty())
            fail(QStringLiteral("el formato choice necesita \"choices\""));
        if (has("yes"))
            f.yes = attr("yes");
        if (has("no"))
            f.no = attr("no");
        f.blankWhenZero = flag("blankZero");
        f.upperCase = flag("upper");
    }

    void readScope(ReportElement &e, int groupLevel)
    {
        const QString scope = attr("scope").toLower();
        if (scope.isEmpty())
            e.scope = groupLevel >= 0 || has("group") ? ReportScope::Group
                      : m_carryBand                   ? ReportScope::Running
                                                      : ReportScope::Report;
        else if (scope == QLatin1String("group"))
            e.scope = ReportScope::Group;
        else if (scope == QLatin1String("report"))
            e.scope = ReportScope::Report;
        else if (scope == QLatin1String("page"))
            e.scope = ReportScope::Page;
        else if (scope == QLatin1String("running"))
            e.scope = ReportScope::Running;
        else
            fail(QStringLiteral("alcance \"%1\" desconocido (group, report, page, running)")
                     .arg(scope));
        if (e.scope != ReportScope::Group)
            return;
        if (!has("group") && groupLevel >= 0) {
            e.groupLevel = groupLevel;
            return;
        }
        // Resolved once every group has been read: a detail band may name any of them.
        m_pendingGroups.push_back({attr("group"), line()});
        e.groupLevel = -2 - int(m_pendingGroups.size() - 1);
    }

    void resolve(ReportBand &band)
    {
        for (ReportElement &e : band.elements) {
            if (e.groupLevel > -2)
                continue;
            const auto &pending = m_pendingGroups[size_t(-2 - e.groupLevel)];
            int level = -1;
            if (pending.first.isEmpty()) {
                level = int(m_layout.groups.size()) - 1; // innermost
            } else {
                for (size_t i = 0; i < m_layout.groups.size(); ++i) {
                    if (m_layout.groups[i].field.compare(pending.first, Qt::CaseInsensitive) == 0)
                        level = int(i);
                }
            }
            if (level < 0)
                fail(pending.first.isEmpty()
                         ? QStringLiteral("un total por grupo sin ningún <group>")
                         : QStringLiteral("el grupo \"%1\" no existe").arg(pending.first),
                     pending.second);
            e.groupLevel = level;
        }
    }

    void checkGroupReferences()
    {
        m_layout.forEachBand([this](ReportBand &band) { resolve(band); });
    }

    ReportLayout &m_layout;
    QHash<QString, ReportFontStyle> m_fonts;
    std::vector<std::pair<QString, qint64>> m_pendingGroups;
    bool m_carryBand = false;
};

} // namespace

ReportLayout LayoutReader::readFile(const QString &path)
{
    QFile file(path);
    const QString name = QFileInfo(path).fileName();
    if (!file.open(QIODevice::ReadOnly))
        throw ReportError(
            QStringLiteral("No se encuentra el diseño de reporte \"%1\" (%2).").arg(name, path));
    ReportLayout layout = readText(file.readAll(), name, QFileInfo(path).absolutePath());
    layout.sourcePath = path;
    return layout;
}

ReportLayout LayoutReader::readText(const QByteArray &xml, const QString &name,
                                    const QString &baseDir)
{
    ReportLayout layout;
    Reader reader(xml, layout);
    try {
        reader.read();
    } catch (const LayoutXml::Malformed &m) {
        throw ReportError(QStringLiteral("El diseño de reporte \"%1\" no es válido (línea %2): %3.")
                              .arg(name)
                              .arg(m.line ? m.line : reader.line())
                              .arg(m.reason));
    }
    if (!baseDir.isEmpty()) {
        layout.forEachBand([&](ReportBand &band) {
            for (ReportElement &e : band.elements) {
                if (!e.imageFile.isEmpty() && QFileInfo(e.imageFile).isRelative())
                    e.imageFile = baseDir + QLatin1Char('/') + e.imageFile;
            }
        });
    }
    return layout;
}
