// The standard controls the programs' windows are built from. Each is a
// child window of a form or of another control, created at construction with
// its design-time bounds and destroyed with the object.
#pragma once

#include "ControlParent.h"
#include "Form.h"
#include "Glyphs.h"
#include "Handles.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kritz::win {

enum class TAlign : std::uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum class TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised };
enum class TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum class TBitBtnKind : std::uint8_t { bkCustom, bkOK, bkCancel };

struct TBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

class TWinControl : public TControlParent {
public:
    ~TWinControl() override;

    HWND Handle() const { return m_window.Get(); }
    HWND ParentHandle() override { return Handle(); }
    TControlParent& Parent() const { return m_parent; }
    TForm& ParentForm() override { return m_parent.ParentForm(); }
    HFONT Font() override { return m_parent.Font(); }
    COLORREF FaceColor() override;
    HBRUSH FaceBrush() override;
    // Own colour instead of the parent's.
    void SetColor(unsigned long color);

    const TBounds& Bounds() const { return m_bounds; }
    void SetBounds(const TBounds& bounds);
    void SetWidth(int width);
    int ClientWidth() const;
    int ClientHeight() const;
    TAlign Align() const { return m_align; }
    void SetAlign(TAlign align);

    std::string Text() const;
    void SetText(const std::string& text);
    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    int TabOrder() const;
    void SetTabOrder(int index);
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool tabStop) { m_tabStop = tabStop; }
    bool CanFocus() const;
    // Focuses the control; an edit entered from the keyboard selects its text.
    void SetFocus(bool selectAll = false);

    // Shown as a tooltip while the pointer rests on the control (ShowHint).
    void SetHint(const std::string& hint);

    // The letter after a single "&" in the caption, in upper case, or 0.
    char AccessKey() const;

    // Keyboard handling of the form: default and cancel buttons take Enter
    // and Esc; a button takes Enter itself while focused; Click runs what a
    // click with the mouse would.
    virtual bool IsDefault() const { return false; }
    virtual bool IsCancel() const { return false; }
    virtual bool ClicksOnReturn() const { return false; }
    virtual void Click() {}

    std::function<void(unsigned shift, int x, int y)> OnMouseMove;
    std::function<void()> OnResize;

    // The control behind a window, or nullptr.
    static TWinControl* FromHandle(HWND window);

protected:
    TWinControl(TControlParent& parent, const TBounds& bounds);
    void CreateWnd(const char* className, DWORD style, DWORD exStyle, const std::string& text);
    // Messages of the control's window; the default passes them on to the
    // window class.
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);
    // Notifications reflected from the parent.
    virtual void Command(WORD) {}
    virtual HBRUSH CtlColor(HDC) { return nullptr; }
    virtual void DrawItem(const DRAWITEMSTRUCT&) {}
    virtual void SelectAll() {}

private:
    friend bool ReflectToControl(UINT, WPARAM, LPARAM, LRESULT&);
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void ReadBounds();

    TControlParent& m_parent;
    UniqueWindow m_window;
    TBounds m_bounds;
    TAlign m_align = TAlign::alNone;
    int m_tag = 0;
    bool m_tabStop = false;
    bool m_ownColor = false;
    COLORREF m_color = 0;
    UniqueBrush m_brush;
};

class TPanel : public TWinControl {
public:
    TPanel(TControlParent& parent, const TBounds& bounds, const std::string& caption = {});

    void SetBevelInner(TBevelCut bevel);
    void SetBevelOuter(TBevelCut bevel);
    void SetAlignment(TAlignment alignment);

protected:
    RECT AlignArea() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Paint(HDC dc);

    TBevelCut m_bevelInner = TBevelCut::bvNone;
    TBevelCut m_bevelOuter = TBevelCut::bvNone;
    TAlignment m_alignment = TAlignment::taCenter;
};

