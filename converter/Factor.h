// The scale factor of one axis and the rounding of one coordinate by it.
//
// The converted files must be the same bit for bit on every platform, so the
// factor and each product are computed exactly in integer arithmetic instead
// of with whatever floating-point type the compiler offers:
//
//   factor  = destination size / source size, rounded to a 64-bit significand
//             (ties to even), then to a 40-bit significand (ties away from
//             zero);
//   product = coordinate * factor, rounded to a 64-bit significand (ties to
//             even), then to an integer (ties to even).
//
// Where the exact product lies halfway between two integers these roundings
// decide the result, and a factor held with another precision gives another
// file.
#pragma once

#include <cstdint>
#include <optional>

namespace kritz {

class Factor {
public:
    static constexpr int SignificandBits = 40;

    // The factor that is exactly zero.
    Factor() = default;

    // numerator / denominator; the denominator must not be 0.
    static Factor Ratio(std::int32_t numerator, std::int32_t denominator);

    // The value is (Negative() ? -1 : 1) * Significand() * 2^Exponent(), where
    // the significand has exactly 40 bits, or is 0 for the zero factor.
    bool Negative() const { return m_negative; }
    std::uint64_t Significand() const { return m_significand; }
    int Exponent() const { return m_exponent; }

    // value * factor rounded to an integer; empty when the result lies
    // outside the signed 32-bit range.
    std::optional<std::int32_t> Scale(std::int32_t value) const;

private:
    Factor(bool negative, std::uint64_t significand, int exponent)
        : m_negative(negative)
        , m_significand(significand)
        , m_exponent(exponent)
    {
    }

    bool m_negative = false;
    std::uint64_t m_significand = 0;
    int m_exponent = 0;
};

}
