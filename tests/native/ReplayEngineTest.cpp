#include "Batches.h"
#include "ReplayEngine.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace kritz {
namespace {

using enum GroupId;
using enum ActionId;

DrawRecord R(int group, int action, std::uint16_t delay = 0) { return DrawRecord(GroupId(group), ActionId(action), delay); }

// Logs every drawing call; keeps a small surface of pixels for the calls
// that read them.
class RecordingCanvas final : public ReplayCanvas {
public:
    explicit RecordingCanvas(std::int64_t* clock = nullptr) : m_clock(clock) {}

    void SetPen(const TPen& pen) override { pen_ = pen; }
    void SetBrush(const TBrush& brush) override { brush_ = brush; }
    void MoveTo(std::int32_t x, std::int32_t y) override { Log("MoveTo", {x, y}); }
    void LineTo(std::int32_t x, std::int32_t y) override { Log("LineTo", {x, y}); }
    void Ellipse(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d) override { Log("Ellipse", {a, b, c, d}); }
    void Rectangle(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d) override
    {
        Log("Rectangle", {a, b, c, d});
    }
    void RoundRect(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d, std::int32_t e,
                   std::int32_t f) override
    {
        Log("RoundRect", {a, b, c, d, e, f});
    }
    void FloodFill(std::int32_t x, std::int32_t y, TColor color) override
    {
        Log("FloodFill", {x, y, static_cast<std::int64_t>(color)});
    }
    TColor Pixel(std::int32_t x, std::int32_t y) override
    {
        ++pixelReads;
        const auto it = pixels.find({x, y});
        return it == pixels.end() ? clWhite : it->second;
    }
    void SetPixel(std::int32_t x, std::int32_t y, TColor color) override { pixels[{x, y}] = color; }
    void FillRect(std::int32_t a, std::int32_t b, std::int32_t c, std::int32_t d) override
    {
        Log("FillRect", {a, b, c, d, static_cast<std::int64_t>(brush_.Color())});
    }
    Area Bounds() const override { return {0, 0, 640, 480}; }

    std::string TakeLog() { return std::exchange(log, {}); }

    TPen pen_;
    TBrush brush_;
    std::map<std::pair<std::int32_t, std::int32_t>, TColor> pixels;
    std::size_t pixelReads = 0;
    std::string log;

private:
    void Log(const char* op, std::initializer_list<std::int64_t> args)
    {
        std::ostringstream line;
        if (m_clock)
            line << '@' << *m_clock << ' ';
        line << op;
        for (auto a : args)
            line << ' ' << a;
        // Width only where it differs from 1, so that logs stay short.
        if (pen_.Width() != 1)
            line << " w" << pen_.Width();
        log += line.str() + ";";
    }
    std::int64_t* m_clock;
};

class VirtualClock final : public ReplayClock {
public:
    std::int64_t NowMs() override { return now; }
    std::int64_t now = 1000;
};

TEST(Batches, BatchesFollowGroupAndAction)
{
    const struct {
        const char* what;
        std::vector<DrawRecord> records;
        std::vector<std::size_t> ends;  // the end of each batch in turn
    } cases[] = {
        {"a stroke: its start and segments", {R(6, 6), R(6, 14), R(6, 14), R(5, 25)}, {3, 4}},
        {"a stroke start right after another", {R(6, 6), R(6, 6), R(6, 14)}, {1, 3}},
        {"a stroke start as the last record", {R(5, 25), R(6, 6)}, {1, 2}},
        {"a flood fill stands alone", {R(5, 8), R(5, 8), R(5, 25)}, {1, 2, 3}},
        {"any group but 6 with action 8 stands alone", {R(9, 8), R(9, 8)}, {1, 2}},
        {"like shapes with attributes of other groups between them",
         {R(5, 25), R(5, 25), R(5, 13), R(5, 25), R(5, 7)}, {4, 5}},
        {"a group-6 record after a shape leads the next batch", {R(5, 25), R(6, 21), R(5, 25)}, {1, 2, 3}},
        {"a group-6 lead that is no stroke start",
         {R(6, 21), R(6, 14), R(6, 8), R(4, 20), R(6, 6)}, {4, 5}},
        {"a group-4 record splits a stroke", {R(6, 6), R(6, 14), R(4, 14), R(6, 14)}, {2, 3, 4}},
        {"a run of pauses", {R(7, 5), R(7, 5), R(7, 5), R(5, 25)}, {3, 4}},
        {"unknown records run like any other", {R(9, 30), R(9, 30), R(9, 31)}, {2, 3}},
    };
    for (const auto& c : cases) {
        std::vector<std::size_t> ends;
        for (std::size_t lead = 0; lead < c.records.size(); lead = ends.back())
            ends.push_back(BatchEnd(c.records, lead));
        EXPECT_EQ(ends, c.ends) << c.what;
    }
}

TEST(Batches, WaitsAndPassDuration)
{
    const std::vector<DrawRecord> records = {
        R(6, 6, 20), R(6, 14, 30), R(6, 13, 500), R(7, 5, 999).Set(PauseRecord{1500}), R(9, 7, 40), R(5, 7, 50),
    };
    EXPECT_EQ(RecordWait(records[1], false), 30u);
    EXPECT_EQ(RecordWait(records[1], true), 1u);
    EXPECT_EQ(RecordWait(R(6, 14, 0), true), 1u) << "averaged delays wait even after a zero delay";
    EXPECT_EQ(RecordWait(records[2], false), 0u) << "attributes never wait";
    EXPECT_EQ(RecordWait(records[3], true), 1500u) << "a pause waits its duration";
    EXPECT_EQ(RecordWait(records[4], false), 0u) << "group 9 draws nothing and waits nothing";

    // Batches: [stroke start, segment, width], [pause], [9/7], [ellipse].
    EXPECT_EQ(PassDuration(records, false).batches, 4u);
    EXPECT_EQ(PassDuration(records, false).milliseconds, 20u + 30 + 1500 + 50 + 4 * BatchGapMs);
    EXPECT_EQ(PassDuration(records, true).milliseconds, 1u + 1 + 1500 + 1 + 4 * BatchGapMs);
}

class Engine : public ::testing::Test {
protected:
    VirtualClock clock;
    RecordingCanvas canvas{&clock.now};
    ReplayEngine engine{canvas, clock};

