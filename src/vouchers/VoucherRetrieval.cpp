#include "vouchers/VoucherRetrieval.h"

#include "platform/Db.h"
#include "platform/Transaction.h"
#include "platform/Workstation.h"
#include "vouchers/VoucherModification.h"

#include <QDate>
#include <QDateTime>
#include <optional>

namespace VoucherRetrieval {

namespace {

const QString Body = QStringLiteral(
    "Linea, Cuenta, TipoDocumento, Documento, Documento2, Documento3, Tercero, CentroCosto, "
    "ValorDebito, ValorCredito, Descripcion, GrupoLinea, Serial, TipoMovActivo, TRM, DebitoUS, "
    "CreditoUS, FechaCreacion, PorcentajeImpuesto, PorcentajeImpuesto2, Conciliado, "
    "ConceptoRetencion, Fechadoc");

QString prefixed(const QString &alias)
{
    QStringList columns = Body.split(QStringLiteral(", "));
    for (QString &c : columns)
        c = alias + QLatin1Char('.') + c;
    return columns.join(QStringLiteral(", "));
}

QVariantList voucherKey(const Voucher &v)
{
    const QDate first(v.year, v.month, 1);
    return {v.company, v.headOffice, first, first.addMonths(1), v.type, v.number};
}

// Copies the voucher's lines into REGISTRO and the lines it generated into CONSOLIDACION:
// as they are for a voucher taken out (`copy` empty), or as a new voucher of the copy's type
// and date.
void bringBack(Db &db, const Voucher &v, const QString &user, const std::optional<CopyTarget> &copy)
{
    const QVariantList key = voucherKey(v);
    const QString date = copy ? QStringLiteral("?") : QStringLiteral("M.Fecha");
    const QVariantList dateValue = copy ? QVariantList{copy->date} : QVariantList{};
    // A voucher taken out keeps its type, number and creator; a copy is a new voucher of
    // whoever copies it.
    db.exec(QStringLiteral("INSERT INTO REGISTRO (Empresa, Matriz, TipoComprobante, "
                           "NumeroComprobante, Usuario, UsuarioCreador, Fecha, %1) "
                           "SELECT M.Empresa, M.Matriz, %4, ?, ?, %5, %2, %3 "
                           "FROM MOVIMIENTO M WHERE M.Empresa = ? AND M.Matriz = ? "
                           "AND M.Fecha >= ? AND M.Fecha < ? AND M.TipoComprobante = ? "
                           "AND M.NumeroComprobante = ? AND M.Usuario <> '-' AND M.Linea <> 0")
                .arg(Body, date, prefixed(QStringLiteral("M")),
                     copy ? QStringLiteral("?") : QStringLiteral("M.TipoComprobante"),
                     copy ? QStringLiteral("?") : QStringLiteral("M.Usuario")),
            (copy ? QVariantList{copy->type, QStringLiteral(""), user, user}
                  : QVariantList{v.number, user}) +
                dateValue + key);
    db.exec(QStringLiteral("INSERT INTO CONSOLIDACION (EmpresaC, MatrizC, Empresa, Matriz, "
                           "TipoComprobante, NumeroComprobante, Usuario, Fecha, LineaPertenece, "
                           "Tipo, %1) SELECT ?, ?, M.Empresa, M.Matriz, M.TipoComprobante, "
                           "%4, ?, %2, M.LineaPertenece, M.Tipo, %3 FROM MOVIMIENTO M "
                           "WHERE M.EmpresaConsolidacion = ? AND M.Matriz = ? "
                           "AND M.Fecha >= ? AND M.Fecha < ? AND M.TipoComprobanteConsolidacion = ? "
                           "AND M.NumeroComprobanteConsolidacion = ? "
                           "AND (M.ValorDebito > 0 OR M.ValorCredito > 0) AND M.Usuario <> '-'")
                .arg(Body, date, prefixed(QStringLiteral("M")),
                     copy ? QStringLiteral("''") : QStringLiteral("M.NumeroComprobante")),
            QVariantList{v.company, v.headOffice, user} + dateValue + key);
}

} // namespace

QString listStatement(bool ownOnly)
{
    return QStringLiteral(
               "SELECT TipoComprobante, NumeroComprobante, MAX(Fecha) AS Fecha, "
               "SUM(ValorDebito) AS Debito, SUM(ValorCredito) AS Credito, "
               "CASE WHEN MAX(NumeroComprobanteConsolidacion) = '0' THEN 0 ELSE 1 END AS Status, "
               "MAX(EmpresaConsolidacion) AS \"~HDN1\", "
               "MAX(TipoComprobanteConsolidacion) AS \"~HDN2\", "
               "MAX(NumeroComprobanteConsolidacion) AS \"~HDN3\", MAX(Usuario) AS Usuario "
               "FROM MOVIMIENTO WHERE Empresa = ? AND Matriz = ? AND Fecha >= ? AND Fecha < ? "
               "AND TipoComprobante <> '999' AND Usuario <> '-' AND Linea <> 0 "
               "AND NumeroComprobante <> '-' %1"
               "GROUP BY TipoComprobante, NumeroComprobante "
               "HAVING SUM(ValorDebito) > 0 AND SUM(ValorCredito) > 0 "
               "ORDER BY TipoComprobante, CAST(NumeroComprobante AS INTEGER)")
        .arg(ownOnly ? QStringLiteral("AND Usuario = ? ") : QString());
}

bool ownVouchersOnly(Db &db, const QString &user)
{
    return !db.exists(QStringLiteral("SELECT 1 FROM USUARIOGRUPO UG INNER JOIN GRUPOS G "
                                     "ON G.CodGrupo = UG.CodGrupo WHERE UG.CodUsuario = ? AND "
                                     "(G.CodGrupo IN ('SISTEMAS', 'SUPERGRUPO') "
                                     "OR G.TipoModificacion = 1)"),
                      {user});
}

bool mayModify(Db &db, const QString &user)
{
    return db.exists(QStringLiteral("SELECT 1 FROM USUARIOGRUPO UG INNER JOIN GRUPOS G "
                                    "ON G.CodGrupo = UG.CodGrupo WHERE UG.CodUsuario = ? "
                                    "AND G.ModificarMovimiento = 1"),
                     {user});
}

QString generatingCompany(Db &db, const Voucher &v)
{
    const QVariant company = db.scalar(
        QStringLiteral("SELECT MAX(EmpresaConsolidacion) FROM MOVIMIENTO WHERE Empresa = ? "
                       "AND Matriz = ? AND Fecha >= ? AND Fecha < ? AND TipoComprobante = ? "
                       "AND NumeroComprobante = ? AND NumeroComprobanteConsolidacion <> '0'"),
        voucherKey(v));
    return company.toString().trimmed();
}

TakeOut takeOut(Db &db, const Voucher &v, const QString &user)
{
    Transaction tx(db);
    bringBack(db, v, user, std::nullopt);
    if (VoucherModification::AnularComprobante(db, v.company, v.headOffice, v.month, v.year,
                                               v.type, v.number) != 0)
        return TakeOut::Refused; // rolled back
    db.exec(QStringLiteral("INSERT INTO BITACORAMODIFICACIONMOVIMIENTO (Empresa, Matriz, Ano, Mes, "
                           "TipoComprobante, NumeroComprobante, Usuario, FechaModificacion, "
                           "DireccionIP, NombreEquipo) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {v.company, v.headOffice, v.year, v.month, v.type, v.number, user,
             QDateTime::currentDateTime(), Workstation::LocalIpAddress(),
             Workstation::LocalHostName()});
    tx.commit();
    return TakeOut::Taken;
}

void copy(Db &db, const Voucher &v, const QString &user, const CopyTarget &target)
{
    Transaction tx(db);
    bringBack(db, v, user, target);
    tx.commit();
}

} // namespace VoucherRetrieval
