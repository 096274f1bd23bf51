// A message timer: OnTimer runs from the message loop every Interval
// milliseconds while Enabled.
#pragma once

#include "Handles.h"

#include <functional>

namespace kritz::win {

class TTimer {
public:
    TTimer();
    ~TTimer();
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    UINT Interval() const { return m_interval; }
    void SetInterval(UINT milliseconds);

    std::function<void()> OnTimer;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Update();

    UniqueWindow m_window;  // message-only, receives WM_TIMER
    bool m_enabled = false;
    UINT m_interval = 1000;
};

}
