// TdlgOptions: the screen saver's options dialog. It shows the two settings
// of the settings file, the animation's name and averaged delays, writes them
// back on OK, and explains the area under the pointer in its status bar.
#pragma once

#include "Controls.h"
#include "Form.h"

#include <string>

namespace kritz {

class TdlgOptions final : public win::TForm {
public:
    explicit TdlgOptions(win::TApplication* owner);
    ~TdlgOptions() override;

    // Fills the controls from the settings file, then shows the dialog
    // modally and returns when it closes. A failed read is reported and the
    // dialog shown anyway.
    void LoadAndShow();
    // Puts the text into the status bar and lets it repaint at once.
    void SetStatusText(const std::string& text);

    static win::FormLayout DialogLayout();

private:
    void DialogCreate();
    void PanelResize();
    void FormKeyPress(char& key);
    void ButtonClick(win::TButton& sender);

    win::TPanel pnlFileNameMain{*this, {0, 0, 346, 25}};
    win::TPanel pnlAveragedDelaysMain{*this, {0, 25, 346, 25}};
    win::TStatusBar StatusBar{*this, {0, 98, 346, 19}};
    win::TPanel pnlButtonBase{*this, {0, 65, 346, 33}};
    win::TPanel pnlButtons{pnlButtonBase, {184, 0, 162, 33}};
    win::TBitBtn BitBtn1{pnlButtons, {5, 7, 75, 25}};
    win::TBitBtn BitBtn2{pnlButtons, {85, 7, 75, 25}, win::TBitBtnKind::bkCancel};
    win::TPanel pnlDelayToolmsCaption{pnlFileNameMain, {0, 0, 225, 25}, "Kritz Animation File: "};
    win::TPanel pnlAveragedDelaysCaption{pnlAveragedDelaysMain, {0, 0, 225, 25}, "Use averaged delays between strokes: "};
    win::TPanel pnlFileName{pnlFileNameMain, {225, 0, 121, 25}};
    win::TPanel pnlDelayMax{pnlAveragedDelaysMain, {225, 0, 121, 25}};
    win::TEdit edFileName{pnlFileName, {1, 6, 119, 17}, {}};
    win::TCheckBox cbAveragedDelays{pnlDelayMax, {4, 4, 13, 17}};

    win::UniqueIcon m_icon;
};

}
