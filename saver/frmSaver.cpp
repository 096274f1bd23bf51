#include "frmSaver.h"

#include "ScreenGeometry.h"
#include "Screen.h"

#include <cstdlib>
#include <vector>

namespace kritz {

using namespace win;

FormLayout TScreenSaverForm::SaverLayout()
{
    FormLayout layout;
    layout.borderStyle = TBorderStyle::bsNone;
    layout.borderIcons = 0;
    layout.color = clWhite;
    layout.font = {"MS Sans Serif", -11, clWindowText};
    layout.left = 331;
    layout.top = 157;
    layout.clientWidth = 407;
    layout.clientHeight = 323;
    layout.windowClass = "TScreenSaverForm";
    return layout;
}

TScreenSaverForm::TScreenSaverForm(TApplication* owner, FormLayout layout)
    : TForm(owner, std::move(layout))
{
    Settle();
}

TScreenSaverForm::TScreenSaverForm(Parented parented, FormLayout layout)
    : TForm(parented, std::move(layout))
{
    Settle();
}

void TScreenSaverForm::Settle()
{
    FPreview = Owner() == nullptr && ParentWindow() != nullptr;
    FLastMousePos = {0, 0};
    if (FPreview) {
        // A handle that names no window gives no size; creating the child
        // then fails, which ends the preview.
        RECT parent{};
        GetWindowRect(ParentWindow(), &parent);
        SetBounds(0, 0, parent.right - parent.left, parent.bottom - parent.top);
        return;
    }
    std::vector<PixelRect> monitors;
    for (const RECT& m : Screen().Monitors())
        monitors.push_back({m.left, m.top, m.right, m.bottom});
    const FullScreenPlacement placement = FullScreenFor(monitors);
    SetBounds(placement.window.left, placement.window.top, placement.window.Width(), placement.window.Height());
    FDrawOrigin = {placement.originX, placement.originY};
}

void TScreenSaverForm::StartSaver() {}

void TScreenSaverForm::RequestClose()
{
    if (!FPreview)
        Close();
}

void TScreenSaverForm::CreateParams(TCreateParams& params)
{
    TForm::CreateParams(params);
    if (!FPreview)
        return;
    params.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
    params.exStyle = 0;
    params.classStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_SAVEBITS;
    params.className = "WindowsScreenSaverClass";
}

void TScreenSaverForm::DoShow()
{
    if (!FPreview)
        SetCursor(crNone);
    ShowWindow(Application().Handle(), SW_HIDE);
    TForm::DoShow();
}

void TScreenSaverForm::Deactivate()
{
    RequestClose();
    TForm::Deactivate();
}

void TScreenSaverForm::KeyDown(WORD& key, unsigned shift)
{
    RequestClose();
    TForm::KeyDown(key, shift);
}

void TScreenSaverForm::MouseDown(TMouseButton button, unsigned shift, int x, int y)
{
    RequestClose();
    TForm::MouseDown(button, shift, x, y);
}

void TScreenSaverForm::MouseMove(unsigned shift, int x, int y)
{
    const bool recorded = FLastMousePos.x != 0 || FLastMousePos.y != 0;
    if (recorded && Visible()) {
        if (std::abs(FLastMousePos.x - x) > 2)
            RequestClose();
        else if (std::abs(FLastMousePos.y - y) > 2)
            RequestClose();
    }
    FLastMousePos = {x, y};
    TForm::MouseMove(shift, x, y);
}

}
