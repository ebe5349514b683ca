#include "support/XlsxReadBack.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>
#include <vector>
#include <zip.h>

namespace {

std::optional<QByteArray> entry(zip_t *archive, const char *name)
{
    zip_stat_t stat;
    if (zip_stat(archive, name, 0, &stat) != 0)
        return std::nullopt;
    zip_file_t *file = zip_fopen(archive, name, 0);
    if (!file)
        return std::nullopt;
    QByteArray data(qsizetype(stat.size), Qt::Uninitialized);
    const zip_int64_t read = zip_fread(file, data.data(), stat.size);
    zip_fclose(file);
    if (read != zip_int64_t(stat.size))
        return std::nullopt;
    return data;
}

// The text of <si> items, rich runs joined.
QStringList sharedStrings(const QByteArray &xml)
{
    QStringList strings;
    QXmlStreamReader r(xml);
    QString current;
    bool inItem = false;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.name() == QLatin1String("si")) {
            inItem = true;
            current.clear();
        } else if (r.isStartElement() && r.name() == QLatin1String("t") && inItem) {
            current += r.readElementText();
        } else if (r.isEndElement() && r.name() == QLatin1String("si")) {
            strings << current;
            inItem = false;
        }
    }
    return strings;
}

// The number format code of each cell style, in the order of <cellXfs>.
std::vector<QString> styleFormats(const QByteArray &xml)
{
    std::map<int, QString> codes{{0, {}}, {2, "0.00"}, {4, "#,##0.00"}, {14, "mm-dd-yy"}};
    std::vector<QString> formats;
    QXmlStreamReader r(xml);
    bool inCellXfs = false;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.name() == QLatin1String("numFmt"))
            codes[r.attributes().value("numFmtId").toInt()] =
                r.attributes().value("formatCode").toString();
        else if (r.isStartElement() && r.name() == QLatin1String("cellXfs"))
            inCellXfs = true;
        else if (r.isEndElement() && r.name() == QLatin1String("cellXfs"))
            inCellXfs = false;
        else if (inCellXfs && r.isStartElement() && r.name() == QLatin1String("xf"))
            formats.push_back(codes[r.attributes().value("numFmtId").toInt()]);
    }
    return formats;
}

} // namespace

std::optional<XlsxReadBack> XlsxReadBack::open(const QString &path, QString *error)
{
    const auto fail = [error](const QString &why) -> std::optional<XlsxReadBack> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    int code = 0;
    zip_t *archive = zip_open(path.toLocal8Bit().constData(), ZIP_RDONLY, &code);
    if (!archive)
        return fail(QStringLiteral("not a zip archive (%1)").arg(code));
    const auto sheet = entry(archive, "xl/worksheets/sheet1.xml");
    const auto strings = entry(archive, "xl/sharedStrings.xml");
    const auto styles = entry(archive, "xl/styles.xml");
    zip_close(archive);
    if (!sheet)
        return fail(QStringLiteral("no xl/worksheets/sheet1.xml"));

    const QStringList shared = strings ? sharedStrings(*strings) : QStringList();
    const std::vector<QString> formats = styles ? styleFormats(*styles) : std::vector<QString>();
    XlsxReadBack book;
    QXmlStreamReader r(*sheet);
    while (!r.atEnd()) {
        r.readNext();
        if (!r.isStartElement() || r.name() != QLatin1String("c"))
            continue;
        const QString ref = r.attributes().value("r").toString();
        const QString type = r.attributes().value("t").toString();
        const size_t style = r.attributes().value("s").toUInt();
        Cell cell;
        cell.format = style < formats.size() ? formats[style] : QString();
        while (r.readNextStartElement()) {
            if (r.name() == QLatin1String("v")) {
                const QString v = r.readElementText();
                if (type == QLatin1String("s")) {
                    cell.text = shared.value(v.toInt());
                } else {
                    cell.text = v;
                    cell.number = type.isEmpty() || type == QLatin1String("n");
                }
            } else if (r.name() == QLatin1String("is")) {
                while (r.readNextStartElement()) {
                    if (r.name() == QLatin1String("t"))
                        cell.text += r.readElementText();
                    else
                        r.skipCurrentElement();
                }
            } else {
                r.skipCurrentElement();
            }
        }
        book.m_cells[ref] = cell;
    }
    if (r.hasError())
        return fail(r.errorString());
    return book;
}

XlsxReadBack::Cell XlsxReadBack::cell(const QString &ref) const
{
    const auto found = m_cells.find(ref);
    return found == m_cells.end() ? Cell{} : found->second;
}

int XlsxReadBack::lastRow() const
{
    static const QRegularExpression digits(QStringLiteral("[0-9]+$"));
    int last = 0;
    for (const auto &[ref, cell] : m_cells)
        last = std::max(last, digits.match(ref).captured().toInt());
    return last;
}
