// What forms and controls share as holders of controls: the list of their
// children in tab order, the font and colour those children take over, and
// the laying out of the aligned ones whenever the holder's size changes.
#pragma once

#include <windows.h>

#include <vector>

namespace kritz::win {

class TForm;
class TWinControl;

class TControlParent {
public:
    TControlParent() = default;
    virtual ~TControlParent() = default;
    TControlParent(const TControlParent&) = delete;
    TControlParent& operator=(const TControlParent&) = delete;

    // The window the children live in, created on first use.
    virtual HWND ParentHandle() = 0;
    // The top-level form everything below it belongs to.
    virtual TForm& ParentForm() = 0;
    virtual HFONT Font() = 0;
    // Colour and brush of the face, for children that take their parent's colour.
    virtual COLORREF FaceColor() = 0;
    virtual HBRUSH FaceBrush() = 0;

    // The children, in tab order.
    const std::vector<TWinControl*>& Controls() const { return m_controls; }
    // Places the aligned children: alTop, then alBottom, alLeft, alRight,
    // each in the order of their positions, and alClient in what is left.
    void Realign();

protected:
    // The part of the client area the aligned children share.
    virtual RECT AlignArea();

private:
    friend class TWinControl;
    void InsertControl(TWinControl& control);
    void RemoveControl(TWinControl& control);
    void MoveInTabOrder(TWinControl& control, int index);

    std::vector<TWinControl*> m_controls;
};

// Hands a notification that a child window sends its parent (a command, a
// colour request, an owner-drawing request) to the child's own control.
// False when the message is none of these or comes from no control.
bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

}
