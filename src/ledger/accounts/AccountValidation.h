#pragma once

#include "ledger/accounts/Account.h"

#include <optional>

class AccountCodeStructure;

enum class AccountEditMode { New, Modify };

// The control a refusal points the user to.
enum class AccountField {
    Segment, // the segment of the new level
    Name,
    CostCentres,
    Concepts,
    Linked, // AccountFailure::linked says which
    BankParty,
    AccountNumber,
};

struct AccountFailure
{
    QString message;
    AccountField field = AccountField::Name;
    LinkedAccount linked = LinkedAccount::CuentaRetIVA;

    bool operator==(const AccountFailure &) const = default;
};

// An account as the window hands it over for saving. For a new account `account.parentCode`
// and `account.level` say where it goes and `segment` is what was typed for its level; the
// code is built from them.
struct AccountDraft
{
    AccountEditMode mode = AccountEditMode::New;
    QString segment;
    Account account;

    // The new account's code: the parent's code (none under the root) and the segment.
    QString newCode() const;
};

namespace AccountMessages {
inline const QString ShareTotal =
    QStringLiteral("¡Total de centros de costos debe ser igual a 100 %!");
inline const QString NameBlank = QStringLiteral("¡Nombre de cuenta no puede estar en blanco!");
inline const QString NoCostCentre = QStringLiteral("¡Debe tener almenos un Centro de Costo!");
inline const QString NoAdjustmentAccounts =
    QStringLiteral("¡Faltan cuentas de ajuste por inflación!");
inline const QString NoConcepts = QStringLiteral("¡Faltan conceptos de retención!");
inline const QString NoDepreciationAccounts = QStringLiteral("¡Faltan cuentas de depreciación!");
inline const QString NoIvaAccount = QStringLiteral("¡Falta cuenta de retencion de IVA!");
inline const QString NoBankParty = QStringLiteral("¡Falta el rif de la cuenta de banco!");
inline const QString AccountNumberLength =
    QStringLiteral("¡La longitud del numero de la cuenta debe ser de 20 digitos!");
inline constexpr int AccountNumberDigits = 20;
} // namespace AccountMessages

// The checks of an account before it is saved, in the order the user meets them; the first
// that fails is returned. Needs no database: the linked accounts' existence is the chart's
// own check after these.
std::optional<AccountFailure> ValidateAccount(const AccountCodeStructure &structure,
                                              const AccountDraft &draft);
