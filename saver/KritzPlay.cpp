// Entry point of the screen saver. The modes arrive with the later parts of
// the saver; until then the program starts and ends at once.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return 0;
}
