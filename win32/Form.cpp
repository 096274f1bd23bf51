#include "Form.h"

#include "Application.h"
#include "Controls.h"
#include "Exceptions.h"
#include "Timer.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cctype>

namespace kritz::win {

namespace {

// A form inside another window looks this often whether that window, which
// may belong to another process, still exists.
constexpr UINT ParentWatchMilliseconds = 100;

struct FrameStyle {
    DWORD style;
    DWORD exStyle;
};

FrameStyle FrameFor(const FormLayout& layout)
{
    const bool sysMenu = layout.borderIcons & biSystemMenu;
    DWORD caption = WS_CAPTION | (sysMenu ? WS_SYSMENU : 0);
    DWORD boxes = sysMenu ? ((layout.borderIcons & biMinimize ? WS_MINIMIZEBOX : 0)
                             | (layout.borderIcons & biMaximize ? WS_MAXIMIZEBOX : 0))
                          : 0;
    switch (layout.borderStyle) {
    case TBorderStyle::bsNone:
        return {WS_POPUP, 0};
    case TBorderStyle::bsSingle:
        return {caption | WS_BORDER | boxes, 0};
    case TBorderStyle::bsSizeable:
        return {caption | WS_THICKFRAME | boxes, 0};
    case TBorderStyle::bsDialog:
        return {WS_POPUP | caption | DS_MODALFRAME, WS_EX_DLGMODALFRAME};
    case TBorderStyle::bsToolWindow:
        return {caption, WS_EX_TOOLWINDOW};
    case TBorderStyle::bsSizeToolWin:
        return {caption | WS_THICKFRAME, WS_EX_TOOLWINDOW};
    }
    return {WS_POPUP, 0};
}

void RegisterFormClass(const TCreateParams& params, WNDPROC procedure)
{
    WNDCLASSEXA wc{};
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (GetClassInfoExA(instance, params.className.c_str(), &wc))
        return;
    wc.cbSize = sizeof wc;
    wc.style = params.classStyle;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    wc.lpszClassName = params.className.c_str();
    if (!RegisterClassExA(&wc))
        throw EOSError("Error creating window class: " + SystemErrorText(GetLastError()));
}

}

unsigned ShiftFromKeys()
{
    unsigned shift = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        shift |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        shift |= ssCtrl;
    if (GetKeyState(VK_MENU) < 0)
        shift |= ssAlt;
    return shift;
}

unsigned ShiftFromMouse(WPARAM keys)
{
    unsigned shift = 0;
    if (keys & MK_SHIFT)
        shift |= ssShift;
    if (keys & MK_CONTROL)
        shift |= ssCtrl;
    if (keys & MK_LBUTTON)
        shift |= ssLeft;
    if (keys & MK_RBUTTON)
        shift |= ssRight;
    if (keys & MK_MBUTTON)
        shift |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0)
        shift |= ssAlt;
    return shift;
}

COLORREF ColorToRGB(unsigned long color)
{
    return (color & clSystemColor) == clSystemColor ? GetSysColor(static_cast<int>(color & 0xFF))
                                                     : static_cast<COLORREF>(color);
}

TForm::TForm(TApplication* owner, FormLayout layout)
    : m_owner(owner)
    , m_layout(std::move(layout))
{
    const FrameStyle frame = FrameFor(m_layout);
    RECT outer{0, 0, m_layout.clientWidth, m_layout.clientHeight};
    AdjustWindowRectEx(&outer, frame.style, FALSE, frame.exStyle);
    m_left = m_layout.left;
    m_top = m_layout.top;
    m_width = outer.right - outer.left;
    m_height = outer.bottom - outer.top;
    m_background.Reset(CreateSolidBrush(ColorToRGB(m_layout.color)));
    m_font.Reset(CreateFontA(m_layout.font.height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                             m_layout.font.name.c_str()));
}

TForm::TForm(Parented parented, FormLayout layout)
    : TForm(nullptr, std::move(layout))
{
    m_parentWindow = parented.parent;
}

TForm::~TForm()
{
    if (m_window)
        SetWindowLongPtrA(m_window.Get(), GWLP_USERDATA, 0);
}

HWND TForm::Handle()
{
    if (!m_window)
        CreateHandle();
    return m_window.Get();
}

