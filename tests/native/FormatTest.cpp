#include "DrawRecord.h"
#include "Pairs.h"
#include "RecordIo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

namespace kritz {
namespace {

using Bytes = std::vector<std::uint8_t>;

DrawRecord FromBytes(const Bytes& b)
{
    DrawRecord::Bytes raw{};
    std::copy_n(b.begin(), DrawRecord::Size, raw.begin());
    return DrawRecord(raw);
}

TEST(DrawRecord, HeaderFieldsAreLittleEndian)
{
    const auto r = FromBytes({6, 14, 0x34, 0x12, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(r.Group(), GroupId::grPen);
    EXPECT_EQ(r.Action(), ActionId::acStrokeTo);
    EXPECT_EQ(r.Delay(), 0x1234);
}

// Every layout decoded from known bytes, and encoded back to the same bytes.
TEST(DrawRecord, EveryLayoutDecodesAndEncodes)
{
    const Bytes payload = {0x01, 0x02, 0x03, 0x84, 0xFF, 0xFF, 0x10, 0x80};
    Bytes bytes = {9, 30, 0, 0};
    bytes.insert(bytes.end(), payload.begin(), payload.end());
    const DrawRecord r = FromBytes(bytes);

    const auto point = r.Point();
    EXPECT_EQ(point.X, static_cast<std::int32_t>(0x84030201u));
    EXPECT_EQ(point.Y, static_cast<std::int32_t>(0x8010FFFFu));
    const auto cp = r.ColorPoint();
    EXPECT_EQ(cp.Color, 0x84030201u);
    EXPECT_EQ(cp.X, -1);
    EXPECT_EQ(cp.Y, static_cast<std::int16_t>(0x8010));
    const auto box = r.Box();
    EXPECT_EQ(box.Top, 0x0201);
    EXPECT_EQ(box.Left, static_cast<std::int16_t>(0x8403));
    EXPECT_EQ(box.Bottom, -1);
    EXPECT_EQ(box.Right, static_cast<std::int16_t>(0x8010));
    const auto line = r.Line();
    EXPECT_EQ(line.X1, box.Top);
    EXPECT_EQ(line.Y1, box.Left);
    EXPECT_EQ(line.X2, box.Bottom);
    EXPECT_EQ(line.Y2, box.Right);
    EXPECT_EQ(r.PenWidth().Width, point.X);
    const auto modes = r.DrawingModes();
    EXPECT_EQ(modes.PenMode, 0x01);
    EXPECT_EQ(modes.PenStyle, 0x03);
    EXPECT_EQ(modes.BrushStyle, 0xFF);
    const auto colors = r.Colors();
    EXPECT_EQ(colors.PenColor, 0x84030201u);
    EXPECT_EQ(colors.BrushColor, 0x8010FFFFu);
    EXPECT_EQ(r.Pause().Duration, 0x84030201u);

    // Each setter restores exactly the bytes it owns; the others stay.
    const auto roundTrips = [&](auto&& set) {
        DrawRecord copy = r;
        set(copy);
        return copy == r;
    };
    EXPECT_TRUE(roundTrips([&](DrawRecord& c) { c.Set(point); }));
    EXPECT_TRUE(roundTrips([&](DrawRecord& c) { c.Set(cp); }));
    EXPECT_TRUE(roundTrips([&](DrawRecord& c) { c.Set(box); }));
    EXPECT_TRUE(roundTrips([&](DrawRecord& c) { c.Set(line); }));
    EXPECT_TRUE(roundTrips([&](DrawRecord& c) { c.Set(PenWidthRecord{point.X}); }));
    EXPECT_TRUE(roundTrips([&](DrawRecord& c) { c.Set(modes); }));
    EXPECT_TRUE(roundTrips([&](DrawRecord& c) { c.Set(colors); }));
    EXPECT_TRUE(roundTrips([&](DrawRecord& c) { c.Set(PauseRecord{colors.PenColor}); }));
}

TEST(DrawRecord, MinusOneInEachCoordinateWidth)
{
    DrawRecord cp(GroupId::grPen, ActionId::acStrokeStart);
    cp.Set(ColorPointLayout{0, -1, 0});
    EXPECT_EQ(cp.Raw()[8], 0xFF);
    EXPECT_EQ(cp.Raw()[9], 0xFF);
    EXPECT_EQ(cp.Raw()[10], 0x00);

    DrawRecord p(GroupId::grShape, ActionId::acRecolor);
    p.Set(PointLayout{-1, 0});
    EXPECT_TRUE(std::all_of(p.Raw().begin() + 4, p.Raw().begin() + 8, [](auto b) { return b == 0xFF; }));
    EXPECT_EQ(p.Raw()[8], 0x00);
}

TEST(DrawRecord, BoxStoresTheVerticalCoordinateFirst)
{
    DrawRecord r(GroupId::grShape, ActionId::acRectangle);
    r.Set(BoxLayout{.Top = 10, .Left = 20, .Bottom = 30, .Right = 40});
    const Bytes expected = {5, 25, 0, 0, 10, 0, 20, 0, 30, 0, 40, 0};
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), r.Raw().begin()));
}

TEST(DrawRecord, LayoutFollowsTheActionAlone)
{
    const struct {
        int action;
        Layout layout;
    } cases[] = {
        {1, Layout::Point},        {2, Layout::Point},        {4, Layout::Point},   {6, Layout::ColorPoint},
        {8, Layout::ColorPoint},   {14, Layout::ColorPoint},  {7, Layout::Box},     {18, Layout::Box},
        {25, Layout::Box},         {12, Layout::Line},        {13, Layout::PenWidth}, {20, Layout::DrawingModes},
        {21, Layout::Colors},      {5, Layout::Pause},        {3, Layout::None},    {0, Layout::None},
        {9, Layout::None},         {26, Layout::None},        {255, Layout::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LayoutOf(ActionId(c.action)), c.layout) << "action " << c.action;
}

TEST(Pairs, KnownPairsNeedTheirGroupExceptPointRecords)
{
    EXPECT_EQ(FindPair(GroupId::grPen, ActionId::acPenWidth)->name, "pen width");
    EXPECT_EQ(FindPair(GroupId::grShape, ActionId::acPenWidth), nullptr);
    EXPECT_EQ(FindPair(GroupId{9}, ActionId{30}), nullptr);
    EXPECT_EQ(FindPair(GroupId{9}, ActionId::acEllipse), nullptr);
    EXPECT_EQ(FindPair(GroupId{200}, ActionId::acPoint2)->name, "point record");
    EXPECT_TRUE(FindPair(GroupId::grShape, ActionId::acFloodFill)->usesDelay);
    EXPECT_FALSE(FindPair(GroupId::grPause, ActionId::acPause)->usesDelay);
}

// Hands out at most `step` bytes per read, so records straddle reads.
class TrickleSource final : public ByteSource {
public:
    TrickleSource(const Bytes& bytes, std::size_t step) : m_inner(bytes), m_step(step) {}
    std::size_t Read(std::span<std::uint8_t> into) override
    {
        return m_inner.Read(into.first(std::min(into.size(), m_step)));
    }

private:
    MemorySource m_inner;
    std::size_t m_step;
};

TEST(RecordIo, WholeRecordsAreReadAndTrailingBytesIgnored)
{
    const struct {
        std::size_t size, records, trailing;
    } cases[] = {{0, 0, 0}, {11, 0, 11}, {12, 1, 0}, {25, 2, 1}, {12 * 5461 * 2 + 7, 5461 * 2, 7}};
    for (const auto& c : cases) {
        Bytes bytes(c.size);
        std::iota(bytes.begin(), bytes.end(), std::uint8_t{0});
        for (std::size_t step : {std::size_t{5}, std::size_t{1} << 20}) {
            TrickleSource source(bytes, step);
            std::vector<DrawRecord> records;
            const ReadSummary s = AppendRecords(source, records);
            EXPECT_EQ(s.records, c.records) << c.size << " bytes, step " << step;
            EXPECT_EQ(s.trailingBytes, c.trailing);
            ASSERT_EQ(records.size(), c.records);
            if (!records.empty()) {
                EXPECT_EQ(records.back().Raw()[0], bytes[(c.records - 1) * 12]);
                EXPECT_EQ(records.back().Raw()[11], bytes[c.records * 12 - 1]);
            }
        }
    }
}

class FailingSource final : public ByteSource {
public:
    explicit FailingSource(const Bytes& bytes) : m_inner(bytes) {}
    std::size_t Read(std::span<std::uint8_t> into) override
    {
        if (const std::size_t n = m_inner.Read(into))
            return n;
        throw IoError("read failed");
    }

private:
    MemorySource m_inner;
};

TEST(RecordIo, RecordsReadBeforeAFailureStay)
{
    const Bytes bytes(30, 7);
    FailingSource source(bytes);
    std::vector<DrawRecord> records;
    EXPECT_THROW(AppendRecords(source, records), IoError);
    EXPECT_EQ(records.size(), 2u);
}

class MemorySink final : public ByteSink {
public:
    void Write(std::span<const std::uint8_t> bytes) override { data.insert(data.end(), bytes.begin(), bytes.end()); }
    Bytes data;
};

TEST(RecordIo, WrittenRecordsReadBackUnchanged)
{
    std::vector<DrawRecord> records(20000);
    for (std::size_t i = 0; i < records.size(); ++i)
        records[i].Set(PointLayout{static_cast<std::int32_t>(i), -static_cast<std::int32_t>(i)}).SetDelay(7);
    MemorySink sink;
    WriteRecords(sink, records);
    ASSERT_EQ(sink.data.size(), records.size() * 12);

    MemorySource source(sink.data);
    std::vector<DrawRecord> back;
    AppendRecords(source, back);
    EXPECT_EQ(back, records);
}

}
}
