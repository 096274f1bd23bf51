// The saver window under Wine: its two modes, its input rules and its
// preview child inside a host window of another process.
#include "frmSaver.h"

#include "Application.h"
#include "Handles.h"
#include "TestWindows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kritz {
namespace {

using namespace win;

// Counts close requests and keeps the window open, so that one window can
// take a whole sequence of events.
class ProbeSaver final : public TScreenSaverForm {
public:
    template <typename Owner>
    explicit ProbeSaver(Owner owner)
        : TScreenSaverForm(owner)
    {
        OnClose = [this](TCloseAction& action) {
            ++closes;
            action = TCloseAction::caNone;
        };
    }
    bool Preview() const { return FPreview; }
    POINT DrawOrigin() const { return FDrawOrigin; }
    int closes = 0;
};

void Pump() { test::Pump(200); }

UniqueWindow CreateHost(int width, int height) { return test::CreatePlainWindow("host", 40, 40, width, height); }

void MovePointerTo(int x, int y)
{
    SetCursorPos(x, y);
    Pump();
}

TEST(SaverWindow, MouseMovesCloseOnlyBeyondTwoPixelsFromTheLastReport)
{
    const struct {
        const char* what;
        std::vector<POINT> moves;
        int closes;
    } cases[] = {
        {"first report only records, however far", {{500, 400}}, 0},
        {"2 pixels on both axes is tolerated", {{100, 100}, {102, 98}}, 0},
        {"3 pixels on one axis closes", {{100, 100}, {103, 100}}, 1},
        {"3 pixels vertically closes", {{100, 100}, {100, 97}}, 1},
        {"slow drift never closes", {{100, 100}, {102, 100}, {104, 100}, {106, 102}, {108, 104}}, 0},
        {"(0, 0) records nothing", {{100, 100}, {0, 0}, {50, 50}}, 1},
        {"after (0, 0) the next report only records", {{0, 0}, {300, 300}, {301, 301}}, 0},
        {"each qualifying move requests again", {{100, 100}, {110, 100}, {120, 100}}, 2},
    };
    for (const auto& c : cases) {
        ProbeSaver saver(&Application());
        saver.Show();
        for (const POINT& p : c.moves)
            SendMessageA(saver.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
        EXPECT_EQ(saver.closes, c.closes) << c.what;
    }
}

TEST(SaverWindow, MovesWhileHiddenOnlyRecord)
{
    ProbeSaver saver(&Application());
    saver.Handle();
    SendMessageA(saver.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(100, 100));
    SendMessageA(saver.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(200, 200));
    EXPECT_EQ(saver.closes, 0);
    saver.Show();
    SendMessageA(saver.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(210, 200));
    EXPECT_EQ(saver.closes, 1);
}

TEST(SaverWindow, FullScreenCoversTheScreenAndHidesThePointer)
{
    ProbeSaver saver(&Application());
    EXPECT_FALSE(saver.Preview());
    saver.Show();
    RECT r;
    GetWindowRect(saver.Handle(), &r);
    EXPECT_EQ(r.left, GetSystemMetrics(SM_XVIRTUALSCREEN));
    EXPECT_EQ(r.top, GetSystemMetrics(SM_YVIRTUALSCREEN));
    EXPECT_EQ(r.right - r.left, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(r.bottom - r.top, GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_EQ(saver.DrawOrigin().x, -r.left);
    EXPECT_EQ(saver.DrawOrigin().y, -r.top);
    EXPECT_EQ(saver.Cursor(), crNone);
    EXPECT_EQ(GetWindowLongA(saver.Handle(), GWL_STYLE) & (WS_POPUP | WS_CHILD | WS_CAPTION), WS_POPUP);
    EXPECT_EQ(GetWindowLongA(saver.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
}

TEST(SaverWindow, KeyClickAndDeactivationCloseFullScreen)
{
    const auto closesAfter = [](auto&& act) {
        ProbeSaver saver(&Application());
        saver.Show();
        SetForegroundWindow(saver.Handle());
        MovePointerTo(640, 512);
        Pump();
        const int before = saver.closes;
        act(saver);
        Pump();
        return saver.closes - before;
    };
    EXPECT_GE(closesAfter([](ProbeSaver&) { test::SendKey(VK_ESCAPE); }), 1) << "Escape";
    EXPECT_GE(closesAfter([](ProbeSaver&) { test::SendKey('A'); }), 1) << "a letter";
    EXPECT_GE(closesAfter([](ProbeSaver&) { test::SendKey(VK_TAB); }), 1) << "Tab";
    EXPECT_GE(closesAfter([](ProbeSaver&) { test::SendClick(); }), 1) << "click";
    EXPECT_GE(closesAfter([](ProbeSaver&) {
                  const UniqueWindow other = CreateHost(100, 100);
                  SetForegroundWindow(other.Get());
                  SetActiveWindow(other.Get());
                  Pump();
              }),
              1)
        << "another window activated";
}

TEST(SaverWindow, PreviewIgnoresInputAndKeepsThePointer)
{
    const UniqueWindow host = CreateHost(152, 112);
    ProbeSaver saver(TForm::Parented{host.Get()});
    ASSERT_TRUE(saver.Preview());
    saver.Show();
    EXPECT_EQ(GetParent(saver.Handle()), host.Get());
    SetForegroundWindow(host.Get());
    for (WORD key : {WORD{VK_ESCAPE}, WORD{'A'}, WORD{VK_RETURN}})
        SendMessageA(saver.Handle(), WM_KEYDOWN, key, 0);
    SendMessageA(saver.Handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
    SendMessageA(saver.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    SendMessageA(saver.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(90, 90));
    SendMessageA(saver.Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
    Pump();
    EXPECT_EQ(saver.closes, 0);
    EXPECT_EQ(saver.Cursor(), crDefault);
}

TEST(SaverWindow, ParentedToNoWindowIsFullScreen)
{
    ProbeSaver saver(TForm::Parented{nullptr});
    EXPECT_FALSE(saver.Preview());
    EXPECT_EQ(saver.Width(), GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(saver.Height(), GetSystemMetrics(SM_CYVIRTUALSCREEN));
    saver.Show();
    SendMessageA(saver.Handle(), WM_KEYDOWN, 'A', 0);
    EXPECT_EQ(saver.closes, 1);
}

// The preview's child process: the saver window inside the host's window,
// shown modally until its showing ends.
int RunPreviewChild(HWND host)
{
    try {
        TScreenSaverForm saver(TForm::Parented{host});
        saver.ShowModal();
    } catch (const std::exception&) {
        return 3;
    }
    return 0;
}

struct ChildProcess {
    PROCESS_INFORMATION info{};
    ~ChildProcess()
    {
        if (info.hProcess) {
            TerminateProcess(info.hProcess, 9);
            CloseHandle(info.hProcess);
            CloseHandle(info.hThread);
        }
    }
};

HWND FindSaverChild(HWND host)
{
    for (int i = 0; i < 200; ++i) {
        if (HWND child = FindWindowExA(host, nullptr, "WindowsScreenSaverClass", nullptr))
            return child;
        Pump();
    }
    return nullptr;
}

TEST(SaverWindow, PreviewChildOfAnotherProcessEndsWithItsHost)
{
    UniqueWindow host = CreateHost(152, 112);
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command = "\"" + std::string(self) + "\" --preview-child " +
                          std::to_string(reinterpret_cast<std::uintptr_t>(host.Get()));
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    ChildProcess child;
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &child.info));

    const HWND saver = FindSaverChild(host.Get());
    ASSERT_NE(saver, nullptr);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(saver, GWL_STYLE)), 0x52000000u);
    EXPECT_EQ(GetWindowLongA(saver, GWL_EXSTYLE), 0);
    EXPECT_EQ(GetClassLongA(saver, GCL_STYLE), 0x080B);
    RECT r;
    GetWindowRect(saver, &r);
    EXPECT_EQ(r.right - r.left, 152);
    EXPECT_EQ(r.bottom - r.top, 112);
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 40);

    host.Reset();
    EXPECT_EQ(WaitForSingleObject(child.info.hProcess, 1000), WAIT_OBJECT_0) << "the preview outlived its host";
    DWORD status = 1;
    GetExitCodeProcess(child.info.hProcess, &status);
    EXPECT_EQ(status, 0u);
}

}
}

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--preview-child")
        return kritz::RunPreviewChild(reinterpret_cast<HWND>(std::stoull(argv[2])));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
