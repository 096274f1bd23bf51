#include "Timer.h"

#include "Application.h"
#include "Exceptions.h"

namespace kritz::win {

namespace {
constexpr UINT_PTR TimerId = 1;
}

TTimer::TTimer()
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = "TKritzTimer";
    RegisterClassA(&wc);
    m_window.Reset(CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr));
    if (!m_window)
        throw EOSError("Error creating timer window: " + SystemErrorText(GetLastError()));
    SetWindowLongPtrA(m_window.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TTimer::~TTimer()
{
    KillTimer(m_window.Get(), TimerId);
    SetWindowLongPtrA(m_window.Get(), GWLP_USERDATA, 0);
}

void TTimer::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    Update();
}

void TTimer::SetInterval(UINT milliseconds)
{
    m_interval = milliseconds;
    Update();
}

void TTimer::Update()
{
    KillTimer(m_window.Get(), TimerId);
    if (m_enabled && m_interval > 0)
        SetTimer(m_window.Get(), TimerId, m_interval, nullptr);
}

LRESULT CALLBACK TTimer::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message != WM_TIMER || !timer)
        return DefWindowProcA(window, message, wParam, lParam);
    return Guarded([timer]() -> LRESULT {
        if (timer->m_enabled && timer->OnTimer)
            timer->OnTimer();
        return 0;
    });
}

}
