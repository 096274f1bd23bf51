// Forms: top-level or parented windows with overridable notifications for
// the messages the programs care about. Each form's design-time properties
// are a FormLayout value, which a derived form takes from its base and amends.
#pragma once

#include "ControlParent.h"
#include "Handles.h"

#include <functional>
#include <memory>
#include <string>

namespace kritz::win {

class TApplication;
class TTimer;

enum class TBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TPosition { poDesigned, poScreenCenter };

enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4 };

// Colour values: COLORREF, or a system colour as clSystemColor + COLOR_ index.
inline constexpr unsigned long clSystemColor = 0xFF000000;
inline constexpr unsigned long clWhite = 0x00FFFFFF;
inline constexpr unsigned long clBtnFace = clSystemColor | COLOR_BTNFACE;
inline constexpr unsigned long clWindowText = clSystemColor | COLOR_WINDOWTEXT;
COLORREF ColorToRGB(unsigned long color);

struct TFontSpec {
    std::string name = "MS Sans Serif";
    int height = -11;
    unsigned long color = clWindowText;
};

struct FormLayout {
    std::string caption;
    TBorderStyle borderStyle = TBorderStyle::bsSizeable;
    unsigned borderIcons = biSystemMenu | biMinimize | biMaximize;
    unsigned long color = clBtnFace;
    TFontSpec font;
    int left = 0;
    int top = 0;
    int clientWidth = 0;
    int clientHeight = 0;
    TPosition position = TPosition::poDesigned;
    bool keyPreview = false;
    // A top-level form of its own on the taskbar (WS_EX_APPWINDOW).
    bool taskbarButton = false;
    // The name under which the form's window class is registered.
    std::string windowClass = "TForm";
};

// The window-creation parameters a form fills in before its window exists.
struct TCreateParams {
    std::string caption;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, width = 0, height = 0;
    HWND wndParent = nullptr;
    UINT classStyle = 0;
    std::string className;
};

enum TShiftState : unsigned { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };
enum class TMouseButton { mbLeft, mbRight, mbMiddle };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum TCursor : int { crDefault = 0, crNone = -1 };

// The shift state of the keyboard now, and of a mouse message's key flags.
unsigned ShiftFromKeys();
unsigned ShiftFromMouse(WPARAM keys);

inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;

class TForm : public TControlParent {
public:
    // A form owned by the application (which may be absent).
    TForm(TApplication* owner, FormLayout layout);
    // A form without owner inside another window, maybe another process's.
    struct Parented {
        HWND parent;
    };
    TForm(Parented parented, FormLayout layout);
    ~TForm() override;

    // The window, created on first use.
    HWND Handle();
    // The form of a window or of any control inside it, or nullptr.
    static TForm* FromWindow(HWND window);

    HWND ParentHandle() override { return Handle(); }
    TForm& ParentForm() override { return *this; }
    HFONT Font() override { return m_font.Get(); }
    COLORREF FaceColor() override { return ColorToRGB(m_layout.color); }
    HBRUSH FaceBrush() override { return m_background.Get(); }
    // Shows the hint as a tooltip while the pointer rests on the window.
    void AddHint(HWND control, const std::string& hint);
    // The form's part in the message loop, before a message is translated
    // and dispatched: key preview, Tab and Shift+Tab between the controls,
    // Enter for the focused or the default button, Esc for the cancel
    // button, Alt with an access key. True when the message is done with.
    bool PreProcessMessage(MSG& message);
    bool HandleAllocated() const { return static_cast<bool>(m_window); }
    TApplication* Owner() const { return m_owner; }
    HWND ParentWindow() const { return m_parentWindow; }
    const FormLayout& Layout() const { return m_layout; }

    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);
    void SetBounds(int left, int top, int width, int height);
    int ClientWidth();
    int ClientHeight();

    bool Visible() const;
    void Show();
    void Hide();
    // crNone hides the pointer while it is over the window, from now on.
    void SetCursor(TCursor cursor);
    TCursor Cursor() const { return m_cursor; }

    // The main form ends the application; a modal form ends its showing;
    // any other form hides. OnClose may change that.
    void Close();
    // Shows the form and runs a message loop until ModalResult is set, the
    // window is destroyed, or the application ends. Returns the result.
    int ShowModal();
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int result) { m_modalResult = result; }

    std::function<void(TCloseAction&)> OnClose;
    std::function<void()> OnShow;
    std::function<void()> OnActivate;
    std::function<void()> OnDeactivate;
    std::function<void(WORD& key, unsigned shift)> OnKeyDown;
    std::function<void(char& key)> OnKeyPress;
    std::function<void(TMouseButton, unsigned shift, int x, int y)> OnMouseDown;
    std::function<void(unsigned shift, int x, int y)> OnMouseMove;

protected:
    virtual void CreateParams(TCreateParams& params);
    virtual void DoShow();
    virtual void Activate();
    virtual void Deactivate();
    virtual void KeyDown(WORD& key, unsigned shift);
    virtual void KeyPress(char& key);
    virtual void MouseDown(TMouseButton button, unsigned shift, int x, int y);
    virtual void MouseMove(unsigned shift, int x, int y);
    // Fills the window with its colour before it is painted.
    virtual void EraseBackground(HDC dc);
    // Paints the invalid part of the window; the default paints nothing
    // beyond the background.
    virtual void Paint(HDC dc, const RECT& area);
    // Messages the notifications above do not cover.
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK StaticWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateHandle();
    void OnWindowDestroyed();
    void WatchParent();
    void ReadBounds();
    bool IsMainForm() const;
    bool DialogKey(WORD key);
    bool AccessKey(char key);
    bool SelectNext(bool forward);
    void FocusControl();


    TApplication* m_owner = nullptr;
    HWND m_parentWindow = nullptr;
    FormLayout m_layout;
    UniqueWindow m_window;
    UniqueBrush m_background;
    UniqueFont m_font;
    UniqueWindow m_hints;  // after m_window: destroyed first
    // The control that had the focus when the form was last deactivated.
    HWND m_lastFocus = nullptr;
    std::unique_ptr<TTimer> m_parentWatch;
    int m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    TCursor m_cursor = crDefault;
    bool m_visible = false;
    bool m_modal = false;
    int m_modalResult = mrNone;
};

}
