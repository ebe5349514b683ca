#include "shell/PasswordScrambler.h"

#include <array>
#include <mutex>

namespace PasswordScrambler {

namespace {
// Printable ASCII is permuted onto itself, so the scrambled text stays on one line of a
// text file; other characters pass unchanged.
constexpr int first = 32;
constexpr int count = 95;
constexpr int multiplier = 37;  // coprime with 95, so the map is a permutation
constexpr int offset = 58;

std::array<char16_t, count> forward;
std::array<char16_t, count> backward;
std::once_flag filled;

QString translate(const QString &text, const std::array<char16_t, count> &table)
{
    QString out = text;
    for (QChar &c : out) {
        const int u = c.unicode();
        if (u >= first && u < first + count)
            c = QChar(table[size_t(u - first)]);
    }
    return out;
}
} // namespace

void InitPasswordTable()
{
    std::call_once(filled, [] {
        for (int i = 0; i < count; ++i) {
            const int j = (i * multiplier + offset) % count;
            forward[size_t(i)] = char16_t(first + j);
            backward[size_t(j)] = char16_t(first + i);
        }
    });
}

QString ScramblePassword(const QString &plain)
{
    InitPasswordTable();
    return translate(plain, forward);
}

QString UnscramblePassword(const QString &scrambled)
{
    InitPasswordTable();
    return translate(scrambled, backward);
}

} // namespace PasswordScrambler
