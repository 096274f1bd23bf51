// The factor's precision and the rounding of each product, against hand
// computed values and against an exact reference in rational arithmetic.
#include "Factor.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <compare>
#include <cstdint>
#include <optional>
#include <random>
#include <stdexcept>
#include <utility>
#include <vector>

namespace kritz {
namespace {

// ---- Exact reference ------------------------------------------------------
// Natural numbers and rounding of positive rationals, written plainly for
// correctness alone: binary long division, one bit at a time.

// Limbs of a natural number, least significant first, in fixed room: the
// reference never needs 512 bits, and staying off the heap keeps it quick on
// every platform. Limbs beyond the size stay zero.
class Limbs {
public:
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }
    std::uint32_t operator[](std::size_t i) const { return m_data[i]; }
    std::uint32_t& operator[](std::size_t i) { return m_data[i]; }
    std::uint32_t back() const { return m_data[m_size - 1]; }
    const std::uint32_t* begin() const { return m_data.data(); }
    const std::uint32_t* end() const { return m_data.data() + m_size; }
    void push_back(std::uint32_t v)
    {
        if (m_size == m_data.size())
            throw std::length_error("reference number too large");
        m_data[m_size++] = v;
    }
    void pop_back() { m_data[--m_size] = 0; }
    void resize(std::size_t n)
    {
        while (m_size > n)
            pop_back();
        while (m_size < n)
            push_back(0);
    }
    void assign(std::size_t n, std::uint32_t v)
    {
        resize(0);
        while (m_size < n)
            push_back(v);
    }
    friend bool operator==(const Limbs&, const Limbs&) = default;

private:
    std::array<std::uint32_t, 16> m_data{};
    std::size_t m_size = 0;
};

class Nat {
public:
    Nat() = default;
    explicit Nat(std::uint64_t v)
    {
        for (; v != 0; v >>= 32)
            m_limbs.push_back(static_cast<std::uint32_t>(v));
    }

    int Bits() const { return m_limbs.empty() ? 0 : 32 * static_cast<int>(m_limbs.size() - 1) + std::bit_width(m_limbs.back()); }
    bool Bit(int i) const { return (m_limbs[static_cast<std::size_t>(i / 32)] >> (i % 32) & 1) != 0; }
    bool IsOdd() const { return !m_limbs.empty() && (m_limbs[0] & 1) != 0; }

    Nat Shifted(int n) const // * 2^n
    {
        if (m_limbs.empty())
            return {};
        Nat r;
        r.m_limbs.assign(static_cast<std::size_t>(n / 32), 0);
        const int bits = n % 32;
        std::uint32_t carry = 0;
        for (const std::uint32_t limb : m_limbs) {
            r.m_limbs.push_back(limb << bits | carry);
            carry = bits == 0 ? 0 : limb >> (32 - bits);
        }
        r.m_limbs.push_back(carry);
        r.Normalize();
        return r;
    }

    friend Nat operator+(const Nat& a, const Nat& b)
    {
        Nat r;
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < std::max(a.m_limbs.size(), b.m_limbs.size()) || carry != 0; ++i) {
            carry += std::uint64_t{a.Limb(i)} + b.Limb(i);
            r.m_limbs.push_back(static_cast<std::uint32_t>(carry));
            carry >>= 32;
        }
        r.Normalize();
        return r;
    }

    friend Nat operator-(const Nat& a, const Nat& b) // a >= b
    {
        Nat r;
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < a.m_limbs.size(); ++i) {
            std::int64_t d = std::int64_t{a.Limb(i)} - b.Limb(i) - borrow;
            borrow = d < 0 ? 1 : 0;
            r.m_limbs.push_back(static_cast<std::uint32_t>(d + (borrow << 32)));
        }
        r.Normalize();
        return r;
    }

    friend Nat operator*(const Nat& a, const Nat& b)
    {
        Nat r;
        r.m_limbs.assign(a.m_limbs.size() + b.m_limbs.size(), 0);
        for (std::size_t i = 0; i < a.m_limbs.size(); ++i) {
            std::uint64_t carry = 0;
            for (std::size_t j = 0; j < b.m_limbs.size(); ++j) {
                carry += std::uint64_t{a.m_limbs[i]} * b.m_limbs[j] + r.m_limbs[i + j];
                r.m_limbs[i + j] = static_cast<std::uint32_t>(carry);
                carry >>= 32;
            }
            r.m_limbs[i + b.m_limbs.size()] = static_cast<std::uint32_t>(carry);
        }
        r.Normalize();
        return r;
    }

    friend std::strong_ordering operator<=>(const Nat& a, const Nat& b)
    {
        if (a.m_limbs.size() != b.m_limbs.size())
            return a.m_limbs.size() <=> b.m_limbs.size();
        for (std::size_t i = a.m_limbs.size(); i-- > 0;) {
            if (a.m_limbs[i] != b.m_limbs[i])
                return a.m_limbs[i] <=> b.m_limbs[i];
        }
        return std::strong_ordering::equal;
    }
    friend bool operator==(const Nat&, const Nat&) = default;

    // {a / b, a mod b}
    friend std::pair<Nat, Nat> DivMod(const Nat& a, const Nat& b)
    {
        Nat q;
        Nat r;
        for (int i = a.Bits() - 1; i >= 0; --i) {
            r = r.Shifted(1) + Nat(a.Bit(i) ? 1 : 0);
            if (r >= b) {
                r = r - b;
                q.SetBit(i);
            }
        }
        return {q, r};
    }