    std::string Play(const DrawRecord& r)
    {
        canvas.TakeLog();
        engine.PlayRecord(r);
        return canvas.TakeLog();
    }
};

TEST_F(Engine, StartsWithTheDrawingDefaults)
{
    EXPECT_EQ(canvas.pen_.Color(), clBlack);
    EXPECT_EQ(canvas.pen_.Mode(), TPenMode::pmCopy);
    EXPECT_EQ(canvas.pen_.Style(), TPenStyle::psSolid);
    EXPECT_EQ(canvas.pen_.Width(), 1);
    EXPECT_EQ(canvas.brush_.Color(), clWhite);
    EXPECT_EQ(canvas.brush_.Style(), TBrushStyle::bsSolid);
    EXPECT_TRUE(engine.AveragedDelays());
}

TEST_F(Engine, DispatchesOnGroupThenAction)
{
    clock.now = 0;
    engine.PlayRecord(R(6, 13).Set(PenWidthRecord{4}));
    const std::string w = " w4";
    const struct {
        DrawRecord record;
        std::string log;
    } cases[] = {
        {R(6, 6).Set(ColorPointLayout{0xFF, -1, 2}), "@0 MoveTo -1 2" + w + ";@0 LineTo -1 2" + w + ";"},
        {R(6, 14).Set(ColorPointLayout{0xFF, 30, 40}), "@0 LineTo 30 40" + w + ";"},
        {R(5, 12).Set(LineLayout{1, 2, 3, 4}), "@0 MoveTo 1 2" + w + ";@0 LineTo 3 4" + w + ";"},
        // Shapes draw at width 1; the box layout keeps Top before Left.
        {R(5, 7).Set(BoxLayout{10, 20, 30, 40}), "@0 Ellipse 20 10 40 30;"},
        {R(5, 25).Set(BoxLayout{10, 20, 30, 40}), "@0 Rectangle 20 10 40 30;"},
        {R(5, 18).Set(BoxLayout{10, 20, 30, 60}), "@0 RoundRect 20 10 60 30 10 30;"},
        {R(5, 8).Set(ColorPointLayout{0x00FF00, 5, 6}), "@0 FloodFill 5 6 16777215" + w + ";"},
        {R(2, 3), "@0 FillRect 0 0 640 480 16777215" + w + ";"},
        // Known actions under other groups, and unknown pairs, draw nothing.
        {R(5, 6).Set(ColorPointLayout{0xFF, 1, 1}), ""},
        {R(6, 7).Set(BoxLayout{1, 2, 3, 4}), ""},
        {R(4, 25).Set(BoxLayout{1, 2, 3, 4}), ""},
        {R(9, 12), ""},
        {R(2, 5), ""},
        {R(7, 3), ""},
        {R(6, 1), ""},
        {R(5, 2), ""},
        {R(200, 30), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Play(c.record), c.log) << "group " << int(c.record.Group()) << " action " << int(c.record.Action());
    EXPECT_EQ(canvas.pen_.Width(), 4) << "shapes put the pen's width back";
}

TEST_F(Engine, AttributeRecordsSetPenAndBrush)
{
    Play(R(6, 21).Set(ColorsRecord{0x112233, 0x445566}));
    EXPECT_EQ(canvas.pen_.Color(), 0x112233u);
    EXPECT_EQ(canvas.brush_.Color(), 0x445566u);

    Play(R(6, 20).Set(DrawingModesRecord{14, 2, 1}));
    EXPECT_EQ(canvas.pen_.Mode(), TPenMode::pmXor);
    EXPECT_EQ(canvas.pen_.Style(), TPenStyle::psDot);
    EXPECT_EQ(canvas.brush_.Style(), TBrushStyle::bsClear);
    EXPECT_EQ(canvas.brush_.Color(), clWhite) << "a clear brush is white";
    Play(R(6, 21).Set(ColorsRecord{0x112233, 0x0000FF}));
    EXPECT_EQ(canvas.brush_.Style(), TBrushStyle::bsSolid) << "a colour makes a clear brush solid";

    // A value outside its enumeration makes the whole record change nothing.
    for (const DrawingModesRecord bad : {DrawingModesRecord{16, 0, 0}, {0, 7, 0}, {0, 0, 8}, {255, 255, 255}}) {
        Play(R(6, 20).Set(bad));
        EXPECT_EQ(canvas.pen_.Mode(), TPenMode::pmXor);
        EXPECT_EQ(canvas.pen_.Style(), TPenStyle::psDot);
        EXPECT_EQ(canvas.brush_.Style(), TBrushStyle::bsSolid);
    }

    Play(R(6, 13).Set(PenWidthRecord{-3}));
    EXPECT_EQ(canvas.pen_.Width(), 1) << "a negative width changes nothing";
    Play(R(6, 13).Set(PenWidthRecord{0}));
    EXPECT_EQ(canvas.pen_.Width(), 0);
    Play(R(6, 13).Set(PenWidthRecord{std::numeric_limits<std::int32_t>::max()}));
    EXPECT_EQ(canvas.pen_.DrawnWidth(), MaxPenWidth);
    Play(R(6, 13).Set(PenWidthRecord{3}));
    EXPECT_EQ(canvas.pen_.DrawnStyle(), TPenStyle::psSolid) << "wide pens draw solid";

    Play(R(5, 8).Set(ColorPointLayout{0x00AA00, 1, 1}));
    EXPECT_EQ(canvas.brush_.Color(), 0x00AA00u) << "the fill's colour stays the brush's";
}

TEST_F(Engine, ClearScreenKeepsPenAndBrush)
{
    Play(R(6, 20).Set(DrawingModesRecord{14, 1, 4}));
    Play(R(6, 21).Set(ColorsRecord{0x0000FF, 0x00FF00}));
    const TPen pen = canvas.pen_;
    const TBrush brush = canvas.brush_;
    EXPECT_EQ(Play(R(2, 3)), "@1000 FillRect 0 0 640 480 16777215;");
    EXPECT_EQ(canvas.pen_, pen);
    EXPECT_EQ(canvas.brush_, brush);
}

TEST_F(Engine, RecolorTouchesOnlyExactBrushColouredPixels)
{
    canvas.pixels = {{{10, 10}, 0x00FF00}, {{15, 15}, 0x00FF00}, {{16, 10}, 0x00FF00}, {{12, 12}, 0x01FF00}};
    Play(R(6, 21).Set(ColorsRecord{0x0000FF, 0x00FF00}));
    Play(R(5, 4).Set(PointLayout{10, 10}));
    EXPECT_EQ(canvas.pixels[std::pair(10, 10)], 0x0000FFu);
    EXPECT_EQ(canvas.pixels[std::pair(15, 15)], 0x0000FFu) << "the square's corner";
    EXPECT_EQ(canvas.pixels[std::pair(16, 10)], 0x00FF00u) << "outside the 11 x 11 square";
    EXPECT_EQ(canvas.pixels[std::pair(12, 12)], 0x01FF00u) << "all 32 bits must match";
    EXPECT_EQ(canvas.pixelReads, 121u);

    // At the ends of the 32-bit range only pixels that exist are read.
    for (const PointLayout p : {PointLayout{2147483647, 2147483647}, {-2147483647 - 1, -2147483647 - 1}, {-3, 700}}) {
        canvas.pixelReads = 0;
        Play(R(5, 4).Set(p));
        EXPECT_EQ(canvas.pixelReads, 0u);
    }
    canvas.pixelReads = 0;
    Play(R(5, 4).Set(PointLayout{-3, 0}));
    EXPECT_EQ(canvas.pixelReads, 3u * 6);
}

TEST_F(Engine, ReplaysOnTheTimeline)
{
    const std::vector<DrawRecord> records = {
        R(6, 6, 20).Set(ColorPointLayout{0, 1, 1}), R(6, 14, 30).Set(ColorPointLayout{0, 2, 2}),
        R(7, 5).Set(PauseRecord{100}), R(5, 25, 40).Set(BoxLayout{0, 0, 5, 5}),
    };
    std::vector<std::uint8_t> bytes(records.size() * 12);
    std::memcpy(bytes.data(), records.data(), bytes.size());

    const auto run = [&](bool averaged) {
        MemorySource source(bytes);
        engine.FreeRecords();
        engine.LoadAnimation(source);
        engine.SetAveragedDelays(averaged);
        clock.now = 0;
        engine.Start();
        canvas.TakeLog();
        // Steps at every millisecond, as a fast timer would.
        for (; clock.now <= 400; ++clock.now)
            engine.Step();
        return canvas.TakeLog();
    };
    // Recorded delays: the stroke at 10 and 30, then its last delay and the
    // batch gap; the pause at 70 waits 100 and the gap; the rectangle at 180,
    // then the clear after its 40 ms, the gap, and the next pass.
    const std::string clear = "FillRect 0 0 640 480 16777215;";
    EXPECT_EQ(run(false), "@10 MoveTo 1 1;@10 LineTo 1 1;@30 LineTo 2 2;@180 Rectangle 0 0 5 5;@220 " + clear +
                              "@230 MoveTo 1 1;@230 LineTo 1 1;@250 LineTo 2 2;@400 Rectangle 0 0 5 5;");
    // Averaged: 1 ms after each drawing record; the pause keeps its length.
    EXPECT_EQ(run(true), "@10 MoveTo 1 1;@10 LineTo 1 1;@11 LineTo 2 2;@132 Rectangle 0 0 5 5;@133 " + clear +
                             "@143 MoveTo 1 1;@143 LineTo 1 1;@144 LineTo 2 2;@265 Rectangle 0 0 5 5;@266 " + clear +
                             "@276 MoveTo 1 1;@276 LineTo 1 1;@277 LineTo 2 2;@398 Rectangle 0 0 5 5;@399 " + clear);
}

TEST_F(Engine, WaitsAreAnswersAndLateStepsCatchUp)
{
    std::vector<DrawRecord> records = {R(6, 6, 20), R(6, 14, 30), R(6, 14, 30)};
    std::vector<std::uint8_t> bytes(records.size() * 12);
    std::memcpy(bytes.data(), records.data(), bytes.size());
    MemorySource source(bytes);
    engine.LoadAnimation(source);
    engine.SetAveragedDelays(false);
    clock.now = 0;
    engine.Start();
    EXPECT_EQ(engine.Step(), 10) << "nothing due yet: the wait until the first batch";
    clock.now = 10;
    EXPECT_EQ(engine.Step(), 20);
    clock.now = 75;  // late: the two segments due at 30 and 60 play at once
    canvas.TakeLog();
    EXPECT_EQ(engine.Step(), 15) << "the clear comes after the last delay, at 90";
    EXPECT_EQ(canvas.TakeLog(), "@75 LineTo 0 0;@75 LineTo 0 0;");
}

TEST_F(Engine, NoRecordsDrawNothingAndWaitForever)
{
    engine.Start();
    clock.now += 100000;
    EXPECT_EQ(engine.Step(), ReplayEngine::Idle);
    EXPECT_EQ(canvas.TakeLog(), "");
}

}
}
