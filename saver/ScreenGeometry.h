// Where the full-screen saver window goes when there are several monitors:
// over all of them, with the drawing's origin at the primary monitor's
// top-left corner.
#pragma once

#include <cstdint>
#include <span>

namespace kritz {

struct PixelRect {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct FullScreenPlacement {
    PixelRect window;          // in virtual-screen coordinates
    std::int32_t originX = 0;  // the drawing's (0, 0), in the window's client coordinates
    std::int32_t originY = 0;
    friend bool operator==(const FullScreenPlacement&, const FullScreenPlacement&) = default;
};

// `monitors` in virtual-screen coordinates, where the primary monitor's
// top-left corner is (0, 0); at least one.
FullScreenPlacement FullScreenFor(std::span<const PixelRect> monitors);

}
