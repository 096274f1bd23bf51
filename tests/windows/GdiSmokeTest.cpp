// Proves the Windows test set-up end to end: a real window on the test
// display, GDI drawing on it, and the pixels read back.
#include "Handles.h"
#include "TestWindows.h"

#include <gtest/gtest.h>

namespace kritz::win {
namespace {

TEST(GdiSmoke, DrawnPixelsReadBackFromTheWindow)
{
    const UniqueWindow window = test::CreatePlainWindow("GDI smoke test", 10, 10, 200, 150);
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
