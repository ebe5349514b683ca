#include "vouchers/entry/VoucherDiscard.h"

#include "common/OptionRights.h"
#include "platform/Db.h"
#include "platform/Transaction.h"
#include "vouchers/entry/AssetRegister.h"

namespace VoucherDiscard {

bool discard(Db &db, const QString &node, const QString &user, const QString &company,
             const QString &headOffice)
{
    if (!OptionRights::MayUse(db, user, node, QStringLiteral("Eliminar")))
        return false;
    Transaction tx(db);
    const auto held = db.rows(QStringLiteral("SELECT TipoComprobante, NumeroComprobante, "
                                             "UsuarioCreador, MIN(Fecha) FROM REGISTRO "
                                             "WHERE Usuario = ? AND Empresa = ? AND Matriz = ? "
                                             "GROUP BY TipoComprobante, NumeroComprobante, "
                                             "UsuarioCreador"),
                              {user, company, headOffice});
    for (const QSqlRecord &r : held) {
        const QString number = r.value(1).toString().trimmed();
        if (number.isEmpty()) {
            // A voucher never posted: the assets its lines bought or retired are released.
            AssetRegister assets(db, company, headOffice);
            QSqlQuery q = db.run(QStringLiteral("SELECT Serial, TipoMovActivo FROM REGISTRO "
                                                "WHERE Usuario = ? AND Empresa = ? AND Matriz = ? "
                                                "AND Serial <> '*' AND TipoMovActivo IN (1, 3)"),
                                 {user, company, headOffice});
            std::vector<std::pair<QString, int>> held;
            while (q.next())
                held.emplace_back(q.value(0).toString(), q.value(1).toInt());
            for (const auto &[serial, movement] : held)
                assets.releaseLine(serial, AssetMovement(movement));
            continue;
        }
        const QVariant f = r.value(3);
        const QDate date = f.typeId() == QMetaType::QDate
                               ? f.toDate()
                               : QDate::fromString(f.toString().left(10), Qt::ISODate);
        const QDate first(date.year(), date.month(), 1);
        const QString creator = r.value(2).toString().trimmed();
        db.exec(QStringLiteral("UPDATE MOVIMIENTO SET Usuario = ? WHERE Empresa = ? AND Matriz = ? "
                               "AND TipoComprobante = ? AND NumeroComprobante = ? AND Fecha >= ? "
                               "AND Fecha < ? AND Usuario = '-'"),
                {creator.isEmpty() ? user : creator, company, headOffice, r.value(0).toString(),
                 number, first, first.addMonths(1)});
    }
    db.exec(QStringLiteral("DELETE FROM REGISTRO WHERE Usuario = ? AND Empresa = ? AND Matriz = ?"),
            {user, company, headOffice});
    db.exec(QStringLiteral("DELETE FROM CONSOLIDACION WHERE Usuario = ? AND EmpresaC = ? "
                           "AND MatrizC = ?"),
            {user, company, headOffice});
    tx.commit();
    return true;
}

} // namespace VoucherDiscard
