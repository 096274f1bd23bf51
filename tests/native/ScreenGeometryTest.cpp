#include "ScreenGeometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace kritz {
namespace {

TEST(ScreenGeometry, WindowSpansEveryMonitorAndTheDrawingStaysOnThePrimary)
{
    const struct {
        const char* layout;
        std::vector<PixelRect> monitors;
        FullScreenPlacement expected;
    } cases[] = {
        {"one monitor", {{0, 0, 1920, 1080}}, {{0, 0, 1920, 1080}, 0, 0}},
        {"second to the right", {{0, 0, 1920, 1080}, {1920, 0, 3200, 1024}}, {{0, 0, 3200, 1080}, 0, 0}},
        {"second to the left", {{0, 0, 1920, 1080}, {-1280, 0, 0, 1024}}, {{-1280, 0, 1920, 1080}, 1280, 0}},
        {"second above, offset", {{0, 0, 1600, 900}, {200, -1080, 2120, 0}}, {{0, -1080, 2120, 900}, 0, 1080}},
        {"three, primary in the middle",
         {{-2560, -200, 0, 1240}, {0, 0, 1920, 1080}, {1920, 300, 3000, 2220}},
         {{-2560, -200, 3000, 2220}, 2560, 200}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FullScreenFor(c.monitors), c.expected) << c.layout;
}

}
}
