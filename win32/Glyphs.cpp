#include "Glyphs.h"

#include "Exceptions.h"

#include <array>
#include <vector>

namespace kritz::win {

namespace {

void DrawShape(HDC dc, TGlyph glyph, int x, int y, COLORREF color)
{
    UniquePen pen(CreatePen(PS_SOLID, 2, color));
    SelectedObject selected(dc, pen.Get());
    switch (glyph) {
    case TGlyph::Check: {
        const POINT points[] = {{x + 3, y + 8}, {x + 6, y + 11}, {x + 12, y + 4}};
        Polyline(dc, points, 3);
        break;
    }
    case TGlyph::Cross:
        MoveToEx(dc, x + 4, y + 4, nullptr);
        LineTo(dc, x + 12, y + 12);
        MoveToEx(dc, x + 12, y + 4, nullptr);
        LineTo(dc, x + 4, y + 12);
        break;
    case TGlyph::None:
        break;
    }
}

COLORREF ShapeColor(TGlyph glyph)
{
    return glyph == TGlyph::Check ? RGB(0, 128, 0) : RGB(192, 0, 0);
}

}

UniqueBitmap MakeGlyph(TGlyph glyph)
{
    WindowDC screen(nullptr);
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), 2 * GlyphSize, GlyphSize));
    MemoryDC dc(CreateCompatibleDC(screen.Get()));
    if (!bitmap || !dc)
        throw EOSError("Error creating a button image: " + SystemErrorText(GetLastError()));
    {
        SelectedObject selected(dc.Get(), bitmap.Get());
        const RECT all{0, 0, 2 * GlyphSize, GlyphSize};
        FillRect(dc.Get(), &all, GetSysColorBrush(COLOR_BTNFACE));
        DrawShape(dc.Get(), glyph, 0, 0, ShapeColor(glyph));
        // The disabled picture is embossed: a highlight below a shadow.
        DrawShape(dc.Get(), glyph, GlyphSize + 1, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawShape(dc.Get(), glyph, GlyphSize, 0, GetSysColor(COLOR_BTNSHADOW));
    }
    return bitmap;
}

UniqueIcon MakeDrawingIcon()
{
    constexpr int size = 32;
    struct {
        BITMAPINFOHEADER header;
        std::array<RGBQUAD, 256> colors;
    } info{};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = size;
    info.header.biHeight = size;
    info.header.biPlanes = 1;
    info.header.biBitCount = 8;
    info.header.biClrUsed = 256;
    // A 6 x 6 x 6 colour cube, then greys.
    for (int i = 0; i < 256; ++i) {
        const auto level = [](int step) { return static_cast<BYTE>(step * 51); };
        info.colors[static_cast<std::size_t>(i)] =
            i < 216 ? RGBQUAD{level(i / 36), level((i / 6) % 6), level(i % 6), 0}
                    : RGBQUAD{static_cast<BYTE>((i - 216) * 6), static_cast<BYTE>((i - 216) * 6),
                              static_cast<BYTE>((i - 216) * 6), 0};
    }
    WindowDC screen(nullptr);
    void* bits = nullptr;
    UniqueBitmap color(CreateDIBSection(screen.Get(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits,
                                        nullptr, 0));
    const std::vector<BYTE> opaque(size * size / 8, 0);
    UniqueBitmap mask(CreateBitmap(size, size, 1, 1, opaque.data()));
    MemoryDC dc(CreateCompatibleDC(screen.Get()));
    if (!color || !mask || !dc)
        throw EOSError("Error creating the icon: " + SystemErrorText(GetLastError()));
    {
        SelectedObject selected(dc.Get(), color.Get());
        // A sheet with a curved stroke, and the pencil that drew it.
        UniqueBrush sheet(CreateSolidBrush(RGB(255, 255, 255)));
        UniquePen outline(CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
        SelectedObject sheetBrush(dc.Get(), sheet.Get());
        SelectedObject outlinePen(dc.Get(), outline.Get());
        Rectangle(dc.Get(), 0, 0, size, size);
        UniquePen stroke(CreatePen(PS_SOLID, 2, RGB(0, 0, 153)));
        {
            SelectedObject strokePen(dc.Get(), stroke.Get());
            const POINT curve[] = {{4, 26}, {10, 10}, {16, 30}, {20, 18}};
            PolyBezier(dc.Get(), curve, 4);
        }
        UniqueBrush wood(CreateSolidBrush(RGB(255, 204, 0)));
        SelectedObject woodBrush(dc.Get(), wood.Get());
        const POINT pencil[] = {{20, 18}, {23, 11}, {30, 4}, {27, 1}, {20, 8}, {20, 18}};
        Polygon(dc.Get(), pencil, 6);
    }
    ICONINFO icon{TRUE, 0, 0, mask.Get(), color.Get()};
    UniqueIcon made(CreateIconIndirect(&icon));
    if (!made)
        throw EOSError("Error creating the icon: " + SystemErrorText(GetLastError()));
    return made;
}

}
