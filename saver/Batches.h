// How the replay groups records into the batches it shows one at a time: a
// pen stroke, a run of like shapes, a fill or a pause.
#pragma once

#include "DrawRecord.h"

#include <cstdint>
#include <span>

namespace kritz {

// The end (exclusive) of the batch led by the record at `lead`, which must
// be an index of `records`. The lead always belongs to its batch.
std::size_t BatchEnd(std::span<const DrawRecord> records, std::size_t lead);

// The wait after a drawing record: its Delay, or 1 ms with averaged delays
// whatever the Delay.
inline std::uint32_t StrokeDelay(std::uint16_t delay, bool averagedDelays) { return averagedDelays ? 1 : delay; }

// Milliseconds the replay waits after playing a record: a drawing record its
// Delay (1 ms with averaged delays), a pause record its Duration, all others
// nothing.
std::uint32_t RecordWait(const DrawRecord& record, bool averagedDelays);

// The pause after every batch, the shortest interval of the system's
// message timer.
inline constexpr std::uint32_t BatchGapMs = 10;

struct ReplayDuration {
    std::size_t batches = 0;
    std::uint64_t milliseconds = 0;  // one pass, batch gaps included
};

// One pass of the replay on its timeline.
ReplayDuration PassDuration(std::span<const DrawRecord> records, bool averagedDelays);

}
