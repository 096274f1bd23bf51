#include "GdiCanvas.h"

#include "Exceptions.h"

#include <algorithm>

namespace kritz {

using namespace win;

namespace {

int RopFor(TPenMode mode)
{
    switch (mode) {
    case TPenMode::pmBlack: return R2_BLACK;
    case TPenMode::pmWhite: return R2_WHITE;
    case TPenMode::pmNop: return R2_NOP;
    case TPenMode::pmNot: return R2_NOT;
    case TPenMode::pmCopy: return R2_COPYPEN;
    case TPenMode::pmNotCopy: return R2_NOTCOPYPEN;
    case TPenMode::pmMergePenNot: return R2_MERGEPENNOT;
    case TPenMode::pmMaskPenNot: return R2_MASKPENNOT;
    case TPenMode::pmMergeNotPen: return R2_MERGENOTPEN;
    case TPenMode::pmMaskNotPen: return R2_MASKNOTPEN;
    case TPenMode::pmMerge: return R2_MERGEPEN;
    case TPenMode::pmNotMerge: return R2_NOTMERGEPEN;
    case TPenMode::pmMask: return R2_MASKPEN;
    case TPenMode::pmNotMask: return R2_NOTMASKPEN;
    case TPenMode::pmXor: return R2_XORPEN;
    case TPenMode::pmNotXor: return R2_NOTXORPEN;
    }
    return R2_COPYPEN;
}

int PenStyleFor(TPenStyle style)
{
    switch (style) {
    case TPenStyle::psSolid: return PS_SOLID;
    case TPenStyle::psDash: return PS_DASH;
    case TPenStyle::psDot: return PS_DOT;
    case TPenStyle::psDashDot: return PS_DASHDOT;
    case TPenStyle::psDashDotDot: return PS_DASHDOTDOT;
    case TPenStyle::psClear: return PS_NULL;
    case TPenStyle::psInsideFrame: return PS_INSIDEFRAME;
    }
    return PS_SOLID;
}

int HatchFor(TBrushStyle style)
{
    switch (style) {
    case TBrushStyle::bsHorizontal: return HS_HORIZONTAL;
    case TBrushStyle::bsVertical: return HS_VERTICAL;
    case TBrushStyle::bsFDiagonal: return HS_FDIAGONAL;
    case TBrushStyle::bsBDiagonal: return HS_BDIAGONAL;
    case TBrushStyle::bsCross: return HS_CROSS;
    default: return HS_DIAGCROSS;
    }
}

}

GdiCanvas::GdiCanvas(int width, int height, POINT origin)
    : m_width(std::max(width, 1))
    , m_height(std::max(height, 1))
    , m_origin(origin)
    , m_dc(CreateCompatibleDC(nullptr))
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = m_width;
    info.bmiHeader.biHeight = -m_height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap.Reset(CreateDIBSection(m_dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!m_dc || !m_bitmap)
        throw EOSError("Out of system resources");
    m_bitmapSelection.emplace(m_dc.Get(), m_bitmap.Get());
    SetViewportOrgEx(m_dc.Get(), origin.x, origin.y, nullptr);
    const RECT all{-origin.x, -origin.y, m_width - origin.x, m_height - origin.y};
    ::FillRect(m_dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

void GdiCanvas::SetPen(const TPen& pen)
{
    // Deselect before the old pen goes.
    m_penSelection.reset();
    m_pen.Reset(CreatePen(PenStyleFor(pen.DrawnStyle()), pen.DrawnWidth(), pen.Color()));
    m_penSelection.emplace(m_dc.Get(), m_pen ? static_cast<HGDIOBJ>(m_pen.Get()) : GetStockObject(BLACK_PEN));
    SetROP2(m_dc.Get(), RopFor(pen.Mode()));
}

void GdiCanvas::SetBrush(const TBrush& brush)
{
    m_brushSelection.reset();
    switch (brush.Style()) {
    case TBrushStyle::bsSolid:
        m_brush.Reset(CreateSolidBrush(brush.Color()));
        break;
    case TBrushStyle::bsClear:
        m_brush.Reset();
        break;
    default:
        m_brush.Reset(CreateHatchBrush(HatchFor(brush.Style()), brush.Color()));
        break;
    }
    m_brushSelection.emplace(m_dc.Get(), m_brush ? static_cast<HGDIOBJ>(m_brush.Get()) : GetStockObject(NULL_BRUSH));
    // A solid brush fills the gaps of dashed lines with its colour; hatches
    // let the picture show between their lines.
    if (brush.Style() == TBrushStyle::bsSolid) {
        SetBkMode(m_dc.Get(), OPAQUE);
        SetBkColor(m_dc.Get(), brush.Color());
    } else {
        SetBkMode(m_dc.Get(), TRANSPARENT);
    }
}

void GdiCanvas::MoveTo(std::int32_t x, std::int32_t y) { MoveToEx(m_dc.Get(), x, y, nullptr); }

void GdiCanvas::LineTo(std::int32_t x, std::int32_t y)
{
    ::LineTo(m_dc.Get(), x, y);
    m_dirty = true;
}

void GdiCanvas::Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    ::Ellipse(m_dc.Get(), x1, y1, x2, y2);
    m_dirty = true;
}

void GdiCanvas::Rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    ::Rectangle(m_dc.Get(), x1, y1, x2, y2);
    m_dirty = true;
}

void GdiCanvas::RoundRect(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t x3,
                          std::int32_t y3)
{
    ::RoundRect(m_dc.Get(), x1, y1, x2, y2, x3, y3);
    m_dirty = true;
}

void GdiCanvas::FloodFill(std::int32_t x, std::int32_t y, TColor color)
{
    ExtFloodFill(m_dc.Get(), x, y, color, FLOODFILLSURFACE);
    m_dirty = true;
}

TColor GdiCanvas::Pixel(std::int32_t x, std::int32_t y) { return GetPixel(m_dc.Get(), x, y); }

void GdiCanvas::SetPixel(std::int32_t x, std::int32_t y, TColor color)
{
    SetPixelV(m_dc.Get(), x, y, color);
    m_dirty = true;
}

void GdiCanvas::FillRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom)
{
    const RECT r{left, top, right, bottom};
    ::FillRect(m_dc.Get(), &r, m_brush ? m_brush.Get() : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
    m_dirty = true;
}

ReplayCanvas::Area GdiCanvas::Bounds() const
{
    return {-m_origin.x, -m_origin.y, m_width - m_origin.x, m_height - m_origin.y};
}

void GdiCanvas::Present(HDC target, const RECT& area)
{
    GdiFlush();
    BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, m_dc.Get(),
           area.left - m_origin.x, area.top - m_origin.y, SRCCOPY);
}

bool GdiCanvas::TakeDirty() { return std::exchange(m_dirty, false); }

}
