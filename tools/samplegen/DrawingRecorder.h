// Records a drawing the way a person makes it in the paint program: strokes
// dragged point by point with a slightly unsteady hand, shapes pulled out with
// the mouse, fills and palette clicks, each step stamped with the time it took.
//
// Every call appends the matching drawing records; the recorder keeps no
// picture and no canvas state of its own, so the drawing code decides the pen,
// brush and modes explicitly, just as the player applies them in order.
#pragma once

#include "DrawRecord.h"
#include "HandRandom.h"

#include <cstdint>
#include <span>
#include <vector>

namespace kritz::samplegen {

struct Point {
    int x = 0;
    int y = 0;
};

// A box in screen order (x before y); the recorder writes it in the file's
// order, vertical coordinate first.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// 0x00BBGGRR.
using Color = std::uint32_t;

constexpr Color Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}

// The ordinals of the pen and brush modes that the samples use.
enum class PenMode : std::uint8_t { Copy = 4, Xor = 14 };
enum class PenStyle : std::uint8_t { Solid = 0, Dash = 1, Dot = 2 };
enum class BrushStyle : std::uint8_t { Solid = 0, Vertical = 3, BDiagonal = 5 };

class DrawingRecorder {
public:
    // Every coordinate must lie on the width x height screen the drawing is
    // recorded on; a point outside it is a mistake in the drawing and throws
    // std::out_of_range.
    DrawingRecorder(int width, int height, std::uint32_t seed);

    // Free-hand strokes. A stroke follows the path through its vertices, which
    // it hits exactly (so a path that ends where it began is a closed outline
    // that a fill cannot leak through), and wavers a little in between.
    void Stroke(Color color, std::span<const Point> path);
    // A cubic curve from `from` to `to`, bent towards the two control points.
    void Curve(Color color, Point from, Point control1, Point control2, Point to);

    // The stroke records themselves, for strokes placed point by point.
    void StrokeStart(Color color, Point at);
    void StrokeTo(Color color, Point to, std::uint16_t delay);
    // Where the mouse button went down and came up; the player ignores them.
    void PointerDown(Point at);
    void PointerUp(Point at);

    // Shapes pulled out with the mouse. Ellipse, Rectangle and RoundRect draw
    // their outline with the pen at width 1 and fill the inside with the brush.
    void Line(Point from, Point to);
    void Ellipse(const Rect& box);
    void Rectangle(const Rect& box);
    // The player sizes the corners from the box itself: abs(top - left) wide
    // and abs(bottom - right) high. A box whose corners come out larger than
    // half the box, or zero, throws std::invalid_argument.
    void RoundRect(const Rect& box);
    // Fills the area of the colour found at `at`; the fill colour becomes the
    // brush colour.
    void FloodFill(Color color, Point at);
    // In the 11 x 11 square around `at`, the brush colour becomes the pen colour.
    void Recolor(Point at);
    void Clear();

    // Palette and tool settings.
    void PenWidth(int width);
    void DrawModes(PenMode pen, PenStyle style, BrushStyle brush);
    void Colors(Color pen, Color brush);

    void Pause(std::uint32_t milliseconds);

    const std::vector<DrawRecord>& Records() const { return m_records; }

private:
    DrawRecord& Append(GroupId group, ActionId action, std::uint16_t delay = 0);
    DrawRecord& AppendBox(ActionId action, const Rect& box);
    Point Checked(Point p) const;
    Point Clamped(Point p) const;
    // Time for one stroke segment of `length` pixels, now and then with a
    // hesitation as the hand stops to look.
    std::uint16_t SegmentDelay(double length);
    // Time to pull out a shape or click a tool, from `lo` to `hi` ms.
    std::uint16_t ActionDelay(int lo, int hi);

    int m_width;
    int m_height;
    HandRandom m_random;
    std::vector<DrawRecord> m_records;
};

}
