// TScreenSaverForm: the generic screen-saver window. Full-screen mode covers
// every monitor, hides the pointer and closes at the first sign of the user;
// preview mode lives inside the display settings' preview window and
// ignores all input. The mode is fixed at construction.
#pragma once

#include "Application.h"
#include "Form.h"

namespace kritz {

class TScreenSaverForm : public win::TForm {
public:
    // Full-screen mode: owned by the application.
    explicit TScreenSaverForm(win::TApplication* owner, win::FormLayout layout = SaverLayout());
    // Preview mode inside `parented.parent`, unless that handle is 0.
    explicit TScreenSaverForm(Parented parented, win::FormLayout layout = SaverLayout());

    // The work done while the saver runs; derived windows override it.
    virtual void StartSaver();

    // Closes the window, except in preview mode.
    void RequestClose();

    static win::FormLayout SaverLayout();

protected:
    void CreateParams(win::TCreateParams& params) override;
    void DoShow() override;
    void Deactivate() override;
    void KeyDown(WORD& key, unsigned shift) override;
    void MouseDown(win::TMouseButton button, unsigned shift, int x, int y) override;
    void MouseMove(unsigned shift, int x, int y) override;

    POINT FLastMousePos{0, 0};  // (0, 0): no position recorded
    bool FPreview = false;
    // Where the drawing's (0, 0) lies in the client area: the primary
    // monitor's top-left corner in full-screen mode.
    POINT FDrawOrigin{0, 0};

private:
    void Settle();
};

}
