#include "vouchers/import/VoucherImportFile.h"

#include "schema/LedgerTables.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

enum Column {
    Reference,
    Type,
    Date,
    Account,
    Party,
    DocumentType,
    Document,
    CostCentre,
    Description,
    Debit,
    Credit,
};

const int DescriptionLength = 255; // MOVIMIENTO.Descripcion

// What a row says about one voucher while the file is being read.
struct Gathering
{
    ImportedVoucher voucher;
    Money debit, credit;
};

// Plain decimal text with a point: up to two decimals, the precision the books keep and show.
std::optional<Money> amount(const QString &text, QString &reason, const QString &column)
{
    if (text.isEmpty())
        return Money();
    if (text.startsWith(QLatin1Char('-'))) {
        reason = QStringLiteral("el %1 es negativo: %2").arg(column, text);
        return std::nullopt;
    }
    static const QRegularExpression plain(QStringLiteral("^[0-9]{1,15}(\\.[0-9]{1,2})?$"));
    if (!plain.match(text).hasMatch()) {
        reason = QStringLiteral("el %1 no es un importe válido: '%2' (se esperan cifras con "
                                "punto decimal, hasta dos decimales, sin separador de miles)")
                     .arg(column, text);
        return std::nullopt;
    }
    return Money::parseTyped(text);
}

QDate isoDate(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
    if (!shape.match(text).hasMatch())
        return {};
    return QDate::fromString(text, Qt::ISODate);
}

QString placeholderWhenEmpty(const QString &code)
{
    return code.isEmpty() ? QStringLiteral("*") : code;
}

// The posting line of a row of the right width, or the reason it is malformed.
std::optional<PostingLine> lineOf(const QStringList &f, QString &reason)
{
    if (f[Reference].isEmpty()) {
        reason = QStringLiteral("falta la referencia");
        return std::nullopt;
    }
    if (f[Type].isEmpty()) {
        reason = QStringLiteral("falta el tipo de comprobante");
        return std::nullopt;
    }
    PostingLine line;
    line.fecha = isoDate(f[Date]);
    if (!line.fecha.isValid()) {
        reason = QStringLiteral("la fecha no es válida: '%1' (se espera AAAA-MM-DD)").arg(f[Date]);
        return std::nullopt;
    }
    if (f[Account].isEmpty()) {
        reason = QStringLiteral("falta la cuenta");
        return std::nullopt;
    }
    if (f[Document].size() > LedgerTables::DocumentNumber) {
        reason = QStringLiteral("el documento tiene más de %1 caracteres: %2")
                     .arg(LedgerTables::DocumentNumber)
                     .arg(f[Document]);
        return std::nullopt;
    }
    if (f[Description].size() > DescriptionLength) {
        reason = QStringLiteral("la descripción tiene más de %1 caracteres").arg(DescriptionLength);
        return std::nullopt;
    }
    const auto debit = amount(f[Debit], reason, QStringLiteral("débito"));
    if (!debit)
        return std::nullopt;
    const auto credit = amount(f[Credit], reason, QStringLiteral("crédito"));
    if (!credit)
        return std::nullopt;
    if (debit->isZero() && credit->isZero()) {
        reason = QStringLiteral("el débito y el crédito están en cero");
        return std::nullopt;
    }
    if (!debit->isZero() && !credit->isZero()) {
        reason = QStringLiteral("la fila lleva débito y crédito a la vez");
        return std::nullopt;
    }
    line.cuenta = f[Account];
    line.tercero = placeholderWhenEmpty(f[Party]);
    line.tipoDocumento = placeholderWhenEmpty(f[DocumentType]);
    line.documento = f[Document];
    line.centroCosto = placeholderWhenEmpty(f[CostCentre]);
    line.descripcion = f[Description];
    line.valorDebito = *debit;
    line.valorCredito = *credit;
    return line;
}

VoucherImportFile::Result refused(int row, const QString &reason)
{
    VoucherImportFile::Result r;
    r.problem = ImportProblem{row, reason};
    return r;
}

} // namespace

QString ImportProblem::text() const
{
    return row > 0 ? QStringLiteral("Fila %1: %2").arg(row).arg(reason) : reason;
}