void TForm::CreateParams(TCreateParams& params)
{
    const FrameStyle frame = FrameFor(m_layout);
    params.caption = m_layout.caption;
    params.style = frame.style | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    params.exStyle = frame.exStyle | WS_EX_CONTROLPARENT | (m_layout.taskbarButton ? WS_EX_APPWINDOW : 0);
    params.x = m_left;
    params.y = m_top;
    params.width = m_width;
    params.height = m_height;
    params.classStyle = CS_DBLCLKS;
    params.className = m_layout.windowClass;
    if (m_parentWindow) {
        params.wndParent = m_parentWindow;
        params.style = (params.style & ~WS_POPUP) | WS_CHILD;
    } else if (m_owner) {
        params.wndParent = m_owner->Handle();
    }
}

void TForm::CreateHandle()
{
    TCreateParams params;
    CreateParams(params);
    RegisterFormClass(params, StaticWndProc);
    const HWND window = CreateWindowExA(params.exStyle, params.className.c_str(), params.caption.c_str(), params.style,
                                        params.x, params.y, params.width, params.height, params.wndParent, nullptr,
                                        GetModuleHandleA(nullptr), this);
    if (!window)
        throw EOSError("Error creating window: " + SystemErrorText(GetLastError()));
    ReadBounds();
}

LRESULT CALLBACK TForm::StaticWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* created = reinterpret_cast<TForm*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
        created->m_window.Reset(window);
    }
    auto* form = reinterpret_cast<TForm*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!form)
        return DefWindowProcA(window, message, wParam, lParam);
    return Guarded([&] { return form->Dispatch(message, wParam, lParam); });
}

TForm* TForm::FromWindow(HWND window)
{
    const HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
    if (!root || reinterpret_cast<WNDPROC>(GetClassLongPtrA(root, GCLP_WNDPROC)) != StaticWndProc)
        return nullptr;
    return reinterpret_cast<TForm*>(GetWindowLongPtrA(root, GWLP_USERDATA));
}

