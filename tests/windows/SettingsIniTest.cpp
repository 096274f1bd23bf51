// The settings file through the real private-profile functions, in the
// Windows directory of the test prefix.
#include "Exceptions.h"
#include "IniFile.h"
#include "SettingsRules.h"
#include "settings.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace kritz {
namespace {

using win::TIniFile;

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override { Remove(); }
    void TearDown() override { Remove(); }
    static void Remove()
    {
        DeleteFileA(SettingsPath().c_str());
        RemoveDirectoryA(SettingsPath().c_str());
    }
    static std::string Raw(const char* key)
    {
        char value[64];
        GetPrivateProfileStringA("Screen Saver", key, "<missing>", value, sizeof value, SettingsPath().c_str());
        return value;
    }
};

TEST_F(SettingsFile, LivesInTheWindowsDirectory)
{
    char directory[MAX_PATH];
    GetWindowsDirectoryA(directory, MAX_PATH);
    EXPECT_EQ(SettingsPath(), std::string(directory) + "\\Kritz.Ini");
}

TEST_F(SettingsFile, MissingFileGivesTheDefaults)
{
    TIniFile ini(SettingsPath());
    SaverSettings settings{"stale", false};
    ReadSettings(ini, settings);
    EXPECT_EQ(settings.fileName, "KritzSS.Krz");
    EXPECT_TRUE(settings.averagedDelays);
}

TEST_F(SettingsFile, SavedSettingsReadBackAndLeaveTheRestOfTheFile)
{
    WritePrivateProfileStringA("Other", "Key", "kept", SettingsPath().c_str());
    TIniFile ini(SettingsPath());
    WriteSettings(ini, "My Drawing.Krz", false);
    EXPECT_EQ(Raw("FileName"), "My Drawing.Krz");
    EXPECT_EQ(Raw("Averaged Delays"), "0");

    SaverSettings settings;
    ReadSettings(ini, settings);
    EXPECT_EQ(settings.fileName, "My Drawing.Krz");
    EXPECT_FALSE(settings.averagedDelays);

    char other[16];
    GetPrivateProfileStringA("Other", "Key", "", other, sizeof other, SettingsPath().c_str());
    EXPECT_STREQ(other, "kept");
}

TEST_F(SettingsFile, BlankNameLeavesTheKeyAsItWas)
{
    TIniFile ini(SettingsPath());
    WriteSettings(ini, "  \t ", true);
    EXPECT_EQ(Raw("FileName"), "<missing>");
    EXPECT_EQ(Raw("Averaged Delays"), "1");

    WriteSettings(ini, "Mine.Krz", true);
    WriteSettings(ini, "", false);
    EXPECT_EQ(Raw("FileName"), "Mine.Krz");
    EXPECT_EQ(Raw("Averaged Delays"), "0");
}

TEST_F(SettingsFile, LongValuesReadAsTheirFirst1023Characters)
{
    std::string name(1500, 'k');
    name[1022] = 'L';
    ASSERT_TRUE(WritePrivateProfileStringA("Screen Saver", "FileName", name.c_str(), SettingsPath().c_str()));
    TIniFile ini(SettingsPath());
    EXPECT_EQ(ini.ReadString("Screen Saver", "FileName", "KritzSS.Krz"), name.substr(0, 1023));
}

TEST_F(SettingsFile, AFailedWriteNamesTheFile)
{
    ASSERT_TRUE(CreateDirectoryA(SettingsPath().c_str(), nullptr));
    TIniFile ini(SettingsPath());
    try {
        WriteSettings(ini, "Mine.Krz", true);
        FAIL() << "the write did not fail";
    } catch (const win::EIniFileException& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + SettingsPath());
    }
}

}
}
