#pragma once

#include <QString>

// The messages of voucher entry, shared by the work area and the consolidation area.
namespace EntryTexts {

inline const QString SelectOutflowType = QStringLiteral("Debe seleccionar el Tipo de Salida");
inline const QString SelectDestination = QStringLiteral("Debe seleccionar el Destino del Asiento");
inline const QString SelectVoucherType = QStringLiteral("¡Seleccione un comprobante!");
// Followed by the days of the month and "!".
inline const QString SelectDay = QStringLiteral("¡Seleccione un dia entre 1 y ");
inline const QString DayRange = QStringLiteral(" El dia debe ser entre 1 y ");
inline const QString SelectDetailAccount = QStringLiteral("¡Seleccione una cuenta de detalle!");
inline const QString SelectParty = QStringLiteral("¡Seleccione un tercero!");
inline const QString SelectDocument = QStringLiteral("¡Seleccione un documento!");
inline const QString SelectDocumentNumber = QStringLiteral("¡Seleccione un numero de documento!");
inline const QString SelectConcept = QStringLiteral("¡Seleccione un oncepto de retención!");
inline const QString AssetDataMissing = QStringLiteral("¡Falta información del activo!");
inline const QString AmountZero =
    QStringLiteral("¡El valor del Débito ó Crédito debe ser mayor a cero!");

inline const QString VoucherTypeInactive = QStringLiteral("El comprobante esta inactivo...!");
inline const QString DocumentTypeInactive = QStringLiteral("El documento esta inactivo...!");
inline const QString AccountInactive = QStringLiteral("¡La cuenta esta inactiva!");
inline const QString SummaryAccount = QStringLiteral("¡Seleccione solo cuentas de detalle!");
inline const QString PartyMissing = QStringLiteral("El tercero no existe....!");
inline const QString PartyCreate = QStringLiteral("El tercero no existe ... Desea crearlo ? ");
inline const QString DuplicateDocument =
    QStringLiteral("El documento existe en el siguiente comprobante...!");

inline const QString CannotRegister = QStringLiteral("No puede registrar información...!");
inline const QString BranchInactive = QStringLiteral("La sucursal esta inactiva...!");
inline const QString CompanyInactive = QStringLiteral("La empresa esta inactiva...!");
inline const QString PendingVoucher = QStringLiteral("Tiene un comprobante pendiente del periodo ");
inline const QString ChangePeriod = QStringLiteral("! Cambie el periodo para procesar el comprobante!");

inline const QString CostCentresChanged =
    QStringLiteral("Hay mas o menos centros de costos desde la fecha del registro...");
inline const QString DeleteLine = QStringLiteral("Desea Eliminar la linea ? ");
inline const QString PurchaseHasLaterLines =
    QStringLiteral("¡Debe eliminar primero los registros de variación y retiro para eliminar el "
                   "registro de compra del activo!");
inline const QString AssetRetired = QStringLiteral("Activo fijo esta desincorporado!");

// Not given elsewhere: the header cannot change under lines already written.
inline const QString TypeLocked = QStringLiteral(
    "El comprobante ya tiene líneas: no puede cambiar el tipo de comprobante.");
inline const QString Discard = QStringLiteral(
    "Desea descartar el comprobante ? Se eliminarán todas sus líneas del área de trabajo.");
inline const QString AreaInUse = QStringLiteral(
    "Tiene un comprobante en proceso. Apruébelo o descártelo antes de buscar otro.");
inline const QString CopyTypeInvalid = QStringLiteral("Selccione un comprobante valido!");
// Followed by the days of the month and " !".
inline const QString CopyDayRange = QStringLiteral("El dia debe ser entre 1 y ");
// Followed by the date and " ? ".
inline const QString CopyAsk = QStringLiteral("Desea copiar el registro en la fecha ");
inline const QString NoLineSelected = QStringLiteral("Seleccione una línea del comprobante.");

inline const QString NoConsolidationTypeMarked =
    QStringLiteral("No existe comprobante marcado como consolidación!");
inline const QString NoConsolidationType = QStringLiteral("No existe comprobante de consolidación!");
inline const QString EmptyChoice = QStringLiteral("¡Campo no debe estar vacio!");

inline const QString Missing = QStringLiteral("Falta: ");
inline const QString OnCredit = QStringLiteral(" en Crédito");
inline const QString OnDebit = QStringLiteral(" en Débito");

} // namespace EntryTexts
