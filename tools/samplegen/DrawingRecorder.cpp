#include "DrawingRecorder.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace kritz::samplegen {

namespace {

int Round(double v) { return static_cast<int>(std::lround(v)); }

// sqrt is rounded exactly everywhere, unlike hypot, so every standard library
// samples the same points.
double Distance(Point a, Point b)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    return std::sqrt(dx * dx + dy * dy);
}

std::int16_t I16(int v) { return static_cast<std::int16_t>(v); }

}

DrawingRecorder::DrawingRecorder(int width, int height, std::uint32_t seed)
    : m_width(width), m_height(height), m_random(seed)
{
}

void DrawingRecorder::Stroke(Color color, std::span<const Point> path)
{
    if (path.empty())
        throw std::invalid_argument("a stroke needs at least one point");
    StrokeStart(color, path.front());
    PointerDown(path.front());

    // The hand drifts off the ideal line and back: a damped random walk across
    // the direction of travel, at most a pixel and a half either way.
    double drift = 0.0;
    Point last = path.front();
    for (std::size_t i = 1; i < path.size(); ++i) {
        const Point a = Checked(path[i - 1]);
        const Point b = Checked(path[i]);
        const double length = Distance(a, b);
        if (length == 0.0)
            continue;
        // The paint program samples the mouse every few pixels of movement.
        const int pieces = std::max(1, Round(length / m_random.Between(5, 9)));
        const double acrossX = -(b.y - a.y) / length;
        const double acrossY = (b.x - a.x) / length;
        for (int k = 1; k <= pieces; ++k) {
            Point p = b;
            if (k < pieces) {
                const double t = static_cast<double>(k) / pieces;
                drift = std::clamp(drift * 0.6 + 0.7 * m_random.Signed(), -1.5, 1.5);
                p = Clamped({Round(a.x + (b.x - a.x) * t + acrossX * drift),
                             Round(a.y + (b.y - a.y) * t + acrossY * drift)});
            }
            if (p.x == last.x && p.y == last.y)
                continue;
            StrokeTo(color, p, SegmentDelay(Distance(last, p)));
            last = p;
        }
    }
    PointerUp(last);
}

void DrawingRecorder::Curve(Color color, Point from, Point control1, Point control2, Point to)
{
    // Vertices some 20 pixels apart along the curve; Stroke fills in the rest.
    const double around = Distance(from, control1) + Distance(control1, control2) + Distance(control2, to);
    const int pieces = std::max(2, Round(around / 20.0));
    std::vector<Point> path;
    path.reserve(static_cast<std::size_t>(pieces) + 1);
    for (int k = 0; k <= pieces; ++k) {
        const double t = static_cast<double>(k) / pieces;
        const double s = 1.0 - t;
        const double w0 = s * s * s, w1 = 3 * s * s * t, w2 = 3 * s * t * t, w3 = t * t * t;
        path.push_back({Round(w0 * from.x + w1 * control1.x + w2 * control2.x + w3 * to.x),
                        Round(w0 * from.y + w1 * control1.y + w2 * control2.y + w3 * to.y)});
    }
    Stroke(color, path);
}

void DrawingRecorder::StrokeStart(Color color, Point at)
{
    at = Checked(at);
    Append(GroupId::grPen, ActionId::acStrokeStart, ActionDelay(15, 45)).Set(ColorPointLayout{color, I16(at.x), I16(at.y)});
}

void DrawingRecorder::StrokeTo(Color color, Point to, std::uint16_t delay)
{
    to = Checked(to);
    Append(GroupId::grPen, ActionId::acStrokeTo, delay).Set(ColorPointLayout{color, I16(to.x), I16(to.y)});
}

void DrawingRecorder::PointerDown(Point at)
{
    at = Checked(at);
    Append(GroupId::grPen, ActionId::acPoint1).Set(PointLayout{at.x, at.y});
}

void DrawingRecorder::PointerUp(Point at)
{
    at = Checked(at);
    Append(GroupId::grPen, ActionId::acPoint2).Set(PointLayout{at.x, at.y});
}

void DrawingRecorder::Line(Point from, Point to)
{
    from = Checked(from);
    to = Checked(to);
    Append(GroupId::grShape, ActionId::acLine, ActionDelay(200, 450))
        .Set(LineLayout{I16(from.x), I16(from.y), I16(to.x), I16(to.y)});
}

