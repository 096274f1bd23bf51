#include "Controls.h"

#include "Application.h"
#include "Exceptions.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cctype>

namespace kritz::win {

namespace {

constexpr const char* ControlProperty = "Kritz.Control";
constexpr UINT_PTR SubclassId = 1;

void InitCommonControls()
{
    static const bool done = [] {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
        return InitCommonControlsEx(&init) != FALSE;
    }();
    (void)done;
}

void RegisterPanelClass()
{
    static const bool done = [] {
        WNDCLASSA wc{};
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.lpszClassName = "TPanel";
        return RegisterClassA(&wc) != 0;
    }();
    if (!done)
        throw EOSError("Error creating window class: " + SystemErrorText(GetLastError()));
}

int TextHeight(HFONT font)
{
    WindowDC screen(nullptr);
    SelectedObject selected(screen.Get(), font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen.Get(), &metrics);
    return metrics.tmHeight;
}

// Controls are subclassed with a Unicode window procedure: the texts of
// their messages are UTF-16.
std::string Narrow(const wchar_t* text)
{
    if (!text || !*text)
        return {};
    const int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), length, nullptr, nullptr);
    narrow.pop_back();
    return narrow;
}

std::wstring Widen(const std::string& text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    wide.pop_back();
    return wide;
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

}

// ---- holders of controls

RECT TControlParent::AlignArea()
{
    RECT area{};
    GetClientRect(ParentHandle(), &area);
    return area;
}

void TControlParent::InsertControl(TWinControl& control) { m_controls.push_back(&control); }

void TControlParent::RemoveControl(TWinControl& control) { std::erase(m_controls, &control); }

void TControlParent::MoveInTabOrder(TWinControl& control, int index)
{
    RemoveControl(control);
    const auto at = std::clamp<std::ptrdiff_t>(index, 0, static_cast<std::ptrdiff_t>(m_controls.size()));
    m_controls.insert(m_controls.begin() + at, &control);
}

void TControlParent::Realign()
{
    RECT area = AlignArea();
    const auto aligned = [this](TAlign align) {
        std::vector<TWinControl*> found;
        for (TWinControl* c : m_controls) {
            if (c->Align() == align && (GetWindowLongA(c->Handle(), GWL_STYLE) & WS_VISIBLE))
                found.push_back(c);
        }
        // Controls that share a side keep the order of their positions.
        std::stable_sort(found.begin(), found.end(), [align](const TWinControl* a, const TWinControl* b) {
            const TBounds& x = a->Bounds();
            const TBounds& y = b->Bounds();
            switch (align) {
            case TAlign::alTop:
                return x.top < y.top;
            case TAlign::alBottom:
                return x.top + x.height > y.top + y.height;
            case TAlign::alLeft:
                return x.left < y.left;
            case TAlign::alRight:
                return x.left + x.width > y.left + y.width;
            default:
                return false;
            }
        });
        return found;
    };
    for (TWinControl* c : aligned(TAlign::alTop)) {
        c->SetBounds({area.left, area.top, Width(area), c->Bounds().height});
        area.top += c->Bounds().height;
    }
    for (TWinControl* c : aligned(TAlign::alBottom)) {
        area.bottom -= c->Bounds().height;
        c->SetBounds({area.left, area.bottom, Width(area), c->Bounds().height});
    }
    for (TWinControl* c : aligned(TAlign::alLeft)) {
        c->SetBounds({area.left, area.top, c->Bounds().width, Height(area)});
        area.left += c->Bounds().width;
    }
    for (TWinControl* c : aligned(TAlign::alRight)) {
        area.right -= c->Bounds().width;
        c->SetBounds({area.right, area.top, c->Bounds().width, Height(area)});
    }
    for (TWinControl* c : aligned(TAlign::alClient))
        c->SetBounds({area.left, area.top, std::max(0, Width(area)), std::max(0, Height(area))});
}

bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    HWND child = nullptr;
    switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        child = reinterpret_cast<HWND>(lParam);
        break;
    case WM_DRAWITEM:
        child = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
        break;
    default:
        return false;
    }
    TWinControl* control = child ? TWinControl::FromHandle(child) : nullptr;
    if (!control)
        return false;
    switch (message) {
    case WM_COMMAND:
        control->Command(HIWORD(wParam));
        result = 0;
        return true;
    case WM_DRAWITEM:
        control->DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    default:
        if (HBRUSH brush = control->CtlColor(reinterpret_cast<HDC>(wParam))) {
            result = reinterpret_cast<LRESULT>(brush);
            return true;
        }
        return false;
    }
}

// ---- the common part of every control

TWinControl::TWinControl(TControlParent& parent, const TBounds& bounds)
    : m_parent(parent)
    , m_bounds(bounds)
{
    InitCommonControls();
}

TWinControl::~TWinControl()
{
    m_parent.RemoveControl(*this);
    if (m_window) {
        RemoveWindowSubclass(m_window.Get(), SubclassProc, SubclassId);
        RemovePropA(m_window.Get(), ControlProperty);
    }
}

void TWinControl::CreateWnd(const char* className, DWORD style, DWORD exStyle, const std::string& text)
{
    const HWND window = CreateWindowExA(exStyle, className, text.c_str(), style | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                                        m_bounds.left, m_bounds.top, m_bounds.width, m_bounds.height,
                                        m_parent.ParentHandle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window)
        throw EOSError("Error creating window: " + SystemErrorText(GetLastError()));
    m_window.Reset(window);
    SetPropA(window, ControlProperty, this);
    SetWindowSubclass(window, SubclassProc, SubclassId, reinterpret_cast<DWORD_PTR>(this));
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    // A control made later lies above the ones before it.
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    m_parent.InsertControl(*this);
}

TWinControl* TWinControl::FromHandle(HWND window)
{
    return window ? static_cast<TWinControl*>(GetPropA(window, ControlProperty)) : nullptr;
}

LRESULT CALLBACK TWinControl::SubclassProc(HWND, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self)
{
    auto* control = reinterpret_cast<TWinControl*>(self);
    return Guarded([&] { return control->Dispatch(message, wParam, lParam); });
}

LRESULT TWinControl::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (LRESULT reflected = 0; ReflectToControl(message, wParam, lParam, reflected))
        return reflected;
    switch (message) {
    case WM_NCDESTROY: {
        const HWND window = m_window.Release();
        RemoveWindowSubclass(window, SubclassProc, SubclassId);
        RemovePropA(window, ControlProperty);
        return DefSubclassProc(window, message, wParam, lParam);
    }
    case WM_MOUSEMOVE:
        if (OnMouseMove)
            OnMouseMove(ShiftFromMouse(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        break;
    case WM_SIZE: {
        const LRESULT result = WndProc(message, wParam, lParam);
        ReadBounds();
        Realign();
        if (OnResize)
            OnResize();
        return result;
    }
    case WM_MOVE:
        ReadBounds();
        break;
    default:
        break;
    }
    return WndProc(message, wParam, lParam);
}

LRESULT TWinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefaultHandler(message, wParam, lParam);
}

LRESULT TWinControl::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefSubclassProc(m_window.Get(), message, wParam, lParam);
}

void TWinControl::ReadBounds()
{
    RECT r;
    if (!m_window || !GetWindowRect(m_window.Get(), &r))
        return;
    MapWindowPoints(HWND_DESKTOP, GetParent(m_window.Get()), reinterpret_cast<POINT*>(&r), 2);
    m_bounds = {r.left, r.top, Width(r), Height(r)};
}

COLORREF TWinControl::FaceColor() { return m_ownColor ? m_color : m_parent.FaceColor(); }

HBRUSH TWinControl::FaceBrush() { return m_ownColor ? m_brush.Get() : m_parent.FaceBrush(); }

