#include "Rescale.h"

namespace kritz {

namespace {

bool Scale32(DrawRecord& record, std::size_t at, const Factor& factor)
{
    const auto scaled = factor.Scale(record.I32(at));
    if (!scaled)
        return false;
    record.PutU32(at, static_cast<std::uint32_t>(*scaled));
    return true;
}

bool Scale16(DrawRecord& record, std::size_t at, const Factor& factor)
{
    const auto scaled = factor.Scale(record.I16(at));
    if (!scaled)
        return false;
    record.PutU16(at, static_cast<std::uint16_t>(*scaled));
    return true;
}

}

Rescaler::Rescaler(const Factor& horizontal, const Factor& vertical)
    : m_horizontal(horizontal)
    , m_vertical(vertical)
{
    for (std::size_t action = 0; action < m_layouts.size(); ++action)
        m_layouts[action] = LayoutOf(ActionId{static_cast<std::uint8_t>(action)});
}

bool Rescaler::Rescale(DrawRecord& record) const
{
    const Factor& h = m_horizontal;
    const Factor& v = m_vertical;
    switch (m_layouts[static_cast<std::uint8_t>(record.Action())]) {
    case Layout::Point: // X at 4, Y at 8, both 32-bit
        return Scale32(record, 4, h) && Scale32(record, 8, v);
    case Layout::ColorPoint: // X at 8, Y at 10
        return Scale16(record, 8, h) && Scale16(record, 10, v);
    case Layout::Box: // Top, Left, Bottom, Right
        return Scale16(record, 4, v) && Scale16(record, 6, h) && Scale16(record, 8, v) && Scale16(record, 10, h);
    case Layout::Line: // X1, Y1, X2, Y2
        return Scale16(record, 4, h) && Scale16(record, 6, v) && Scale16(record, 8, h) && Scale16(record, 10, v);
    case Layout::None:
    case Layout::PenWidth:
    case Layout::DrawingModes:
    case Layout::Colors:
    case Layout::Pause:
        break;
    }
    return true;
}

}
