// The replay's drawing on the GDI canvas, pixel by pixel.
#include "GdiCanvas.h"
#include "ReplayEngine.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace kritz {
namespace {

using enum GroupId;
using enum ActionId;

class StillClock final : public ReplayClock {
public:
    std::int64_t NowMs() override { return 0; }
};

constexpr TColor Red = 0x0000FF;
constexpr TColor Green = 0x00FF00;
constexpr TColor Blue = 0xFF0000;

class Pixels : public ::testing::Test {
protected:
    StillClock clock;
    GdiCanvas canvas{200, 150, POINT{0, 0}};
    ReplayEngine engine{canvas, clock};

    void Play(std::initializer_list<DrawRecord> records)
    {
        for (const DrawRecord& r : records)
            engine.PlayRecord(r);
    }
    static DrawRecord Colors(TColor pen, TColor brush)
    {
        return DrawRecord(grPen, acColors).Set(ColorsRecord{pen, brush});
    }
    static DrawRecord Modes(int penMode, int penStyle, int brushStyle)
    {
        return DrawRecord(grPen, acDrawModes)
            .Set(DrawingModesRecord{std::uint8_t(penMode), std::uint8_t(penStyle), std::uint8_t(brushStyle)});
    }
    static DrawRecord Width(int width) { return DrawRecord(grPen, acPenWidth).Set(PenWidthRecord{width}); }
    static DrawRecord Start(TColor c, int x, int y)
    {
        return DrawRecord(grPen, acStrokeStart).Set(ColorPointLayout{c, std::int16_t(x), std::int16_t(y)});
    }
    static DrawRecord To(TColor c, int x, int y)
    {
        return DrawRecord(grPen, acStrokeTo).Set(ColorPointLayout{c, std::int16_t(x), std::int16_t(y)});
    }
    static DrawRecord Box(ActionId shape, int top, int left, int bottom, int right)
    {
        return DrawRecord(grShape, shape)
            .Set(BoxLayout{std::int16_t(top), std::int16_t(left), std::int16_t(bottom), std::int16_t(right)});
    }
    static DrawRecord Line(int x1, int y1, int x2, int y2)
    {
        return DrawRecord(grShape, acLine)
            .Set(LineLayout{std::int16_t(x1), std::int16_t(y1), std::int16_t(x2), std::int16_t(y2)});
    }
    std::vector<TColor> Snapshot()
    {
        std::vector<TColor> all;
        for (int y = 0; y < 150; ++y)
            for (int x = 0; x < 200; ++x)
                all.push_back(canvas.Pixel(x, y));
        return all;
    }
    std::set<TColor> ColorsAlong(int x1, int x2, int y)
    {
        std::set<TColor> seen;
        for (int x = x1; x <= x2; ++x)
            seen.insert(canvas.Pixel(x, y));
        return seen;
    }
};

TEST_F(Pixels, FloodFillStaysInsideAStroke)
{
    Play({Start(0, 20, 20), To(0, 80, 20), To(0, 80, 80), To(0, 20, 80), To(0, 20, 20),
          DrawRecord(grShape, acFloodFill).Set(ColorPointLayout{Red, 50, 50})});
    EXPECT_EQ(canvas.Pixel(50, 50), Red);
    EXPECT_EQ(canvas.Pixel(21, 79), Red);
    EXPECT_EQ(canvas.Pixel(50, 20), 0u) << "the outline stays";
    EXPECT_EQ(canvas.Pixel(10, 10), 0xFFFFFFu) << "outside stays white";
    EXPECT_EQ(canvas.Pixel(90, 50), 0xFFFFFFu);
}

TEST_F(Pixels, RecolourTakesOnlyExactBrushColouredPixels)
{
    Play({Colors(Green, Green), Box(acRectangle, 10, 10, 30, 30)});
    canvas.SetPixel(20, 21, Green + 1);
    Play({Colors(Red, Green), DrawRecord(grShape, acRecolor).Set(PointLayout{20, 20})});
    EXPECT_EQ(canvas.Pixel(20, 20), Red);
    EXPECT_EQ(canvas.Pixel(15, 15), Red) << "the square's corner";
    EXPECT_EQ(canvas.Pixel(14, 14), Green) << "outside the square";
    EXPECT_EQ(canvas.Pixel(20, 21), Green + 1);
}

TEST_F(Pixels, RoundRectCornersPairTheStoredCoordinates)
{
    Play({Box(acRoundRect, 10, 20, 30, 60)});
    GdiCanvas expected(200, 150, POINT{0, 0});
    expected.SetPen(engine.Pen());
    expected.SetBrush(engine.Brush());
    expected.RoundRect(20, 10, 60, 30, 10, 30);
    GdiCanvas boxSized(200, 150, POINT{0, 0});
    boxSized.SetPen(engine.Pen());
    boxSized.SetBrush(engine.Brush());
    boxSized.RoundRect(20, 10, 60, 30, 40, 20);
    int differsFromBoxSized = 0;
    for (int y = 5; y < 35; ++y) {
        for (int x = 15; x < 65; ++x) {
            ASSERT_EQ(canvas.Pixel(x, y), expected.Pixel(x, y)) << x << "," << y;
            differsFromBoxSized += canvas.Pixel(x, y) != boxSized.Pixel(x, y);
        }
    }
    EXPECT_GT(differsFromBoxSized, 0);
}

TEST_F(Pixels, XorDrawnTwiceRestoresThePicture)
{
    Play({Colors(Blue, Green), Box(acEllipse, 10, 10, 90, 120), Width(5), Line(0, 0, 199, 149)});
    const auto before = Snapshot();
    Play({Modes(14, 0, 0), Colors(Red, Blue)});
    for (int pass = 0; pass < 2; ++pass)
        Play({Line(0, 149, 199, 0), Box(acRectangle, 20, 20, 100, 150), Start(Red, 5, 5), To(Red, 150, 40)});
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(Pixels, MixModesApplyToOutlineAndInterior)
{
    Play({Modes(3, 0, 0), Box(acRectangle, 10, 10, 40, 40)});  // pmNot over white
    EXPECT_EQ(canvas.Pixel(10, 10), 0u);
    EXPECT_EQ(canvas.Pixel(25, 25), 0u);
}

TEST_F(Pixels, HatchesShowThePictureBetweenTheirLines)
{
    Play({Colors(Blue, Blue), Box(acRectangle, 0, 0, 150, 200), Colors(Red, Red), Modes(4, 5, 6),
          Box(acRectangle, 20, 20, 120, 180)});
    std::set<TColor> inside;
    for (int y = 40; y < 60; ++y)
        for (int x = 40; x < 60; ++x)
            inside.insert(canvas.Pixel(x, y));
    EXPECT_EQ(inside, (std::set<TColor>{Red, Blue}));
}

TEST_F(Pixels, DashGapsTakeTheSolidBrushColourAndWidePensDrawSolid)
{
    Play({Colors(0, Green), Modes(4, 1, 0), Line(10, 50, 190, 50)});
    EXPECT_EQ(ColorsAlong(10, 180, 50), (std::set<TColor>{0, Green}));
    Play({Width(3), Line(10, 100, 190, 100)});
    EXPECT_EQ(ColorsAlong(12, 180, 100), (std::set<TColor>{0}));
}

TEST_F(Pixels, ClearKeepsThePen)
{
    Play({Width(4), Start(Red, 10, 10), DrawRecord(grScreen, acClear)});
    EXPECT_EQ(canvas.Pixel(10, 10), 0xFFFFFFu);
    Play({To(Red, 60, 10)});
    EXPECT_EQ(canvas.Pixel(35, 11), Red) << "width 4 and the position stay";
}

// Records at the limits of their fields finish and draw what fits.
TEST(ReplayLimits, HugeShapesAndFillsStayBounded)
{
    StillClock clock;
    GdiCanvas canvas(1920, 1080, POINT{0, 0});
    ReplayEngine engine(canvas, clock);
    const std::initializer_list<DrawRecord> records = {
        DrawRecord(GroupId::grPen, ActionId::acPenWidth).Set(PenWidthRecord{2147483647}),
        DrawRecord(GroupId::grShape, ActionId::acLine).Set(LineLayout{-32768, -32768, 32767, 32767}),
        DrawRecord(GroupId::grPen, ActionId::acPenWidth).Set(PenWidthRecord{1}),
        DrawRecord(GroupId::grShape, ActionId::acEllipse).Set(BoxLayout{-32768, -32768, 32767, 32767}),
        DrawRecord(GroupId::grShape, ActionId::acRoundRect).Set(BoxLayout{-32768, 32767, 32767, -32768}),
        DrawRecord(GroupId::grShape, ActionId::acFloodFill).Set(ColorPointLayout{0x123456, 5, 5}),
        DrawRecord(GroupId::grShape, ActionId::acRecolor).Set(PointLayout{2147483647, -2147483647 - 1}),
    };
    for (const DrawRecord& r : records)
        engine.PlayRecord(r);
    EXPECT_EQ(canvas.Pixel(960, 540), 0x123456u) << "the whole-screen fill reached the middle";
}

}
}