std::optional<QStringList> VoucherImportFile::splitRow(const QString &line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c != QLatin1Char('"'))
                field += c;
            else if (i + 1 < line.size() && line[i + 1] == QLatin1Char('"'))
                field += line[++i];
            else
                quoted = false;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(';')) {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    if (quoted)
        return std::nullopt;
    fields << field;
    return fields;
}

VoucherImportFile::Result VoucherImportFile::parse(const QByteArray &contents)
{
    QList<QByteArray> lines = contents.split('\n');
    if (!lines.isEmpty() && lines.front().startsWith("\xEF\xBB\xBF"))
        lines.front().remove(0, 3);

    std::vector<Gathering> gathered;
    QHash<QString, size_t> byReference;
    bool headerSeen = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int row = int(i) + 1;
        QByteArray bytes = lines[i];
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        QStringDecoder decode(QStringDecoder::Utf8);
        const QString text = decode(bytes);
        if (decode.hasError())
            return refused(row, QStringLiteral("el texto no está en UTF-8"));
        if (text.trimmed().isEmpty())
            continue;
        const auto split = splitRow(text);
        if (!split)
            return refused(row, QStringLiteral("una comilla queda sin cerrar"));
        QStringList fields;
        for (const QString &f : *split)
            fields << f.trimmed();

        if (!headerSeen) {
            QStringList names;
            for (const QString &f : fields)
                names << f.toLower();
            if (names != Columns)
                return refused(row, QStringLiteral("el encabezado debe ser %1")
                                        .arg(Columns.join(QLatin1Char(';'))));
            headerSeen = true;
            continue;
        }
        if (fields.size() != Columns.size())
            return refused(row, QStringLiteral("tiene %1 campos y se esperan %2")
                                    .arg(fields.size())
                                    .arg(Columns.size()));
        QString reason;
        const auto line = lineOf(fields, reason);
        if (!line)
            return refused(row, reason);

        const QString &reference = fields[Reference];
        auto found = byReference.constFind(reference);
        if (found == byReference.constEnd()) {
            found = byReference.insert(reference, gathered.size());
            Gathering g;
            g.voucher.reference = reference;
            g.voucher.type = fields[Type];
            gathered.push_back(std::move(g));
        }
        Gathering &g = gathered[*found];
        if (g.voucher.type != fields[Type])
            return refused(row, QStringLiteral("la referencia %1 es de tipo %2 en la fila %3, "
                                               "aquí de tipo %4")
                                    .arg(reference, g.voucher.type)
                                    .arg(g.voucher.firstRow())
                                    .arg(fields[Type]));
        if (!g.voucher.lines.empty()) {
            const QDate first = g.voucher.lines.front().fecha;
            if (first.year() != line->fecha.year() || first.month() != line->fecha.month())
                return refused(row, QStringLiteral("la referencia %1 tiene fechas en dos meses: "
                                                   "%2 en la fila %3, %4 aquí")
                                        .arg(reference, first.toString(Qt::ISODate))
                                        .arg(g.voucher.firstRow())
                                        .arg(line->fecha.toString(Qt::ISODate)));
        }
        g.voucher.rows.push_back(row);
        g.voucher.lines.push_back(*line);
        g.debit += line->valorDebito;
        g.credit += line->valorCredito;
    }
    if (!headerSeen)
        return refused(0, QStringLiteral("El archivo está vacío."));
    if (gathered.empty())
        return refused(0, QStringLiteral("El archivo no tiene filas después del encabezado."));

    Result result;
    for (Gathering &g : gathered) {
        // Exact at the two decimals a voucher shows: no tolerance beyond the cent.
        if (!g.debit.equalToCent(g.credit))
            return refused(
                g.voucher.firstRow(),
                QStringLiteral("el comprobante %1 no cuadra: débitos %2, créditos %3 "
                               "(filas %4 a %5)")
                    .arg(g.voucher.reference, g.debit.toPlainString(), g.credit.toPlainString())
                    .arg(g.voucher.firstRow())
                    .arg(g.voucher.rows.back()));
        result.vouchers.push_back(std::move(g.voucher));
    }
    return result;
}

VoucherImportFile::Result VoucherImportFile::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(
            0, QStringLiteral("No se pudo leer el archivo %1: %2").arg(path, file.errorString()));
    return parse(file.readAll());
}
