// TfrmMain: the converter's window. It collects the two file names and the
// two screen sizes, offers a file chooser for each name, and converts when
// Convert is clicked.
#pragma once

#include "Controls.h"
#include "Dialogs.h"
#include "Form.h"

#include <string>

namespace kritz {

class TfrmMain final : public win::TForm {
public:
    explicit TfrmMain(win::TApplication* owner);
    ~TfrmMain() override;

    // Converts the source for the destination's screen and reports the
    // outcome in one message box; a size text it cannot use escapes as an
    // error to the application's default report.
    void ConvertAnimation();
    // A message box captioned "Kritz Converter" with an OK button and the
    // icon, brought to the foreground.
    void ShowMsg(const std::string& text, UINT icon);

    static win::FormLayout MainLayout();

private:
    void FormCreate() {}
    void FormDestroy() {}
    void FormActivate() {}
    void FormDeactivate() {}
    void FormKeyDown(WORD& key, unsigned shift);
    void bbtnConvertClick(win::TButton& sender);
    void bbtnCancelClick(win::TButton& sender);
    void btnSrcFileOpenClick(win::TButton& sender);
    void btnDestFileOpenClick(win::TButton& sender);

    // Runs the dialog; a confirmed file's name, without its folder, goes
    // into the edit.
    static void ChooseFile(win::TOpenDialog& dialog, win::TEdit& edit);

    win::TGroupBox gbSrc{*this, {8, 0, 191, 100}, "Source "};
    win::TPanel pnlSrcHeight{gbSrc, {2, 65, 187, 25}, " Height"};
    win::TPanel pnlSrcWidth{gbSrc, {2, 40, 187, 25}, " Width"};
    win::TGroupBox gbDest{*this, {208, 0, 191, 100}, "Destination"};
    win::TPanel pnlDestWidth{gbDest, {2, 40, 187, 25}, " Width"};
    win::TPanel pnlDestHeight{gbDest, {2, 65, 187, 25}, " Height"};
    win::TPanel pnlSrcFileName{gbSrc, {2, 15, 187, 25}, " FileName"};
    win::TEdit edSrcFile{pnlSrcFileName, {60, 3, 121, 21}, "Source.Krz"};
    win::TButton btnSrcFileOpen{pnlSrcFileName, {161, 5, 17, 17}, "..."};
    win::TPanel pnlDestFileName{gbDest, {2, 15, 187, 25}, " FileName"};
    win::TEdit edDestFile{pnlDestFileName, {60, 3, 121, 21}, "Dest.Krz"};
    win::TButton btnDestFileOpen{pnlDestFileName, {161, 5, 17, 17}, "..."};
    win::TOpenDialog dlgOpen;
    win::TSaveDialog dlgSave;
    win::TMaskEdit edSrcWidth{pnlSrcWidth, {60, 3, 121, 21}, SizeMask, "640  "};
    win::TMaskEdit edSrcHeight{pnlSrcHeight, {60, 3, 121, 21}, SizeMask, "480  "};
    win::TMaskEdit edDestWidth{pnlDestWidth, {60, 3, 121, 21}, SizeMask, "1024 "};
    win::TMaskEdit edDestHeight{pnlDestHeight, {60, 3, 121, 21}, SizeMask, "768  "};
    win::TBitBtn bbtnConvert{*this, {245, 111, 75, 25}, win::TBitBtnKind::bkOK};
    win::TBitBtn bbtnCancel{*this, {325, 111, 75, 25}, win::TBitBtnKind::bkCancel};

    // Five positions, each a digit, a sign or a blank.
    static constexpr const char* SizeMask = "#####;1; ";
};

}
