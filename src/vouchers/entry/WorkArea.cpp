#include "vouchers/entry/WorkArea.h"

#include "platform/Db.h"

namespace {

QDate dateOf(const QVariant &v)
{
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDate)
        return v.toDate();
    return QDate::fromString(v.toString().left(10), Qt::ISODate);
}

} // namespace

WorkArea WorkArea::registro(const QString &user, const QString &company, const QString &headOffice)
{
    WorkArea a;
    a.m_table = Table::Registro;
    a.m_user = user;
    a.m_company = a.m_enteringCompany = company;
    a.m_headOffice = a.m_enteringHeadOffice = headOffice;
    return a;
}

WorkArea WorkArea::consolidacion(const QString &user, const QString &enteringCompany,
                                 const QString &enteringHeadOffice,
                                 const QString &receivingCompany,
                                 const QString &receivingHeadOffice, int originLine)
{
    WorkArea a;
    a.m_table = Table::Consolidacion;
    a.m_user = user;
    a.m_company = receivingCompany;
    a.m_headOffice = receivingHeadOffice;
    a.m_enteringCompany = enteringCompany;
    a.m_enteringHeadOffice = enteringHeadOffice;
    a.m_originLine = originLine;
    return a;
}

QString WorkArea::tableName() const
{
    return m_table == Table::Registro ? QStringLiteral("REGISTRO")
                                      : QStringLiteral("CONSOLIDACION");
}

QStringList WorkArea::keyColumns() const
{
    QStringList columns{QStringLiteral("Usuario"), QStringLiteral("Empresa"),
                        QStringLiteral("Matriz")};
    if (m_table == Table::Consolidacion)
        columns << QStringLiteral("EmpresaC") << QStringLiteral("MatrizC");
    return columns;
}

QString WorkArea::keyCondition(const QString &alias) const
{
    const QString prefix = alias.isEmpty() ? QString() : alias + QLatin1Char('.');
    QStringList parts;
    for (const QString &c : keyColumns())
        parts << QStringLiteral("%1%2 = ?").arg(prefix, c);
    return parts.join(QStringLiteral(" AND "));
}

QVariantList WorkArea::keyValues() const
{
    QVariantList values{m_user, m_company, m_headOffice};
    if (m_table == Table::Consolidacion)
        values << m_enteringCompany << m_enteringHeadOffice;
    return values;
}

int WorkArea::nextLine(Db &db) const
{
    return db.scalar(QStringLiteral("SELECT MAX(R.Linea) FROM %1 R WHERE %2")
                         .arg(tableName(), keyCondition()),
                     keyValues())
               .toInt() +
           1;
}

bool WorkArea::isEmpty(Db &db) const
{
    return !db.exists(QStringLiteral("SELECT 1 FROM %1 R WHERE %2").arg(tableName(), keyCondition()),
                      keyValues());
}

std::optional<QDate> WorkArea::voucherDate(Db &db) const
{
    const QVariant v = db.scalar(
        QStringLiteral("SELECT MIN(R.Fecha) FROM %1 R WHERE %2").arg(tableName(), keyCondition()),
        keyValues());
    const QDate d = dateOf(v);
    if (!d.isValid())
        return std::nullopt;
    return d;
}

std::vector<WorkAreaRow> WorkArea::rows(Db &db) const
{
    const bool consolidation = m_table == Table::Consolidacion;
    const QString sql =
        QStringLiteral(
            "SELECT R.NumeroComprobante, R.TipoComprobante, R.Linea, R.Cuenta, R.Tercero, "
            "R.TipoDocumento, R.Documento, R.Documento2, R.Documento3, R.CentroCosto, "
            "R.ValorDebito, R.ValorCredito, R.Descripcion, %3 AS UsuarioCreador, "
            "CC.Nombre AS CCNombre, T.Nombre AS TNombre, D.Nombre AS DNombre, "
            "C.Nombre AS CNombre, R.GrupoLinea, C.ActivoFijo, C.RetencionIVA, R.Fecha, "
            "R.Serial, R.TipoMovActivo, R.TRM, R.DebitoUS, R.CreditoUS, R.FechaCreacion, "
            "R.Conciliado, COALESCE(R.ConceptoRetencion, '') AS ConceptoRetencion, "
            "COALESCE(CR.Descripcion, '') AS NombreConcepto, R.Fechadoc, "
            "R.PorcentajeImpuesto, %4 AS LineaPertenece "
            "FROM %1 R INNER JOIN CUENTACONTABLE CC ON R.Cuenta = CC.Codigo "
            "INNER JOIN TERCERO T ON R.Tercero = T.Codigo "
            "INNER JOIN DOCUMENTO D ON R.TipoDocumento = D.Codigo "
            "INNER JOIN COMPROBANTE C ON R.TipoComprobante = C.Codigo "
            "LEFT JOIN CONCEPTORET CR ON R.ConceptoRetencion = CR.Codigo "
            "WHERE %2 ORDER BY R.Linea")
            .arg(tableName(), keyCondition(),
                 consolidation ? QStringLiteral("''") : QStringLiteral("R.UsuarioCreador"),
                 consolidation ? QStringLiteral("R.LineaPertenece") : QStringLiteral("0"));
    std::vector<WorkAreaRow> result;
    QSqlQuery q = db.run(sql, keyValues());
    while (q.next()) {
        WorkAreaRow r;
        r.numeroComprobante = q.value(0).toString().trimmed();
        r.tipoComprobante = q.value(1).toString().trimmed();
        r.linea = q.value(2).toInt();
        r.cuenta = q.value(3).toString().trimmed();
        r.tercero = q.value(4).toString().trimmed();
        r.tipoDocumento = q.value(5).toString().trimmed();
        r.documento = q.value(6).toString().trimmed();
        r.documento2 = q.value(7).toString().trimmed();
        r.documento3 = q.value(8).toString().trimmed();
        r.centroCosto = q.value(9).toString().trimmed();
        r.valorDebito = Money::fromSql(q.value(10));
        r.valorCredito = Money::fromSql(q.value(11));
        r.descripcion = q.value(12).toString();
        r.usuarioCreador = q.value(13).toString().trimmed();
        r.cuentaNombre = q.value(14).toString();
        r.terceroNombre = q.value(15).toString();
        r.tipoDocumentoNombre = q.value(16).toString();
        r.tipoComprobanteNombre = q.value(17).toString();
        r.grupoLinea = q.value(18).toInt();
        r.comprobanteActivoFijo = q.value(19).toInt() == 1;
        r.comprobanteRetencionIva = q.value(20).toInt() == 1;
        r.fecha = dateOf(q.value(21));
        r.serial = q.value(22).toString().trimmed();
        r.tipoMovActivo = q.value(23).toInt();
        r.trm = Rate::fromSql(q.value(24));
        r.debitoUS = Money::fromSql(q.value(25));
        r.creditoUS = Money::fromSql(q.value(26));
        r.fechaCreacion = dateOf(q.value(27));
        r.conciliado = q.value(28).toInt();
        r.conceptoRetencion = q.value(29).toString().trimmed();
        r.conceptoNombre = q.value(30).toString();
        r.fechaDoc = dateOf(q.value(31));
        r.porcentajeImpuesto = Rate::fromSql(q.value(32));
        r.lineaPertenece = q.value(33).toInt();
        result.push_back(std::move(r));
    }
    return result;
}
