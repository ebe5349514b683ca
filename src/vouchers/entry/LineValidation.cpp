#include "vouchers/entry/LineValidation.h"

#include "vouchers/entry/EntryTexts.h"

namespace LineValidation {

int daysInMonth(int year, int month)
{
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return year % 4 == 0 ? 29 : 28;
    default:
        return 31;
    }
}

std::optional<int> day(const QString &typed, int year, int month)
{
    bool ok = false;
    const int d = typed.trimmed().toInt(&ok);
    if (!ok || d < 1 || d > daysInMonth(year, month))
        return std::nullopt;
    return d;
}

std::optional<FieldError> check(const EntryLine &line, const LineVoucherType &type, int year,
                                int month, bool listsShown)
{
    using namespace EntryTexts;
    if (listsShown && line.outflowType.trimmed().isEmpty())
        return FieldError{EntryField::OutflowType, SelectOutflowType};
    if (listsShown && line.destination.trimmed().isEmpty())
        return FieldError{EntryField::Destination, SelectDestination};
    if (!type.isSet())
        return FieldError{EntryField::VoucherType, SelectVoucherType};
    const QString days = QString::number(daysInMonth(year, month));
    if (line.dayText.trimmed().isEmpty())
        return FieldError{EntryField::Day, SelectDay + days + QLatin1Char('!')};
    if (!day(line.dayText, year, month))
        return FieldError{EntryField::Day, DayRange + days + QLatin1Char('!')};
    if (!line.account.isSet() || line.account.summary || !line.account.active)
        return FieldError{EntryField::Account, SelectDetailAccount};
    if (line.partyEnabled() && !line.party.isSet())
        return FieldError{EntryField::Party, SelectParty};
    if (line.documentEnabled() && line.documentType.trimmed().isEmpty())
        return FieldError{EntryField::DocumentType, SelectDocument};
    if (line.documentEnabled() && line.document.trimmed().isEmpty())
        return FieldError{EntryField::Document, SelectDocumentNumber};
    if (line.conceptEnabled() && line.retentionConcept.trimmed().isEmpty())
        return FieldError{EntryField::Concept, SelectConcept};
    if (type.activoFijo && line.account.activoFijo && !line.asset.complete())
        return FieldError{EntryField::Asset, AssetDataMissing};
    if (line.debit.isZero() && line.credit.isZero())
        return FieldError{EntryField::Debit, AmountZero};
    return std::nullopt;
}

} // namespace LineValidation
