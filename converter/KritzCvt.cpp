// Entry point of the resolution converter. The window arrives with the
// converter's user interface; until then the program starts and ends at once.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return 0;
}
