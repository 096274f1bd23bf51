#include "KritzConvU.h"

#include "Application.h"
#include "Conversion.h"
#include "Win32Files.h"

namespace kritz {

using namespace win;

namespace {

constexpr const char* AnimationFilter = "Kritz Files (*.Krz)|*.Krz|All Files (*.*)|*.*";
constexpr DWORD DialogOptions = ofHideReadOnly | ofExtensionDifferent | ofPathMustExist | ofFileMustExist | ofShareAware;

// A row of a group box: a caption on the left, its field on the right.
void SetUpRow(TPanel& row, const char* hint, int tabOrder)
{
    row.SetAlignment(TAlignment::taLeftJustify);
    row.SetAlign(TAlign::alTop);
    row.SetHint(hint);
    row.SetTabOrder(tabOrder);
}

void SetUpDialog(TOpenDialog& dialog, const char* title, DWORD options)
{
    dialog.SetTitle(title);
    dialog.SetFilter(AnimationFilter);
    dialog.SetDefaultExt("Krz");
    dialog.SetOptions(options);
}

}

FormLayout TfrmMain::MainLayout()
{
    FormLayout layout;
    layout.caption = "Kritz Resolution Converter";
    layout.borderStyle = TBorderStyle::bsToolWindow;
    layout.borderIcons = biSystemMenu;
    layout.clientWidth = 407;
    layout.clientHeight = 141;
    layout.position = TPosition::poScreenCenter;
    layout.keyPreview = true;
    layout.taskbarButton = true;  // the program's one window, reachable from the taskbar
    layout.windowClass = "TfrmMain";
    return layout;
}

TfrmMain::TfrmMain(TApplication* owner)
    : TForm(owner, MainLayout())
{
    SetUpRow(pnlSrcFileName, "Name of source animation file", 0);
    SetUpRow(pnlSrcWidth, "Original width of source file", 1);
    SetUpRow(pnlSrcHeight, "Original height of source file", 2);
    SetUpRow(pnlDestFileName, "Name of destination animation file", 0);
    SetUpRow(pnlDestWidth, "Desired width of destination file", 1);
    SetUpRow(pnlDestHeight, "Desired height of destination file", 2);
    for (TEdit* field : {&edSrcFile, &edDestFile, static_cast<TEdit*>(&edSrcWidth), static_cast<TEdit*>(&edSrcHeight),
                         static_cast<TEdit*>(&edDestWidth), static_cast<TEdit*>(&edDestHeight)})
        field->SetParentColor(true);
    for (TButton* open : {&btnSrcFileOpen, &btnDestFileOpen})
        open->SetHint("Click to display file selection box");
    SetUpDialog(dlgOpen, "Open Kritz Animation", DialogOptions);
    SetUpDialog(dlgSave, "Save Kritz Animation", DialogOptions | ofOverwritePrompt);

    bbtnConvert.SetText("&Convert");
    bbtnConvert.SetHint("Click to convert");
    bbtnCancel.SetText("C&ancel");
    bbtnCancel.SetHint("Click to forget the whole thing");

    OnKeyDown = [this](WORD& key, unsigned shift) { FormKeyDown(key, shift); };
    OnActivate = [this] { FormActivate(); };
    OnDeactivate = [this] { FormDeactivate(); };
    bbtnConvert.OnClick = [this](TButton& sender) { bbtnConvertClick(sender); };
    bbtnCancel.OnClick = [this](TButton& sender) { bbtnCancelClick(sender); };
    btnSrcFileOpen.OnClick = [this](TButton& sender) { btnSrcFileOpenClick(sender); };
    btnDestFileOpen.OnClick = [this](TButton& sender) { btnDestFileOpenClick(sender); };
    FormCreate();
}

TfrmMain::~TfrmMain() { FormDestroy(); }

void TfrmMain::FormKeyDown(WORD& key, unsigned)
{
    if (key == VK_ESCAPE)
        Close();
}

void TfrmMain::bbtnConvertClick(TButton&) { ConvertAnimation(); }

void TfrmMain::bbtnCancelClick(TButton&) { Close(); }

void TfrmMain::btnSrcFileOpenClick(TButton&) { ChooseFile(dlgOpen, edSrcFile); }

void TfrmMain::btnDestFileOpenClick(TButton&) { ChooseFile(dlgSave, edDestFile); }

void TfrmMain::ChooseFile(TOpenDialog& dialog, TEdit& edit)
{
    if (!dialog.Execute())
        return;
    edit.SetText(std::string(FileNamePart(dialog.FileName())));
}

void TfrmMain::ConvertAnimation()
{
    const ConversionInputs inputs{
        edSrcFile.Text(),   dlgOpen.FileName(),  edDestFile.Text(),  dlgSave.FileName(),
        edSrcWidth.Text(),  edSrcHeight.Text(),  edDestWidth.Text(), edDestHeight.Text(),
    };
    Win32Files files;
    const ConversionOutcome outcome = kritz::ConvertAnimation(inputs, files);
    if (outcome.kind == OutcomeKind::InputError)
        throw InputError(outcome.message);
    ShowMsg(outcome.message, static_cast<UINT>(outcome.icon));
}

void TfrmMain::ShowMsg(const std::string& text, UINT icon)
{
    Application().MessageBox(text, "Kritz Converter", icon | MB_SETFOREGROUND | MB_OK);
}

}