void TWinControl::SetColor(unsigned long color)
{
    m_ownColor = true;
    m_color = ColorToRGB(color);
    m_brush.Reset(CreateSolidBrush(m_color));
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TWinControl::SetBounds(const TBounds& bounds)
{
    m_bounds = bounds;
    if (m_window)
        SetWindowPos(m_window.Get(), nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::SetWidth(int width) { SetBounds({m_bounds.left, m_bounds.top, width, m_bounds.height}); }

int TWinControl::ClientWidth() const
{
    RECT r{};
    GetClientRect(Handle(), &r);
    return r.right;
}

int TWinControl::ClientHeight() const
{
    RECT r{};
    GetClientRect(Handle(), &r);
    return r.bottom;
}

void TWinControl::SetAlign(TAlign align)
{
    m_align = align;
    m_parent.Realign();
}

std::string TWinControl::Text() const
{
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(Handle())) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(Handle(), text.data(), static_cast<int>(text.size()))));
    return text;
}

void TWinControl::SetText(const std::string& text) { SetWindowTextA(Handle(), text.c_str()); }

int TWinControl::TabOrder() const
{
    const auto& siblings = m_parent.Controls();
    return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

void TWinControl::SetTabOrder(int index) { m_parent.MoveInTabOrder(*this, index); }

bool TWinControl::CanFocus() const { return IsWindowVisible(Handle()) && IsWindowEnabled(Handle()); }

void TWinControl::SetFocus(bool selectAll)
{
    ::SetFocus(Handle());
    if (selectAll)
        SelectAll();
}

void TWinControl::SetHint(const std::string& hint) { ParentForm().AddHint(Handle(), hint); }

char TWinControl::AccessKey() const
{
    const std::string caption = Text();
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
        ++i;  // "&&" is a plain ampersand
    }
    return 0;
}

std::vector<TWinControl*> TabStops(const TControlParent& root)
{
    std::vector<TWinControl*> stops;
    for (TWinControl* c : root.Controls()) {
        if (!c->CanFocus())
            continue;
        if (c->TabStop())
            stops.push_back(c);
        const std::vector<TWinControl*> inner = TabStops(*c);
        stops.insert(stops.end(), inner.begin(), inner.end());
    }
    return stops;
}

TWinControl* FindControl(const TControlParent& root, const std::function<bool(const TWinControl&)>& wanted)
{
    for (TWinControl* c : root.Controls()) {
        if (wanted(*c))
            return c;
        if (TWinControl* inner = FindControl(*c, wanted))
            return inner;
    }
    return nullptr;
}

// ---- panels and group boxes

TPanel::TPanel(TControlParent& parent, const TBounds& bounds, const std::string& caption)
    : TWinControl(parent, bounds)
{
    RegisterPanelClass();
    CreateWnd("TPanel", WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, caption);
}

void TPanel::SetBevelInner(TBevelCut bevel)
{
    m_bevelInner = bevel;
    Realign();
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TPanel::SetBevelOuter(TBevelCut bevel)
{
    m_bevelOuter = bevel;
    Realign();
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TPanel::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    InvalidateRect(Handle(), nullptr, TRUE);
}

RECT TPanel::AlignArea()
{
    RECT area = TWinControl::AlignArea();
    const int bevels = (m_bevelInner != TBevelCut::bvNone) + (m_bevelOuter != TBevelCut::bvNone);
    InflateRect(&area, -bevels, -bevels);
    return area;
}

LRESULT TPanel::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // painted whole in WM_PAINT
    case WM_PAINT: {
        PAINTSTRUCT ps;
        const HDC dc = BeginPaint(Handle(), &ps);
        Paint(dc);
        EndPaint(Handle(), &ps);
        return 0;
    }
    case WM_SETTEXT: {
        const LRESULT result = DefaultHandler(message, wParam, lParam);
        InvalidateRect(Handle(), nullptr, TRUE);
        return result;
    }
    default:
        return DefaultHandler(message, wParam, lParam);
    }
}