class TGroupBox : public TWinControl {
public:
    TGroupBox(TControlParent& parent, const TBounds& bounds, const std::string& caption);

protected:
    // Inside the frame, below the caption.
    RECT AlignArea() override;
    HBRUSH CtlColor(HDC dc) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

class TEdit : public TWinControl {
public:
    TEdit(TControlParent& parent, const TBounds& bounds, const std::string& text);

    // On: the height follows the font.
    void SetAutoSize(bool autoSize);
    void SetBorderStyle(TBorderStyle style);
    // The parent's colour instead of the window colour.
    void SetParentColor(bool parentColor);
    // At most this many characters; 0 for no limit.
    void SetMaxLength(int length);

protected:
    HBRUSH CtlColor(HDC dc) override;
    void SelectAll() override;

private:
    void AdjustHeight();

    bool m_autoSize = true;
    bool m_parentColor = false;
    TBorderStyle m_borderStyle = TBorderStyle::bsSingle;
};

// An edit whose text always holds one character for each position of its
// mask. The masks in use are "#" positions only: each takes a digit, "+",
// "-" or the blank character, and typing overwrites. "#####;1; " is five
// such positions, literals kept, blank " ".
class TMaskEdit : public TEdit {
public:
    TMaskEdit(TControlParent& parent, const TBounds& bounds, const std::string& editMask, const std::string& text);

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool Accepts(char c) const;
    std::string Formatted(const std::string& text) const;
    // Puts `input` over the selection as if typed; refused as a whole when
    // it holds a character the mask does not take.
    bool Type(const std::string& input);
    void Erase(bool backwards);
    void Display(const std::string& text, std::size_t caret);

    std::size_t m_positions = 0;
    char m_blank = ' ';
};

class TCheckBox : public TWinControl {
public:
    TCheckBox(TControlParent& parent, const TBounds& bounds, const std::string& caption = {});

    bool Checked() const;
    void SetChecked(bool checked);

protected:
    HBRUSH CtlColor(HDC dc) override;
};

class TButton : public TWinControl {
public:
    TButton(TControlParent& parent, const TBounds& bounds, const std::string& caption);

    // Enter anywhere in the form clicks the default button, Esc the cancel button.
    void SetDefault(bool isDefault) { m_default = isDefault; }
    void SetCancel(bool isCancel) { m_cancel = isCancel; }
    bool IsDefault() const override { return m_default; }
    bool IsCancel() const override { return m_cancel; }
    bool ClicksOnReturn() const override { return true; }
    void Click() override;

    // The sender is the button itself.
    std::function<void(TButton& sender)> OnClick;

protected:
    TButton(TControlParent& parent, const TBounds& bounds, const std::string& caption, DWORD style);
    void Command(WORD code) override;

private:
    bool m_default = false;
    bool m_cancel = false;
};

// A push button with an image beside its caption. The image holds two
// pictures side by side, for the enabled and the disabled button.
class TBitBtn : public TButton {
public:
    TBitBtn(TControlParent& parent, const TBounds& bounds, TBitBtnKind kind = TBitBtnKind::bkCustom);

    // bkOK: caption "OK", the check mark, the default button. bkCancel:
    // caption "Cancel", the cross, the cancel button.
    void SetKind(TBitBtnKind kind);
    void SetGlyph(TGlyph glyph);

protected:
    void DrawItem(const DRAWITEMSTRUCT& item) override;

private:
    UniqueBitmap m_glyph;
    int m_glyphSize = 0;
};

class TStatusBar : public TWinControl {
public:
    // Aligned to the bottom of its parent, with a size grip.
    TStatusBar(TControlParent& parent, const TBounds& bounds);

    // On: one text across the whole bar.
    void SetSimplePanel(bool simple);
    void SetSimpleText(const std::string& text);
    std::string SimpleText() const { return m_simpleText; }

private:
    std::string m_simpleText;
};

// The controls below a holder that Tab moves through, in tab order: those
// that can take the focus and are tab stops.
std::vector<TWinControl*> TabStops(const TControlParent& root);
// The first control below a holder, depth first in tab order, that is wanted.
TWinControl* FindControl(const TControlParent& root, const std::function<bool(const TWinControl&)>& wanted);

}
