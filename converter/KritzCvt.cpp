// KritzCvt: the resolution converter. One window, made the main window; the
// program ends when it closes. No command line, no settings.
#include "Application.h"
#include "KritzConvU.h"

kritz::TfrmMain* frmMain = nullptr;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    frmMain = &kritz::win::Application().CreateForm<kritz::TfrmMain>();
    kritz::win::Application().Run();
    return 0;
}