LRESULT TForm::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (LRESULT reflected = 0; ReflectToControl(message, wParam, lParam, reflected))
        return reflected;
    switch (message) {
    case WM_ERASEBKGND:
        EraseBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(m_window.Get(), &ps);
        Paint(dc, ps.rcPaint);
        EndPaint(m_window.Get(), &ps);
        return 0;
    }
    case WM_CLOSE:
        Close();
        return 0;
    case WM_DESTROY:
        OnWindowDestroyed();
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (const HWND focus = GetFocus(); focus && IsChild(m_window.Get(), focus))
                m_lastFocus = focus;
            Deactivate();
        } else {
            Activate();
        }
        break;
    case WM_SETFOCUS:
        FocusControl();
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        WORD key = static_cast<WORD>(wParam);
        KeyDown(key, ShiftFromKeys());
        if (key == 0)
            return 0;
        break;
    }
    case WM_CHAR: {
        char key = static_cast<char>(wParam);
        KeyPress(key);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: {
        const TMouseButton button = message <= WM_LBUTTONDBLCLK   ? TMouseButton::mbLeft
                                    : message <= WM_RBUTTONDBLCLK ? TMouseButton::mbRight
                                                                  : TMouseButton::mbMiddle;
        const bool twice = message == WM_LBUTTONDBLCLK || message == WM_RBUTTONDBLCLK || message == WM_MBUTTONDBLCLK;
        MouseDown(button, ShiftFromMouse(wParam) | (twice ? unsigned{ssDouble} : 0u), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    }
    case WM_MOUSEMOVE:
        MouseMove(ShiftFromMouse(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case WM_SETCURSOR:
        if (m_cursor == crNone && LOWORD(lParam) == HTCLIENT) {
            ::SetCursor(nullptr);
            return TRUE;
        }
        break;
    case WM_MOVE:
        ReadBounds();
        break;
    case WM_SIZE:
        ReadBounds();
        Realign();
        break;

    default:
        break;
    }
    return WndProc(message, wParam, lParam);
}

LRESULT TForm::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(m_window.Get(), message, wParam, lParam);
}

// A window of another process does not always take its children with it
// when it goes, nor tell them: the form looks for itself, from a timer of its
// own process.
void TForm::WatchParent()
{
    if (m_parentWatch)
        return;
    m_parentWatch = std::make_unique<TTimer>();
    m_parentWatch->SetInterval(ParentWatchMilliseconds);
    m_parentWatch->OnTimer = [this] {
        if (IsWindow(m_parentWindow) && m_window && IsWindow(m_window.Get()))
            return;
        m_parentWatch->SetEnabled(false);
        if (m_window && IsWindow(m_window.Get()))
            DestroyWindow(m_window.Get());
        else
            OnWindowDestroyed();
    };
    m_parentWatch->SetEnabled(true);
}

void TForm::OnWindowDestroyed()
{
    SetWindowLongPtrA(m_window.Get(), GWLP_USERDATA, 0);
    m_window.Release();
    m_visible = false;
    // A window destroyed from outside (a parent that went away) ends the
    // form's showing as a close would.
    if (m_modal)
        m_modalResult = mrCancel;
    else if (IsMainForm())
        Application().Terminate();
}

void TForm::ReadBounds()
{
    RECT r;
    if (!m_window || !GetWindowRect(m_window.Get(), &r))
        return;
    if (const HWND parent = GetParent(m_window.Get()); parent && (GetWindowLongA(m_window.Get(), GWL_STYLE) & WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    m_left = r.left;
    m_top = r.top;
    m_width = r.right - r.left;
    m_height = r.bottom - r.top;
}

bool TForm::IsMainForm() const { return Application().MainForm() == this; }

void TForm::SetBounds(int left, int top, int width, int height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    if (m_window)
        SetWindowPos(m_window.Get(), nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::SetLeft(int left) { SetBounds(left, m_top, m_width, m_height); }
void TForm::SetTop(int top) { SetBounds(m_left, top, m_width, m_height); }
void TForm::SetWidth(int width) { SetBounds(m_left, m_top, width, m_height); }
void TForm::SetHeight(int height) { SetBounds(m_left, m_top, m_width, height); }

int TForm::ClientWidth()
{
    RECT r;
    GetClientRect(Handle(), &r);
    return r.right;
}

int TForm::ClientHeight()
{
    RECT r;
    GetClientRect(Handle(), &r);
    return r.bottom;
}

bool TForm::Visible() const { return m_visible && m_window; }

void TForm::Show()
{
    const HWND window = Handle();
    if (m_visible)
        return;
    m_visible = true;
    if (m_layout.position == TPosition::poScreenCenter && !m_parentWindow) {
        RECT work;
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        SetBounds(work.left + (work.right - work.left - m_width) / 2, work.top + (work.bottom - work.top - m_height) / 2,
                  m_width, m_height);
    }
    ShowWindow(window, m_parentWindow ? SW_SHOWNA : SW_SHOWNORMAL);
    if (m_parentWindow)
        WatchParent();
    DoShow();
    UpdateWindow(window);
}

void TForm::SetCursor(TCursor cursor)
{
    m_cursor = cursor;
    POINT pointer;
    if (cursor == crNone && m_window && GetCursorPos(&pointer) && WindowFromPoint(pointer) == m_window.Get())
        ::SetCursor(nullptr);
}

void TForm::Hide()
{
    m_visible = false;
    if (m_window)
        ShowWindow(m_window.Get(), SW_HIDE);
}

void TForm::Close()
{
    TCloseAction action = IsMainForm() ? TCloseAction::caFree : TCloseAction::caHide;
    if (OnClose)
        OnClose(action);
    if (action == TCloseAction::caNone)
        return;
    if (m_modal)
        m_modalResult = mrCancel;
    else if (IsMainForm())
        Application().Terminate();
    else
        Hide();
}

int TForm::ShowModal()
{
    m_modal = true;
    m_modalResult = mrNone;
    struct EndModal {
        TForm& form;
        ~EndModal()
        {
            form.m_modal = false;
            form.Hide();
        }
    } endModal{*this};

    Show();
    while (m_modalResult == mrNone) {
        if (!Application().HandleMessage())
            m_modalResult = mrCancel;
    }
    return m_modalResult;
}

void TForm::AddHint(HWND control, const std::string& hint)
{
    if (!m_hints) {
        m_hints.Reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                                      GetModuleHandleA(nullptr), nullptr));
        if (!m_hints)
            throw EOSError("Error creating window: " + SystemErrorText(GetLastError()));
    }
    TOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(hint.c_str());
    SendMessageA(m_hints.Get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

bool TForm::PreProcessMessage(MSG& message)
{
    const bool toControl = message.hwnd != m_window.Get();
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (m_layout.keyPreview && toControl) {
            WORD key = static_cast<WORD>(message.wParam);
            KeyDown(key, ShiftFromKeys());
            if (key == 0)
                return true;
            message.wParam = key;
        }
        return message.message == WM_KEYDOWN && DialogKey(static_cast<WORD>(message.wParam));
    case WM_CHAR:
        if (m_layout.keyPreview && toControl) {
            char key = static_cast<char>(message.wParam);
            KeyPress(key);
            if (key == 0)
                return true;
            message.wParam = static_cast<unsigned char>(key);
        }
        return false;
    case WM_SYSCHAR:
        return AccessKey(static_cast<char>(message.wParam));
    default:
        return false;
    }
}

bool TForm::DialogKey(WORD key)
{
    switch (key) {
    case VK_TAB:
        if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0)
            return false;
        return SelectNext(GetKeyState(VK_SHIFT) >= 0);
    case VK_RETURN: {
        TWinControl* focused = TWinControl::FromHandle(GetFocus());
        TWinControl* target = focused && focused->ClicksOnReturn()
                                  ? focused
                                  : FindControl(*this, [](const TWinControl& c) { return c.IsDefault() && c.CanFocus(); });
        if (!target)
            return false;
        target->Click();
        return true;
    }
    case VK_ESCAPE: {
        TWinControl* cancel = FindControl(*this, [](const TWinControl& c) { return c.IsCancel() && c.CanFocus(); });
        if (!cancel)
            return false;
        cancel->Click();
        return true;
    }
    default:
        return false;
    }
}

bool TForm::AccessKey(char key)
{
    const char wanted = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
    TWinControl* target =
        FindControl(*this, [wanted](const TWinControl& c) { return c.AccessKey() == wanted && c.CanFocus(); });
    if (!target)
        return false;
    if (target->ClicksOnReturn())
        target->Click();
    else
        target->SetFocus(true);
    return true;
}

bool TForm::SelectNext(bool forward)
{
    const std::vector<TWinControl*> stops = TabStops(*this);
    if (stops.empty())
        return false;
    const auto at = std::find(stops.begin(), stops.end(), TWinControl::FromHandle(GetFocus()));
    const std::ptrdiff_t count = static_cast<std::ptrdiff_t>(stops.size());
    std::ptrdiff_t next = forward ? 0 : count - 1;
    if (at != stops.end())
        next = ((at - stops.begin()) + (forward ? 1 : count - 1)) % count;
    stops[static_cast<std::size_t>(next)]->SetFocus(true);
    return true;
}

// The focus that comes to the form goes on to the control that had it last,
// or to the first one in tab order.
void TForm::FocusControl()
{
    if (m_lastFocus && IsChild(m_window.Get(), m_lastFocus) && IsWindowVisible(m_lastFocus)) {
        ::SetFocus(m_lastFocus);
        return;
    }
    const std::vector<TWinControl*> stops = TabStops(*this);
    if (!stops.empty())
        stops.front()->SetFocus(true);
}

void TForm::DoShow()
{
    if (OnShow)
        OnShow();
}

void TForm::Activate()
{
    if (OnActivate)
        OnActivate();
}

void TForm::Deactivate()
{
    if (OnDeactivate)
        OnDeactivate();
}

void TForm::KeyDown(WORD& key, unsigned shift)
{
    if (OnKeyDown)
        OnKeyDown(key, shift);
}

void TForm::KeyPress(char& key)
{
    if (OnKeyPress)
        OnKeyPress(key);
}

void TForm::MouseDown(TMouseButton button, unsigned shift, int x, int y)
{
    if (OnMouseDown)
        OnMouseDown(button, shift, x, y);
}

void TForm::MouseMove(unsigned shift, int x, int y)
{
    if (OnMouseMove)
        OnMouseMove(shift, x, y);
}

void TForm::EraseBackground(HDC dc)
{
    RECT client;
    GetClientRect(m_window.Get(), &client);
    FillRect(dc, &client, m_background.Get());
}

void TForm::Paint(HDC, const RECT&) {}

}
