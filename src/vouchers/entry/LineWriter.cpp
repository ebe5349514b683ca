#include "vouchers/entry/LineWriter.h"

#include "common/DecimalText.h"
#include "platform/Db.h"
#include "platform/Transaction.h"
#include "vouchers/entry/AssetRegister.h"
#include "vouchers/entry/EntryLookups.h"
#include "vouchers/entry/LineValidation.h"

namespace {

QVariant dateOrNull(QDate d)
{
    return d.isValid() ? QVariant(d) : QVariant(QMetaType(QMetaType::QDate));
}

// Empty text is stored as '', never as null.
QString text(const QString &value)
{
    return value.isNull() ? QStringLiteral("") : value.trimmed();
}

QString orStar(const QString &code)
{
    const QString c = code.trimmed();
    return c.isEmpty() ? QStringLiteral("*") : c;
}

// The amounts of a line spread over its cost centres; one share of everything without them.
std::vector<Money> spread(Money amount, const std::vector<std::pair<QString, Rate>> &shares)
{
    if (shares.empty())
        return {amount};
    std::vector<Rate> percentages;
    for (const auto &s : shares)
        percentages.push_back(s.second);
    return Money::costCentreSplit(amount, percentages);
}

} // namespace

LineWriter::LineWriter(Db &db, WorkArea area, int year, int month, TaxInForce tax)
    : m_db(db)
    , m_area(std::move(area))
    , m_year(year)
    , m_month(month)
    , m_tax(tax)
{
}

QDate LineWriter::lineDate(const EntryLine &line) const
{
    return QDate(m_year, m_month, LineValidation::day(line.dayText, m_year, m_month).value_or(1));
}

LineWriter::Result LineWriter::add(const EntryLine &line, const VoucherHeader &header)
{
    Transaction tx(m_db);
    // Numbered here, inside the transaction, from what the area holds now.
    EntryLine numbered = line;
    numbered.linea = numbered.grupoLinea = m_area.nextLine(m_db);
    writeGroup(numbered, header, {});
    if (m_area.table() == WorkArea::Table::Registro)
        writeMirror(numbered, numbered.grupoLinea);
    tx.commit();
    return Result::Written;
}

LineWriter::Result LineWriter::modify(const EntryLine &line, const VoucherHeader &header)
{
    Transaction tx(m_db);
    const int group = line.grupoLinea;
    const QVariantList groupKey = m_area.keyValues() + QVariantList{group};
    const QString inGroup = m_area.keyCondition({}) + QStringLiteral(" AND GrupoLinea = ?");
    const int expected =
        line.account.centrodecosto ? int(EntryLookups::costCentreShares(m_db, line.account.code).size())
                                   : 0;
    const int held = m_db.scalar(QStringLiteral("SELECT COUNT(CentroCosto) FROM %1 WHERE %2 "
                                                "AND CentroCosto <> '*'")
                                     .arg(m_area.tableName(), inGroup),
                                 groupKey)
                         .toInt();
    if (expected != held)
        return Result::CostCentresChanged;

    std::vector<int> numbers;
    QString oldSerial = QStringLiteral("*");
    int oldMovement = 0;
    QSqlQuery q = m_db.run(QStringLiteral("SELECT Linea, Serial, TipoMovActivo FROM %1 WHERE %2 "
                                          "ORDER BY Linea")
                               .arg(m_area.tableName(), inGroup),
                           groupKey);
    while (q.next()) {
        numbers.push_back(q.value(0).toInt());
        if (q.value(2).toInt() != 0) {
            oldSerial = q.value(1).toString().trimmed();
            oldMovement = q.value(2).toInt();
        }
    }
    // An asset the line no longer holds the same way goes back to where it was.
    AssetRegister assets(m_db, m_area.company(), m_area.headOffice());
    const bool sameHold = oldSerial == line.asset.serial.trimmed() &&
                          oldMovement == int(line.asset.movement);
    if (oldMovement != 0 && !sameHold) {
        if (oldMovement == int(AssetMovement::Purchase) &&
            assets.hasLaterLines(oldSerial, m_area.user(), group))
            return Result::PurchaseHasLaterLines;
        assets.releaseLine(oldSerial, AssetMovement(oldMovement));
    }

    m_db.exec(QStringLiteral("DELETE FROM %1 WHERE %2").arg(m_area.tableName(), inGroup), groupKey);
    writeGroup(line, header, numbers);
    if (m_area.table() == WorkArea::Table::Registro)
        m_db.exec(QStringLiteral("UPDATE CONSOLIDACION SET ValorDebito = ?, ValorCredito = ?, "
                                 "Descripcion = ?, Fecha = ? WHERE Tipo = 1 AND LineaPertenece = ? "
                                 "AND EmpresaC = ? AND MatrizC = ? AND Usuario = ?"),
                  {line.credit.toSql(), line.debit.toSql(), text(line.descripcion), lineDate(line),
                   group, m_area.company(), m_area.headOffice(), m_area.user()});
    tx.commit();
    return Result::Written;
}

