#include "RecordFields.h"

namespace kritz {

RecordFields::RecordFields(const DrawRecord& r)
{
    switch (LayoutOf(r.Action())) {
    case Layout::Point: {
        const auto p = r.Point();
        Add("X", p.X);
        Add("Y", p.Y);
        break;
    }
    case Layout::ColorPoint: {
        const auto p = r.ColorPoint();
        Add("Color", p.Color, true);
        Add("X", p.X);
        Add("Y", p.Y);
        break;
    }
    case Layout::Box: {
        const auto b = r.Box();
        Add("Top", b.Top);
        Add("Left", b.Left);
        Add("Bottom", b.Bottom);
        Add("Right", b.Right);
        break;
    }
    case Layout::Line: {
        const auto l = r.Line();
        Add("X1", l.X1);
        Add("Y1", l.Y1);
        Add("X2", l.X2);
        Add("Y2", l.Y2);
        break;
    }
    case Layout::PenWidth:
        Add("Width", r.PenWidth().Width);
        break;
    case Layout::DrawingModes: {
        const auto m = r.DrawingModes();
        Add("PenMode", m.PenMode);
        Add("PenStyle", m.PenStyle);
        Add("BrushStyle", m.BrushStyle);
        break;
    }
    case Layout::Colors: {
        const auto c = r.Colors();
        Add("PenColor", c.PenColor, true);
        Add("BrushColor", c.BrushColor, true);
        break;
    }
    case Layout::Pause:
        Add("Duration", r.Pause().Duration);
        break;
    case Layout::None:
        break;
    }
}

void RecordFields::Add(std::string_view name, std::int64_t value, bool isColor)
{
    m_items[m_count++] = {name, value, isColor};
}

}
