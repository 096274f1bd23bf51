#include "SampleDrawings.h"

#include "DrawingRecorder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace kritz::samplegen {

namespace {

constexpr int ScreenWidth = 640;
constexpr int ScreenHeight = 480;

constexpr Color Black = Rgb(0, 0, 0);
constexpr Color White = Rgb(255, 255, 255);
constexpr Color DarkBrown = Rgb(90, 55, 30);
constexpr Color Wood = Rgb(150, 95, 50);
constexpr Color WallPaint = Rgb(250, 232, 185);
constexpr Color RoofEdge = Rgb(130, 30, 25);
constexpr Color RoofRed = Rgb(200, 60, 45);
constexpr Color Brick = Rgb(170, 80, 60);
constexpr Color Glass = Rgb(170, 210, 240);
constexpr Color Glint = Rgb(235, 245, 255);
constexpr Color Brass = Rgb(230, 190, 60);
constexpr Color SunOrange = Rgb(245, 150, 30);
constexpr Color SunYellow = Rgb(255, 225, 60);
constexpr Color CloudGrey = Rgb(170, 180, 195);
constexpr Color SmokeGrey = Rgb(150, 150, 155);
constexpr Color HillGreen = Rgb(110, 150, 80);
constexpr Color Earth = Rgb(120, 100, 50);
constexpr Color FieldOchre = Rgb(190, 160, 60);
constexpr Color LeafEdge = Rgb(30, 90, 35);
constexpr Color Leaf = Rgb(70, 150, 60);
constexpr Color LeafShade = Rgb(45, 115, 45);
constexpr Color Ink = Rgb(30, 40, 110);
constexpr std::array GrassGreens{Rgb(60, 140, 50), Rgb(90, 170, 60), Rgb(40, 110, 40), Rgb(120, 180, 70)};
constexpr std::array Petals{Rgb(230, 60, 80), Rgb(250, 250, 250), Rgb(240, 200, 40), Rgb(180, 90, 200)};

// Directions of a sun's twelve rays, one every 30 degrees, written out so that
// no library's trigonometry decides where they land.
constexpr double Sin60 = 0.8660254037844386;
constexpr std::array<std::array<double, 2>, 12> RayDirections{{
    {1.0, 0.0}, {Sin60, 0.5}, {0.5, Sin60}, {0.0, 1.0}, {-0.5, Sin60}, {-Sin60, 0.5},
    {-1.0, 0.0}, {-Sin60, -0.5}, {-0.5, -Sin60}, {0.0, -1.0}, {0.5, -Sin60}, {Sin60, -0.5},
}};

int Round(double v) { return static_cast<int>(std::lround(v)); }

template <typename T, std::size_t N>
const T& Pick(HandRandom& random, const std::array<T, N>& choices)
{
    return choices[static_cast<std::size_t>(random.Between(0, static_cast<int>(N) - 1))];
}

int MidX(const Rect& r) { return (r.left + r.right) / 2; }
int MidY(const Rect& r) { return (r.top + r.bottom) / 2; }

// Before the shapes of each part the palette is set anew: the pen draws the
// outline, and a white brush leaves an inside that a later fill can take.
void ShapeColors(DrawingRecorder& rec, Color outline, Color inside)
{
    rec.DrawModes(PenMode::Copy, PenStyle::Solid, BrushStyle::Solid);
    rec.Colors(outline, inside);
}

struct House {
    Rect walls;
    int apexY = 0;    // the ridge of the gable roof, above the middle of the walls
    int overhang = 0; // how far the eaves reach past the walls
    int roofWidth = 1;
    int chimneyLeft = 0, chimneyRight = 0, chimneyTop = 0; // on the right slope
    std::vector<Rect> roundWindows;
    std::vector<Rect> squareWindows;
    Rect door;
    int barWidth = 1; // of the window crosses
};

// Where the right slope of the roof passes x.
int RightSlopeY(const House& h, int x)
{
    const int apexX = MidX(h.walls);
    const int eaveX = h.walls.right + h.overhang;
    return h.apexY + (x - apexX) * (h.walls.top - h.apexY) / (eaveX - apexX);
}

void WindowCross(DrawingRecorder& rec, const Rect& w)
{
    rec.Line({MidX(w), w.top + 1}, {MidX(w), w.bottom - 2});
    rec.Line({w.left + 1, MidY(w)}, {w.right - 2, MidY(w)});
}

void DrawHouse(DrawingRecorder& rec, const House& h)
{
    ShapeColors(rec, DarkBrown, WallPaint);
    rec.Rectangle(h.walls);
    rec.Pause(500);

    // The roof is drawn as one closed outline and then filled, so its stroke
    // must meet itself exactly at the left eave.
    const Point apex{MidX(h.walls), h.apexY};
    const Point leftEave{h.walls.left - h.overhang, h.walls.top + 1};
    const Point rightEave{h.walls.right + h.overhang, h.walls.top + 1};
    rec.PenWidth(h.roofWidth);
    const std::array roof{leftEave, apex, rightEave, leftEave};
    rec.Stroke(RoofEdge, roof);
    rec.FloodFill(RoofRed, {apex.x, (apex.y + 2 * leftEave.y) / 3});

    // Rows of tiles, kept clear of the outline.
    rec.PenWidth(1);
    for (int y = h.apexY + 18; y < h.walls.top - 6; y += 18) {
        const int halfSpan = (y - h.apexY) * (apex.x - leftEave.x) / (leftEave.y - h.apexY) - 8;
        const std::array row{Point{apex.x - halfSpan, y}, Point{apex.x + halfSpan, y + 1}};
        rec.Stroke(RoofEdge, row);
    }

    // The chimney's open foot reaches into the roof, so the slope closes it.
    rec.PenWidth(h.roofWidth);
    const std::array chimney{Point{h.chimneyLeft, RightSlopeY(h, h.chimneyLeft) + 2}, Point{h.chimneyLeft, h.chimneyTop},
                             Point{h.chimneyRight, h.chimneyTop},
                             Point{h.chimneyRight, RightSlopeY(h, h.chimneyRight) + 2}};
    rec.Stroke(DarkBrown, chimney);
    rec.FloodFill(Brick, {(h.chimneyLeft + h.chimneyRight) / 2, (h.chimneyTop + RightSlopeY(h, h.chimneyLeft)) / 2});
    rec.Pause(700);

    ShapeColors(rec, DarkBrown, Glass);
    for (const Rect& w : h.roundWindows)
        rec.RoundRect(w);
    for (const Rect& w : h.squareWindows)
        rec.Rectangle(w);
    // A glint in the top corner of each pane that is big enough to hold one.
    rec.Colors(Glint, Glass);
    for (const Rect& w : h.squareWindows) {
        if (w.right - w.left >= 30)
            rec.Recolor({w.left + 8, w.top + 8});
    }
    for (const Rect& w : h.roundWindows) {
        if (w.right - w.left >= 30)
            rec.Recolor({MidX(w) - 7, MidY(w) - 7});
    }
    rec.Colors(DarkBrown, Glass);
    rec.PenWidth(h.barWidth);
    for (const Rect& w : h.roundWindows)
        WindowCross(rec, w);
    for (const Rect& w : h.squareWindows)
        WindowCross(rec, w);
    rec.Pause(600);

    ShapeColors(rec, DarkBrown, Wood);
    rec.Rectangle(h.door);
    const int knob = std::max(2, (h.door.right - h.door.left) / 7);
    const Point knobAt{h.door.right - 2 * knob, MidY(h.door)};
    rec.Colors(DarkBrown, Brass);
    rec.Ellipse({knobAt.x - knob / 2, knobAt.y - knob / 2, knobAt.x + knob / 2 + 1, knobAt.y + knob / 2 + 1});
    rec.Pause(800);
}

void DrawSmoke(DrawingRecorder& rec, const House& h, int rise)
{
    rec.PenWidth(2);
    const Point from{(h.chimneyLeft + h.chimneyRight) / 2, h.chimneyTop - 4};
    rec.Curve(SmokeGrey, from, {from.x - rise / 3, from.y - rise / 3}, {from.x + rise / 2, from.y - rise / 2},
              {from.x + rise / 4, from.y - rise});
}

struct Sun {
    Point center;
    int radius = 0;
    int rayFrom = 0, rayTo = 0; // distances from the centre
    int rayWidth = 1;
};

void DrawSun(DrawingRecorder& rec, const Sun& s)
{
    ShapeColors(rec, SunOrange, White);
    rec.Ellipse({s.center.x - s.radius, s.center.y - s.radius, s.center.x + s.radius, s.center.y + s.radius});
    rec.FloodFill(SunYellow, s.center);
    rec.PenWidth(s.rayWidth);
    for (std::size_t i = 0; i < RayDirections.size(); ++i) {
        const auto [dx, dy] = RayDirections[i];
        const std::array ray{Point{s.center.x + Round(dx * s.rayFrom), s.center.y + Round(dy * s.rayFrom)},
                             Point{s.center.x + Round(dx * s.rayTo), s.center.y + Round(dy * s.rayTo)}};
        rec.Stroke(i % 2 == 0 ? SunOrange : SunYellow, ray);
    }
    rec.Pause(900);
}

// A cloud of white puffs; each later puff covers the inner edges of the ones
// before it, which leaves a scalloped rim.
void DrawCloud(DrawingRecorder& rec, Point c, int width)
{
    const int u = width / 8;
    ShapeColors(rec, CloudGrey, White);
    constexpr std::array<std::array<int, 4>, 5> puffs{{
        {-4, -1, -1, 2}, {-3, -3, 1, 1}, {-1, -2, 3, 1}, {1, -1, 4, 2}, {-3, 0, 3, 2},
    }};
    for (const auto& [l, t, r, b] : puffs)
        rec.Ellipse({c.x + l * u, c.y + t * u, c.x + r * u, c.y + b * u});
}

struct Tree {
    Rect crown;
    int groundY = 0;
    int trunkWidth = 1;
};

void DrawTree(DrawingRecorder& rec, HandRandom& random, const Tree& t)
{
    ShapeColors(rec, LeafEdge, White);
    rec.Ellipse(t.crown);
    const Point middle{MidX(t.crown), MidY(t.crown)};
    rec.FloodFill(Leaf, middle);

    // Darker dabs of foliage dotted about the crown: the recolour turns only
    // the leaf colour, and the dabs stay well clear of the outline.
    rec.Colors(LeafShade, Leaf);
    const int rx = (t.crown.right - t.crown.left) / 2 - 9;
    const int ry = (t.crown.bottom - t.crown.top) / 2 - 9;
    const int dabs = rx > 0 && ry > 0 ? rx * ry / 70 : 0;
    for (int placed = 0; placed < dabs;) {
        const int x = random.Between(-rx, rx);
        const int y = random.Between(-ry, ry);
        if (x * x * ry * ry + y * y * rx * rx <= rx * rx * ry * ry) {
            rec.Recolor({middle.x + x, middle.y + y});
            ++placed;
        }
    }

    // The trunk grows up into the crown; two strokes give it some bark.
    rec.PenWidth(t.trunkWidth);
    const int foot = t.groundY + 1;
    const int top = t.crown.bottom - (t.crown.bottom - t.crown.top) / 5;
    const std::array trunk{Point{middle.x, foot}, Point{middle.x - 1, top}};
    rec.Stroke(Wood, trunk);
    rec.PenWidth(std::max(1, t.trunkWidth / 4));
    const std::array bark{Point{middle.x + t.trunkWidth / 4, foot - 3}, Point{middle.x + t.trunkWidth / 4, top + 4}};
    rec.Stroke(DarkBrown, bark);
    rec.Pause(700);
}

// A tuft of a few blades, each bent a little its own way.
void DrawGrassTuft(DrawingRecorder& rec, HandRandom& random, Point base, int height, int maxWidth)
{
    rec.PenWidth(random.Between(1, maxWidth));
    const int blades = random.Between(3, 5);
    for (int i = 0; i < blades; ++i) {
        const int h = height * random.Between(6, 10) / 10;
        const int lean = random.Between(-h / 2, h / 2);
        const Point foot{base.x + random.Between(-3, 3), base.y};
        const Point tip{foot.x + lean, foot.y - h};
        rec.Curve(Pick(random, GrassGreens), foot,
                  {foot.x, foot.y - h / 2}, {foot.x + lean / 2, tip.y + h / 4}, tip);
    }
}

// The ground from the left edge of the picture to `right`, gently uneven.
void DrawGroundLine(DrawingRecorder& rec, int y, int right, int penWidth)
{
    rec.PenWidth(penWidth);
    rec.Curve(Earth, {0, y + 2}, {right / 3, y - 4}, {2 * right / 3, y + 5}, {right, y});
}

void DrawHills(DrawingRecorder& rec)
{
    rec.PenWidth(2);
    rec.Curve(HillGreen, {0, 300}, {60, 245}, {130, 250}, {185, 285});
    rec.Curve(HillGreen, {375, 292}, {450, 235}, {560, 238}, {639, 280});
    rec.Pause(600);
}

// A ploughed field on the far hill: a closed outline filled with a diagonal
// hatch, the brush style set back to solid afterwards.
void DrawField(DrawingRecorder& rec)
{
    rec.PenWidth(1);
    const std::array field{Point{430, 302}, Point{500, 270}, Point{590, 272}, Point{626, 300},
                           Point{600, 327}, Point{455, 331}, Point{430, 302}};
    rec.Stroke(Earth, field);
    rec.DrawModes(PenMode::Copy, PenStyle::Solid, BrushStyle::BDiagonal);
    rec.FloodFill(FieldOchre, {520, 300});
    rec.DrawModes(PenMode::Copy, PenStyle::Solid, BrushStyle::Solid);
    rec.Pause(600);
}

// The garden path to the door, drawn with a dotted pen.
void DrawPath(DrawingRecorder& rec, const Rect& door)
{
    rec.PenWidth(1);
    rec.DrawModes(PenMode::Copy, PenStyle::Dot, BrushStyle::Solid);
    rec.Curve(Earth, {door.left + 2, door.bottom + 3}, {door.left - 10, 410}, {150, 440}, {118, 478});
    rec.Curve(Earth, {door.right - 2, door.bottom + 3}, {door.right, 415}, {230, 450}, {212, 478});
    rec.DrawModes(PenMode::Copy, PenStyle::Solid, BrushStyle::Solid);
    rec.Pause(500);
}

// The fence: first a trial line for the rail in XOR mode, looked at and drawn
// again to take it away, then the fence itself, its pickets a vertical hatch.
void DrawFence(DrawingRecorder& rec)
{
    const Rect fence{392, 336, 632, 368};
    const Point railFrom{fence.left - 6, MidY(fence)};
    const Point railTo{fence.right + 4, MidY(fence)};
    rec.PenWidth(1);
    rec.DrawModes(PenMode::Xor, PenStyle::Solid, BrushStyle::Solid);
    rec.Colors(Rgb(0, 160, 255), White);
    rec.Line(railFrom, railTo);
    rec.Pause(1200);
    rec.Line(railFrom, railTo);
    rec.DrawModes(PenMode::Copy, PenStyle::Solid, BrushStyle::Vertical);
    rec.Colors(DarkBrown, Wood);
    rec.Rectangle(fence);
    rec.DrawModes(PenMode::Copy, PenStyle::Solid, BrushStyle::Solid);
    rec.PenWidth(3);
    rec.Line({fence.left, MidY(fence)}, {fence.right - 1, MidY(fence)});
    rec.Pause(700);
}

void DrawBirds(DrawingRecorder& rec)
{
    rec.PenWidth(2);
    for (const Point b : {Point{420, 120}, Point{446, 108}, Point{470, 126}}) {
        const std::array wings{Point{b.x - 8, b.y - 5}, Point{b.x - 3, b.y - 2}, Point{b.x, b.y},
                               Point{b.x + 3, b.y - 3}, Point{b.x + 8, b.y - 5}};
        rec.Stroke(Black, wings);
    }
    rec.Pause(500);
}

void DrawFlowers(DrawingRecorder& rec, HandRandom& random)
{
    for (const Point f : {Point{40, 420}, Point{70, 448}, Point{300, 430}, Point{360, 456}, Point{470, 420},
                          Point{530, 446}, Point{600, 416}}) {
        rec.PenWidth(2);
        const std::array stem{Point{f.x, f.y + 18}, Point{f.x + random.Between(-2, 2), f.y + 4}};
        rec.Stroke(GrassGreens[2], stem);
        rec.Colors(DarkBrown, Pick(random, Petals));
        rec.Ellipse({f.x - 5, f.y - 5, f.x + 6, f.y + 6});
    }
    rec.Pause(600);
}

// The artist's mark in the corner, underlined with a dashed line.
void DrawSignature(DrawingRecorder& rec)
{
    rec.PenWidth(2);
    const std::array k{Point{566, 442}, Point{562, 466}};
    rec.Stroke(Ink, k);
    rec.Curve(Ink, {576, 440}, {566, 452}, {560, 456}, {566, 454});
    rec.Curve(Ink, {566, 454}, {574, 458}, {578, 468}, {586, 462});
    rec.Curve(Ink, {586, 462}, {592, 452}, {600, 448}, {604, 452});
    rec.Curve(Ink, {604, 452}, {612, 452}, {596, 466}, {606, 466});
    rec.Curve(Ink, {606, 466}, {614, 466}, {620, 458}, {628, 456});
    rec.PenWidth(1);
    rec.DrawModes(PenMode::Copy, PenStyle::Dash, BrushStyle::Solid);
    rec.Line({560, 473}, {630, 472});
    rec.DrawModes(PenMode::Copy, PenStyle::Solid, BrushStyle::Solid);
}

}

