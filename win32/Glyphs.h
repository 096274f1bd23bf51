// The images the programs draw for themselves: button glyphs and the
// options dialog's icon. Nothing is loaded from the system or from files.
#pragma once

#include "Handles.h"

namespace kritz::win {

enum class TGlyph : unsigned char { None, Check, Cross };

inline constexpr int GlyphSize = 16;

// Two pictures of GlyphSize x GlyphSize side by side on the button face
// colour: the glyph for an enabled button, then an embossed grey one for a
// disabled button.
UniqueBitmap MakeGlyph(TGlyph glyph);

// A 32 x 32 icon with a 256-colour image: a pencil drawing a stroke.
UniqueIcon MakeDrawingIcon();

}
