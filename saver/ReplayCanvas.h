// The drawing surface the replay draws on, and the pen and brush it draws
// with. The canvas only renders; the rules that tie pen and brush values
// together live in TPen and TBrush, once.
#pragma once

#include <cstdint>

namespace kritz {

using TColor = std::uint32_t;  // 0x00BBGGRR, handed to the surface unchanged
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;

// The sixteen mix modes: P is the colour drawn, S the colour on the screen.
enum class TPenMode : std::uint8_t {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor,
};
enum class TPenStyle : std::uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum class TBrushStyle : std::uint8_t {
    bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross,
};

inline constexpr std::uint8_t PenModeCount = 16;
inline constexpr std::uint8_t PenStyleCount = 7;
inline constexpr std::uint8_t BrushStyleCount = 8;

// Wider pens than this draw as this wide: wider than any screen's diagonal,
// and it keeps the work of one line bounded whatever the file says.
inline constexpr std::int32_t MaxPenWidth = 8192;

class TPen {
public:
    TColor Color() const { return m_color; }
    std::int32_t Width() const { return m_width; }
    TPenMode Mode() const { return m_mode; }
    TPenStyle Style() const { return m_style; }

    void SetColor(TColor color) { m_color = color; }
    // A negative width leaves the width as it is; 0 is passed on.
    void SetWidth(std::int32_t width)
    {
        if (width >= 0)
            m_width = width;
    }
    void SetMode(TPenMode mode) { m_mode = mode; }
    void SetStyle(TPenStyle style) { m_style = style; }

    // What the surface draws: at most MaxPenWidth wide, and a pen wider than
    // 1 draws solid, as the system's pens do, whatever its dash style.
    std::int32_t DrawnWidth() const { return m_width < MaxPenWidth ? m_width : MaxPenWidth; }
    TPenStyle DrawnStyle() const
    {
        const bool dashed = m_style != TPenStyle::psSolid && m_style != TPenStyle::psClear
                            && m_style != TPenStyle::psInsideFrame;
        return dashed && m_width > 1 ? TPenStyle::psSolid : m_style;
    }

    friend bool operator==(const TPen&, const TPen&) = default;

private:
    TColor m_color = clBlack;
    std::int32_t m_width = 1;
    TPenMode m_mode = TPenMode::pmCopy;
    TPenStyle m_style = TPenStyle::psSolid;
};

// Colour and style are coupled: a clear brush is always white, and giving a
// clear brush a colour makes it solid.
class TBrush {
public:
    TColor Color() const { return m_color; }
    TBrushStyle Style() const { return m_style; }

    void SetColor(TColor color)
    {
        m_color = color;
        if (m_style == TBrushStyle::bsClear)
            m_style = TBrushStyle::bsSolid;
    }
    void SetStyle(TBrushStyle style)
    {
        m_style = style;
        if (style == TBrushStyle::bsClear)
            m_color = clWhite;
    }

    friend bool operator==(const TBrush&, const TBrush&) = default;

private:
    TColor m_color = clWhite;
    TBrushStyle m_style = TBrushStyle::bsSolid;
};

// Coordinates are the drawing's pixels: x to the right, y down, 32 bits.
class ReplayCanvas {
public:
    virtual ~ReplayCanvas() = default;

    // The pen and brush every later operation draws with.
    virtual void SetPen(const TPen& pen) = 0;
    virtual void SetBrush(const TBrush& brush) = 0;

    virtual void MoveTo(std::int32_t x, std::int32_t y) = 0;
    // A line from the pen position, which then moves to (x, y).
    virtual void LineTo(std::int32_t x, std::int32_t y) = 0;
    virtual void Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) = 0;
    virtual void Rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) = 0;
    // x3, y3: width and height of the corner ellipse.
    virtual void RoundRect(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t x3,
                           std::int32_t y3) = 0;
    // Fills, with the brush, the connected area of `color` around (x, y).
    virtual void FloodFill(std::int32_t x, std::int32_t y, TColor color) = 0;
    // Pixels on the surface; reads and writes outside it are not made by
    // the replay, which asks for Bounds first.
    virtual TColor Pixel(std::int32_t x, std::int32_t y) = 0;
    virtual void SetPixel(std::int32_t x, std::int32_t y, TColor color) = 0;
    // Fills with the brush, ignoring the pen mode.
    virtual void FillRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) = 0;

    // The whole surface, in drawing coordinates.
    struct Area {
        std::int32_t left, top, right, bottom;
        bool Contains(std::int64_t x, std::int64_t y) const { return x >= left && x < right && y >= top && y < bottom; }
    };
    virtual Area Bounds() const = 0;
};

}
