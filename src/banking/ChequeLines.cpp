#include "banking/ChequeLines.h"

#include "common/report/clsNumerosToLetras.h"
#include "platform/Db.h"

#include <QLocale>

namespace {

// SQLite hands dates back as ISO text, PostgreSQL as dates.
QDate dateOf(const QVariant &v)
{
    return v.typeId() == QMetaType::QDate ? v.toDate()
                                          : QDate::fromString(v.toString().left(10), Qt::ISODate);
}

} // namespace

const QStringList &ChequeLines::DocumentTypes()
{
    static const QStringList types{QStringLiteral("RC"), QStringLiteral("CH"), QStringLiteral("FC"),
                                   QStringLiteral("EF"), QStringLiteral("FR")};
    return types;
}

std::vector<ChequeLine> ChequeLines::of(Db &db, const VoucherToPrint &voucher)
{
    const QDate first(voucher.year, voucher.month, 1);
    QVariantList values{voucher.company,        voucher.headOffice, first,
                        first.addMonths(1),     voucher.type,       voucher.number,
                        BankAccountPrefix + "%"};
    for (const QString &type : DocumentTypes())
        values << type;
    const QString markers =
        QStringList(DocumentTypes().size(), QStringLiteral("?")).join(QStringLiteral(", "));
    const auto records = db.rows(
        QStringLiteral("SELECT M.Linea, M.Documento, M.Fecha, M.ValorDebito, M.ValorCredito, "
                       "M.Tercero, T.Nombre FROM MOVIMIENTO M "
                       "LEFT JOIN TERCERO T ON T.Codigo = M.Tercero "
                       "WHERE M.Empresa = ? AND M.Matriz = ? AND M.Fecha >= ? AND M.Fecha < ? "
                       "AND M.TipoComprobante = ? AND M.NumeroComprobante = ? "
                       "AND M.Cuenta LIKE ? AND M.TipoDocumento IN (%1) "
                       "AND (M.ValorDebito <> 0 OR M.ValorCredito <> 0) ORDER BY M.Linea")
            .arg(markers),
        values);
    std::vector<ChequeLine> lines;
    for (const QSqlRecord &r : records) {
        ChequeLine c;
        c.line = r.value(0).toInt();
        c.document = r.value(1).toString().trimmed();
        c.date = dateOf(r.value(2));
        c.amount = Money::fromSql(r.value(3)) + Money::fromSql(r.value(4));
        c.party = r.value(5).toString().trimmed();
        c.partyName = c.party == QLatin1String("*") ? QString() : r.value(6).toString().trimmed();
        lines.push_back(c);
    }
    return lines;
}

ReportData ChequeLines::rows(const std::vector<ChequeLine> &cheques, const QString &beneficiary,
                             const QString &city)
{
    const QLocale spanish(QLocale::Spanish, QLocale::Venezuela);
    std::vector<QVariantList> rows;
    for (const ChequeLine &c : cheques) {
        const QString day = QStringLiteral("%1").arg(c.date.day(), 2, 10, QLatin1Char('0'));
        const QString monthName = spanish.monthName(c.date.month(), QLocale::LongFormat);
        const QString year = QString::number(c.date.year());
        QString placeAndDate = QStringLiteral("%1 de %2 de %3").arg(day, monthName, year);
        if (!city.trimmed().isEmpty())
            placeAndDate = city.trimmed() + QStringLiteral(", ") + placeAndDate;
        rows.push_back({c.line, c.document, c.amount.toSql(), clsNumerosToLetras::ToWords(c.amount),
                        beneficiary, c.partyName, c.date, day,
                        QStringLiteral("%1").arg(c.date.month(), 2, 10, QLatin1Char('0')),
                        monthName, year, city.trimmed(), placeAndDate});
    }
    return ReportData({QStringLiteral("Linea"), QStringLiteral("NumeroCheque"),
                       QStringLiteral("Monto"), QStringLiteral("MontoEnLetras"),
                       QStringLiteral("Beneficiario"), QStringLiteral("TerceroLinea"),
                       QStringLiteral("Fecha"), QStringLiteral("Dia"), QStringLiteral("Mes"),
                       QStringLiteral("NombreMes"), QStringLiteral("Ano"), QStringLiteral("Lugar"),
                       QStringLiteral("LugarFecha")},
                      std::move(rows));
}
