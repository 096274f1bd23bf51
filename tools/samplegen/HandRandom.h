// The small random source behind the hand-drawn look of the sample drawings.
//
// The samples are written at build time and must come out byte for byte the
// same with every compiler and standard library, so this is a fixed xorshift
// generator with its own integer-only mapping to ranges instead of the
// standard distributions, whose results differ between libraries.
#pragma once

#include <cstdint>

namespace kritz::samplegen {

class HandRandom {
public:
    explicit HandRandom(std::uint32_t seed) : m_state(seed != 0 ? seed : 0x9E3779B9u) {}

    std::uint32_t Next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }

    // A whole number from lo to hi, both included.
    int Between(int lo, int hi)
    {
        const auto span = static_cast<std::uint32_t>(hi - lo + 1);
        return lo + static_cast<int>(Next() % span);
    }

    // A fraction from -1 to 1, in steps of 1/1024.
    double Signed() { return static_cast<double>(Between(-1024, 1024)) / 1024.0; }

    // True once in about `n` calls.
    bool OneIn(int n) { return Between(1, n) == 1; }

private:
    std::uint32_t m_state;
};

}
