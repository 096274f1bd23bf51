// What the Windows tests share: plain windows to host or cover the saver,
// real input through SendInput, and a message pump that lets time pass.
#pragma once

#include "Application.h"
#include "Handles.h"

namespace kritz::test {

// A visible pop-up window that does nothing but exist.
inline win::UniqueWindow CreatePlainWindow(const char* title, int x, int y, int width, int height)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "KritzTestWindow";
    RegisterClassA(&wc);
    win::UniqueWindow window(CreateWindowExA(0, wc.lpszClassName, title, WS_POPUP | WS_VISIBLE, x, y, width, height,
                                             nullptr, nullptr, wc.hInstance, nullptr));
    UpdateWindow(window.Get());
    return window;
}

inline void SendKey(WORD key)
{
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

inline void SendMouse(DWORD flags, LONG dx = 0, LONG dy = 0)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.dx = dx;
    input.mi.dy = dy;
    SendInput(1, &input, sizeof input);
}

inline void SendClick()
{
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
}

// Handles this process's messages for about `milliseconds`.
inline void Pump(int milliseconds)
{
    for (int waited = 0; waited < milliseconds; waited += 10) {
        win::Application().ProcessMessages();
        Sleep(10);
    }
}

}
