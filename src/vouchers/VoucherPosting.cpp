#include "vouchers/VoucherPosting.h"

#include "platform/Db.h"
#include "platform/Transaction.h"
#include "vouchers/VoucherNumbering.h"

namespace {

const QString LineColumns = QStringLiteral(
    "Empresa, Matriz, TipoComprobante, NumeroComprobante, Usuario, Linea, Cuenta, Fecha, "
    "TipoDocumento, Documento, Documento2, Documento3, Tercero, CentroCosto, ValorDebito, "
    "ValorCredito, Descripcion, GrupoLinea, Serial, TipoMovActivo, TRM, DebitoUS, CreditoUS, "
    "FechaCreacion, PorcentajeImpuesto, PorcentajeImpuesto2, EmpresaConsolidacion, "
    "TipoComprobanteConsolidacion, NumeroComprobanteConsolidacion, LineaPertenece, Tipo, "
    "Conciliado, ConceptoRetencion, Fechadoc");

QString placeholderWhenEmpty(const QString &code)
{
    const QString trimmed = code.trimmed();
    return trimmed.isEmpty() ? QStringLiteral("*") : trimmed;
}

// Empty text is stored as '', never as null.
QString text(const QString &value)
{
    return value.isNull() ? QStringLiteral("") : value.trimmed();
}

QVariant dateOrNull(QDate date)
{
    return date.isValid() ? QVariant(date) : QVariant(QMetaType(QMetaType::QDate));
}

} // namespace

QString VoucherPosting::Outcome::message() const
{
    switch (status) {
    case Status::Posted:
        return {};
    case Status::Empty:
        return EmptyText;
    case Status::Unbalanced:
        return UnbalancedText;
    case Status::TwoMonths:
        return TwoMonthsText;
    case Status::PeriodRefused:
        return PeriodText;
    }
    return {};
}

VoucherPosting::VoucherPosting(Db &db)
    : m_db(db)
{
}

bool VoucherPosting::takesTenPercent(const QString &account)
{
    const QString code = account.trimmed();
    return code == QLatin1String("210815") || code == QLatin1String("240816");
}

VoucherPosting::Outcome VoucherPosting::post(const VoucherToPost &voucher)
{
    Outcome outcome;
    if (voucher.lines.empty()) {
        outcome.status = Status::Empty;
        return outcome;
    }
    Money debit, credit;
    const QDate first = voucher.lines.front().fecha;
    for (const PostingLine &line : voucher.lines) {
        debit += line.valorDebito;
        credit += line.valorCredito;
        if (!line.fecha.isValid() || line.fecha.year() != first.year() ||
            line.fecha.month() != first.month()) {
            outcome.status = Status::TwoMonths;
            return outcome;
        }
    }
    // Exact at the two decimals a voucher shows: no tolerance beyond the cent.
    if (!debit.equalToCent(credit)) {
        outcome.status = Status::Unbalanced;
        return outcome;
    }

    Transaction tx(m_db);
    // Asked inside the transaction: a month may have been blocked, or the year closed,
    // while the voucher was being prepared.
    outcome.period =
        PeriodService(m_db).status(voucher.company, voucher.headOffice, first, voucher.user);
    if (outcome.period != PeriodService::Status::Open) {
        outcome.status = Status::PeriodRefused;
        return outcome;
    }
    outcome.number = QString::number(VoucherNumbering::InicializarComprobante(
        m_db, voucher.type, voucher.company, voucher.headOffice, first.year(), first.month()));
    writeLines(voucher, outcome.number);
    logApproval(voucher, outcome.number);
    tx.commit();
    return outcome;
}

void VoucherPosting::writeLines(const VoucherToPost &voucher, const QString &number)
{
    QStringList marks;
    for (int i = 0; i < LineColumns.count(QLatin1Char(',')) + 1; ++i)
        marks << QStringLiteral("?");
    const QString sql = QStringLiteral("INSERT INTO MOVIMIENTO (%1) VALUES (%2)")
                            .arg(LineColumns, marks.join(QLatin1Char(',')));
    const QDate today = QDate::currentDate();
    int lineNumber = 0;
    for (const PostingLine &l : voucher.lines) {
        ++lineNumber;
        const Rate tax = takesTenPercent(l.cuenta) ? Rate::fromInteger(10) : l.porcentajeImpuesto;
        m_db.exec(sql, {voucher.company,
                        voucher.headOffice,
                        voucher.type,
                        number,
                        voucher.user,
                        lineNumber,
                        l.cuenta.trimmed(),
                        l.fecha,
                        placeholderWhenEmpty(l.tipoDocumento),
                        text(l.documento),
                        text(l.documento2),
                        text(l.documento3),
                        placeholderWhenEmpty(l.tercero),
                        placeholderWhenEmpty(l.centroCosto),
                        l.valorDebito.toSql(),
                        l.valorCredito.toSql(),
                        text(l.descripcion),
                        l.grupoLinea > 0 ? l.grupoLinea : lineNumber,
                        placeholderWhenEmpty(l.serial),
                        l.tipoMovActivo,
                        l.trm.toSql(),
                        l.debitoUS.toSql(),
                        l.creditoUS.toSql(),
                        today,
                        tax.toSql(),
                        l.porcentajeImpuesto2.toSql(),
                        QStringLiteral("0"),
                        QStringLiteral("0"),
                        QStringLiteral("0"),
                        0,
                        0,
                        0,
                        text(l.conceptoRetencion),
                        dateOrNull(l.fechaDoc)});
    }
}

void VoucherPosting::logApproval(const VoucherToPost &voucher, const QString &number)
{
    m_db.exec(QStringLiteral("INSERT INTO MOVIMIENTO_USUARIOS (Empresa, Matriz, TipoComprobante, "
                             "NumeroComprobante, Usuario, FechaAprobacion) VALUES "
                             "(?, ?, ?, ?, ?, %1)")
                  .arg(m_db.dialect().currentTimestamp()),
              {voucher.company, voucher.headOffice, voucher.type, number, voucher.user});
}