void DrawingRecorder::Ellipse(const Rect& box) { AppendBox(ActionId::acEllipse, box); }

void DrawingRecorder::Rectangle(const Rect& box) { AppendBox(ActionId::acRectangle, box); }

void DrawingRecorder::RoundRect(const Rect& box)
{
    const int cornerWidth = std::abs(box.top - box.left);
    const int cornerHeight = std::abs(box.bottom - box.right);
    if (cornerWidth == 0 || cornerHeight == 0 || 2 * cornerWidth > std::abs(box.right - box.left)
        || 2 * cornerHeight > std::abs(box.bottom - box.top))
        throw std::invalid_argument("rounded rectangle at x " + std::to_string(box.left) + ", y "
                                    + std::to_string(box.top) + " gets corners " + std::to_string(cornerWidth)
                                    + " x " + std::to_string(cornerHeight) + " that do not suit its box");
    AppendBox(ActionId::acRoundRect, box);
}

void DrawingRecorder::FloodFill(Color color, Point at)
{
    at = Checked(at);
    Append(GroupId::grShape, ActionId::acFloodFill, ActionDelay(200, 450))
        .Set(ColorPointLayout{color, I16(at.x), I16(at.y)});
}

void DrawingRecorder::Recolor(Point at)
{
    at = Checked(at);
    Append(GroupId::grShape, ActionId::acRecolor, ActionDelay(25, 60)).Set(PointLayout{at.x, at.y});
}

void DrawingRecorder::Clear() { Append(GroupId::grScreen, ActionId::acClear); }

void DrawingRecorder::PenWidth(int width) { Append(GroupId::grPen, ActionId::acPenWidth).Set(PenWidthRecord{width}); }

void DrawingRecorder::DrawModes(PenMode pen, PenStyle style, BrushStyle brush)
{
    Append(GroupId::grPen, ActionId::acDrawModes)
        .Set(DrawingModesRecord{static_cast<std::uint8_t>(pen), static_cast<std::uint8_t>(style),
                                static_cast<std::uint8_t>(brush)});
}

void DrawingRecorder::Colors(Color pen, Color brush)
{
    Append(GroupId::grPen, ActionId::acColors).Set(ColorsRecord{pen, brush});
}

void DrawingRecorder::Pause(std::uint32_t milliseconds)
{
    Append(GroupId::grPause, ActionId::acPause).Set(PauseRecord{milliseconds});
}

DrawRecord& DrawingRecorder::Append(GroupId group, ActionId action, std::uint16_t delay)
{
    return m_records.emplace_back(group, action, delay);
}

DrawRecord& DrawingRecorder::AppendBox(ActionId action, const Rect& box)
{
    const Point topLeft = Checked({box.left, box.top});
    const Point bottomRight = Checked({box.right, box.bottom});
    return Append(GroupId::grShape, action, ActionDelay(250, 600))
        .Set(BoxLayout{I16(topLeft.y), I16(topLeft.x), I16(bottomRight.y), I16(bottomRight.x)});
}

Point DrawingRecorder::Checked(Point p) const
{
    if (p.x < 0 || p.x >= m_width || p.y < 0 || p.y >= m_height)
        throw std::out_of_range("point " + std::to_string(p.x) + ", " + std::to_string(p.y) + " is off the "
                                + std::to_string(m_width) + " x " + std::to_string(m_height) + " screen");
    return p;
}

Point DrawingRecorder::Clamped(Point p) const
{
    return {std::clamp(p.x, 0, m_width - 1), std::clamp(p.y, 0, m_height - 1)};
}

std::uint16_t DrawingRecorder::SegmentDelay(double length)
{
    if (m_random.OneIn(40))
        return ActionDelay(80, 260);
    // Some 0.3 to 0.55 pixels per millisecond, a little uneven.
    const int ms = Round(length * m_random.Between(18, 34) / 10.0) + m_random.Between(0, 6);
    return static_cast<std::uint16_t>(std::clamp(ms, 8, 40));
}

std::uint16_t DrawingRecorder::ActionDelay(int lo, int hi) { return static_cast<std::uint16_t>(m_random.Between(lo, hi)); }

}
