#include "app/cli/ReportFile.h"

#include "common/Money.h"
#include "platform/report/PdfExport.h"
#include "platform/report/ReportDocument.h"
#include "platform/report/ReportError.h"

#include <QSaveFile>

namespace ReportFile {

namespace {

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

} // namespace

void writeCsv(const ReportData &data, const QString &path, const CsvColumns &columns)
{
    std::vector<int> positions;
    QStringList names;
    if (columns.named.isEmpty()) {
        names = data.columns().mid(0, columns.leading);
        for (int c = 0; c < names.size(); ++c)
            positions.push_back(c);
    } else {
        names = columns.named;
        for (const QString &name : names)
            positions.push_back(data.columnIndex(name));
    }
    QStringList lines{names.join(QLatin1Char(';'))};
    for (int r = 0; r < data.rowCount(); ++r) {
        QStringList fields;
        for (size_t c = 0; c < positions.size(); ++c) {
            const QVariant &value = data.row(r)[positions[c]];
            fields << (columns.amounts.contains(names[qsizetype(c)])
                           ? Money::fromThousandths(value.toLongLong()).toPlainString()
                           : csvField(value.toString()));
        }
        lines << fields.join(QLatin1Char(';'));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw ReportError(QStringLiteral("No se pudo escribir el archivo %1").arg(path));
    file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    if (!file.commit())
        throw ReportError(QStringLiteral("No se pudo escribir el archivo %1").arg(path));
}

int finish(const KeptReport &kept, ReportOutcome outcome, const QString &pdf, const QString &csv,
           const CsvColumns &columns, QTextStream &out)
{
    switch (outcome) {
    case ReportOutcome::Previewed:
        break;
    case ReportOutcome::Empty:
        return 4;
    default:
        return 1;
    }
    if (!pdf.isEmpty()) {
        PdfExport::write(*kept.document, pdf);
        out << pdf << ": páginas: " << kept.document->pageCount() << "\n";
    } else {
        writeCsv(kept.document->data(), csv, columns);
        out << csv << ": filas: " << kept.document->data().rowCount() << "\n";
    }
    return 0;
}

} // namespace ReportFile
