// The two sample animations that ship with the screen saver, both recorded on
// a 640 x 480 screen.
#pragma once

#include "DrawRecord.h"

#include <vector>

namespace kritz::samplegen {

// "KritzSS.Krz", the full-screen default: a cottage in the country, drawn in
// about a minute.
std::vector<DrawRecord> FullScreenDrawing();

// "KritzSSx.Krz", shown unscaled in the small preview window of the display
// settings: a little cottage that fits the top-left 150 x 110 pixels.
std::vector<DrawRecord> PreviewDrawing();

}
