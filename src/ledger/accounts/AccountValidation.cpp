#include "ledger/accounts/AccountValidation.h"

#include "ledger/accounts/AccountCodeStructure.h"

#include <initializer_list>

namespace {

constexpr Rate Whole = Rate::fromInteger(100);

// The first of `accounts` left empty, if any.
std::optional<LinkedAccount> firstEmpty(const Account &a,
                                        std::initializer_list<LinkedAccount> accounts)
{
    for (LinkedAccount l : accounts)
        if (a.account(l).trimmed().isEmpty())
            return l;
    return std::nullopt;
}

AccountFailure linkedFailure(const QString &message, LinkedAccount which)
{
    return {message, AccountField::Linked, which};
}

} // namespace

QString AccountDraft::newCode() const
{
    const QString prefix = account.parentCode == Account::NoParent ? QString() : account.parentCode;
    return prefix + segment.trimmed();
}

std::optional<AccountFailure> ValidateAccount(const AccountCodeStructure &structure,
                                              const AccountDraft &draft)
{
    using namespace AccountMessages;
    const Account &a = draft.account;
    const bool blankName = a.name.trimmed().isEmpty();

    if (!a.summary && !a.costCentres.empty() && a.shareTotal() != Whole)
        return AccountFailure{ShareTotal, AccountField::CostCentres};
    if (draft.mode == AccountEditMode::Modify && blankName)
        return AccountFailure{NameBlank, AccountField::Name};
    if (draft.mode == AccountEditMode::New) {
        const auto error = structure.checkSegment(a.level, draft.segment);
        if (error != AccountCodeStructure::SegmentError::None)
            return AccountFailure{AccountCodeStructure::message(error, a.level),
                                  AccountField::Segment};
        if (blankName)
            return AccountFailure{NameBlank, AccountField::Name};
    }
    if (a.flag(AccountFlag::Centrodecosto) && a.costCentres.empty())
        return AccountFailure{NoCostCentre, AccountField::CostCentres};
    if (a.flag(AccountFlag::AjusteInflacion))
        if (auto l =
                firstEmpty(a, {LinkedAccount::CuentaAjuste, LinkedAccount::CuentaCorrMonetAjust}))
            return linkedFailure(NoAdjustmentAccounts, *l);
    if (a.flag(AccountFlag::ManejaReteFuente) && a.concepts.empty())
        return AccountFailure{NoConcepts, AccountField::Concepts};
    if (a.flag(AccountFlag::Depreciable))
        if (auto l = firstEmpty(a, {LinkedAccount::CuentaGastos, LinkedAccount::CuentaDepAcumulada,
                                    LinkedAccount::CuentaDepAcumuladaAjus,
                                    LinkedAccount::CuentaCorrMonetAjustDep}))
            return linkedFailure(NoDepreciationAccounts, *l);
    if (a.flag(AccountFlag::ManejaRetIVA))
        if (auto l = firstEmpty(a, {LinkedAccount::CuentaRetIVA}))
            return linkedFailure(NoIvaAccount, *l);
    if (a.flag(AccountFlag::CuentaBanco) && !a.hasBankParty())
        return AccountFailure{NoBankParty, AccountField::BankParty};
    if (a.flag(AccountFlag::TransferenciaElectronica) &&
        a.accountNumber.trimmed().size() != AccountNumberDigits)
        return AccountFailure{AccountNumberLength, AccountField::AccountNumber};
    return std::nullopt;
}
