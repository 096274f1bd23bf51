// The rules of the settings file that do not need Windows: its names and
// defaults, the path rule, and how a Boolean value is read from its text.
#pragma once

#include "Text.h"

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

// Reading and writing keys of an initialization file. Failures are thrown.
class IniReader {
public:
    virtual ~IniReader() = default;
    virtual std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) = 0;
    // A string read with an empty default, by the integer rule.
    bool ReadBool(std::string_view section, std::string_view key, bool fallback);
};

class IniWriter {
public:
    virtual ~IniWriter() = default;
    virtual void WriteString(std::string_view section, std::string_view key, std::string_view value) = 0;
    // "1" or "0".
    void WriteBool(std::string_view section, std::string_view key, bool value);
};

struct SaverSettings {
    std::string fileName{DefaultAnimationFile};
    bool averagedDelays = DefaultAveragedDelays;
};

// Reads "FileName", then "Averaged Delays", into `settings`. When a read
// throws, the fields read before it keep their new values.
void ReadSettings(IniReader& ini, SaverSettings& settings);

// Writes the file name as typed, unless it is empty once trimmed; then,
// always, the averaged-delays flag. Stops at the first write that throws.
void WriteSettings(IniWriter& ini, std::string_view fileNameText, bool averagedDelays);

}
