// The Win32 layer's own promises: the application's title and default error
// report, the timer, the file stream's sharing, the programs' manifest.
#include "Application.h"
#include "Exceptions.h"
#include "FileStream.h"
#include "Timer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

namespace kritz::win {
namespace {

TEST(Layer, TitleIsTheProgramNameInWordCase)
{
    EXPECT_EQ(Application().Title(), "Layertests");  // the program file is LayerTests.exe
}

// Waits for a message box with the caption, reads its text and presses OK.
struct MessageBoxWatcher {
    explicit MessageBoxWatcher(std::string caption)
        : thread([this, caption] {
            for (int i = 0; i < 500 && !seen; ++i) {
                if (HWND box = FindWindowA("#32770", caption.c_str())) {
                    char body[256] = {};
                    GetDlgItemTextA(box, 0xFFFF, body, sizeof body);
                    text = body;
                    seen = true;
                    PostMessageA(box, WM_COMMAND, IDOK, 0);
                }
                Sleep(10);
            }
        })
    {
    }
    ~MessageBoxWatcher()
    {
        if (thread.joinable())
            thread.join();
    }
    std::atomic<bool> seen{false};
    std::string text;
    std::thread thread;
};

TEST(Layer, AnErrorEscapingAHandlerIsReportedAndTheLoopGoesOn)
{
    MessageBoxWatcher watcher(Application().Title());
    TTimer timer;
    int ticks = 0;
    timer.OnTimer = [&] {
        if (++ticks == 1)
            throw EReadError("'1 024' is not a valid integer value");
    };
    timer.SetInterval(10);
    timer.SetEnabled(true);
    for (int i = 0; i < 300 && ticks < 3; ++i) {
        Application().ProcessMessages();
        Sleep(10);
    }
    timer.SetEnabled(false);
    watcher.thread.join();
    ASSERT_TRUE(watcher.seen);
    EXPECT_EQ(watcher.text, "'1 024' is not a valid integer value.");
    EXPECT_GE(ticks, 3) << "the timer stopped after the error";
}

class FileStreamTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char dir[MAX_PATH];
        GetTempPathA(MAX_PATH, dir);
        path = std::string(dir) + "kritz-layer-test.Krz";
    }
    void TearDown() override { DeleteFileA(path.c_str()); }
    std::string path;
};

TEST_F(FileStreamTest, ReadsWholeRecordsAndHonoursShareModes)
{
    {
        TFileStream out(path, fmCreate);
        const std::vector<std::uint8_t> bytes(30, 5);
        out.Write(bytes);
        EXPECT_THROW(TFileStream(path, fmOpenRead | fmShareDenyNone), EFOpenError) << "fmCreate shares nothing";
    }
    TFileStream in(path, fmOpenRead | fmShareDenyWrite);
    EXPECT_TRUE(in.IsDiskFile());
    EXPECT_EQ(in.SizeHint(), 30u);
    EXPECT_NO_THROW(TFileStream(path, fmOpenRead | fmShareDenyWrite)) << "others may read";
    EXPECT_THROW(TFileStream(path, fmOpenWrite | fmShareDenyNone), EFOpenError) << "but not write";
    EXPECT_THROW(TFileStream(path, fmCreate), EFCreateError);

    std::vector<DrawRecord> records;
    const ReadSummary summary = AppendRecords(in, records);
    EXPECT_EQ(summary.records, 2u);
    EXPECT_EQ(summary.trailingBytes, 6u);
}

TEST_F(FileStreamTest, MissingFileIsAnOpenErrorNamingIt)
{
    try {
        TFileStream in(path, fmOpenRead);
        FAIL();
    } catch (const EFOpenError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot open file \"" + path + "\".", 0), 0u) << e.what();
        EXPECT_STREQ(e.ClassName(), "EFOpenError");
    }
}

TEST(Layer, ProgramsDeclarePerMonitorDpiAwareness)
{
    for (const char* program : {KRITZ_PLAY_PATH, KRITZ_CVT_PATH}) {
        const HMODULE module = LoadLibraryExA(program, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module, nullptr) << program;
        const HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
        ASSERT_NE(found, nullptr) << program;
        const std::string manifest(static_cast<const char*>(LockResource(LoadResource(module, found))),
                                   SizeofResource(module, found));
        EXPECT_NE(manifest.find("PerMonitorV2"), std::string::npos) << program;
        FreeLibrary(module);
    }
}

}
}
