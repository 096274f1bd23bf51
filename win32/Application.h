// The application object: owns the forms made with CreateForm, runs the
// message loop, and reports errors that escape an event handler.
#pragma once

#include "Form.h"

#include <exception>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace kritz::win {

class TApplication {
public:
    TApplication() = default;
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // The application's own hidden top-level window, which owns its forms.
    HWND Handle();
    // The program file's name without its folder, cut at its first dot,
    // every letter after the first in lower case: "KritzCvt.exe" gives "Kritzcvt".
    std::string Title() const;

    // Constructs a form owned by the application; the first becomes the
    // main form. Its window is created at once, still hidden.
    template <typename T, typename... Args>
    T& CreateForm(Args&&... args)
    {
        auto form = std::make_unique<T>(this, std::forward<Args>(args)...);
        T& created = *form;
        Adopt(std::move(form));
        return created;
    }
    TForm* MainForm() const { return m_mainForm; }

    // Shows the main form and handles messages until the application ends.
    void Run();
    // Handles every pending message without waiting.
    void ProcessMessages();
    // Waits for one message and handles it; false once the application is
    // to end.
    bool HandleMessage();
    // Ends the application: the message loops stop at the quit request.
    void Terminate();
    bool Terminated() const { return m_terminated; }

    int MessageBox(const std::string& text, const std::string& caption, UINT flags);
    // The default report of an error that escapes an event handler: its text
    // with a full stop, captioned with the title, stop icon, OK button.
    void HandleException(const std::exception& error);

private:
    void Adopt(std::unique_ptr<TForm> form);
    void Dispatch(MSG& message);

    UniqueWindow m_window;
    std::vector<std::unique_ptr<TForm>> m_forms;  // after m_window: destroyed first
    TForm* m_mainForm = nullptr;
    bool m_terminated = false;
};

TApplication& Application();

// Runs a message handler of a window; an error that escapes it gets the
// default report, and the message counts as handled.
template <typename Handler>
LRESULT Guarded(Handler&& handler)
{
    try {
        return handler();
    } catch (const std::exception& e) {
        Application().HandleException(e);
    } catch (...) {
        Application().HandleException(std::runtime_error("Unknown error"));
    }
    return 0;
}

}
