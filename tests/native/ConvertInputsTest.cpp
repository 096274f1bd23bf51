// From the window's texts to paths and factors.
#include "Inputs.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace kritz {
namespace {

TEST(Inputs, TrimRemovesCodesUpTo32AtBothEndsOnly)
{
    EXPECT_EQ(TrimControls(std::string("\0\t\n \x1F" "a b\x7F\x20\r", 10)), "a b\x7F");
    EXPECT_EQ(TrimControls("\x80 a \xA0"), "\x80 a \xA0"); // not blanks, whatever the sign of char
    EXPECT_EQ(TrimControls(" \t "), "");
}

TEST(Inputs, PathRules)
{
    struct Case {
        std::string edit, dialog, source, dest;
    };
    const Case cases[] = {
        {"Source.Krz", "", "Source.Krz", "Source.Krz"},
        // The source side trims, the destination side keeps the text as typed.
        {"  a.Krz\t", "", "a.Krz", "  a.Krz\t"},
        // The dialog's full path when its file-name part equals the trimmed text.
        {"a.Krz", "C:\\anims\\a.Krz", "C:\\anims\\a.Krz", "C:\\anims\\a.Krz"},
        {" a.Krz ", "C:\\anims\\a.Krz", "C:\\anims\\a.Krz", "C:\\anims\\a.Krz"},
        {"a.Krz", "D:a.Krz", "D:a.Krz", "D:a.Krz"},
        {"a.Krz", "a.Krz", "a.Krz", "a.Krz"},
        // Compared byte for byte: other letter case, or more than the name.
        {"A.krz", "C:\\anims\\a.Krz", "A.krz", "A.krz"},
        {"anims\\a.Krz", "C:\\anims\\a.Krz", "anims\\a.Krz", "anims\\a.Krz"},
        {"a.Krz", "C:\\anims\\a.Krz ", "a.Krz", "a.Krz"},
        // Only "\" and ":" end a folder part.
        {"a.Krz", "/anims/a.Krz", "a.Krz", "a.Krz"},
        // An empty or blank edit matches an empty dialog name, or a folder.
        {"", "", "", ""},
        {"  ", "", "", ""},
        {" ", "C:\\anims\\", "C:\\anims\\", "C:\\anims\\"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SourcePath(c.edit, c.dialog), c.source) << "'" << c.edit << "' '" << c.dialog << "'";
        EXPECT_EQ(DestinationPath(c.edit, c.dialog), c.dest) << "'" << c.edit << "' '" << c.dialog << "'";
    }
}

std::optional<std::int32_t> Parse(const std::string& text, std::string* error = nullptr)
{
    try {
        return ParseNumber(text);
    } catch (const InputError& e) {
        if (error)
            *error = e.what();
        return std::nullopt;
    }
}

TEST(Inputs, NumberRuleAcceptsASignAndDigits)
{
    struct Case {
        std::string text;
        std::int32_t value;
    };
    const Case cases[] = {
        {"640  ", 640}, {"1024 ", 1024}, {"  +5 ", 5}, {"-640", -640}, {"-0", 0}, {"00012", 12},
        {"\t7\r\n", 7}, {"2147483647", 2147483647}, {"-2147483648", INT32_MIN},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Parse(c.text), c.value) << "'" << c.text << "'";
}

TEST(Inputs, NumberRuleQuotesTheTrimmedTextOfAnythingElse)
{
    struct Case {
        std::string text, quoted;
    };
    const Case cases[] = {
        {"1 024", "1 024"}, {"     ", ""}, {"", ""}, {" + ", "+"}, {"-", "-"}, {"1-", "1-"}, {"+-1", "+-1"},
        {"- 1", "- 1"}, {"12a", "12a"}, {"0x10", "0x10"}, {"$10", "$10"}, {"1.5", "1.5"},
        {"2147483648", "2147483648"}, {"-2147483649", "-2147483649"}, {"99999999999999999999", "99999999999999999999"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_EQ(Parse(c.text, &error), std::nullopt) << "'" << c.text << "'";
        EXPECT_EQ(error, "'" + c.quoted + "' is not a valid integer value");
    }
}

TEST(Inputs, AxisFactorReadsDestinationFirstThenDivides)
{
    struct Case {
        std::string dest, source, error;
    };
    const Case cases[] = {
        {"x", "y", "'x' is not a valid integer value"},
        {"0", "y", "'y' is not a valid integer value"},
        {"640", "0", "Floating point division by zero"},
        {"-1", " -0 ", "Floating point division by zero"},
        {"0", "0", "Invalid floating point operation"},
    };
    for (const Case& c : cases) {
        try {
            AxisFactor(c.dest, c.source);
            ADD_FAILURE() << c.dest << "/" << c.source << " gave no error";
        } catch (const InputError& e) {
            EXPECT_EQ(std::string(e.what()), c.error);
        }
    }
    EXPECT_EQ(AxisFactor("1024 ", "640  ").Significand(), Factor::Ratio(1024, 640).Significand());
}

}
}