private:
    std::uint32_t Limb(std::size_t i) const { return i < m_limbs.size() ? m_limbs[i] : 0; }
    void SetBit(int i)
    {
        const auto limb = static_cast<std::size_t>(i / 32);
        if (m_limbs.size() <= limb)
            m_limbs.resize(limb + 1);
        m_limbs[limb] |= std::uint32_t{1} << (i % 32);
    }
    void Normalize()
    {
        while (!m_limbs.empty() && m_limbs.back() == 0)
            m_limbs.pop_back();
    }

    Limbs m_limbs;
};

// A positive rational num / den.
struct Rational {
    Nat num;
    Nat den;
};

// m * 2^e
struct Binary {
    Nat m;
    int e = 0;
    Rational AsRational() const
    {
        return e >= 0 ? Rational{m.Shifted(e), Nat(1)} : Rational{m, Nat(1).Shifted(-e)};
    }
};

enum class Ties { Even, Away };

// Rounds q + r/d (r < d) to an integer.
Nat RoundQuotient(const Nat& q, const Nat& r, const Nat& d, Ties ties)
{
    const auto half = r.Shifted(1) <=> d;
    const bool up = half > 0 || (half == 0 && (ties == Ties::Away || q.IsOdd()));
    return up ? q + Nat(1) : q;
}

// x rounded to `bits` significant bits.
Binary RoundSignificant(const Rational& x, int bits, Ties ties)
{
    for (int e = x.num.Bits() - x.den.Bits() - bits;;) {
        const Nat num = e < 0 ? x.num.Shifted(-e) : x.num;
        const Nat den = e > 0 ? x.den.Shifted(e) : x.den;
        const auto [q, r] = DivMod(num, den);
        if (q.Bits() > bits) {
            ++e;
            continue;
        }
        if (q.Bits() < bits) {
            --e;
            continue;
        }
        const Nat rounded = RoundQuotient(q, r, den, ties);
        if (rounded.Bits() > bits)
            return {Nat(1).Shifted(bits - 1), e + 1};
        return {rounded, e};
    }
}

Nat RoundInteger(const Rational& x)
{
    const auto [q, r] = DivMod(x.num, x.den);
    return RoundQuotient(q, r, x.den, Ties::Even);
}

std::uint64_t Magnitude(std::int64_t v)
{
    return static_cast<std::uint64_t>(v < 0 ? -v : v);
}

struct Reference {
    bool negative = false;
    Binary factor; // m is 0 for the zero factor
};

Reference ReferenceFactor(std::int32_t dest, std::int32_t source)
{
    if (dest == 0)
        return {};
    const Binary wide = RoundSignificant({Nat(Magnitude(dest)), Nat(Magnitude(source))}, 64, Ties::Even);
    return {(dest < 0) != (source < 0), RoundSignificant(wide.AsRational(), 40, Ties::Away)};
}

std::optional<std::int64_t> ReferenceScale(const Reference& f, std::int32_t value)
{
    if (value == 0 || f.factor.m == Nat())
        return 0;
    const Binary exact{Nat(Magnitude(value)) * f.factor.m, f.factor.e};
    const Nat whole = RoundInteger(RoundSignificant(exact.AsRational(), 64, Ties::Even).AsRational());
    const bool negative = (value < 0) != f.negative;
    if (whole > Nat(negative ? 0x80000000u : 0x7FFFFFFFu))
        return std::nullopt;
    std::int64_t magnitude = 0;
    for (int i = whole.Bits() - 1; i >= 0; --i)
        magnitude = magnitude * 2 + (whole.Bit(i) ? 1 : 0);
    return negative ? -magnitude : magnitude;
}

// ---- Tests -----------------------------------------------------------------

TEST(Factor, HeldValuesOfCommonRatios)
{
    struct Case {
        std::int32_t dest, source;
        bool negative;
        std::uint64_t significand;
        int exponent;
    };
    const Case cases[] = {
        // 1.6 * 2^39 = 879609302220.8: held a little above 1.6.
        {1024, 640, false, 879609302221u, -39},
        // 7/12 * 2^40 = 641381782869.33: held a little below 7/12.
        {350, 600, false, 641381782869u, -40},
        {800, 640, false, 5ull << 37, -39},  // 1.25 exactly
        {1280, 640, false, 1ull << 39, -38}, // 2 exactly
        {-640, 640, true, 1ull << 39, -39},
        {640, -640, true, 1ull << 39, -39},
        {-640, -640, false, 1ull << 39, -39},
        {0, 640, false, 0, 0},
        {0, -1, false, 0, 0},
        // 64-bit quotient ends in exactly half a 40-bit unit: rounded away
        // from zero, where ties to even would keep ...fc2.
        {73926181, 157878888, false, 0xEFBDF57FC3u, -41},
    };
    for (const Case& c : cases) {
        const Factor f = Factor::Ratio(c.dest, c.source);
        EXPECT_EQ(f.Negative(), c.negative) << c.dest << "/" << c.source;
        EXPECT_EQ(f.Significand(), c.significand) << c.dest << "/" << c.source;
        if (c.significand != 0) {
            EXPECT_EQ(f.Exponent(), c.exponent) << c.dest << "/" << c.source;
        }
    }
}

