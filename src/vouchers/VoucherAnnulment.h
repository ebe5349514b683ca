#pragma once

#include <QString>

class Db;
class Prompter;

// Annulment of a posted voucher: its lines stay with their amounts at zero, under the user
// who annulled it, so that every voucher list drops it. The lines it generated in other
// companies go with it; the inflation-adjustment and depreciation vouchers of a month go
// together, with the month's adjustment record, so the run can be made again. One
// transaction in every case, the log row included.
namespace VoucherAnnulment {

inline const QString SelectType = QStringLiteral("Seleccione un tipo de comprobante!");
inline const QString SelectNumber = QStringLiteral("Seleccione un numero de comprobante!");
inline const QString NextMonthAdjusted =
    QStringLiteral("Debe eliminar el ajuste o la depreciacion del mes suiguiente!");
inline const QString Generated =
    QStringLiteral("El comprobante es generado por consolidacion..! No puede ser anulado..!");
inline const QString BeingModified =
    QStringLiteral("El comprobante esta en modificación... No puede ser anulado..!");
inline const QString Ask = QStringLiteral("Desea anular el comprobante?");
inline const QString AskWithGenerated =
    QStringLiteral("Desea anular el comprobante y los consolidados generados?");
inline const QString AskAdjustment =
    QStringLiteral("Desea anular el comprobante de ajuste x inflación y el de depreciación?");
inline const QString Title = QStringLiteral("Anular Comprobante");
inline const QString NotFound = QStringLiteral("Comprobante no existe!");
inline const QString Done = QStringLiteral("Comprobante anulado con exito!");
inline const QString DoneWithGenerated = QStringLiteral("Comprobantes anulados con exito!");

struct Request
{
    QString company;
    QString headOffice;
    int year = 0;
    int month = 0;
    QString type;
    QString number;
    QString user;
};

enum class Result { Annulled, NotFound, Declined, Refused };

// The checks, the question and the annulment, telling the user each step through `prompter`.
Result annul(Db &db, Prompter &prompter, const Request &request);

// The voucher types offered (code, name and the two adjustment flags, hidden).
QString typeCatalog();
// The month's vouchers of a type that still have amounts; parameters: type, first day, first
// day of the next month, company, head office.
QString numberCatalog();

} // namespace VoucherAnnulment
