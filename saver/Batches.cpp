#include "Batches.h"

#include "Pairs.h"

namespace kritz {

namespace {

bool IsStrokeStart(const DrawRecord& r) { return r.Group() == GroupId::grPen && r.Action() == ActionId::acStrokeStart; }

bool IsAttribute(ActionId action)
{
    return action == ActionId::acPenWidth || action == ActionId::acDrawModes || action == ActionId::acColors;
}

bool Joins(const DrawRecord& lead, const DrawRecord& r)
{
    if (r.Group() == GroupId::grPen)
        return lead.Group() == GroupId::grPen && r.Action() != ActionId::acStrokeStart;
    if (r.Action() == ActionId::acFloodFill)
        return false;
    return (r.Group() == lead.Group() && r.Action() == lead.Action()) || IsAttribute(r.Action());
}

}

std::size_t BatchEnd(std::span<const DrawRecord> records, std::size_t lead)
{
    const DrawRecord& first = records[lead];
    std::size_t end = lead;
    if (IsStrokeStart(first))
        ++end;
    while (end < records.size() && Joins(first, records[end]))
        ++end;
    return end > lead ? end : lead + 1;
}

std::uint32_t RecordWait(const DrawRecord& record, bool averagedDelays)
{
    const PairInfo* pair = FindPair(record);
    if (!pair)
        return 0;
    if (pair->usesDelay)
        return StrokeDelay(record.Delay(), averagedDelays);
    if (pair->group == GroupId::grPause)
        return record.Pause().Duration;
    return 0;
}

ReplayDuration PassDuration(std::span<const DrawRecord> records, bool averagedDelays)
{
    ReplayDuration duration;
    for (std::size_t lead = 0; lead < records.size();) {
        const std::size_t end = BatchEnd(records, lead);
        for (std::size_t i = lead; i < end; ++i)
            duration.milliseconds += RecordWait(records[i], averagedDelays);
        duration.milliseconds += BatchGapMs;
        ++duration.batches;
        lead = end;
    }
    return duration;
}

}
