// The texts that the converter window hands to a conversion, and the rules
// that turn them into file paths and scale factors.
#pragma once

#include "Factor.h"
#include "Text.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kritz {

struct ConversionInputs {
    std::string sourceEdit;   // text of the source file name edit
    std::string sourceDialog; // full path last chosen in the open dialog, or empty
    std::string destEdit;     // text of the destination file name edit
    std::string destDialog;   // full path last chosen in the save dialog, or empty
    std::string sourceWidth;  // texts of the four size fields, as typed
    std::string sourceHeight;
    std::string destWidth;
    std::string destHeight;
};

// A size text the conversion cannot use. what() is the text the user sees,
// without the full stop that the window's default error report appends.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The text after the last "\" or ":", or the whole name if it holds neither.
std::string_view FileNamePart(std::string_view name);

// The dialog's full path when its file-name part equals the trimmed edit text
// byte for byte; otherwise the edit text, trimmed on the source side and
// exactly as typed on the destination side.
std::string SourcePath(std::string_view edit, std::string_view dialogName);
std::string DestinationPath(std::string_view edit, std::string_view dialogName);

// A trimmed text of an optional sign and one or more decimal digits, in the
// signed 32-bit range. Throws InputError quoting the trimmed text otherwise.
std::int32_t ParseNumber(std::string_view text);

// destination size / source size, each read by ParseNumber, destination
// first. Throws InputError for a bad text or a source size of 0.
Factor AxisFactor(std::string_view destSize, std::string_view sourceSize);

}
