#include "vouchers/VoucherModification.h"

#include "platform/Db.h"

#include <QDate>

namespace VoucherModification {

int AnularComprobante(Db &db, const QString &company, const QString &headOffice, int month,
                      int year, const QString &type, const QString &number)
{
    const QDate first(year, month, 1);
    if (!first.isValid())
        return 1;
    const int taken =
        db.exec(QStringLiteral("UPDATE MOVIMIENTO SET Usuario = '-' WHERE "
                               "Empresa = ? AND Matriz = ? AND Fecha >= ? AND "
                               "Fecha < ? AND TipoComprobante = ? AND "
                               "NumeroComprobante = ? AND Usuario <> '-'"),
                {company, headOffice, first, first.addMonths(1), type, number.trimmed()});
    return taken > 0 ? 0 : 1;
}

} // namespace VoucherModification
