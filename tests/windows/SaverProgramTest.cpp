// KritzPlay.scr as the system starts it: its switches, the full-screen
// saver and the preview, each in a process of its own; and the replay window
// keeping its picture when covered.
#include "Application.h"
#include "Handles.h"
#include "KritzPlayu.h"
#include "RecordIo.h"
#include "ProgramWindows.h"
#include "TestWindows.h"
#include "SettingsRules.h"
#include "settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kritz {
namespace {

using namespace win;

std::string WindowsFile(const std::string& name) { return std::string(DirectoryPart(SettingsPath())) + name; }

void WriteAnimation(const std::string& name, const std::vector<DrawRecord>& records)
{
    StdFile file(WindowsFile(name), StdFile::Mode::Write);
    WriteRecords(file, records);
    file.Close();
}

// A red square, then a long pause: the saver is in a wait when input comes.
std::vector<DrawRecord> RedSquareThenPause()
{
    return {
        DrawRecord(GroupId::grPen, ActionId::acColors).Set(ColorsRecord{0x0000FF, 0x0000FF}),
        DrawRecord(GroupId::grShape, ActionId::acRectangle).Set(BoxLayout{100, 100, 300, 300}),
        DrawRecord(GroupId::grPause, ActionId::acPause).Set(PauseRecord{30000}),
    };
}

class SaverFiles : public ::testing::Test {
protected:
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }
    static void Clean()
    {
        for (const char* name : {"Kritz.Ini", "KritzSS.Krz", "KritzSSx.Krz", "Custom.Krz"})
            DeleteFileA(WindowsFile(name).c_str());
    }
    static void UseAnimation(const char* name)
    {
        WritePrivateProfileStringA("Screen Saver", "FileName", name, SettingsPath().c_str());
    }
};

using test::Program;

Program StartSaver(const std::string& arguments) { return Program(KRITZ_PLAY_PATH, arguments); }

// A visible top-level window of the program with the class, waiting up to `ms`.
HWND FindWindowOf(const Program& program, const char* className, int ms = 5000)
{
    return test::WaitForWindow(program, [&](HWND w) { return test::ClassOf(w) == className; }, ms);
}

using test::Pump;
using test::SendKey;
using test::SendMouse;

TEST_F(SaverFiles, SwitchesThatSelectNoWindowEndAtOnce)
{
    WriteAnimation("KritzSSx.Krz", RedSquareThenPause());
    // 1234567 names no window: the preview cannot be made.
    for (const char* arguments : {"", "s", "/a", "/p", "/p:1234", "/p x12", "/p 0x", "/p 1234567", "/x /s"}) {
        const Program saver = StartSaver(arguments);
        EXPECT_EQ(saver.ExitWithin(5000), 0) << '"' << arguments << '"';
    }
}

TEST_F(SaverFiles, FullScreenSwitchesReplayUntilAKeyDuringAPause)
{
    WriteAnimation("Custom.Krz", RedSquareThenPause());
    UseAnimation("Custom.Krz");
    for (const char* arguments : {"/s", "/S", "-s", "xs", "/p 0", "/s extra arguments"}) {
        const Program saver = StartSaver(arguments);
        const HWND window = FindWindowOf(saver, "TfrmMain");
        ASSERT_NE(window, nullptr) << arguments;
        RECT r;
        GetWindowRect(window, &r);
        EXPECT_EQ(r.right - r.left, GetSystemMetrics(SM_CXVIRTUALSCREEN)) << arguments;
        EXPECT_EQ(r.bottom - r.top, GetSystemMetrics(SM_CYVIRTUALSCREEN)) << arguments;
        Sleep(300);  // the square is drawn, the pause has begun
        SetForegroundWindow(window);
        SendKey(VK_SPACE);
        EXPECT_EQ(saver.ExitWithin(500), 0) << arguments;
    }
}

TEST_F(SaverFiles, AClickOrAThreePixelMoveEndsTheSaver)
{
    WriteAnimation("KritzSS.Krz", RedSquareThenPause());
    for (int ending = 0; ending < 2; ++ending) {
        SetCursorPos(600, 500);
        const Program saver = StartSaver("/s");
        const HWND window = FindWindowOf(saver, "TfrmMain");
        ASSERT_NE(window, nullptr);
        Sleep(300);
        SetForegroundWindow(window);
        if (ending == 0) {
            SendMouse(MOUSEEVENTF_LEFTDOWN);
            SendMouse(MOUSEEVENTF_LEFTUP);
        } else {
            SendMouse(MOUSEEVENTF_MOVE, 1, 0);  // only recorded
            Sleep(100);
            SendMouse(MOUSEEVENTF_MOVE, 2, 0);  // 2 pixels: tolerated
            Sleep(100);
            EXPECT_EQ(saver.ExitWithin(200), -1) << "moves of up to 2 pixels are tolerated";
            SendMouse(MOUSEEVENTF_MOVE, 3, 0);
        }
        EXPECT_EQ(saver.ExitWithin(500), 0) << (ending == 0 ? "click" : "move");
    }
}

