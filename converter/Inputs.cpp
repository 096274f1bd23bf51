#include "Inputs.h"

namespace kritz {

std::string_view FileNamePart(std::string_view name)
{
    const std::size_t separator = name.find_last_of("\\:");
    return separator == std::string_view::npos ? name : name.substr(separator + 1);
}

std::string SourcePath(std::string_view edit, std::string_view dialogName)
{
    const std::string_view trimmed = TrimControls(edit);
    return std::string(FileNamePart(dialogName) == trimmed ? dialogName : trimmed);
}

std::string DestinationPath(std::string_view edit, std::string_view dialogName)
{
    return std::string(FileNamePart(dialogName) == TrimControls(edit) ? dialogName : edit);
}

std::int32_t ParseNumber(std::string_view text)
{
    const std::string_view trimmed = TrimControls(text);
    const auto invalid = [&] {
        std::string message = "'";
        message.append(trimmed).append("' is not a valid integer value");
        return InputError(message);
    };

    std::string_view digits = trimmed;
    const bool negative = digits.starts_with('-');
    if (negative || digits.starts_with('+'))
        digits.remove_prefix(1);
    if (digits.empty())
        throw invalid();

    // Accumulated as a magnitude, so that -2147483648 is accepted.
    const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
    std::int64_t magnitude = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            throw invalid();
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit)
            throw invalid();
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

Factor AxisFactor(std::string_view destSize, std::string_view sourceSize)
{
    const std::int32_t dest = ParseNumber(destSize);
    const std::int32_t source = ParseNumber(sourceSize);
    if (source == 0)
        throw InputError(dest == 0 ? "Invalid floating point operation" : "Floating point division by zero");
    return Factor::Ratio(dest, source);
}

}
