// KritzPlay: the screen saver's entry point. The system starts it with a
// switch: /s runs the saver full screen, /p HANDLE shows the preview inside
// that window, /c shows the options. Only the second character of the first
// argument counts, in either case.
#include "Application.h"
#include "Exceptions.h"
#include "KritzPlayu.h"
#include "dlgOpts.h"
#include "SettingsRules.h"

#include <cstdlib>
#include <string>

using namespace kritz;
using namespace kritz::win;

TfrmMain* frmMain = nullptr;
TdlgOptions* dlgOptions = nullptr;

namespace {

char ModeOf(std::string argument)
{
    for (char& c : argument) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return argument.size() >= 2 ? argument[1] : '\0';
}

void RunPreview(int argc, char** argv)
{
    const auto handle = argc > 2 ? ParseIniInteger(argv[2]) : std::nullopt;
    if (!handle)
        return;
    TfrmMain preview(TForm::Parented{reinterpret_cast<HWND>(static_cast<std::intptr_t>(*handle))});
    frmMain = &preview;
    frmMain->StartSaver();
    frmMain->ShowModal();
}

// The last resort: an error that ends the program names itself, then the
// process exits with status 1.
int ReportFatal(const char* className, const std::string& message)
{
    const std::string text = std::string("Exception ") + className + " in module KritzPlay.scr.\n" + message +
                             (message.empty() ? "" : ".");
    MessageBoxA(nullptr, text.c_str(), "Application Error", MB_ICONSTOP | MB_OK | MB_TASKMODAL);
    return 1;
}

int RunFullScreen()
{
    try {
        frmMain = &Application().CreateForm<TfrmMain>();
        frmMain->StartSaver();
        Application().Run();
    } catch (const Exception& e) {
        return ReportFatal(e.ClassName(), e.what());
    } catch (const std::exception& e) {
        return ReportFatal("Exception", e.what());
    } catch (...) {
        return ReportFatal("Exception", "");
    }
    return 0;
}

}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc < 2)
        return 0;
    switch (ModeOf(__argv[1])) {
    case 'c':
        try {
            dlgOptions = &Application().CreateForm<TdlgOptions>();
            dlgOptions->LoadAndShow();
        } catch (...) {
        }
        return 0;
    case 'p':
        try {
            RunPreview(__argc, __argv);
        } catch (...) {
        }
        return 0;
    case 's':
        return RunFullScreen();
    default:
        return 0;
    }
}
