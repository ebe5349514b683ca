#include "vouchers/entry/EntryLookups.h"

#include "platform/Db.h"

namespace EntryLookups {

namespace {

QString text(const QSqlRecord &r, const char *column)
{
    return r.value(QString::fromLatin1(column)).toString().trimmed();
}

bool flag(const QSqlRecord &r, const char *column)
{
    return r.value(QString::fromLatin1(column)).toInt() == 1;
}

} // namespace

QString voucherTypeCatalog()
{
    return QStringLiteral("SELECT Codigo, Nombre, ActivoFijo AS \"~HDN1\", "
                          "RetencionIVA AS \"~HDN2\", Consolidacion AS \"~HDN3\", Status "
                          "FROM COMPROBANTE WHERE Codigo LIKE ? AND Codigo <> '*' "
                          "AND Codigo <> '999' ORDER BY Codigo");
}

QString accountCatalog()
{
    // Status: 1 detail, 0 summary, 3 inactive.
    const QString status = QStringLiteral(
        "CASE WHEN CC.Status = 0 THEN 3 WHEN CC.EsPadre = 1 THEN 0 ELSE 1 END AS Status");
    return QStringLiteral("SELECT CC.Codigo, CC.Nombre, %1 FROM CUENTACONTABLE CC "
                          "WHERE CC.Codigo LIKE ? AND CC.Consolidacion = 0 "
                          "UNION SELECT CC.Codigo, CC.Nombre, %1 FROM CUENTACONTABLE CC "
                          "INNER JOIN EMPRESA E ON CC.Codigo = E.CuentaPorCobrar "
                          "WHERE CC.Codigo LIKE ? AND E.Status = 1 ORDER BY 1")
        .arg(status);
}

QString partyCatalog()
{
    return QStringLiteral("SELECT Codigo, Nombre, SujetoAReteIVA AS \"~HDN1\", "
                          "SujetoAReteFuente AS \"~HDN2\", TipoPersona AS \"~HDN3\", "
                          "TipoRegimen AS \"~HDN4\" FROM TERCERO WHERE Codigo LIKE ? "
                          "AND Codigo <> '*' ORDER BY Nombre");
}

QString documentTypeCatalog()
{
    return QStringLiteral("SELECT Codigo, Nombre, Status FROM DOCUMENTO WHERE Codigo LIKE ? "
                          "AND Codigo <> '*' ORDER BY Nombre");
}

QString conceptCatalog()
{
    return QStringLiteral(
        "SELECT C.Codigo AS \"Código\", C.Descripcion AS \"Descripción\", "
        "C.BasePJ AS \"Base PJ\", C.DeduccionPJ AS \"Deducción PJ\", "
        "C.PorcentajePJ AS \"% PJ\", C.BasePN AS \"Base PN\", "
        "C.DeduccionPN AS \"Deducción PN\", C.PorcentajePN AS \"% PN\" "
        "FROM CONCEPTORET C INNER JOIN CUENTACONCEPTORET CC ON C.Codigo = CC.CodigoConcepto "
        "WHERE CC.CodigoCuenta = ? AND C.Codigo LIKE ? ORDER BY C.Codigo");
}

QString openDocumentsCatalog()
{
    // Signed sums stay exact integers; the balance is shown as a positive amount.
    return QStringLiteral(
        "SELECT TipoDocumento, Documento, Tercero AS \"~HDN1\", Cuenta AS \"~HDN2\", "
        "ABS(SUM(ValorDebito - ValorCredito)) AS Saldo FROM MOVIMIENTO "
        "WHERE Empresa = ? AND Matriz = ? AND Cuenta = ? AND Tercero = ? "
        "AND Fecha > ? AND Fecha <= ? AND Usuario <> '-' "
        "GROUP BY TipoDocumento, Documento, Tercero, Cuenta "
        "HAVING SUM(ValorDebito - ValorCredito) <> 0 ORDER BY TipoDocumento, Documento");
}

LineVoucherType voucherType(Db &db, const QString &code)
{
    LineVoucherType t;
    const auto rows = db.rows(QStringLiteral("SELECT Codigo, Nombre, ActivoFijo, RetencionIVA, "
                                             "Consolidacion, Status FROM COMPROBANTE "
                                             "WHERE Codigo = ? AND Codigo <> '*' "
                                             "AND Codigo <> '999'"),
                              {code.trimmed()});
    if (rows.empty())
        return t;
    const QSqlRecord &r = rows.front();
    t.code = text(r, "Codigo");
    t.name = r.value(1).toString();
    t.activoFijo = flag(r, "ActivoFijo");
    t.retencionIVA = flag(r, "RetencionIVA");
    t.consolidacion = flag(r, "Consolidacion");
    t.active = flag(r, "Status");
    return t;
}

LineAccount account(Db &db, const QString &code)
{
    LineAccount a;
    const auto rows = db.rows(
        QStringLiteral("SELECT Codigo, Nombre, EsPadre, Status, Centrodecosto, ManejaTerc, "
                       "ManejaDoc, ManejaDocAnexos, ManejaReteFuente, ManejaRetIVA, ActivoFijo, "
                       "AjustDifCambio, ControlPago, Consolidacion, CuentaRetIVA "
                       "FROM CUENTACONTABLE WHERE Codigo = ?"),
        {code.trimmed()});
    if (rows.empty())
        return a;
    const QSqlRecord &r = rows.front();
    a.code = text(r, "Codigo");
    a.name = r.value(1).toString();
    a.summary = flag(r, "EsPadre");
    a.active = flag(r, "Status");
    a.centrodecosto = flag(r, "Centrodecosto");
    a.manejaTerc = flag(r, "ManejaTerc");
    a.manejaDoc = flag(r, "ManejaDoc");
    a.manejaDocAnexos = flag(r, "ManejaDocAnexos");
    a.manejaReteFuente = flag(r, "ManejaReteFuente");
    a.manejaRetIVA = flag(r, "ManejaRetIVA");
    a.activoFijo = flag(r, "ActivoFijo");
    a.ajustDifCambio = flag(r, "AjustDifCambio");
    a.controlPago = flag(r, "ControlPago");
    a.consolidacion = flag(r, "Consolidacion");
    a.cuentaRetIVA = text(r, "CuentaRetIVA");
    return a;
}

LineParty party(Db &db, const QString &code)
{
    LineParty p;
    const auto rows = db.rows(QStringLiteral("SELECT Codigo, Nombre, SujetoAReteIVA, "
                                             "SujetoAReteFuente, TipoPersona, TipoRegimen "
                                             "FROM TERCERO WHERE Codigo = ? AND Codigo <> '*'"),
                              {code.trimmed()});
    if (rows.empty())
        return p;
    const QSqlRecord &r = rows.front();
    p.code = text(r, "Codigo");
    p.name = r.value(1).toString();
    p.sujetoAReteIVA = flag(r, "SujetoAReteIVA");
    p.sujetoAReteFuente = flag(r, "SujetoAReteFuente");
    p.tipoPersona = r.value(4).toInt();
    p.tipoRegimen = text(r, "TipoRegimen");
    return p;
}

std::optional<std::pair<QString, bool>> documentType(Db &db, const QString &code)
{
    const auto rows = db.rows(QStringLiteral("SELECT Nombre, Status FROM DOCUMENTO "
                                             "WHERE Codigo = ? AND Codigo <> '*'"),
                              {code.trimmed()});
    if (rows.empty())
        return std::nullopt;
    return std::make_pair(rows.front().value(0).toString(), rows.front().value(1).toInt() == 1);
}

std::optional<QString> accountConcept(Db &db, const QString &account, const QString &code)
{
    const auto rows = db.rows(
        QStringLiteral("SELECT C.Descripcion FROM CONCEPTORET C INNER JOIN CUENTACONCEPTORET CC "
                       "ON C.Codigo = CC.CodigoConcepto WHERE CC.CodigoCuenta = ? AND C.Codigo = ?"),
        {account.trimmed(), code.trimmed()});
    if (rows.empty())
        return std::nullopt;
    return rows.front().value(0).toString();
}

RetentionTerms retentionTerms(Db &db, const QString &conceptCode, int tipoPersona)
{
    const bool legal = tipoPersona == 0;
    const QString sql =
        legal ? QStringLiteral("SELECT BasePJ, DeduccionPJ, PorcentajePJ, CuentaRetencionPJ "
                               "FROM CONCEPTORET WHERE Codigo = ?")
              : QStringLiteral("SELECT BasePN, DeduccionPN, PorcentajePN, CuentaRetencionPN "
                               "FROM CONCEPTORET WHERE Codigo = ?");
    RetentionTerms terms;
    const auto rows = db.rows(sql, {conceptCode.trimmed()});
    if (rows.empty())
        return terms;
    const QSqlRecord &r = rows.front();
    terms.base = Rate::fromSql(r.value(0));
    terms.deduction = Money::fromSql(r.value(1));
    terms.percentage = Rate::fromSql(r.value(2));
    terms.account = r.value(3).toString().trimmed();
    return terms;
}

std::optional<std::pair<QString, QString>> receivableOwner(Db &db, const QString &account,
                                                           const QString &enteringCompany)
{
    const auto rows = db.rows(QStringLiteral("SELECT Codigo, CodigoMatriz FROM EMPRESA "
                                             "WHERE CuentaPorCobrar = ? AND Codigo <> ? "
                                             "AND Status = 1 ORDER BY Codigo"),
                              {account.trimmed(), enteringCompany.isNull() ? QStringLiteral("") : enteringCompany});
    if (rows.empty())
        return std::nullopt;
    return std::make_pair(rows.front().value(0).toString().trimmed(),
                          rows.front().value(1).toString().trimmed());
}

std::vector<std::pair<QString, QString>> branches(Db &db, const QString &headOffice)
{
    std::vector<std::pair<QString, QString>> result;
    QSqlQuery q = db.run(QStringLiteral("SELECT Codigo, Nombre FROM EMPRESA WHERE CodigoMatriz = ? "
                                        "AND Tipo = 0 ORDER BY Nombre"),
                         {headOffice});
    while (q.next())
        result.emplace_back(q.value(0).toString().trimmed(), q.value(1).toString());
    return result;
}

QString consolidationVoucherType(Db &db)
{
    return db
        .scalar(QStringLiteral("SELECT Codigo FROM COMPROBANTE WHERE Consolidacion = 1 "
                               "ORDER BY Codigo"))
        .toString()
        .trimmed();
}

QString PostedDocument::message() const
{
    return QStringLiteral("El documento existe en el siguiente comprobante...!\n"
                          "TIPO         :  %1\nNUMERO   :  %2\nPERIODO  :  %3 - %4")
        .arg(type, number)
        .arg(month)
        .arg(year);
}

std::optional<PostedDocument> duplicateDocument(Db &db, const QString &company,
                                                const QString &headOffice, const QString &party,
                                                const QString &documentType,
                                                const QString &document)
{
    const auto rows = db.rows(
        QStringLiteral("SELECT TipoComprobante, NumeroComprobante, Fecha FROM MOVIMIENTO "
                       "WHERE Empresa = ? AND Matriz = ? AND Tercero = ? AND TipoDocumento = ? "
                       "AND Documento = ? AND NumeroComprobante <> '-' AND Usuario <> '-' "
                       "AND Linea <> 0 ORDER BY Fecha LIMIT 1"),
        {company, headOffice, party.trimmed(), documentType.trimmed(), document.trimmed()});
    if (rows.empty())
        return std::nullopt;
    const QSqlRecord &r = rows.front();
    const QVariant f = r.value(2);
    const QDate date = f.typeId() == QMetaType::QDate
                           ? f.toDate()
                           : QDate::fromString(f.toString().left(10), Qt::ISODate);
    return PostedDocument{r.value(0).toString().trimmed(), r.value(1).toString().trimmed(),
                          date.year(), date.month()};
}

TaxInForce taxInForce(Db &db, QDate firstDay)
{
    TaxInForce tax;
    const auto rates = db.rows(QStringLiteral("SELECT Impuesto, Impuesto2 FROM VARIACIONIMPUESTO "
                                              "WHERE FechaDesde <= ? AND (FechaHasta >= ? OR "
                                              "FechaHasta IS NULL) ORDER BY FechaDesde DESC"),
                               {firstDay, firstDay});
    if (!rates.empty()) {
        tax.impuesto = Rate::fromSql(rates.front().value(0));
        tax.impuesto2 = Rate::fromSql(rates.front().value(1));
    }
    const auto params =
        db.rows(QStringLiteral("SELECT AplicaRetBase, PorcRetIVA FROM PARAMETRO"));
    if (!params.empty()) {
        tax.aplicaRetBase = params.front().value(0).toInt() == 1;
        tax.porcRetIva = Rate::fromSql(params.front().value(1));
    }
    return tax;
}

Rate exchangeRate(Db &db, int year, int month)
{
    return Rate::fromSql(
        db.scalar(QStringLiteral("SELECT Valor FROM TRM WHERE Ano = ? AND Mes = ?"), {year, month}));
}

std::vector<std::pair<QString, Rate>> costCentreShares(Db &db, const QString &account)
{
    std::vector<std::pair<QString, Rate>> shares;
    QSqlQuery q = db.run(QStringLiteral("SELECT CodigoCentroCosto, Porcentaje FROM "
                                        "CUENTACENTROCOSTO WHERE CodigoCuenta = ? "
                                        "ORDER BY CodigoCentroCosto"),
                         {account.trimmed()});
    while (q.next())
        shares.emplace_back(q.value(0).toString().trimmed(), Rate::fromSql(q.value(1)));
    return shares;
}

std::optional<ValueLists> valueLists(Db &db)
{
    if (!db.hasTable(QStringLiteral("TABLA_VALORES")))
        return std::nullopt;
    ValueLists lists;
    auto read = [&db](const char *table, std::vector<std::pair<QString, QString>> &into) {
        QSqlQuery q = db.run(QStringLiteral("SELECT Codigo, Descripcion FROM TABLA_VALORES "
                                            "WHERE IdTabla = ? ORDER BY Descripcion"),
                             {QString::fromLatin1(table)});
        while (q.next())
            into.emplace_back(QString::number(q.value(0).toString().trimmed().toInt()),
                              q.value(1).toString());
    };
    read("TIPO", lists.tipo);
    read("DESTINO", lists.destino);
    return lists;
}

bool listsApply(const QString &voucherType, const QString &account)
{
    bool ok = false;
    const int type = voucherType.trimmed().toInt(&ok);
    return ok && (type == 2 || type == 3 || type == 4 || type == 7) &&
           account.contains(QLatin1String("111005"));
}

} // namespace EntryLookups
