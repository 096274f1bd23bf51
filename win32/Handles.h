// Move-only owners for Win32 handles: windows, device contexts, GDI objects
// and the objects selected into a device context.
#pragma once

#include <windows.h>

#include <utility>

namespace kritz::win {

// Owns a handle and releases it with `Traits::Close` exactly once.
template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : m_handle(handle) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != Handle{}; }
    Handle Release() { return std::exchange(m_handle, Handle{}); }
    void Reset(Handle handle = Handle{})
    {
        if (Handle old = std::exchange(m_handle, handle))
            Traits::Close(old);
    }

private:
    Handle m_handle{};
};

struct WindowTraits {
    using Handle = HWND;
    static void Close(HWND h) { DestroyWindow(h); }
};
using UniqueWindow = UniqueHandle<WindowTraits>;

template <typename T>
struct GdiObjectTraits {
    using Handle = T;
    static void Close(T h) { DeleteObject(h); }
};
template <typename T>
using GdiObject = UniqueHandle<GdiObjectTraits<T>>;
using UniquePen = GdiObject<HPEN>;
using UniqueBrush = GdiObject<HBRUSH>;
using UniqueBitmap = GdiObject<HBITMAP>;
using UniqueFont = GdiObject<HFONT>;

struct IconTraits {
    using Handle = HICON;
    static void Close(HICON h) { DestroyIcon(h); }
};
using UniqueIcon = UniqueHandle<IconTraits>;

struct MemoryDCTraits {
    using Handle = HDC;
    static void Close(HDC h) { DeleteDC(h); }
};
using MemoryDC = UniqueHandle<MemoryDCTraits>;

// The device context of a window, from GetDC, released to its window.
class WindowDC {
public:
    explicit WindowDC(HWND window) : m_window(window), m_dc(GetDC(window)) {}
    ~WindowDC()
    {
        if (m_dc)
            ReleaseDC(m_window, m_dc);
    }
    WindowDC(WindowDC&& other) noexcept
        : m_window(other.m_window)
        , m_dc(std::exchange(other.m_dc, nullptr))
    {
    }
    WindowDC& operator=(WindowDC&&) = delete;
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC Get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

// Selects a GDI object into a device context for one scope and puts the
// previous one back at its end.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(SelectObject(dc, object)) {}
    ~SelectedObject()
    {
        if (m_dc)
            SelectObject(m_dc, m_previous);
    }
    SelectedObject(SelectedObject&& other) noexcept
        : m_dc(std::exchange(other.m_dc, nullptr))
        , m_previous(other.m_previous)
    {
    }
    SelectedObject& operator=(SelectedObject&&) = delete;
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

}
