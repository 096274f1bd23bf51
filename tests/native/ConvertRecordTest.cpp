// Which fields of a record the conversion rescales, by action alone.
#include "Rescale.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>

namespace kritz {
namespace {

DrawRecord::Bytes RecordBytes(std::uint8_t group, std::uint8_t action, std::uint16_t f4, std::uint16_t f6,
                              std::uint16_t f8, std::uint16_t f10)
{
    DrawRecord r;
    r.Raw()[0] = group;
    r.Raw()[1] = action;
    r.PutU16(2, 0xBEEF);
    r.PutU16(4, f4);
    r.PutU16(6, f6);
    r.PutU16(8, f8);
    r.PutU16(10, f10);
    return r.Raw();
}

// Horizontal factor 2, vertical factor 3, on the 16-bit values 10, 20, 30, 40
// at offsets 4, 6, 8 and 10 (or the 32-bit values 20 * 65536 + 10 and
// 40 * 65536 + 30 at offsets 4 and 8).
TEST(Rescale, FieldsByActionWhateverTheGroup)
{
    const Rescaler rescaler(Factor::Ratio(1280, 640), Factor::Ratio(1440, 480));
    const std::set<int> point = {1, 2, 4};
    const std::set<int> colorPoint = {6, 8, 14};
    const std::set<int> box = {7, 18, 25};

    for (const int group : {0, 2, 4, 5, 6, 7, 9, 255}) {
        for (int action = 0; action < 256; ++action) {
            const auto g = static_cast<std::uint8_t>(group);
            const auto a = static_cast<std::uint8_t>(action);
            DrawRecord expected(RecordBytes(g, a, 10, 20, 30, 40));
            if (point.contains(action)) {
                expected.PutU32(4, 2 * (20 * 65536 + 10));
                expected.PutU32(8, 3 * (40 * 65536 + 30));
            } else if (colorPoint.contains(action)) { // the colour at 4 stays
                expected = DrawRecord(RecordBytes(g, a, 10, 20, 60, 120));
            } else if (box.contains(action)) { // Top, Left, Bottom, Right
                expected = DrawRecord(RecordBytes(g, a, 30, 40, 90, 80));
            } else if (action == 12) { // X1, Y1, X2, Y2, paired as drawn
                expected = DrawRecord(RecordBytes(g, a, 20, 60, 60, 120));
            }

            DrawRecord record(RecordBytes(g, a, 10, 20, 30, 40));
            EXPECT_TRUE(rescaler.Rescale(record));
            EXPECT_EQ(record.Raw(), expected.Raw()) << "group " << group << " action " << action;
        }
    }
}

// A 16-bit field keeps the low 16 bits of a result that fits 32 bits.
TEST(Rescale, SixteenBitFieldsWrap)
{
    struct Case {
        std::int32_t dest, source;
        std::int16_t value, stored;
    };
    const Case cases[] = {
        {1280, 640, 20000, -25536}, // 40000 - 65536
        {1024, 640, 20480, -32768},
        {3, 1, 21845, -1},          // 65535
        {-2, 1, -32768, 0},         // 65536
        {99999, 1, -20000, -17888}, // -1999980000, low 16 bits
    };
    for (const Case& c : cases) {
        const Factor f = Factor::Ratio(c.dest, c.source);
        DrawRecord record(RecordBytes(6, 14, 0, 0, static_cast<std::uint16_t>(c.value), 0));
        EXPECT_TRUE(Rescaler(f, f).Rescale(record));
        EXPECT_EQ(record.ColorPoint().X, c.stored) << c.value << " * " << c.dest << "/" << c.source;
    }
}

// A result outside the 32-bit range fails, also in a 16-bit field, and leaves
// that field as it was.
TEST(Rescale, ResultOutsideTheRangeFails)
{
    const Rescaler rescaler(Factor::Ratio(1, 1), Factor::Ratio(99999, 1));
    DrawRecord box(RecordBytes(5, 25, 32767, 7, 0, 0)); // Top is vertical
    const DrawRecord before = box;
    EXPECT_FALSE(rescaler.Rescale(box));
    EXPECT_EQ(box.Box().Top, before.Box().Top);

    DrawRecord point(RecordBytes(5, 4, 0, 0, 0, 0));
    point.Set(PointLayout{1200000000, 1});
    EXPECT_FALSE(Rescaler(Factor::Ratio(1280, 640), Factor::Ratio(1, 1)).Rescale(point));
    EXPECT_EQ(point.Point().X, 1200000000);
}

}
}
