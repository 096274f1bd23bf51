// Proves the Windows test set-up end to end: a real window on the test
// display, GDI drawing on it, and the pixels read back.
#include "Handles.h"

#include <gtest/gtest.h>

namespace kritz::win {
namespace {

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

UniqueWindow CreateTestWindow()
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = PlainWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "KritzGdiSmokeTest";
    RegisterClassA(&wc);
    UniqueWindow window(CreateWindowExA(0, wc.lpszClassName, "GDI smoke test", WS_POPUP | WS_VISIBLE, 10, 10, 200, 150,
                                        nullptr, nullptr, wc.hInstance, nullptr));
    UpdateWindow(window.Get());
    return window;
}

TEST(GdiSmoke, DrawnPixelsReadBackFromTheWindow)
{
    const UniqueWindow window = CreateTestWindow();
    ASSERT_TRUE(window);

    const WindowDC dc(window.Get());
    const UniqueBrush red(CreateSolidBrush(RGB(255, 0, 0)));
    const RECT box{20, 30, 60, 70};
    FillRect(dc.Get(), &box, red.Get());
    {
        const UniquePen bluePen(CreatePen(PS_SOLID, 1, RGB(0, 0, 255)));
        const SelectedObject pen(dc.Get(), bluePen.Get());
        MoveToEx(dc.Get(), 100, 10, nullptr);
        LineTo(dc.Get(), 100, 100);
    }
    GdiFlush();

    EXPECT_EQ(GetPixel(dc.Get(), 40, 50), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc.Get(), 100, 50), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dc.Get(), 150, 120), RGB(255, 255, 255));
}

}
}