LineWriter::Result LineWriter::remove(int group)
{
    Transaction tx(m_db);
    const QVariantList groupKey = m_area.keyValues() + QVariantList{group};
    const QString inGroup = m_area.keyCondition({}) + QStringLiteral(" AND GrupoLinea = ?");
    AssetRegister assets(m_db, m_area.company(), m_area.headOffice());
    std::vector<std::pair<QString, int>> held;
    QSqlQuery q = m_db.run(QStringLiteral("SELECT Serial, TipoMovActivo FROM %1 WHERE %2 "
                                          "AND Serial <> '*' AND TipoMovActivo <> 0")
                               .arg(m_area.tableName(), inGroup),
                           groupKey);
    while (q.next())
        held.emplace_back(q.value(0).toString().trimmed(), q.value(1).toInt());
    for (const auto &[serial, movement] : held)
        if (movement == int(AssetMovement::Purchase) &&
            assets.hasLaterLines(serial, m_area.user(), group))
            return Result::PurchaseHasLaterLines;

    m_db.exec(QStringLiteral("DELETE FROM %1 WHERE %2").arg(m_area.tableName(), inGroup), groupKey);
    for (const auto &[serial, movement] : held)
        assets.releaseLine(serial, AssetMovement(movement));
    if (m_area.table() == WorkArea::Table::Registro) {
        // The lines the group generated in other companies go with it, and so does their
        // hold on those companies' assets.
        const QVariantList generated{m_area.company(), m_area.headOffice(), group, m_area.user()};
        const auto assetRows = m_db.rows(
            QStringLiteral("SELECT Empresa, Matriz, Serial, TipoMovActivo FROM CONSOLIDACION "
                           "WHERE EmpresaC = ? AND MatrizC = ? AND LineaPertenece = ? "
                           "AND Usuario = ? AND Serial <> '*' AND TipoMovActivo <> 0"),
            generated);
        m_db.exec(QStringLiteral("DELETE FROM CONSOLIDACION WHERE EmpresaC = ? AND MatrizC = ? "
                                 "AND LineaPertenece = ? AND Usuario = ?"),
                  generated);
        for (const QSqlRecord &r : assetRows)
            AssetRegister(m_db, r.value(0).toString().trimmed(), r.value(1).toString().trimmed())
                .releaseLine(r.value(2).toString(), AssetMovement(r.value(3).toInt()));
    }
    tx.commit();
    return Result::Written;
}

