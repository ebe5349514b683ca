#pragma once

#include <QDate>
#include <QString>
#include <vector>

class Db;

// A voucher some user holds in the work area of a company, not yet approved.
struct PendingVoucher
{
    QString company;
    QString companyName;
    QString type;
    QString number; // empty until its first approval
    QString user;
    QString userName;
    QDate date; // the latest date of its lines
};

// Every voucher held in any user's work area, for the pending-voucher viewer.
class PendingVouchers
{
public:
    static inline const QString Caption = QStringLiteral("Comprobantes Pendientes");

    // CodigoEmpresa, NombreEmpresa, TipoComprobante, NumeroComprobante, Usuario,
    // NombreUsuario, Fecha: one row per company, head office, type, number and user, in
    // company, user, type and number order.
    static QString statement();
    // Throws DbError.
    static std::vector<PendingVoucher> list(Db &db);

    // What the viewer shows for the chosen voucher, one value a line.
    static QString message(const PendingVoucher &voucher);
};
