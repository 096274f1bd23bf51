#include "SettingsRules.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace kritz {
namespace {

TEST(SettingsRules, BooleanValuesFollowTheIntegerRule)
{
    const struct {
        const char* text;
        bool expected;  // read with the default true
    } cases[] = {
        // Zero, in every spelling the rule accepts.
        {"0", false}, {"00", false}, {"-0", false}, {"$0", false}, {"0x0", false}, {"0X00", false}, {"  0", false},
        {"$00000000000", false},
        // Non-zero integers.
        {"1", true}, {"2", true}, {"-1", true}, {"+7", true}, {"$1", true}, {"0x1", true}, {"$FFFFFFFF", true},
        {"$ffffffff", true}, {"2147483647", true}, {"-2147483648", true},
        // No integer: the default applies.
        {"", true}, {"yes", true}, {"true", true}, {"1a", true}, {"0x", true}, {"$", true}, {"+", true}, {"-", true},
        {"-$1", true}, {"$-1", true}, {"2147483648", true}, {"-2147483649", true}, {"$100000000", true},
        {"99999999999999999999", true}, {"0 ", true}, {"\t0", true}, {" 0x0", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParseIniBool(c.text, true), c.expected) << '"' << c.text << '"';
        // Integers decide by themselves; only non-integers take the default.
        EXPECT_EQ(ParseIniBool(c.text, false), c.expected && ParseIniInteger(c.text).has_value()) << '"' << c.text << '"';
    }
}

TEST(SettingsRules, IntegerValues)
{
    EXPECT_EQ(ParseIniInteger("$FFFFFFFF"), -1);
    EXPECT_EQ(ParseIniInteger("0x7fffffff"), 2147483647);
    EXPECT_EQ(ParseIniInteger("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ParseIniInteger("   +42"), 42);
}

TEST(SettingsRules, PathIsTheTrimmedWindowsDirectoryAndTheFileName)
{
    EXPECT_EQ(SettingsPathFor("C:\\WINDOWS"), "C:\\WINDOWS\\Kritz.Ini");
    EXPECT_EQ(SettingsPathFor(" \tC:\\Win Dir \r\n"), "C:\\Win Dir\\Kritz.Ini");
    EXPECT_EQ(SettingsPathFor("D:\\"), "D:\\\\Kritz.Ini");
    EXPECT_EQ(DirectoryPart("C:\\WINDOWS\\Kritz.Ini"), "C:\\WINDOWS\\");
    EXPECT_EQ(DirectoryPart("D:\\\\Kritz.Ini"), "D:\\\\");
}

// An ini file in memory that records every call and can fail on a key.
class FakeIni final : public IniReader, public IniWriter {
public:
    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) override
    {
        Check(key);
        const auto it = values.find(std::string(section) + "/" + std::string(key));
        return it == values.end() ? std::string(fallback) : it->second;
    }
    void WriteString(std::string_view section, std::string_view key, std::string_view value) override
    {
        Check(key);
        writes.push_back(std::string(key) + "=" + std::string(value));
        values[std::string(section) + "/" + std::string(key)] = value;
    }

    std::map<std::string, std::string> values;
    std::vector<std::string> writes;
    std::string failingKey;

private:
    void Check(std::string_view key)
    {
        if (key == failingKey)
            throw std::runtime_error("no access");
    }
};

TEST(SettingsRules, ReadingTakesEachKeyOrItsDefault)
{
    FakeIni ini;
    SaverSettings settings;
    ReadSettings(ini, settings);
    EXPECT_EQ(settings.fileName, "KritzSS.Krz");
    EXPECT_TRUE(settings.averagedDelays);

    ini.values = {{"Screen Saver/FileName", "Mine.Krz"}, {"Screen Saver/Averaged Delays", "0x0"}};
    ReadSettings(ini, settings);
    EXPECT_EQ(settings.fileName, "Mine.Krz");
    EXPECT_FALSE(settings.averagedDelays);

    // A failing read leaves what was read before it.
    ini.values = {{"Screen Saver/FileName", "Other.Krz"}};
    ini.failingKey = "Averaged Delays";
    EXPECT_THROW(ReadSettings(ini, settings), std::runtime_error);
    EXPECT_EQ(settings.fileName, "Other.Krz");
    EXPECT_FALSE(settings.averagedDelays);
}

TEST(SettingsRules, WritingSkipsABlankNameAndKeepsBlanksAroundOthers)
{
    const struct {
        const char* text;
        bool averaged;
        std::vector<std::string> writes;
    } cases[] = {
        {"Mine.Krz", true, {"FileName=Mine.Krz", "Averaged Delays=1"}},
        {" My Drawing.Krz ", false, {"FileName= My Drawing.Krz ", "Averaged Delays=0"}},
        {"", false, {"Averaged Delays=0"}},
        {" \t \r\n", true, {"Averaged Delays=1"}},
    };
    for (const auto& c : cases) {
        FakeIni ini;
        WriteSettings(ini, c.text, c.averaged);
        EXPECT_EQ(ini.writes, c.writes) << '"' << c.text << '"';
    }

    FakeIni failing;
    failing.failingKey = "FileName";
    EXPECT_THROW(WriteSettings(failing, "Mine.Krz", true), std::runtime_error);
    EXPECT_TRUE(failing.writes.empty());
}

}
}
