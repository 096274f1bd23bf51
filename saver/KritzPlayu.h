// TfrmMain: the screen saver's replay window. It reads the settings, loads
// the animation and lets the replay engine draw it on an off-screen canvas,
// stepping it from a timer so that every wait leaves the message loop free.
#pragma once

#include "GdiCanvas.h"
#include "ReplayEngine.h"
#include "Timer.h"
#include "frmSaver.h"

#include <memory>
#include <string>

namespace kritz {

class TfrmMain final : public TScreenSaverForm {
public:
    explicit TfrmMain(win::TApplication* owner);
    explicit TfrmMain(Parented parented);
    ~TfrmMain() override;

    // Reads the settings, loads the animation and starts the replay.
    void StartSaver() override;

    static win::FormLayout MainLayout();

    // The replay, for those who watch it (tests and benchmarks).
    const ReplayEngine& Engine() const { return *m_engine; }

protected:
    // The off-screen picture covers the whole window: nothing to erase.
    void EraseBackground(HDC) override {}
    void Paint(HDC dc, const RECT& area) override;

private:
    class SystemClock final : public ReplayClock {
    public:
        std::int64_t NowMs() override;
    };

    void FormCreate();
    void FormDestroy();
    void TimerEvent();
    void LoadAnimation();
    void Present();

    win::TTimer Timer;
    SystemClock m_clock;
    std::unique_ptr<GdiCanvas> FDrawCanvas;
    std::unique_ptr<ReplayEngine> m_engine;
    bool FAveragedDelays = true;
    std::string FFileName;
    std::int64_t m_lastPresent = 0;
};

}
