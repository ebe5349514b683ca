#pragma once

#include <QtGlobal>
#include <cstdint>
#include <random>
#include <vector>

// The demo's dice. The engine's sequence is fixed by the standard; the ranges are drawn here
// rather than through the library's distributions, whose results differ between standard
// libraries, so the same seed gives the same books on every build.
class DemoRandom
{
public:
    explicit DemoRandom(std::uint32_t seed)
        : m_engine(seed)
    {
    }

    // A whole number from `low` to `high`, both included, every value equally likely. The
    // range may hold up to 2^32 values.
    qint64 between(qint64 low, qint64 high)
    {
        if (high <= low)
            return low;
        const std::uint64_t span = std::uint64_t(high - low) + 1;
        const std::uint64_t range = std::uint64_t(1) << 32;
        Q_ASSERT(span <= range);
        // Rejection keeps the draw unbiased: values past the last whole multiple of the span
        // are drawn again.
        const std::uint64_t limit = range - range % span;
        std::uint64_t value = 0;
        do
            value = m_engine();
        while (value >= limit);
        return low + qint64(value % span);
    }

    // True `percent` times in a hundred.
    bool chance(int percent) { return between(1, 100) <= percent; }

    template <typename T> const T &pick(const std::vector<T> &values)
    {
        return values[std::size_t(between(0, qint64(values.size()) - 1))];
    }

private:
    std::mt19937 m_engine;
};
