// Driving a program of ours in a process of its own, as a user would: its
// top-level windows, its controls found by class and text, and its message
// boxes read and answered.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

namespace kritz::test {

class Program {
public:
    // Starts `path` with the arguments, in `directory` (or this process's).
    Program(const std::string& path, const std::string& arguments, const std::string& directory = {})
    {
        std::string command = "\"" + path + "\"" + (arguments.empty() ? "" : " " + arguments);
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 directory.empty() ? nullptr : directory.c_str(), &startup, &info) != FALSE;
    }
    ~Program()
    {
        if (!started)
            return;
        if (WaitForSingleObject(info.hProcess, 0) != WAIT_OBJECT_0)
            TerminateProcess(info.hProcess, 99);
        CloseHandle(info.hProcess);
        CloseHandle(info.hThread);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD Id() const { return info.dwProcessId; }
    // The exit status once the process has ended within `ms`, else -1.
    long ExitWithin(DWORD ms) const
    {
        if (WaitForSingleObject(info.hProcess, ms) != WAIT_OBJECT_0)
            return -1;
        DWORD status = 0;
        GetExitCodeProcess(info.hProcess, &status);
        return static_cast<long>(status);
    }

    bool started = false;
    PROCESS_INFORMATION info{};
};

inline std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

// Asked of the window itself: for another process's window GetWindowText
// gives only the text it was created with.
inline std::string TextOf(HWND window)
{
    char text[1024] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                        &copied);
    return text;
}

// The first visible top-level window of the process that `wanted` accepts,
// waiting up to `ms`.
inline HWND WaitForWindow(const Program& program, const std::function<bool(HWND)>& wanted, int ms = 5000)
{
    struct Search {
        DWORD pid;
        const std::function<bool(HWND)>* wanted;
        HWND found;
    } search{program.Id(), &wanted, nullptr};
    for (int waited = 0; waited < ms; waited += 20) {
        EnumWindows(
            [](HWND w, LPARAM data) -> BOOL {
                auto* s = reinterpret_cast<Search*>(data);
                DWORD pid = 0;
                GetWindowThreadProcessId(w, &pid);
                if (pid != s->pid || !IsWindowVisible(w) || !(*s->wanted)(w))
                    return TRUE;
                s->found = w;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found)
            return search.found;
        Sleep(20);
    }
    return nullptr;
}

inline HWND WaitForWindow(const Program& program, const std::string& className, const std::string& caption)
{
    return WaitForWindow(program, [&](HWND w) { return ClassOf(w) == className && TextOf(w) == caption; });
}

// The first window below `top`, in creation order, that `wanted` accepts.
inline HWND FindControl(HWND top, const std::function<bool(HWND)>& wanted)
{
    struct Search {
        const std::function<bool(HWND)>* wanted;
        HWND found;
    } search{&wanted, nullptr};
    EnumChildWindows(
        top,
        [](HWND w, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            if (!(*s->wanted)(w))
                return TRUE;
            s->found = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline HWND FindControl(HWND top, const std::string& className, const std::string& text)
{
    return FindControl(top, [&](HWND w) { return _stricmp(ClassOf(w).c_str(), className.c_str()) == 0 && TextOf(w) == text; });
}

struct MessageBoxSeen {
    std::string caption;
    std::string text;
};

// Waits up to `ms` for a message box of the process, reads it and presses
// its OK button.
inline std::optional<MessageBoxSeen> AnswerMessageBox(const Program& program, int ms = 5000)
{
    const HWND box = WaitForWindow(program, [](HWND w) { return ClassOf(w) == "#32770"; }, ms);
    if (!box)
        return std::nullopt;
    char text[1024] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    MessageBoxSeen seen{TextOf(box), text};
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return seen;
}

inline void PostKey(HWND window, WORD key)
{
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
}

}
