// KritzCvt.exe as a user meets it: started in a folder of its own, driven
// through its window's controls, its answers read from its message boxes and
// its output compared with the portable conversion.
#include "DrawRecord.h"
#include "Inputs.h"
#include "ProgramWindows.h"
#include "Rescale.h"
#include "TestWindows.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace kritz {
namespace {

using namespace test;

using Bytes = std::vector<char>;

// Records of every layout the converter treats, and a trailing piece that
// it drops.
std::vector<DrawRecord> Drawing()
{
    return {
        DrawRecord(GroupId::grPen, ActionId::acStrokeStart, 40).Set(ColorPointLayout{0x00123456, 3, 5}),
        DrawRecord(GroupId::grPen, ActionId::acStrokeTo, 7).Set(ColorPointLayout{0x00123456, 639, 479}),
        DrawRecord(GroupId::grPen, ActionId::acPoint1).Set(PointLayout{-3, 100}),
        DrawRecord(GroupId::grShape, ActionId::acRectangle, 9).Set(BoxLayout{10, 20, 300, 20480}),
        DrawRecord(GroupId::grShape, ActionId::acLine).Set(LineLayout{1, 2, 600, 400}),
        DrawRecord(GroupId::grPen, ActionId::acColors).Set(ColorsRecord{0x0000FF, 0x00FF00}),
    };
}

Bytes Serialised(const std::vector<DrawRecord>& records, std::size_t trailing = 0)
{
    Bytes bytes;
    for (const DrawRecord& r : records)
        bytes.insert(bytes.end(), r.Raw().begin(), r.Raw().end());
    bytes.insert(bytes.end(), trailing, '\x5A');
    return bytes;
}

// The portable conversion of the records for the sizes as the fields hold them.
Bytes Converted(std::vector<DrawRecord> records, const char* srcW, const char* srcH, const char* destW, const char* destH)
{
    const Rescaler rescaler(AxisFactor(destW, srcW), AxisFactor(destH, srcH));
    for (DrawRecord& r : records)
        EXPECT_TRUE(rescaler.Rescale(r));
    return Serialised(records);
}

class ConverterProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "kritz-cvt-" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    void TearDown() override
    {
        WIN32_FIND_DATAA found;
        const HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do
                DeleteFileA((folder + found.cFileName).c_str());
            while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(folder.c_str());
    }

    void Write(const std::string& name, const Bytes& bytes)
    {
        std::ofstream(folder + name, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    std::optional<Bytes> Read(const std::string& name)
    {
        std::ifstream in(folder + name, std::ios::binary);
        if (!in)
            return std::nullopt;
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }

    // The program in the test's folder, and its window's controls by their
    // starting texts.
    struct Window {
        HWND form, srcFile, destFile, srcWidth, srcHeight, destWidth, destHeight, convert, cancel;
    };
    Window Open(Program& program)
    {
        EXPECT_TRUE(program.started);
        Window w{};
        w.form = WaitForWindow(program, "TfrmMain", "Kritz Resolution Converter");
        EXPECT_NE(w.form, nullptr);
        if (!w.form)
            return w;
        w.srcFile = FindControl(w.form, "Edit", "Source.Krz");
        w.destFile = FindControl(w.form, "Edit", "Dest.Krz");
        w.srcWidth = FindControl(w.form, "Edit", "640  ");
        w.srcHeight = FindControl(w.form, "Edit", "480  ");
        w.destWidth = FindControl(w.form, "Edit", "1024 ");
        w.destHeight = FindControl(w.form, "Edit", "768  ");
        w.convert = FindControl(w.form, "Button", "&Convert");
        w.cancel = FindControl(w.form, "Button", "C&ancel");
        for (HWND control : {w.srcFile, w.destFile, w.srcWidth, w.srcHeight, w.destWidth, w.destHeight, w.convert, w.cancel})
            EXPECT_NE(control, nullptr);
        return w;
    }

    std::string folder;
};

TEST_F(ConverterProgram, EnterConvertsSourceIntoDestWithTheStartingSizes)
{
    const std::vector<DrawRecord> drawing = Drawing();
    Write("Source.Krz", Serialised(drawing, 5));
    Program program(KRITZ_CVT_PATH, "", folder);
    const Window w = Open(program);
    ASSERT_NE(w.srcFile, nullptr);

    // Real keys: the focus starts in the source edit, where Enter clicks Convert.
    SetForegroundWindow(w.form);
    SendKey(VK_RETURN);
    const auto box = AnswerMessageBox(program);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->caption, "Kritz Converter");
    EXPECT_EQ(box->text, "File created");
    EXPECT_EQ(Read("Dest.Krz"), Converted(drawing, "640  ", "480  ", "1024 ", "768  "));

    // The window stays as it was, and Esc in an edit ends the program.
    Sleep(200);
    EXPECT_TRUE(IsWindowVisible(w.form));
    EXPECT_EQ(TextOf(w.srcFile), "Source.Krz");
    EXPECT_EQ(TextOf(w.destWidth), "1024 ");
    SendKey(VK_ESCAPE);
    EXPECT_EQ(program.ExitWithin(3000), 0);
}

TEST_F(ConverterProgram, EachFailureIsReportedAndTheWindowStaysUsable)
{
    const Bytes source = Serialised(Drawing());
    Write("Source.Krz", source);
    Program program(KRITZ_CVT_PATH, "", folder);
    const Window w = Open(program);
    ASSERT_NE(w.convert, nullptr);

    // Input errors come out of the click handler whichever way it runs:
    // a click, or Enter from an edit.
    const struct {
        const char* what;
        HWND field;
        const char* text;
        bool enter;
        const char* caption;
        const char* message;
    } cases[] = {
        {"missing source", w.srcFile, "Missing.Krz", false, "Kritz Converter", "Unable to find the source animation"},
        {"blank between digits", w.destWidth, "1 024", false, "Kritzcvt", "'1 024' is not a valid integer value."},
        {"blank between digits, Enter", w.destWidth, "1 024", true, "Kritzcvt",
         "'1 024' is not a valid integer value."},
        {"source width of 0, Enter", w.srcWidth, "0    ", true, "Kritzcvt", "Floating point division by zero."},
        {"destination names the source", w.destFile, "Source.Krz", false, "Kritz Converter",
         "Unable to complete the conversion"},
    };
    for (const auto& c : cases) {
        const std::string before = TextOf(c.field);
        SendMessageA(c.field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.text));
        if (c.enter) {
            SetForegroundWindow(w.form);
            SendKey(VK_RETURN);
        } else {
            PostMessageA(w.convert, BM_CLICK, 0, 0);
        }
        const auto box = AnswerMessageBox(program);
        ASSERT_TRUE(box) << c.what;
        EXPECT_EQ(box->caption, c.caption) << c.what;
        EXPECT_EQ(box->text, c.message) << c.what;
        Sleep(100);
        EXPECT_EQ(TextOf(c.field), c.text) << c.what << ": the run changed the field";
        EXPECT_FALSE(Read("Dest.Krz")) << c.what;
        SendMessageA(c.field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(before.c_str()));
    }
    EXPECT_EQ(Read("Source.Krz"), source);
    EXPECT_EQ(TextOf(w.destWidth), "1024 ");
    PostMessageA(w.cancel, BM_CLICK, 0, 0);
    EXPECT_EQ(program.ExitWithin(3000), 0);
}