void LineWriter::writeGroup(const EntryLine &line, const VoucherHeader &header,
                            const std::vector<int> &numbers)
{
    size_t used = 0;
    auto nextNumber = [&]() {
        if (used < numbers.size())
            return numbers[used++];
        return std::max(m_area.nextLine(m_db), line.grupoLinea);
    };
    const auto shares = line.account.centrodecosto
                            ? EntryLookups::costCentreShares(m_db, line.account.code)
                            : std::vector<std::pair<QString, Rate>>{};
    const std::vector<Money> debits = spread(line.debit, shares);
    const std::vector<Money> credits = spread(line.credit, shares);
    for (size_t i = 0; i < debits.size(); ++i)
        insertRow(line, header, nextNumber(), line.grupoLinea, line.account.code,
                  shares.empty() ? QStringLiteral("*") : shares[i].first, debits[i], credits[i],
                  true, line.documentType);

    if (line.account.manejaReteFuente && line.party.sujetoAReteFuente &&
        !line.retentionConcept.trimmed().isEmpty()) {
        const RetentionTerms terms =
            EntryLookups::retentionTerms(m_db, line.retentionConcept, line.party.tipoPersona);
        const bool onDebit = !line.debit.isZero();
        const Money retained = LineTax::retention(
            onDebit ? line.debit : line.credit, terms, m_tax.aplicaRetBase && line.account.activoFijo,
            LineTax::rateFor(line.account.code, m_tax.impuesto));
        if (retained > Money() && !terms.account.isEmpty()) {
            QString type = LineTax::retentionDocumentType(line.documentType);
            if (type != QLatin1String("*") && !EntryLookups::documentType(m_db, type))
                type = orStar(line.documentType);
            insertRow(line, header, nextNumber(), line.grupoLinea, terms.account,
                      QStringLiteral("*"), onDebit ? Money() : retained,
                      onDebit ? retained : Money(), false, type);
        }
    }
    if (line.account.activoFijo && line.asset.movement != AssetMovement::None)
        AssetRegister(m_db, m_area.company(), m_area.headOffice())
            .recordLine(line.account.code, line.asset);
}

void LineWriter::insertRow(const EntryLine &line, const VoucherHeader &header, int number,
                           int group, const QString &account, const QString &costCentre,
                           Money debit, Money credit, bool baseRow, const QString &documentType)
{
    QStringList columns = m_area.keyColumns();
    QVariantList values = m_area.keyValues();
    const bool asset = baseRow && line.account.activoFijo && line.asset.movement != AssetMovement::None;
    const bool foreign = baseRow && !line.trm.isZero();
    const Money whole = line.debit.isZero() ? line.credit : line.debit;
    // The foreign amount follows the row's share of the line.
    Money share;
    if (foreign && !whole.isZero()) {
        const Money part = debit.isZero() ? credit : debit;
        share = part == whole ? line.foreign
                              : Money::fromThousandths(qint64(
                                    (DecimalText::Wide(line.foreign.thousandths()) * part.thousandths()) /
                                    whole.thousandths()));
    }
    const bool listsShown = !line.outflowType.isEmpty() || !line.destination.isEmpty();
    columns << QStringLiteral("TipoComprobante") << QStringLiteral("NumeroComprobante")
            << QStringLiteral("Linea") << QStringLiteral("Cuenta") << QStringLiteral("Fecha")
            << QStringLiteral("TipoDocumento") << QStringLiteral("Documento")
            << QStringLiteral("Documento2") << QStringLiteral("Documento3")
            << QStringLiteral("CentroCosto") << QStringLiteral("ValorDebito")
            << QStringLiteral("ValorCredito") << QStringLiteral("Tercero")
            << QStringLiteral("Descripcion") << QStringLiteral("GrupoLinea")
            << QStringLiteral("Serial") << QStringLiteral("TipoMovActivo") << QStringLiteral("TRM")
            << QStringLiteral("DebitoUS") << QStringLiteral("CreditoUS")
            << QStringLiteral("FechaCreacion") << QStringLiteral("PorcentajeImpuesto")
            << QStringLiteral("PorcentajeImpuesto2") << QStringLiteral("ConceptoRetencion")
            << QStringLiteral("Fechadoc") << QStringLiteral("Conciliado");
    values << header.type << text(header.number) << number << account << lineDate(line)
           << orStar(documentType) << text(line.document)
           << text(listsShown ? line.outflowType : line.documento2)
           << text(listsShown ? line.destination : line.documento3) << orStar(costCentre)
           << debit.toSql() << credit.toSql() << orStar(line.party.code)
           << text(line.descripcion)
           << group << (asset ? line.asset.serial.trimmed() : QStringLiteral("*"))
           << (asset ? int(line.asset.movement) : 0) << (foreign ? line.trm : Rate()).toSql()
           << (foreign && !debit.isZero() ? share : Money()).toSql()
           << (foreign && !credit.isZero() ? share : Money()).toSql() << QDate::currentDate()
           << LineTax::rateFor(line.account.code, m_tax.impuesto).toSql()
           << m_tax.impuesto2.toSql() << text(line.retentionConcept) << dateOrNull(line.fechaDoc) << 0;
    if (m_area.table() == WorkArea::Table::Registro) {
        columns << QStringLiteral("UsuarioCreador");
        values << (header.creator.isEmpty() ? m_area.user() : header.creator);
    } else {
        columns << QStringLiteral("LineaPertenece") << QStringLiteral("Tipo");
        values << m_area.originLine() << 0;
    }
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    m_db.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(m_area.tableName(), columns.join(QStringLiteral(", ")),
                       marks.join(QStringLiteral(", "))),
              values);
}

