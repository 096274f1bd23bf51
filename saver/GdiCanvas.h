// The replay's canvas on Windows: GDI drawing on an off-screen 32-bit DIB
// section, which the window presents. What was drawn survives the window
// being covered, and pixels are read from the bitmap, not the screen.
#pragma once

#include "Handles.h"
#include "ReplayCanvas.h"

#include <optional>

namespace kritz {

class GdiCanvas final : public ReplayCanvas {
public:
    // A white bitmap of width x height pixels whose drawing coordinates
    // (0, 0) lie at `origin`.
    GdiCanvas(int width, int height, POINT origin);
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    void SetPen(const TPen& pen) override;
    void SetBrush(const TBrush& brush) override;
    void MoveTo(std::int32_t x, std::int32_t y) override;
    void LineTo(std::int32_t x, std::int32_t y) override;
    void Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
    void Rectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) override;
    void RoundRect(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t x3,
                   std::int32_t y3) override;
    void FloodFill(std::int32_t x, std::int32_t y, TColor color) override;
    TColor Pixel(std::int32_t x, std::int32_t y) override;
    void SetPixel(std::int32_t x, std::int32_t y, TColor color) override;
    void FillRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom) override;
    Area Bounds() const override;

    // Copies `area` (client coordinates of the window) onto `target`.
    void Present(HDC target, const RECT& area);
    // Whether anything was drawn since the last call.
    bool TakeDirty();
    void SetDirty() { m_dirty = true; }

private:
    int m_width;
    int m_height;
    POINT m_origin;
    win::MemoryDC m_dc;
    win::UniqueBitmap m_bitmap;
    std::optional<win::SelectedObject> m_bitmapSelection;
    win::UniquePen m_pen;
    std::optional<win::SelectedObject> m_penSelection;
    win::UniqueBrush m_brush;  // empty for the clear brush, which is a stock object
    std::optional<win::SelectedObject> m_brushSelection;
    bool m_dirty = true;
};

}
