#include "Application.h"

#include "Exceptions.h"

#include <cctype>

namespace kritz::win {

TApplication& Application()
{
    static TApplication application;
    return application;
}

HWND TApplication::Handle()
{
    if (m_window)
        return m_window.Get();
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    wc.lpszClassName = "TApplication";
    RegisterClassA(&wc);
    m_window.Reset(CreateWindowExA(0, wc.lpszClassName, Title().c_str(),
                                   WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0,
                                   nullptr, nullptr, instance, nullptr));
    if (!m_window)
        throw EOSError("Error creating window: " + SystemErrorText(GetLastError()));
    return m_window.Get();
}

std::string TApplication::Title() const
{
    char path[MAX_PATH * 4] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string name(path, length);
    if (const auto slash = name.find_last_of("\\/"); slash != std::string::npos)
        name.erase(0, slash + 1);
    if (const auto dot = name.find('.'); dot != std::string::npos)
        name.erase(dot);
    for (std::size_t i = 1; i < name.size(); ++i)
        name[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(name[i])));
    return name;
}

void TApplication::Adopt(std::unique_ptr<TForm> form)
{
    TForm& adopted = *form;
    m_forms.push_back(std::move(form));
    if (!m_mainForm)
        m_mainForm = &adopted;
    adopted.Handle();
}

void TApplication::Run()
{
    if (m_mainForm)
        m_mainForm->Show();
    while (HandleMessage()) {
    }
}

void TApplication::Dispatch(MSG& message)
{
    // The form of the window gets the keys that move between its controls,
    // and with key preview any key, before the window itself.
    // Those keys click buttons, so their handlers run here, guarded like any
    // other handler.
    if (TForm* form = TForm::FromWindow(message.hwnd);
        form && Guarded([&] { return static_cast<LRESULT>(form->PreProcessMessage(message)); }))
        return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void TApplication::ProcessMessages()
{
    MSG message;
    while (!m_terminated && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            m_terminated = true;
        else
            Dispatch(message);
    }
}

bool TApplication::HandleMessage()
{
    if (m_terminated)
        return false;
    MSG message;
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) {
        m_terminated = true;
        return false;
    }
    Dispatch(message);
    return true;
}

void TApplication::Terminate() { PostQuitMessage(0); }

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags)
{
    HWND owner = GetActiveWindow();
    if (!owner && m_mainForm && m_mainForm->HandleAllocated())
        owner = m_mainForm->Handle();
    return ::MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

void TApplication::HandleException(const std::exception& error)
{
    std::string text = error.what();
    if (text.empty() || text.back() != '.')
        text += '.';
    MessageBox(text, Title(), MB_ICONSTOP | MB_OK);
}

}