std::vector<DrawRecord> FullScreenDrawing()
{
    DrawingRecorder rec(ScreenWidth, ScreenHeight, 0x4B72u);
    HandRandom random(0x5EED1u);
    rec.Clear();
    rec.Pause(1000);

    DrawHills(rec);
    DrawGroundLine(rec, 370, ScreenWidth - 1, 3);
    DrawField(rec);

    // The rounded windows sit where the odd corner rule gives them corners of
    // 10 pixels: their boxes have top = left + 10 and bottom = right + 10.
    const House house{
        .walls = {180, 210, 380, 370},
        .apexY = 130,
        .overhang = 12,
        .roofWidth = 3,
        .chimneyLeft = 322,
        .chimneyRight = 342,
        .chimneyTop = 138,
        .roundWindows = {{214, 224, 254, 264}, {300, 310, 340, 350}},
        .squareWindows = {{300, 224, 340, 264}},
        .door = {226, 290, 266, 370},
        .barWidth = 2,
    };
    DrawHouse(rec, house);
    DrawSmoke(rec, house, 60);
    DrawPath(rec, house.door);
    DrawFence(rec);
    DrawTree(rec, random, {.crown = {40, 170, 150, 290}, .groundY = 370, .trunkWidth = 10});
    DrawSun(rec, {.center = {560, 70}, .radius = 36, .rayFrom = 44, .rayTo = 60, .rayWidth = 3});
    DrawCloud(rec, {150, 70}, 112);
    DrawCloud(rec, {400, 56}, 88);
    rec.Pause(600);
    DrawBirds(rec);

    for (int row = 0; row < 4; ++row) {
        for (int x = 12 + row * 7; x < ScreenWidth - 20; x += random.Between(30, 46)) {
            const int y = 384 + row * 18 + random.Between(-3, 3);
            DrawGrassTuft(rec, random, {x, y}, random.Between(10, 18), 3);
        }
    }
    rec.Pause(600);
    DrawFlowers(rec, random);
    DrawSignature(rec);

    // Let the finished picture stand before the replay starts over.
    rec.Pause(6000);
    return rec.Records();
}

