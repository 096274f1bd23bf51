// The system's file dialogs. Each keeps the full path of the file last
// confirmed in it and starts from there the next time.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>

namespace kritz::win {

// Options, combinable, with the system's values.
enum TOpenOption : DWORD {
    ofOverwritePrompt = OFN_OVERWRITEPROMPT,
    ofHideReadOnly = OFN_HIDEREADONLY,
    // Reported by the system when the chosen name's extension is not the default.
    ofExtensionDifferent = OFN_EXTENSIONDIFFERENT,
    ofPathMustExist = OFN_PATHMUSTEXIST,
    ofFileMustExist = OFN_FILEMUSTEXIST,
    ofShareAware = OFN_SHAREAWARE,
};

class TOpenDialog {
public:
    TOpenDialog() = default;
    virtual ~TOpenDialog() = default;
    TOpenDialog(const TOpenDialog&) = delete;
    TOpenDialog& operator=(const TOpenDialog&) = delete;

    void SetTitle(std::string title) { m_title = std::move(title); }
    // Pairs of description and pattern, all separated by "|".
    void SetFilter(std::string filter) { m_filter = std::move(filter); }
    void SetDefaultExt(std::string extension) { m_defaultExt = std::move(extension); }
    void SetOptions(DWORD options) { m_options = options; }
    DWORD Options() const { return m_options; }
    const std::string& FileName() const { return m_fileName; }
    void SetFileName(std::string name) { m_fileName = std::move(name); }

    // Shows the dialog modally, owned by the active window. True when the
    // user confirmed a file: FileName is then its full path. On a cancel
    // nothing changes.
    bool Execute();

protected:
    virtual BOOL Run(OPENFILENAMEA& request) { return GetOpenFileNameA(&request); }

private:
    std::string m_title;
    std::string m_filter;
    std::string m_defaultExt;
    std::string m_fileName;
    DWORD m_options = ofHideReadOnly;
};

class TSaveDialog final : public TOpenDialog {
protected:
    BOOL Run(OPENFILENAMEA& request) override { return GetSaveFileNameA(&request); }
};

}
