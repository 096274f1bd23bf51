// One run of the resolution converter, apart from any window: it takes the
// texts of the window's controls and ends in exactly one outcome, which the
// caller shows.
#pragma once

#include "ConversionFiles.h"
#include "Inputs.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kritz {

inline constexpr std::string_view SourceMissingText = "Unable to find the source animation";
inline constexpr std::string_view CreatedText = "File created";
inline constexpr std::string_view FailedText = "Unable to complete the conversion";

enum class OutcomeKind : std::uint8_t {
    SourceMissing, // no file at the source path; nothing read or created
    InputError,    // a size text the conversion cannot use; no file opened
    Created,       // every record converted and the destination in place
    Failed,        // opening, converting or closing failed; no file changed
};

// Message box icons, with their Windows values.
enum class MessageIcon : std::uint32_t {
    Stop = 0x10,        // MB_ICONHAND
    Information = 0x40, // MB_ICONASTERISK
};

struct ConversionOutcome {
    OutcomeKind kind;
    // The text to show. For an input error it lacks the full stop that the
    // window's default error report appends.
    std::string message;
    MessageIcon icon;
};

// Converts the source animation into the destination for another screen
// size. The files come from `files`; the source is never changed, and the
// destination is replaced only when the whole conversion has succeeded.
ConversionOutcome ConvertAnimation(const ConversionInputs& inputs, ConversionFiles& files);

}