void LineWriter::writeMirror(const EntryLine &line, int group)
{
    const auto owner = EntryLookups::receivableOwner(m_db, line.account.code, m_area.company());
    if (!owner)
        return;
    const QString type = EntryLookups::consolidationVoucherType(m_db);
    if (type.isEmpty())
        return;
    // In the other company's books the line lands on its account for this company, on the
    // other side; without one, on the same account.
    QString account = m_db
                          .scalar(QStringLiteral("SELECT CuentaPorCobrar FROM EMPRESA WHERE "
                                                 "Codigo = ? AND CodigoMatriz = ?"),
                                  {m_area.company(), m_area.headOffice()})
                          .toString()
                          .trimmed();
    if (account.isEmpty())
        account = line.account.code;
    const WorkArea mirror = WorkArea::consolidacion(m_area.user(), m_area.company(),
                                                    m_area.headOffice(), owner->first,
                                                    owner->second);
    const int number = mirror.nextLine(m_db);
    QStringList columns = mirror.keyColumns();
    QVariantList values = mirror.keyValues();
    columns << QStringLiteral("TipoComprobante") << QStringLiteral("NumeroComprobante")
            << QStringLiteral("Linea") << QStringLiteral("Cuenta") << QStringLiteral("Fecha")
            << QStringLiteral("TipoDocumento") << QStringLiteral("Documento")
            << QStringLiteral("Tercero") << QStringLiteral("ValorDebito")
            << QStringLiteral("ValorCredito") << QStringLiteral("Descripcion")
            << QStringLiteral("GrupoLinea") << QStringLiteral("TipoMovActivo")
            << QStringLiteral("TRM") << QStringLiteral("DebitoUS") << QStringLiteral("CreditoUS")
            << QStringLiteral("FechaCreacion") << QStringLiteral("PorcentajeImpuesto")
            << QStringLiteral("PorcentajeImpuesto2") << QStringLiteral("LineaPertenece")
            << QStringLiteral("Tipo") << QStringLiteral("Conciliado") << QStringLiteral("Fechadoc");
    values << type << text({}) << number << account << lineDate(line)
           << orStar(line.documentType) << text(line.document) << orStar(line.party.code)
           << line.credit.toSql() << line.debit.toSql() << text(line.descripcion) << number << 0
           << Rate().toSql() << Money().toSql() << Money().toSql() << QDate::currentDate()
           << Rate().toSql() << Rate().toSql() << group << 1 << 0 << dateOrNull(line.fechaDoc);
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    m_db.exec(QStringLiteral("INSERT INTO CONSOLIDACION (%1) VALUES (%2)")
                  .arg(columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
              values);
}
