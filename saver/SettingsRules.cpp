#include "SettingsRules.h"

namespace kritz {

namespace {

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<std::int32_t> ParseHex(std::string_view digits)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : digits) {
        const int d = HexDigit(c);
        if (d < 0)
            return std::nullopt;
        value = value * 16 + static_cast<unsigned>(d);
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::optional<std::int32_t> ParseDecimal(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value));
}

}

std::string SettingsPathFor(std::string_view windowsDirectory)
{
    std::string path(TrimControls(windowsDirectory));
    path += '\\';
    path += SettingsFileName;
    return path;
}

std::string_view DirectoryPart(std::string_view path)
{
    const auto slash = path.rfind('\\');
    return slash == std::string_view::npos ? std::string_view{} : path.substr(0, slash + 1);
}

std::optional<std::int32_t> ParseIniInteger(std::string_view text)
{
    std::string rewritten;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        rewritten = "$";
        rewritten += text.substr(2);
        text = rewritten;
    }
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (!text.empty() && text.front() == '$')
        return ParseHex(text.substr(1));
    return ParseDecimal(text);
}

bool ParseIniBool(std::string_view text, bool fallback)
{
    const auto value = ParseIniInteger(text);
    return value ? *value != 0 : fallback;
}

bool IniReader::ReadBool(std::string_view section, std::string_view key, bool fallback)
{
    return ParseIniBool(ReadString(section, key, ""), fallback);
}

void IniWriter::WriteBool(std::string_view section, std::string_view key, bool value)
{
    WriteString(section, key, value ? "1" : "0");
}

void ReadSettings(IniReader& ini, SaverSettings& settings)
{
    settings.fileName = ini.ReadString(SettingsSection, KeyFileName, DefaultAnimationFile);
    settings.averagedDelays = ini.ReadBool(SettingsSection, KeyAveragedDelays, DefaultAveragedDelays);
}

void WriteSettings(IniWriter& ini, std::string_view fileNameText, bool averagedDelays)
{
    if (!TrimControls(fileNameText).empty())
        ini.WriteString(SettingsSection, KeyFileName, fileNameText);
    ini.WriteBool(SettingsSection, KeyAveragedDelays, averagedDelays);
}

}