// A missing file, and a device name whose reading would never end.
TEST_F(SaverFiles, AnUnreadableAnimationIsNamedThenTheScreenStaysWhite)
{
    for (const char* name : {"Missing.Krz", "CON"}) {
        UseAnimation(name);
        const Program saver = StartSaver("/s");
        const HWND box = FindWindowOf(saver, "#32770");
        ASSERT_NE(box, nullptr) << name;
        char caption[32] = {}, text[MAX_PATH + 32] = {};
        GetWindowTextA(box, caption, sizeof caption);
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        EXPECT_STREQ(caption, "Error");
        EXPECT_EQ(std::string(text), "Error loading \"" + WindowsFile(name) + "\"");
        PostMessageA(box, WM_COMMAND, IDOK, 0);

        const HWND window = FindWindowOf(saver, "TfrmMain");
        ASSERT_NE(window, nullptr) << "the saver goes on after the message";
        Sleep(200);
        EXPECT_EQ(FindWindowOf(saver, "#32770", 300), nullptr) << "no second message";
        SetForegroundWindow(window);
        SendKey(VK_SPACE);
        EXPECT_EQ(saver.ExitWithin(500), 0) << name;
    }
}

UniqueWindow CreateHost() { return test::CreatePlainWindow("Display settings", 50, 50, 152, 112); }

TEST_F(SaverFiles, PreviewReplaysThePreviewFileIgnoresInputAndEndsWithItsHost)
{
    // No preview file: the error names the one the preview looks for.
    UseAnimation("Custom.Krz");
    WriteAnimation("Custom.Krz", RedSquareThenPause());
    UniqueWindow host = CreateHost();
    const std::string handle = std::to_string(reinterpret_cast<std::uintptr_t>(host.Get()));
    {
        const Program saver = StartSaver("/p " + handle);
        const HWND box = FindWindowOf(saver, "#32770");
        ASSERT_NE(box, nullptr);
        char text[MAX_PATH + 32] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        EXPECT_EQ(std::string(text), "Error loading \"" + WindowsFile("KritzSSx.Krz") + "\"");
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        Pump(100);
    }

    WriteAnimation("KritzSSx.Krz", RedSquareThenPause());
    const Program saver = StartSaver("/P " + handle);
    HWND child = nullptr;
    for (int waited = 0; waited < 5000 && !child; waited += 20) {
        Pump(20);
        child = FindWindowExA(host.Get(), nullptr, "WindowsScreenSaverClass", nullptr);
    }
    ASSERT_NE(child, nullptr);
    RECT r;
    GetWindowRect(child, &r);
    EXPECT_EQ(r.right - r.left, 152);
    EXPECT_EQ(r.bottom - r.top, 112);

    for (WORD key : {WORD{VK_ESCAPE}, WORD{'A'}})
        PostMessageA(child, WM_KEYDOWN, key, 0);
    PostMessageA(child, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(child, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    PostMessageA(child, WM_MOUSEMOVE, 0, MAKELPARAM(100, 90));
    Pump(300);
    EXPECT_EQ(saver.ExitWithin(0), -1) << "the preview ignores input";

    host.Reset();
    EXPECT_EQ(saver.ExitWithin(1000), 0) << "the preview outlived its host";
}

TEST_F(SaverFiles, ThePictureSurvivesBeingCovered)
{
    WriteAnimation("Custom.Krz", RedSquareThenPause());
    UseAnimation("Custom.Krz");
    TfrmMain saver(&Application());
    // The covering window takes the activation, which would close the saver.
    saver.OnClose = [](TCloseAction& action) { action = TCloseAction::caNone; };
    saver.StartSaver();
    saver.Show();
    Pump(300);
    const auto middle = [&] {
        const WindowDC dc(saver.Handle());
        return GetPixel(dc.Get(), 200, 200);
    };
    ASSERT_EQ(middle(), 0x0000FFu);
    {
        UniqueWindow cover = CreateHost();
        SetWindowPos(cover.Get(), HWND_TOPMOST, 150, 150, 200, 200, SWP_SHOWWINDOW);
        Pump(100);
    }
    // Exposed: the system erases the window and asks it to paint.
    RedrawWindow(saver.Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
    Pump(200);
    EXPECT_EQ(middle(), 0x0000FFu);
}

}
}
