#include "KritzPlayu.h"

#include "Exceptions.h"
#include "FileStream.h"
#include "IniFile.h"
#include "SettingsRules.h"
#include "settings.h"

#include <algorithm>

namespace kritz {

using namespace win;

namespace {

// Presents at most about once per display frame.
constexpr std::int64_t FrameMs = 16;

}

std::int64_t TfrmMain::SystemClock::NowMs() { return static_cast<std::int64_t>(GetTickCount64()); }

FormLayout TfrmMain::MainLayout()
{
    FormLayout layout = SaverLayout();
    layout.caption = "The Kritz Orbis Screen Saver";
    layout.windowClass = "TfrmMain";
    return layout;
}

TfrmMain::TfrmMain(TApplication* owner)
    : TScreenSaverForm(owner, MainLayout())
{
    FormCreate();
}

TfrmMain::TfrmMain(Parented parented)
    : TScreenSaverForm(parented, MainLayout())
{
    FormCreate();
}

TfrmMain::~TfrmMain() { FormDestroy(); }

void TfrmMain::FormCreate()
{
    FAveragedDelays = DefaultAveragedDelays;
    FFileName = DefaultAnimationFile;
    FDrawCanvas = std::make_unique<GdiCanvas>(Width(), Height(), FDrawOrigin);
    m_engine = std::make_unique<ReplayEngine>(*FDrawCanvas, m_clock);
    Timer.OnTimer = [this] { TimerEvent(); };
}

void TfrmMain::FormDestroy()
{
    Timer.SetEnabled(false);
    m_engine->FreeRecords();
}

void TfrmMain::StartSaver()
{
    SaverSettings settings{FFileName, FAveragedDelays};
    try {
        TIniFile ini(SettingsPath());
        ReadSettings(ini, settings);
    } catch (const std::exception&) {
        // The defaults stand for whatever could not be read.
    }
    FFileName = settings.fileName;
    FAveragedDelays = settings.averagedDelays;
    m_engine->SetAveragedDelays(FAveragedDelays);
    LoadAnimation();
    m_engine->Start();
    Timer.SetInterval(1);
    Timer.SetEnabled(true);
}

void TfrmMain::LoadAnimation()
{
    const std::string path =
        std::string(DirectoryPart(SettingsPath())) + std::string(FPreview ? PreviewAnimationFile : FFileName);
    m_engine->FreeRecords();
    try {
        TFileStream file(path, fmOpenRead | fmShareDenyWrite);
        // A name from the settings file can name a device, such as CON,
        // whose reading would never end.
        if (!file.IsDiskFile())
            throw EFOpenError("Cannot open file \"" + path + "\". It is not a file on a disk");
        m_engine->LoadAnimation(file);
    } catch (const std::exception&) {
        Application().MessageBox("Error loading \"" + path + "\"", "Error", MB_OK);
    }
}

void TfrmMain::TimerEvent()
{
    Timer.SetEnabled(false);
    const std::int64_t wait = m_engine->Step();
    const std::int64_t sincePresent = m_clock.NowMs() - m_lastPresent;
    std::int64_t next = wait;
    if (FDrawCanvas->TakeDirty()) {
        if (sincePresent >= FrameMs)
            Present();
        else {
            // Drawn but not yet shown: come back when the frame is due.
            FDrawCanvas->SetDirty();
            next = std::min(wait, FrameMs - sincePresent);
        }
    }
    if (next == ReplayEngine::Idle)
        return;
    Timer.SetInterval(static_cast<UINT>(std::clamp<std::int64_t>(next, 1, 24 * 60 * 60 * 1000)));
    Timer.SetEnabled(true);
}

void TfrmMain::Present()
{
    m_lastPresent = m_clock.NowMs();
    if (!HandleAllocated())
        return;
    InvalidateRect(Handle(), nullptr, FALSE);
    UpdateWindow(Handle());
}

void TfrmMain::Paint(HDC dc, const RECT& area) { FDrawCanvas->Present(dc, area); }

}
