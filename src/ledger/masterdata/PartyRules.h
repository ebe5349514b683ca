#pragma once

#include "ledger/masterdata/MaintainedTable.h"

#include <QString>
#include <optional>

class Db;
class Prompter;

// The rules every window that writes a third party keeps.
namespace PartyRules {

// A code of six characters or fewer is refused.
inline constexpr int MinimumCodeLength = 7;

// `TipoPersona` values.
inline constexpr int LegalPerson = 0;
inline constexpr int NaturalPerson = 1;
// The kind of person a RIF's letter tells: V and E natural, J, G, C and P legal.
std::optional<int> PersonTypeFor(const QString &code);

// TERCERO as the third-party windows show it.
MaintainedTable Table(const QString &node = QStringLiteral("mnu_terceros"));

// Another third party than `code` already carries the tax-authority mark.
bool OtherTaxAuthorityExists(Db &db, const QString &code);
// A new or corrected code: long enough, and a RIF's check digit right or accepted by the
// user. False after telling or asking the user.
bool AcceptNewCode(Prompter &prompt, const QString &code);

} // namespace PartyRules
