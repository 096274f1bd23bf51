// The screen: the primary display's size and the monitors' rectangles, in
// physical pixels.
#pragma once

#include <windows.h>

#include <vector>

namespace kritz::win {

class TScreen {
public:
    int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
    int Height() const { return GetSystemMetrics(SM_CYSCREEN); }
    // Every monitor, in virtual-screen coordinates; the primary's top-left
    // corner is (0, 0).
    std::vector<RECT> Monitors() const;
};

TScreen& Screen();

}
