#pragma once

#include <QString>
#include <optional>

// The Venezuelan tax identifier (RIF): a letter for the kind of taxpayer (V, E, J, P, G),
// eight digits and a check digit, written "J-30123456-7" or "J301234567".
namespace Rif {

// Whether `code` has the shape of a RIF, with or without its two hyphens.
bool LooksLikeRif(const QString &code);
// The check digit that `letter` and the eight `digits` call for; nullopt for anything that
// is not a RIF's letter and eight digits.
std::optional<int> CheckDigit(QChar letter, const QString &digits);
// A code with the shape of a RIF whose last digit is the right one.
bool IsValid(const QString &code);
// A RIF's letter and eight digits without the check digit ("J-12345678").
bool LacksCheckDigit(const QString &code);
// Whether a RIF's letter makes its holder a natural person (V, E) or a legal one (J, G, C,
// P); nullopt when `code` does not start like a RIF.
enum class Holder { Natural, Legal };
std::optional<Holder> HolderOf(const QString &code);

} // namespace Rif
