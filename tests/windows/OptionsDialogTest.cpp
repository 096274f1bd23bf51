// KritzPlay.scr /c as the display settings start it: the options dialog in a
// process of its own, driven through its controls, with the settings file in
// the Windows directory.
#include "ProgramWindows.h"
#include "TestWindows.h"
#include "settings.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace kritz {
namespace {

using namespace test;

using Bytes = std::string;

constexpr const char* SavedSettings = "[Screen Saver]\r\nFileName=Own.Krz\r\nAveraged Delays=0\r\n";

// Whatever settings file the test finds is put back afterwards.
class OptionsDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = SettingsPath();
        found = Read();
        DeleteFileA(path.c_str());
    }
    void TearDown() override
    {
        RemoveDirectoryA(path.c_str());
        DeleteFileA(path.c_str());
        if (found)
            Write(*found);
    }

    std::optional<Bytes> Read() const
    {
        std::ifstream in(path, std::ios::binary);
        if (!in)
            return std::nullopt;
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    void Write(const Bytes& bytes) const { std::ofstream(path, std::ios::binary) << bytes; }
    std::string Key(const char* key) const
    {
        char value[256] = {};
        GetPrivateProfileStringA("Screen Saver", key, "<missing>", value, sizeof value, path.c_str());
        return value;
    }

    struct Dialog {
        HWND form, edit, check, ok, cancel;
    };
    Dialog Open(const Program& program)
    {
        EXPECT_TRUE(program.started);
        Dialog d{};
        d.form = WaitForWindow(program, "TdlgOptions", "Kritz Screen Saver Options");
        EXPECT_NE(d.form, nullptr);
        if (!d.form)
            return d;
        d.edit = FindControl(d.form, [](HWND w) { return ClassOf(w) == "Edit"; });
        d.check = FindControl(d.form, [](HWND w) {
            return ClassOf(w) == "Button" && (GetWindowLongA(w, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX;
        });
        d.ok = FindControl(d.form, "Button", "OK");
        d.cancel = FindControl(d.form, "Button", "Cancel");
        for (HWND control : {d.edit, d.check, d.ok, d.cancel})
            EXPECT_NE(control, nullptr);
        return d;
    }
    static bool Checked(HWND check) { return SendMessageA(check, BM_GETCHECK, 0, 0) == BST_CHECKED; }

    std::string path;
    std::optional<Bytes> found;
};

TEST_F(OptionsDialog, WithoutSettingsShowsTheDefaultsAndEscWritesNothing)
{
    Program program(KRITZ_PLAY_PATH, "/c");
    const Dialog d = Open(program);
    ASSERT_NE(d.edit, nullptr);
    EXPECT_FALSE(AnswerMessageBox(program, 300)) << "no settings file is no error";
    EXPECT_EQ(TextOf(d.edit), "KritzSS.Krz");
    EXPECT_TRUE(Checked(d.check));

    SetForegroundWindow(d.form);
    SendKey(VK_ESCAPE);
    EXPECT_EQ(program.ExitWithin(3000), 0);
    EXPECT_FALSE(Read());
}

TEST_F(OptionsDialog, EverySpellingOfTheSwitchOpensIt)
{
    for (const char* arguments : {"/C", "/c:1234", "-c"}) {
        Program program(KRITZ_PLAY_PATH, arguments);
        const Dialog d = Open(program);
        ASSERT_NE(d.form, nullptr) << arguments;
        PostMessageA(d.form, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.ExitWithin(3000), 0) << arguments;
    }
    EXPECT_FALSE(Read()) << "closing writes nothing";
}

TEST_F(OptionsDialog, OkAndEnterWriteBothSettings)
{
    const struct {
        const char* what;
        void (*confirm)(const Dialog&);
    } ways[] = {
        {"OK clicked", [](const Dialog& d) { PostMessageA(d.ok, BM_CLICK, 0, 0); }},
        {"Enter in the edit", [](const Dialog& d) { PostKey(d.edit, VK_RETURN); }},
    };
    for (const auto& way : ways) {
        Write(SavedSettings);
        Program program(KRITZ_PLAY_PATH, "/c");
        const Dialog d = Open(program);
        ASSERT_NE(d.edit, nullptr) << way.what;
        EXPECT_EQ(TextOf(d.edit), "Own.Krz") << way.what;
        EXPECT_FALSE(Checked(d.check)) << way.what;

        SendMessageA(d.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("New.Krz"));
        SendMessageA(d.check, BM_CLICK, 0, 0);
        way.confirm(d);
        EXPECT_EQ(program.ExitWithin(3000), 0) << way.what;
        EXPECT_EQ(Key("FileName"), "New.Krz") << way.what;
        EXPECT_EQ(Key("Averaged Delays"), "1") << way.what;
    }
}

TEST_F(OptionsDialog, CancelEscAndTheCloseBoxLeaveTheFileAsItWas)
{
    const struct {
        const char* what;
        void (*leave)(const Dialog&);
    } ways[] = {
        {"Cancel clicked", [](const Dialog& d) { PostMessageA(d.cancel, BM_CLICK, 0, 0); }},
        {"Esc in the edit", [](const Dialog& d) { PostKey(d.edit, VK_ESCAPE); }},
        {"close box", [](const Dialog& d) { PostMessageA(d.form, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const auto& way : ways) {
        Write(SavedSettings);
        Program program(KRITZ_PLAY_PATH, "/c");
        const Dialog d = Open(program);
        ASSERT_NE(d.edit, nullptr) << way.what;
        SendMessageA(d.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Changed.Krz"));
        SendMessageA(d.check, BM_CLICK, 0, 0);
        way.leave(d);
        EXPECT_EQ(program.ExitWithin(3000), 0) << way.what;
        EXPECT_EQ(Read(), Bytes(SavedSettings)) << way.what;
    }
}

TEST_F(OptionsDialog, SettingsThatCannotBeWrittenAreReportedThenTheDialogCloses)
{
    // A folder in the file's place: no write can succeed, whatever the rights.
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
    Program program(KRITZ_PLAY_PATH, "/c");
    const Dialog d = Open(program);
    ASSERT_NE(d.ok, nullptr);
    PostMessageA(d.ok, BM_CLICK, 0, 0);
    const auto box = AnswerMessageBox(program);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "Error saving settings");
    EXPECT_EQ(program.ExitWithin(3000), 0);
}

TEST_F(OptionsDialog, TheStatusBarExplainsTheAreaUnderThePointer)
{
    Program program(KRITZ_PLAY_PATH, "/c");
    const Dialog d = Open(program);
    ASSERT_NE(d.form, nullptr);
    const HWND bar = FindControl(d.form, [](HWND w) { return ClassOf(w) == "msctls_statusbar32"; });
    ASSERT_NE(bar, nullptr);
    RECT client;
    GetClientRect(d.form, &client);
    // The bar's single text is not passed between processes, its length is:
    // every hint has a length of its own. In its single-text mode the bar
    // answers for its first part.
    const auto shown = [&](HWND window, int x, int y) {
        POINT p{x, y};
        ClientToScreen(window, &p);
        // Real pointer motion, in the 0 to 65535 range of the screen.
        SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, p.x * 65536 / GetSystemMetrics(SM_CXSCREEN) + 1,
                  p.y * 65536 / GetSystemMetrics(SM_CYSCREEN) + 1);
        Sleep(150);
        return LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, 0, 0));
    };
    const std::size_t fileName = std::strlen("Enter the name of the *.Krz file to replay");
    const std::size_t delays = std::strlen("Replay animations without regard to actual time between strokes");
    const std::size_t ok = std::strlen("Click here to accept your changes");
    const std::size_t cancel = std::strlen("Click here to leave things the way they are");
    // The pointer's path: each step either replaces the text or keeps it.
    EXPECT_EQ(shown(d.form, 100, 12), fileName) << "first row";
    EXPECT_EQ(shown(d.form, 100, 37), delays) << "second row";
    EXPECT_EQ(shown(d.check, 6, 8), delays) << "check box";
    EXPECT_EQ(shown(d.form, 100, 57), 0u) << "bare strip of the form";
    EXPECT_EQ(shown(d.ok, 30, 12), ok) << "OK";
    EXPECT_EQ(shown(d.cancel, 30, 12), cancel) << "Cancel";
    EXPECT_EQ(shown(d.form, 20, client.bottom - 25), 0u) << "left part of the button band";
    PostMessageA(d.cancel, BM_CLICK, 0, 0);
    EXPECT_EQ(program.ExitWithin(3000), 0);
}

TEST_F(OptionsDialog, TheEditFollowsTheDialogsWidthOnePixelShortOfItsPanel)
{
    Program program(KRITZ_PLAY_PATH, "/c");
    const Dialog d = Open(program);
    ASSERT_NE(d.edit, nullptr);
    const auto editWidth = [&] {
        RECT r;
        GetWindowRect(d.edit, &r);
        return r.right - r.left;
    };
    const auto marginRight = [&] {
        RECT edit, panel;
        GetWindowRect(d.edit, &edit);
        GetClientRect(GetParent(d.edit), &panel);
        MapWindowPoints(HWND_DESKTOP, GetParent(d.edit), reinterpret_cast<POINT*>(&edit), 2);
        return panel.right - edit.right;
    };
    const int before = editWidth();
    EXPECT_EQ(marginRight(), 1);
    RECT frame;
    GetWindowRect(d.form, &frame);
    SetWindowPos(d.form, nullptr, 0, 0, frame.right - frame.left + 100, frame.bottom - frame.top + 40,
                 SWP_NOMOVE | SWP_NOZORDER);
    Sleep(200);
    EXPECT_EQ(editWidth(), before + 100);
    EXPECT_EQ(marginRight(), 1);
    PostMessageA(d.cancel, BM_CLICK, 0, 0);
    EXPECT_EQ(program.ExitWithin(3000), 0);
}

}
}
