// One 12-byte drawing record of an animation file (.Krz).
//
// The record is kept as the exact bytes of the file; every field is decoded on
// demand with explicit little-endian reads, so nothing depends on the host's
// byte order or alignment, and bytes that no reader interprets survive a
// rewrite untouched.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kritz {

// Category of a step; the player dispatches on it first. Any byte value can
// occur in a file, so the enumeration is open.
enum class GroupId : std::uint8_t {
    grScreen = 2,
    grShape = 5,
    grPen = 6,
    grPause = 7,
};

// The step within its group. Its value alone chooses the payload layout.
// Actions 1 and 2 are the point records, which have no name of their own.
enum class ActionId : std::uint8_t {
    acPoint1 = 1,
    acPoint2 = 2,
    acClear = 3,
    acRecolor = 4,
    acPause = 5,
    acStrokeStart = 6,
    acEllipse = 7,
    acFloodFill = 8,
    acLine = 12,
    acPenWidth = 13,
    acStrokeTo = 14,
    acRoundRect = 18,
    acDrawModes = 20,
    acColors = 21,
    acRectangle = 25,
};

// Payload layouts. Field names are those of the file format.
struct PointLayout {
    std::int32_t X = 0;
    std::int32_t Y = 0;
};
struct ColorPointLayout {
    std::uint32_t Color = 0;
    std::int16_t X = 0;
    std::int16_t Y = 0;
};
// Vertical coordinate first in each pair.
struct BoxLayout {
    std::int16_t Top = 0;
    std::int16_t Left = 0;
    std::int16_t Bottom = 0;
    std::int16_t Right = 0;
};
struct LineLayout {
    std::int16_t X1 = 0;
    std::int16_t Y1 = 0;
    std::int16_t X2 = 0;
    std::int16_t Y2 = 0;
};
struct PenWidthRecord {
    std::int32_t Width = 0;
};
struct DrawingModesRecord {
    std::uint8_t PenMode = 0;
    std::uint8_t PenStyle = 0;
    std::uint8_t BrushStyle = 0;
};
struct ColorsRecord {
    std::uint32_t PenColor = 0;
    std::uint32_t BrushColor = 0;
};
struct PauseRecord {
    std::uint32_t Duration = 0;
};

enum class Layout : std::uint8_t {
    None,          // action 3, and every action that no reader interprets
    Point,         // 1, 2, 4
    ColorPoint,    // 6, 8, 14
    Box,           // 7, 18, 25
    Line,          // 12
    PenWidth,      // 13
    DrawingModes,  // 20
    Colors,        // 21
    Pause,         // 5
};

// The payload layout that an action selects, whatever the group.
Layout LayoutOf(ActionId action);

class DrawRecord {
public:
    static constexpr std::size_t Size = 12;
    using Bytes = std::array<std::uint8_t, Size>;

    DrawRecord() = default;
    explicit DrawRecord(const Bytes& bytes) : m_bytes(bytes) {}
    DrawRecord(GroupId group, ActionId action, std::uint16_t delay = 0);

    GroupId Group() const { return GroupId{m_bytes[0]}; }
    ActionId Action() const { return ActionId{m_bytes[1]}; }
    std::uint16_t Delay() const { return U16(2); }
    void SetDelay(std::uint16_t delay) { PutU16(2, delay); }

    PointLayout Point() const { return {I32(4), I32(8)}; }
    ColorPointLayout ColorPoint() const { return {U32(4), I16(8), I16(10)}; }
    BoxLayout Box() const { return {I16(4), I16(6), I16(8), I16(10)}; }
    LineLayout Line() const { return {I16(4), I16(6), I16(8), I16(10)}; }
    PenWidthRecord PenWidth() const { return {I32(4)}; }
    DrawingModesRecord DrawingModes() const { return {m_bytes[4], m_bytes[6], m_bytes[8]}; }
    ColorsRecord Colors() const { return {U32(4), U32(8)}; }
    PauseRecord Pause() const { return {U32(4)}; }

    // Setters write only the bytes of their layout; all others stay as they are.
    DrawRecord& Set(const PointLayout& p);
    DrawRecord& Set(const ColorPointLayout& p);
    DrawRecord& Set(const BoxLayout& b);
    DrawRecord& Set(const LineLayout& l);
    DrawRecord& Set(const PenWidthRecord& w);
    DrawRecord& Set(const DrawingModesRecord& m);
    DrawRecord& Set(const ColorsRecord& c);
    DrawRecord& Set(const PauseRecord& p);

    const Bytes& Raw() const { return m_bytes; }
    Bytes& Raw() { return m_bytes; }

    friend bool operator==(const DrawRecord&, const DrawRecord&) = default;

    // Field access by offset, for code that works on the layouts generically.
    std::uint16_t U16(std::size_t at) const
    {
        return static_cast<std::uint16_t>(m_bytes[at] | (m_bytes[at + 1] << 8));
    }
    std::int16_t I16(std::size_t at) const { return static_cast<std::int16_t>(U16(at)); }
    std::uint32_t U32(std::size_t at) const
    {
        return static_cast<std::uint32_t>(m_bytes[at]) | (static_cast<std::uint32_t>(m_bytes[at + 1]) << 8)
            | (static_cast<std::uint32_t>(m_bytes[at + 2]) << 16) | (static_cast<std::uint32_t>(m_bytes[at + 3]) << 24);
    }
    std::int32_t I32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }

    void PutU16(std::size_t at, std::uint16_t v)
    {
        m_bytes[at] = static_cast<std::uint8_t>(v);
        m_bytes[at + 1] = static_cast<std::uint8_t>(v >> 8);
    }
    void PutU32(std::size_t at, std::uint32_t v)
    {
        PutU16(at, static_cast<std::uint16_t>(v));
        PutU16(at + 2, static_cast<std::uint16_t>(v >> 16));
    }

private:
    DrawRecord& PutFour16(std::int16_t a, std::int16_t b, std::int16_t c, std::int16_t d);

    Bytes m_bytes{};
};

static_assert(sizeof(DrawRecord) == DrawRecord::Size, "records are held contiguously, 12 bytes each");

}
