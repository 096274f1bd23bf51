#include "Screen.h"

namespace kritz::win {

TScreen& Screen()
{
    static TScreen screen;
    return screen;
}

std::vector<RECT> TScreen::Monitors() const
{
    std::vector<RECT> monitors;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR, HDC, LPRECT area, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<RECT>*>(list)->push_back(*area);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&monitors));
    if (monitors.empty())
        monitors.push_back({0, 0, Width(), Height()});
    return monitors;
}

}
