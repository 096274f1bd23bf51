// The rules of the settings file that do not need Windows: its names and
// defaults, the path rule, and how a Boolean value is read from its text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kritz {

inline constexpr std::string_view SettingsFileName = "Kritz.Ini";
inline constexpr std::string_view SettingsSection = "Screen Saver";
inline constexpr std::string_view KeyFileName = "FileName";
inline constexpr std::string_view KeyAveragedDelays = "Averaged Delays";
inline constexpr std::string_view DefaultAnimationFile = "KritzSS.Krz";
inline constexpr std::string_view PreviewAnimationFile = "KritzSSx.Krz";
inline constexpr bool DefaultAveragedDelays = true;

// Drops every leading and trailing character whose code is 0 to 32.
std::string_view TrimControls(std::string_view text);

// The settings file's path from the Windows directory's text: trimmed, then
// "\Kritz.Ini" appended, also after a trailing backslash.
std::string SettingsPathFor(std::string_view windowsDirectory);

// The directory part of a path: up to and including its last backslash.
std::string_view DirectoryPart(std::string_view path);

// The integer rule of a Boolean value: leading spaces; then "$" and at most
// 8 significant hexadecimal digits, or an optional sign and decimal digits
// within 32 bits; nothing after. A leading "0x" or "0X" counts as "$" when
// more follows it. Anything else is no integer.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

// A Boolean value's text: true when it is a non-zero integer, false when
// zero, `fallback` when it is no integer.
bool ParseIniBool(std::string_view text, bool fallback);

}
