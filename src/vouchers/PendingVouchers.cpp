#include "vouchers/PendingVouchers.h"

#include "platform/Db.h"

#include <QStringList>

namespace {

QDate dateOf(const QVariant &v)
{
    return v.typeId() == QMetaType::QDate ? v.toDate()
                                          : QDate::fromString(v.toString().left(10), Qt::ISODate);
}

} // namespace

QString PendingVouchers::statement()
{
    return QStringLiteral(
        "SELECT R.Empresa AS CodigoEmpresa, MAX(E.Nombre) AS NombreEmpresa, R.TipoComprobante, "
        "R.NumeroComprobante, R.Usuario, MAX(U.NombreUsuario) AS NombreUsuario, "
        "MAX(R.Fecha) AS Fecha FROM REGISTRO R "
        "INNER JOIN EMPRESA E ON R.Empresa = E.Codigo AND R.Matriz = E.CodigoMatriz "
        "INNER JOIN USUARIOS U ON R.Usuario = U.CodUsuario "
        "GROUP BY R.Empresa, R.Matriz, R.TipoComprobante, R.NumeroComprobante, R.Usuario "
        "ORDER BY R.Empresa, R.Usuario, R.TipoComprobante, R.NumeroComprobante");
}

std::vector<PendingVoucher> PendingVouchers::list(Db &db)
{
    std::vector<PendingVoucher> vouchers;
    for (const QSqlRecord &r : db.rows(statement())) {
        vouchers.push_back({r.value(0).toString().trimmed(), r.value(1).toString().trimmed(),
                            r.value(2).toString().trimmed(), r.value(3).toString().trimmed(),
                            r.value(4).toString().trimmed(), r.value(5).toString().trimmed(),
                            dateOf(r.value(6))});
    }
    return vouchers;
}

QString PendingVouchers::message(const PendingVoucher &v)
{
    return QStringList{
        QStringLiteral("Empresa            :  ") + v.company,
        QStringLiteral("Nombre             : ") + v.companyName,
        QStringLiteral("Comprobante    : ") + v.type,
        QStringLiteral("Numero             : ") + v.number,
        QStringLiteral("Usuario             : ") + v.user + QStringLiteral(" - ") + v.userName,
        QStringLiteral("Fecha Registro : ") + v.date.toString(QStringLiteral("dd/MM/yyyy")),
    }
        .join(QLatin1Char('\n'));
}