// The open dialog's file-name box (cmb13 of the system's file dialogs).
constexpr int FileNameBox = 0x47C;

TEST_F(ConverterProgram, TheOpenDialogShowsTheNameAndTheConversionUsesItsPath)
{
    const std::vector<DrawRecord> drawing = Drawing();
    CreateDirectoryA((folder + "far").c_str(), nullptr);
    Write("far\\Far.Krz", Serialised(drawing));
    Program program(KRITZ_CVT_PATH, "", folder);
    const Window w = Open(program);
    const HWND browse = FindControl(GetParent(w.srcFile), "Button", "...");  // on the source's row
    ASSERT_NE(browse, nullptr);
    const auto openDialog = [&] {
        PostMessageA(browse, BM_CLICK, 0, 0);
        return WaitForWindow(program, "#32770", "Open Kritz Animation");
    };

    HWND dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    Sleep(300);
    EXPECT_EQ(TextOf(w.srcFile), "Source.Krz") << "a cancelled dialog changes nothing";

    dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    const std::string chosen = folder + "far\\Far.Krz";
    SendMessageA(GetDlgItem(dialog, FileNameBox), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(chosen.c_str()));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    Sleep(500);
    EXPECT_EQ(TextOf(w.srcFile), "Far.Krz") << "only the file-name part is shown";

    PostMessageA(w.convert, BM_CLICK, 0, 0);
    const auto box = AnswerMessageBox(program);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "File created");
    // The source came by the dialog's full path. The typed destination name
    // leads to the current directory, which the system's dialog may have
    // moved to the chosen file's folder.
    const auto made = Read("far\\Dest.Krz") ? Read("far\\Dest.Krz") : Read("Dest.Krz");
    EXPECT_EQ(made, Converted(drawing, "640  ", "480  ", "1024 ", "768  "));
    PostMessageA(w.cancel, BM_CLICK, 0, 0);
    EXPECT_EQ(program.ExitWithin(3000), 0);
    DeleteFileA((folder + "far\\Far.Krz").c_str());
    DeleteFileA((folder + "far\\Dest.Krz").c_str());
    RemoveDirectoryA((folder + "far").c_str());
}

TEST_F(ConverterProgram, SizeFieldsTakeDigitsSignsAndBlanksOnly)
{
    Write("Source.Krz", Serialised(Drawing()));
    Program program(KRITZ_CVT_PATH, "", folder);
    const Window w = Open(program);
    ASSERT_NE(w.srcWidth, nullptr);

    // Tab from the source edit passes its "..." button and selects the width.
    SetForegroundWindow(w.form);
    SendKey(VK_TAB);
    SendKey(VK_TAB);
    Sleep(300);
    EXPECT_EQ(SendMessageA(w.srcWidth, EM_GETSEL, 0, 0), MAKELONG(0, 5));
    for (const char c : std::string("x8A0"))
        PostMessageA(w.srcWidth, WM_CHAR, static_cast<WPARAM>(c), 0);
    Sleep(300);
    EXPECT_EQ(TextOf(w.srcWidth), "80   ");
    SendMessageA(w.srcWidth, EM_SETSEL, 2, 2);
    SendMessageA(w.srcWidth, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("0z"));
    EXPECT_EQ(TextOf(w.srcWidth), "80   ") << "a paste holding a letter is refused";
    SendMessageA(w.srcWidth, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("0+-9 1"));
    EXPECT_EQ(TextOf(w.srcWidth), "800+-") << "five positions at most";

    // Alt with the access key of Cancel ends the program.
    PostMessageA(w.srcWidth, WM_SYSCHAR, 'a', 1 << 29);
    EXPECT_EQ(program.ExitWithin(3000), 0);
}

}
}
