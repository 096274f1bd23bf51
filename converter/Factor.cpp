#include "Factor.h"

#include <bit>

namespace kritz {

namespace {

// g++ and clang offer a 128-bit integer on every 64-bit target we build for.
__extension__ typedef unsigned __int128 Wide;

constexpr Wide One = 1;

int BitLength(Wide x)
{
    const auto high = static_cast<std::uint64_t>(x >> 64);
    if (high != 0)
        return 128 - std::countl_zero(high);
    return 64 - std::countl_zero(static_cast<std::uint64_t>(x));
}

std::uint64_t Magnitude(std::int32_t v)
{
    return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
}

Wide HalfLess1(int shift)
{
    return (One << (shift - 1)) - 1;
}

}

Factor::Factor(bool negative, std::uint64_t significand, int exponent)
    : m_negative(negative)
    , m_significand(significand)
    , m_exponent(exponent)
    , m_short(exponent < 0 && exponent > -64)
    , m_signedSignificand(negative ? -static_cast<std::int64_t>(significand) : static_cast<std::int64_t>(significand))
    , m_shift(m_short ? -exponent : 0)
    , m_halfLess1(m_short ? (std::int64_t{1} << (m_shift - 1)) - 1 : 0)
{
}

Factor Factor::Ratio(std::int32_t numerator, std::int32_t denominator)
{
    if (numerator == 0)
        return {};
    const std::uint64_t a = Magnitude(numerator);
    const std::uint64_t b = Magnitude(denominator);

    // Scale the quotient into [2^63, 2^64): a / b lies within a factor of two
    // of 2^(length(a) - length(b)), so one correction step is enough. The
    // shifted dividend has at most 96 bits.
    int shift = 63 - BitLength(a) + BitLength(b);
    Wide quotient = (Wide{a} << shift) / b;
    if (quotient < (One << 63))
        quotient = (Wide{a} << ++shift) / b;
    const Wide remainder = (Wide{a} << shift) - quotient * b;

    // 64-bit significand, ties to even.
    if (2 * remainder > b || (2 * remainder == b && (quotient & 1) != 0))
        ++quotient;
    if (quotient == (One << 64)) {
        quotient = One << 63;
        --shift;
    }

    // 40-bit significand: the first dropped bit is added to the kept ones.
    constexpr int dropped = 64 - SignificandBits;
    Wide kept = (quotient >> dropped) + ((quotient >> (dropped - 1)) & 1);
    int exponent = dropped - shift;
    if (kept == (One << SignificandBits)) {
        kept = One << (SignificandBits - 1);
        ++exponent;
    }
    return {(numerator < 0) != (denominator < 0), static_cast<std::uint64_t>(kept), exponent};
}

std::int64_t Factor::WideProduct(std::int32_t value) const
{
    if (value == 0 || m_significand == 0)
        return 0;

    // The exact product has at most 32 + 40 bits; round it to 64 first.
    Wide product = Wide{Magnitude(value)} * m_significand;
    int exponent = m_exponent;
    const int excess = BitLength(product) - 64;
    if (excess > 0) {
        product = ShiftRoundEven(product, excess, HalfLess1(excess));
        exponent += excess;
    }
    // Quotients of 32-bit sizes lie between 2^-31 and 2^31, so the exponent
    // now lies between -70 and 0.
    const auto whole = static_cast<std::int64_t>(exponent < 0 ? ShiftRoundEven(product, -exponent, HalfLess1(-exponent)) : product);
    return (value < 0) != m_negative ? -whole : whole;
}

}