void TPanel::Paint(HDC dc)
{
    RECT r{};
    GetClientRect(Handle(), &r);
    FillRect(dc, &r, FaceBrush());
    for (const TBevelCut bevel : {m_bevelOuter, m_bevelInner}) {
        if (bevel == TBevelCut::bvNone)
            continue;
        DrawEdge(dc, &r, bevel == TBevelCut::bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
        InflateRect(&r, -1, -1);
    }
    const std::string caption = Text();
    if (caption.empty())
        return;
    SelectedObject font(dc, Font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(ParentForm().Layout().font.color));
    const UINT alignment = m_alignment == TAlignment::taLeftJustify    ? DT_LEFT
                           : m_alignment == TAlignment::taRightJustify ? DT_RIGHT
                                                                       : DT_CENTER;
    DrawTextA(dc, caption.c_str(), -1, &r, DT_SINGLELINE | DT_VCENTER | alignment);
}

TGroupBox::TGroupBox(TControlParent& parent, const TBounds& bounds, const std::string& caption)
    : TWinControl(parent, bounds)
{
    CreateWnd("BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, caption);
}

LRESULT TGroupBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The frame is drawn by the system, the face under it by the box.
    if (message != WM_ERASEBKGND)
        return DefaultHandler(message, wParam, lParam);
    RECT r{};
    GetClientRect(Handle(), &r);
    FillRect(reinterpret_cast<HDC>(wParam), &r, Parent().FaceBrush());
    return 1;
}

RECT TGroupBox::AlignArea()
{
    RECT area = TWinControl::AlignArea();
    area.top += TextHeight(Font());
    InflateRect(&area, -2, -2);
    return area;
}

HBRUSH TGroupBox::CtlColor(HDC dc)
{
    SetBkColor(dc, Parent().FaceColor());
    return Parent().FaceBrush();
}

// ---- edits

TEdit::TEdit(TControlParent& parent, const TBounds& bounds, const std::string& text)
    : TWinControl(parent, bounds)
{
    // The design height is kept; AutoSize acts when the font's room changes.
    CreateWnd("EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, text);
    SetTabStop(true);
}

void TEdit::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    AdjustHeight();
}

void TEdit::SetBorderStyle(TBorderStyle style)
{
    m_borderStyle = style;
    LONG_PTR exStyle = GetWindowLongPtrA(Handle(), GWL_EXSTYLE) & ~LONG_PTR{WS_EX_CLIENTEDGE};
    if (style == TBorderStyle::bsSingle)
        exStyle |= WS_EX_CLIENTEDGE;
    SetWindowLongPtrA(Handle(), GWL_EXSTYLE, exStyle);
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    AdjustHeight();
}

void TEdit::SetParentColor(bool parentColor)
{
    m_parentColor = parentColor;
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TEdit::SetMaxLength(int length) { SendMessageA(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(length), 0); }

// The height of one line of the font and room for a single border.
void TEdit::AdjustHeight()
{
    if (!m_autoSize || m_borderStyle != TBorderStyle::bsSingle)
        return;
    const TBounds b = Bounds();
    SetBounds({b.left, b.top, b.width, TextHeight(Font()) + 8 * GetSystemMetrics(SM_CYBORDER)});
}

HBRUSH TEdit::CtlColor(HDC dc)
{
    if (!m_parentColor)
        return nullptr;
    SetTextColor(dc, ColorToRGB(ParentForm().Layout().font.color));
    SetBkColor(dc, Parent().FaceColor());
    return Parent().FaceBrush();
}

void TEdit::SelectAll() { SendMessageA(Handle(), EM_SETSEL, 0, -1); }

TMaskEdit::TMaskEdit(TControlParent& parent, const TBounds& bounds, const std::string& editMask, const std::string& text)
    : TEdit(parent, bounds, {})
{
    const std::string positions = editMask.substr(0, editMask.find(';'));
    if (positions.empty() || positions.find_first_not_of('#') != std::string::npos)
        throw std::invalid_argument("unsupported edit mask: " + editMask);
    m_positions = positions.size();
    if (const auto blank = editMask.rfind(';'); blank != std::string::npos && blank + 1 < editMask.size())
        m_blank = editMask[blank + 1];
    SetMaxLength(static_cast<int>(m_positions));
    SetText(text);
}

bool TMaskEdit::Accepts(char c) const
{
    return std::isdigit(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == m_blank;
}

std::string TMaskEdit::Formatted(const std::string& text) const
{
    std::string formatted(m_positions, m_blank);
    for (std::size_t i = 0; i < m_positions && i < text.size(); ++i) {
        if (Accepts(text[i]))
            formatted[i] = text[i];
    }
    return formatted;
}

void TMaskEdit::Display(const std::string& text, std::size_t caret)
{
    const std::wstring wide = Widen(text);
    DefaultHandler(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    SendMessageA(Handle(), EM_SETSEL, caret, static_cast<LPARAM>(caret));
}

bool TMaskEdit::Type(const std::string& input)
{
    if (input.empty() || !std::all_of(input.begin(), input.end(), [this](char c) { return Accepts(c); }))
        return false;
    DWORD start = 0, end = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start >= m_positions)
        return false;
    std::string text = Formatted(Text());
    std::fill(text.begin() + start, text.begin() + std::min<std::size_t>(end, m_positions), m_blank);
    std::size_t at = start;
    for (char c : input) {
        if (at == m_positions)
            break;
        text[at++] = c;
    }
    Display(text, at);
    return true;
}

void TMaskEdit::Erase(bool backwards)
{
    DWORD start = 0, end = 0;
    SendMessageA(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    std::string text = Formatted(Text());
    if (start == end) {
        if (backwards ? start == 0 : start >= m_positions)
            return;
        if (backwards)
            --start;
        end = start + 1;
    }
    std::fill(text.begin() + start, text.begin() + std::min<std::size_t>(end, m_positions), m_blank);
    Display(text, start);
}

LRESULT TMaskEdit::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CHAR: {
        if (wParam == '\b') {
            Erase(true);
            return 0;
        }
        if (wParam < ' ')
            break;  // Ctrl+C, Ctrl+V and the like
        if (wParam > 0x7F || !Type(std::string(1, static_cast<char>(wParam))))
            MessageBeep(MB_OK);
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam != VK_DELETE)
            break;
        Erase(false);
        return 0;
    case WM_CLEAR:
        Erase(false);
        return 0;
    case WM_CUT:
        DefaultHandler(WM_COPY, 0, 0);
        Erase(false);
        return 0;
    case WM_PASTE: {
        std::string pasted;
        if (OpenClipboard(Handle())) {
            if (HANDLE data = GetClipboardData(CF_TEXT)) {
                if (const char* text = static_cast<const char*>(GlobalLock(data))) {
                    pasted = text;
                    GlobalUnlock(data);
                }
            }
            CloseClipboard();
        }
        if (!Type(pasted))
            MessageBeep(MB_OK);
        return 0;
    }
    case EM_REPLACESEL:
        if (!Type(Narrow(reinterpret_cast<const wchar_t*>(lParam))))
            MessageBeep(MB_OK);
        return 0;
    case WM_SETTEXT: {
        const std::wstring formatted = Widen(Formatted(Narrow(reinterpret_cast<const wchar_t*>(lParam))));
        return DefaultHandler(message, wParam, reinterpret_cast<LPARAM>(formatted.c_str()));
    }
    default:
        break;
    }
    return TEdit::WndProc(message, wParam, lParam);
}

// ---- check boxes and buttons

TCheckBox::TCheckBox(TControlParent& parent, const TBounds& bounds, const std::string& caption)
    : TWinControl(parent, bounds)
{
    CreateWnd("BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0, caption);
    SetTabStop(true);
}

bool TCheckBox::Checked() const { return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TCheckBox::SetChecked(bool checked)
{
    SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

HBRUSH TCheckBox::CtlColor(HDC dc)
{
    SetBkColor(dc, Parent().FaceColor());
    return Parent().FaceBrush();
}

TButton::TButton(TControlParent& parent, const TBounds& bounds, const std::string& caption)
    : TButton(parent, bounds, caption, BS_PUSHBUTTON)
{
}

TButton::TButton(TControlParent& parent, const TBounds& bounds, const std::string& caption, DWORD style)
    : TWinControl(parent, bounds)
{
    CreateWnd("BUTTON", style | WS_TABSTOP, 0, caption);
    SetTabStop(true);
}

void TButton::Click()
{
    if (OnClick)
        OnClick(*this);
}

void TButton::Command(WORD code)
{
    if (code == BN_CLICKED)
        Click();
}

TBitBtn::TBitBtn(TControlParent& parent, const TBounds& bounds, TBitBtnKind kind)
    : TButton(parent, bounds, {}, BS_OWNERDRAW)
{
    SetKind(kind);
}

void TBitBtn::SetKind(TBitBtnKind kind)
{
    switch (kind) {
    case TBitBtnKind::bkOK:
        SetText("OK");
        SetGlyph(TGlyph::Check);
        SetDefault(true);
        break;
    case TBitBtnKind::bkCancel:
        SetText("Cancel");
        SetGlyph(TGlyph::Cross);
        SetCancel(true);
        break;
    case TBitBtnKind::bkCustom:
        break;
    }
}

void TBitBtn::SetGlyph(TGlyph glyph)
{
    m_glyph = glyph == TGlyph::None ? UniqueBitmap() : MakeGlyph(glyph);
    m_glyphSize = glyph == TGlyph::None ? 0 : GlyphSize;
    InvalidateRect(Handle(), nullptr, TRUE);
}

// The face of a push button, a thick frame when it is focused or the
// default, and the glyph and caption centred side by side.
void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item)
{
    const HDC dc = item.hDC;
    const bool pushed = item.itemState & ODS_SELECTED;
    const bool focused = item.itemState & ODS_FOCUS;
    const bool disabled = item.itemState & ODS_DISABLED;
    RECT r = item.rcItem;
    if (focused || IsDefault()) {
        FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&r, -1, -1);
    }
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    RECT content = r;
    InflateRect(&content, -3, -3);
    if (pushed)
        OffsetRect(&content, 1, 1);

    SelectedObject font(dc, Font());
    const std::string caption = Text();
    RECT textSize{0, 0, 0, 0};
    DrawTextA(dc, caption.c_str(), -1, &textSize, DT_SINGLELINE | DT_CALCRECT);
    const int spacing = m_glyphSize && !caption.empty() ? 4 : 0;
    const int total = m_glyphSize + spacing + Width(textSize);
    int x = content.left + (Width(content) - total) / 2;
    if (m_glyph) {
        MemoryDC images(CreateCompatibleDC(dc));
        SelectedObject image(images.Get(), m_glyph.Get());
        BitBlt(dc, x, content.top + (Height(content) - m_glyphSize) / 2, m_glyphSize, m_glyphSize, images.Get(),
               disabled ? m_glyphSize : 0, 0, SRCCOPY);
        x += m_glyphSize + spacing;
    }
    RECT text{x, content.top, content.right, content.bottom};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    DrawTextA(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (focused) {
        RECT focus = r;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

// ---- status bar

TStatusBar::TStatusBar(TControlParent& parent, const TBounds& bounds)
    : TWinControl(parent, bounds)
{
    // Placed by its parent's alignment instead of by itself.
    CreateWnd(STATUSCLASSNAMEA, SBARS_SIZEGRIP | CCS_NOPARENTALIGN | CCS_NORESIZE, 0, {});
    SetAlign(TAlign::alBottom);
}

void TStatusBar::SetSimplePanel(bool simple) { SendMessageA(Handle(), SB_SIMPLE, simple, 0); }

void TStatusBar::SetSimpleText(const std::string& text)
{
    m_simpleText = text;
    SendMessageA(Handle(), SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(m_simpleText.c_str()));
}

}
