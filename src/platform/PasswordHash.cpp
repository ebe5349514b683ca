#include "platform/PasswordHash.h"

#include <cstdint>
#include <sodium.h>
#include <stdexcept>

namespace PasswordHash {

namespace {
bool minimumCost = false;
bool simulateOutOfMemory = false;

void ensureSodium()
{
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        throw std::runtime_error("No se pudo iniciar la biblioteca de cifrado (libsodium).");
}
} // namespace

QString NormalizeLoginPassword(const QString &plain)
{
    return plain.trimmed().toUpper();
}

QString HashLoginPassword(const QString &plain)
{
    ensureSodium();
    const QByteArray pw = NormalizeLoginPassword(plain).toUtf8();
    char out[crypto_pwhash_STRBYTES];
    size_t memory = minimumCost ? crypto_pwhash_MEMLIMIT_MIN : crypto_pwhash_MEMLIMIT_INTERACTIVE;
    if (simulateOutOfMemory)
        memory = SIZE_MAX; // refused by libsodium exactly as a failed allocation is
    if (crypto_pwhash_str(out, pw.constData(), static_cast<unsigned long long>(pw.size()),
                          minimumCost ? crypto_pwhash_OPSLIMIT_MIN
                                      : crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          memory) != 0)
        throw std::runtime_error("No hay memoria suficiente para cifrar la clave.");
    return QString::fromLatin1(out);
}

bool VerifyLoginPassword(const QString &storedHash, const QString &plain)
{
    ensureSodium();
    const QByteArray hash = storedHash.toLatin1();
    if (hash.isEmpty() || hash.size() >= crypto_pwhash_STRBYTES)
        return false;
    const QByteArray pw = NormalizeLoginPassword(plain).toUtf8();
    return crypto_pwhash_str_verify(hash.constData(), pw.constData(),
                                    static_cast<unsigned long long>(pw.size())) == 0;
}

void UseMinimumCostForTests()
{
    minimumCost = true;
}

void SimulateOutOfMemoryForTests(bool on)
{
    simulateOutOfMemory = on;
}

} // namespace PasswordHash
