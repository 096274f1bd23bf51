#include "dlgOpts.h"

#include "Application.h"
#include "IniFile.h"
#include "Glyphs.h"
#include "SettingsRules.h"
#include "settings.h"

namespace kritz {

using namespace win;

namespace {

constexpr const char* FileNameHint = "Enter the name of the *.Krz file to replay";
constexpr const char* AverageDelayHint = "Replay animations without regard to actual time between strokes";
constexpr const char* OKHint = "Click here to accept your changes";
constexpr const char* CancelHint = "Click here to leave things the way they are";

constexpr int TagOK = 1;
constexpr int TagCancel = 2;

// A row: its caption on the left, 225 wide; its value in a lowered frame
// taking the rest.
void SetUpRow(TPanel& row, TPanel& caption, TPanel& value)
{
    row.SetAlign(TAlign::alTop);
    caption.SetAlignment(TAlignment::taRightJustify);
    caption.SetAlign(TAlign::alLeft);
    value.SetBevelInner(TBevelCut::bvLowered);
    value.SetAlign(TAlign::alClient);
}

}

FormLayout TdlgOptions::DialogLayout()
{
    FormLayout layout;
    layout.caption = "Kritz Screen Saver Options";
    layout.borderStyle = TBorderStyle::bsSizeToolWin;
    layout.borderIcons = biSystemMenu;
    layout.clientWidth = 346;
    layout.clientHeight = 117;
    layout.position = TPosition::poScreenCenter;
    layout.taskbarButton = true;  // the program's one window, reachable from the taskbar
    layout.windowClass = "TdlgOptions";
    return layout;
}

TdlgOptions::TdlgOptions(TApplication* owner)
    : TForm(owner, DialogLayout())
    , m_icon(MakeDrawingIcon())
{
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon.Get()));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon.Get()));

    SetUpRow(pnlFileNameMain, pnlDelayToolmsCaption, pnlFileName);
    SetUpRow(pnlAveragedDelaysMain, pnlAveragedDelaysCaption, pnlDelayMax);
    pnlButtonBase.SetAlign(TAlign::alBottom);
    pnlButtonBase.SetTabOrder(2);
    pnlButtons.SetAlign(TAlign::alRight);
    StatusBar.SetSimplePanel(true);

    edFileName.SetAutoSize(false);
    edFileName.SetBorderStyle(TBorderStyle::bsNone);
    edFileName.SetParentColor(true);
    edFileName.SetMaxLength(0);
    cbAveragedDelays.SetChecked(true);

    BitBtn1.SetTag(TagOK);
    BitBtn1.SetText("OK");
    BitBtn1.SetGlyph(TGlyph::Check);
    BitBtn1.SetDefault(true);
    BitBtn2.SetTag(TagCancel);

    const auto hint = [this](const char* text) {
        return [this, text](unsigned, int, int) { SetStatusText(text); };
    };
    for (TWinControl* c : {static_cast<TWinControl*>(&pnlFileNameMain), static_cast<TWinControl*>(&pnlDelayToolmsCaption),
                           static_cast<TWinControl*>(&pnlFileName), static_cast<TWinControl*>(&edFileName)})
        c->OnMouseMove = hint(FileNameHint);
    for (TPanel* c : {&pnlAveragedDelaysMain, &pnlAveragedDelaysCaption, &pnlDelayMax})
        c->OnMouseMove = hint(AverageDelayHint);
    BitBtn1.OnMouseMove = hint(OKHint);
    BitBtn2.OnMouseMove = hint(CancelHint);
    pnlButtonBase.OnMouseMove = hint("");
    OnMouseMove = hint("");

    pnlFileName.OnResize = [this] { PanelResize(); };
    pnlDelayMax.OnResize = [this] { PanelResize(); };
    OnKeyPress = [this](char& key) { FormKeyPress(key); };
    BitBtn1.OnClick = [this](TButton& sender) { ButtonClick(sender); };
    BitBtn2.OnClick = [this](TButton& sender) { ButtonClick(sender); };

    // The layout is complete: the edit takes its width for the first time.
    PanelResize();
    DialogCreate();
}

TdlgOptions::~TdlgOptions()
{
    // The icon goes before the window does.
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, 0);
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, 0);
}

void TdlgOptions::DialogCreate() { edFileName.SetText(std::string(DefaultAnimationFile)); }

// Whichever of the two value panels changed, the edit follows the file-name
// panel, one pixel short of its right edge.
void TdlgOptions::PanelResize()
{
    edFileName.SetWidth(pnlFileName.ClientWidth() - edFileName.Bounds().left - 1);
}

void TdlgOptions::FormKeyPress(char& key)
{
    if (key == 27)
        SetModalResult(mrCancel);
}

void TdlgOptions::SetStatusText(const std::string& text)
{
    StatusBar.SetSimpleText(text);
    Application().ProcessMessages();
}

void TdlgOptions::LoadAndShow()
{
    SaverSettings settings{edFileName.Text(), cbAveragedDelays.Checked()};
    const auto show = [&] {
        edFileName.SetText(settings.fileName);
        cbAveragedDelays.SetChecked(settings.averagedDelays);
    };
    try {
        TIniFile ini(SettingsPath());
        ReadSettings(ini, settings);
        show();
    } catch (...) {
        // What was read before the failure is shown.
        show();
        Application().MessageBox("Error loading settings", Application().Title(), MB_OK);
    }
    ShowModal();
}

void TdlgOptions::ButtonClick(TButton& sender)
{
    if (sender.Tag() == TagOK) {
        try {
            TIniFile ini(SettingsPath());
            WriteSettings(ini, edFileName.Text(), cbAveragedDelays.Checked());
        } catch (...) {
            Application().MessageBox("Error saving settings", Application().Title(), MB_OK);
        }
    }
    Close();
}

}
