#include "ScreenGeometry.h"

#include <algorithm>

namespace kritz {

FullScreenPlacement FullScreenFor(std::span<const PixelRect> monitors)
{
    if (monitors.empty())
        return {};
    PixelRect all = monitors.front();
    for (const PixelRect& m : monitors.subspan(1)) {
        all.left = std::min(all.left, m.left);
        all.top = std::min(all.top, m.top);
        all.right = std::max(all.right, m.right);
        all.bottom = std::max(all.bottom, m.bottom);
    }
    return {all, -all.left, -all.top};
}

}
