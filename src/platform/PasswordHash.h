#pragma once

#include <QString>

// Argon2id password hashes. Login passwords are compared without regard to case, so the
// hash is taken of the trimmed, upper-cased text.
namespace PasswordHash {
QString NormalizeLoginPassword(const QString &plain);
// Hash of the normalised password, in libsodium's self-describing string form. Throws
// std::runtime_error (with a message for the user) when it cannot be computed.
QString HashLoginPassword(const QString &plain);
bool VerifyLoginPassword(const QString &storedHash, const QString &plain);
// Test suites hash hundreds of passwords: let them use libsodium's minimum cost. A hash
// records its own cost, so verification is unaffected.
void UseMinimumCostForTests();
// Makes every hash fail as it does when the memory it needs cannot be had, so tests can
// show that nothing is written when hashing fails.
void SimulateOutOfMemoryForTests(bool on);
} // namespace PasswordHash