std::vector<DrawRecord> PreviewDrawing()
{
    DrawingRecorder rec(ScreenWidth, ScreenHeight, 0x0A5Cu);
    HandRandom random(0x7E57u);
    rec.Clear();
    rec.Pause(500);

    // The preview shows only the top-left corner of the drawing, so the whole
    // picture lives there. The round window's box gives 4-pixel corners.
    const House house{
        .walls = {22, 56, 78, 96},
        .apexY = 30,
        .overhang = 5,
        .roofWidth = 2,
        .chimneyLeft = 63,
        .chimneyRight = 70,
        .chimneyTop = 33,
        .roundWindows = {{58, 62, 70, 74}},
        .squareWindows = {},
        .door = {32, 74, 44, 96},
        .barWidth = 1,
    };
    DrawGroundLine(rec, 96, 150, 2);
    DrawHouse(rec, house);
    DrawSmoke(rec, house, 20);
    DrawTree(rec, random, {.crown = {88, 44, 114, 78}, .groundY = 97, .trunkWidth = 4});
    DrawSun(rec, {.center = {124, 20}, .radius = 10, .rayFrom = 13, .rayTo = 19, .rayWidth = 2});
    DrawCloud(rec, {46, 16}, 32);
    for (int x = 6; x < 140; x += random.Between(12, 18))
        DrawGrassTuft(rec, random, {x, 106 + random.Between(-2, 2)}, random.Between(5, 8), 1);

    rec.Pause(3000);
    return rec.Records();
}

}
