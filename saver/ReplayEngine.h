// The replay: an animation's records, played batch by batch on a canvas
// along a timeline. All state lives here; the window only feeds it the time
// and presents what it drew.
#pragma once

#include "Batches.h"
#include "DrawRecord.h"
#include "RecordIo.h"
#include "ReplayCanvas.h"

#include <cstdint>
#include <limits>
#include <vector>

namespace kritz {

// Milliseconds on a monotonic clock.
class ReplayClock {
public:
    virtual ~ReplayClock() = default;
    virtual std::int64_t NowMs() = 0;
};

class ReplayEngine {
public:
    // Sets the drawing defaults: black pen in copy mode, solid; white solid
    // brush; averaged delays on.
    ReplayEngine(ReplayCanvas& canvas, ReplayClock& clock);
    ReplayEngine(const ReplayEngine&) = delete;
    ReplayEngine& operator=(const ReplayEngine&) = delete;

    void SetAveragedDelays(bool averaged) { FAveragedDelays = averaged; }
    bool AveragedDelays() const { return FAveragedDelays; }

    void FreeRecords();
    // Appends the source's records; those read before a failure stay.
    void LoadAnimation(ByteSource& source);
    const std::vector<DrawRecord>& Records() const { return FRecords; }

    // Starts the first pass: the first batch is due one batch gap from now.
    void Start();
    // Plays what is due, for a few milliseconds at most, and returns the
    // milliseconds until more is due: 0 when it is already.
    std::int64_t Step();
    static constexpr std::int64_t Idle = std::numeric_limits<std::int64_t>::max();

    std::size_t PlayIndex() const { return FPlayIndex; }

    // Draws one record and returns the milliseconds to wait after it.
    std::uint32_t PlayRecord(const DrawRecord& record);
    // In the square of 2 * radius + 1 pixels around (x, y), pixels of
    // exactly `oldColor` become `newColor`.
    void RecolorSquare(std::int32_t x, std::int32_t y, std::int32_t radius, TColor newColor, TColor oldColor);
    // Fills the whole canvas white; pen and brush stay as they were.
    void ClearScreen();

    const TPen& Pen() const { return m_pen; }
    const TBrush& Brush() const { return m_brush; }

private:
    void PenChanged() { FDrawCanvas.SetPen(m_pen); }
    void BrushChanged() { FDrawCanvas.SetBrush(m_brush); }
    void SetDrawingModes(const DrawingModesRecord& modes);

    ReplayCanvas& FDrawCanvas;
    ReplayClock& m_clock;
    std::vector<DrawRecord> FRecords;
    std::size_t FPlayIndex = 0;
    bool FAveragedDelays = true;
    TPen m_pen;
    TBrush m_brush;

    // The timeline: when the next step is due, and where in the pass it is.
    std::int64_t m_due = 0;
    std::size_t m_batchEnd = 0;  // 0: the next record leads a new batch
    bool m_clearDue = false;
};

}
