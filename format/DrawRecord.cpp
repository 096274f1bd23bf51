#include "DrawRecord.h"

namespace kritz {

Layout LayoutOf(ActionId action)
{
    switch (action) {
    case ActionId::acPoint1:
    case ActionId::acPoint2:
    case ActionId::acRecolor:
        return Layout::Point;
    case ActionId::acStrokeStart:
    case ActionId::acFloodFill:
    case ActionId::acStrokeTo:
        return Layout::ColorPoint;
    case ActionId::acEllipse:
    case ActionId::acRoundRect:
    case ActionId::acRectangle:
        return Layout::Box;
    case ActionId::acLine:
        return Layout::Line;
    case ActionId::acPenWidth:
        return Layout::PenWidth;
    case ActionId::acDrawModes:
        return Layout::DrawingModes;
    case ActionId::acColors:
        return Layout::Colors;
    case ActionId::acPause:
        return Layout::Pause;
    case ActionId::acClear:
        break;
    }
    return Layout::None;
}

DrawRecord::DrawRecord(GroupId group, ActionId action, std::uint16_t delay)
{
    m_bytes[0] = static_cast<std::uint8_t>(group);
    m_bytes[1] = static_cast<std::uint8_t>(action);
    SetDelay(delay);
}

DrawRecord& DrawRecord::Set(const PointLayout& p)
{
    PutU32(4, static_cast<std::uint32_t>(p.X));
    PutU32(8, static_cast<std::uint32_t>(p.Y));
    return *this;
}

DrawRecord& DrawRecord::Set(const ColorPointLayout& p)
{
    PutU32(4, p.Color);
    PutU16(8, static_cast<std::uint16_t>(p.X));
    PutU16(10, static_cast<std::uint16_t>(p.Y));
    return *this;
}

// The box and line layouts share one shape: four int16 at offsets 4 to 11.
DrawRecord& DrawRecord::PutFour16(std::int16_t a, std::int16_t b, std::int16_t c, std::int16_t d)
{
    PutU16(4, static_cast<std::uint16_t>(a));
    PutU16(6, static_cast<std::uint16_t>(b));
    PutU16(8, static_cast<std::uint16_t>(c));
    PutU16(10, static_cast<std::uint16_t>(d));
    return *this;
}

DrawRecord& DrawRecord::Set(const BoxLayout& b) { return PutFour16(b.Top, b.Left, b.Bottom, b.Right); }

DrawRecord& DrawRecord::Set(const LineLayout& l) { return PutFour16(l.X1, l.Y1, l.X2, l.Y2); }

DrawRecord& DrawRecord::Set(const PenWidthRecord& w)
{
    PutU32(4, static_cast<std::uint32_t>(w.Width));
    return *this;
}

DrawRecord& DrawRecord::Set(const DrawingModesRecord& m)
{
    m_bytes[4] = m.PenMode;
    m_bytes[6] = m.PenStyle;
    m_bytes[8] = m.BrushStyle;
    return *this;
}

DrawRecord& DrawRecord::Set(const ColorsRecord& c)
{
    PutU32(4, c.PenColor);
    PutU32(8, c.BrushColor);
    return *this;
}

DrawRecord& DrawRecord::Set(const PauseRecord& p)
{
    PutU32(4, p.Duration);
    return *this;
}

}