TEST(Factor, ScalesCoordinatesWithBothRoundings)
{
    struct Case {
        std::int32_t dest, source, value;
        std::optional<std::int32_t> expected;
    };
    constexpr std::int32_t min32 = INT32_MIN;
    constexpr std::int32_t max32 = INT32_MAX;
    const Case cases[] = {
        // 1.25 exactly: halves round to even.
        {800, 640, 2, 2}, {800, 640, 3, 4}, {800, 640, 6, 8}, {800, 640, 10, 12}, {800, 640, -2, -2},
        {1, 2, 5, 2}, {1, 2, 7, 4}, {1, 2, 15, 8}, {1, 2, -5, -2}, {1, 2, -7, -4},
        // 1.6, held a little above.
        {1024, 640, 1, 2}, {1024, 640, 3, 5}, {1024, 640, 5, 8}, {1024, 640, 100, 160},
        {1024, 640, 639, 1022}, {1024, 640, -3, -5}, {1024, 640, 20480, 32768},
        // The exact product 3.5 would give 4; the held factor is below 7/12.
        {350, 600, 6, 3},
        {1280, 640, 20000, 40000},
        {0, 640, 12345, 0}, {0, 640, min32, 0},
        {-640, 640, 17, -17}, {-640, 640, -17, 17},
        // The 32-bit range, at both ends.
        {1280, 640, 1073741823, 2147483646}, {1280, 640, 1073741824, std::nullopt},
        {1280, 640, 1200000000, std::nullopt}, {1280, 640, -1073741824, min32},
        {1280, 640, -1073741825, std::nullopt},
        {1, 1, min32, min32}, {1, 1, max32, max32},
        {-1, 1, min32, std::nullopt}, {-1, 1, max32, -max32},
        {max32, 1, 1, max32}, {max32, 1, 2, std::nullopt}, {1, max32, max32, 1}, {1, min32, max32, -1},
        // The product rounded to 64 bits first lands on a half and then goes
        // to even; rounding the exact product once would give ...245.
        {284, 275, 2066751118, 2134390246},
        // Only the held factor rounded away from zero gives ...598.
        {73926181, 157878888, 97659314, 45728598},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Factor::Ratio(c.dest, c.source).Scale(c.value), c.expected)
            << c.value << " * " << c.dest << "/" << c.source;
    }
}

// Random sizes and coordinates of every magnitude, with many exact halves.
TEST(Factor, MatchesExactReferenceOnRandomCases)
{
    std::mt19937_64 random(20240607);
    const auto pick = [&](std::uint64_t below) { return random() % below; };
    const auto any32 = [&] { return static_cast<std::int32_t>(static_cast<std::uint32_t>(random())); };
    const auto size = [&]() -> std::int32_t {
        switch (pick(4)) {
        case 0:
            return static_cast<std::int32_t>(pick(5000)) + 1; // screens
        case 1:
            return static_cast<std::int32_t>(pick(99999)) - 9999; // what the size fields hold
        case 2:
            return static_cast<std::int32_t>(1u << pick(31)); // dyadic ratios give exact halves
        default:
            return any32();
        }
    };
    const auto coordinate = [&]() -> std::int32_t {
        switch (pick(3)) {
        case 0:
            return static_cast<std::int32_t>(pick(4001)) - 2000;
        case 1:
            return static_cast<std::int16_t>(random());
        default:
            return any32();
        }
    };

    for (int i = 0; i < 1000; ++i) {
        const std::int32_t dest = size();
        std::int32_t source = size();
        if (source == 0)
            source = 1;
        const Factor f = Factor::Ratio(dest, source);
        const Reference ref = ReferenceFactor(dest, source);
        ASSERT_EQ(Nat(f.Significand()), ref.factor.m) << dest << "/" << source;
        if (f.Significand() != 0) {
            ASSERT_EQ(f.Negative(), ref.negative) << dest << "/" << source;
            ASSERT_EQ(f.Exponent(), ref.factor.e) << dest << "/" << source;
        }
        for (int j = 0; j < 50; ++j) {
            const std::int32_t value = coordinate();
            const auto got = f.Scale(value);
            const auto want = ReferenceScale(ref, value);
            ASSERT_EQ(got.has_value(), want.has_value()) << value << " * " << dest << "/" << source;
            if (got) {
                ASSERT_EQ(*got, *want) << value << " * " << dest << "/" << source;
            }
        }
    }
}

}
}
