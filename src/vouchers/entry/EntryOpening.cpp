#include "vouchers/entry/EntryOpening.h"

#include "platform/Db.h"
#include "vouchers/entry/EntryTexts.h"
#include "vouchers/entry/WorkArea.h"

namespace EntryOpening {

std::optional<QString> refusal(Db &db, const WorkArea &area, int year, int month)
{
    if (db.exists(QStringLiteral("SELECT 1 FROM EMPRESA WHERE Codigo = ? AND CodigoMatriz = ? "
                                 "AND Status = 0"),
                  {area.enteringCompany(), area.enteringHeadOffice()})) {
        const bool branch = area.enteringCompany() != area.enteringHeadOffice();
        return EntryTexts::CannotRegister + QLatin1Char('\n') +
               (branch ? EntryTexts::BranchInactive : EntryTexts::CompanyInactive);
    }
    const auto held = area.voucherDate(db);
    if (held && (held->year() != year || held->month() != month))
        return EntryTexts::PendingVoucher + held->toString(QStringLiteral("MM-yyyy")) +
               EntryTexts::ChangePeriod;
    return std::nullopt;
}

} // namespace EntryOpening
