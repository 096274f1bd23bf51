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

// x / 2^shift rounded to nearest, ties to even, where halfLess1 is
// 2^(shift - 1) - 1, shift is at least 1 and x + 2^(shift - 1) must not
// overflow. The carry out of the dropped bits decides: they reach 2^shift
// when above half, or at half with the lowest kept bit odd. With floor
// division (an arithmetic shift) this holds for negative x too.
template <class T>
T ShiftRoundEven(T x, int shift, T halfLess1)
{
    return (x + halfLess1 + ((x >> shift) & 1)) >> shift;
}

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

    // value * factor rounded to an integer. Factors of 32-bit sizes are below
    // 2^31, so the result always fits 63 bits.
    std::int64_t Product(std::int32_t value) const
    {
        // Every 16-bit coordinate takes the short way: below 2^22 in magnitude
        // the exact product has fewer than 63 bits, so only the rounding to an
        // integer remains, and it can be done on the signed product directly.
        // Inline, since it runs for each coordinate of a file.
        if (!m_short || value < -ShortLimit || value >= ShortLimit)
            return WideProduct(value);
        return ShiftRoundEven(value * m_signedSignificand, m_shift, m_halfLess1);
    }

    // The product, empty when it lies outside the signed 32-bit range.
    std::optional<std::int32_t> Scale(std::int32_t value) const
    {
        const std::int64_t product = Product(value);
        if (product < INT32_MIN || product > INT32_MAX)
            return std::nullopt;
        return static_cast<std::int32_t>(product);
    }

private:
    static constexpr std::int32_t ShortLimit = 1 << 22;

    // Product for the long way: values of 2^22 and more in magnitude, and
    // factors whose exponent leaves no shift of 1 to 63.
    std::int64_t WideProduct(std::int32_t value) const;

    Factor(bool negative, std::uint64_t significand, int exponent);

    bool m_negative = false;
    std::uint64_t m_significand = 0;
    int m_exponent = 0;
    // The short way's constants.
    bool m_short = false;
    std::int64_t m_signedSignificand = 0;
    int m_shift = 0;
    std::int64_t m_halfLess1 = 0;
};

}
