#include "SettingsRules.h"

#include <gtest/gtest.h>

#include <string>

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

}
}
