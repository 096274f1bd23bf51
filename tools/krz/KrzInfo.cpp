#include "KrzInfo.h"

#include "Batches.h"
#include "Pairs.h"
#include "RecordFields.h"

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <limits>
#include <map>
#include <ostream>
#include <string>

namespace kritz {

namespace {

struct Extent {
    std::int64_t min = std::numeric_limits<std::int64_t>::max();
    std::int64_t max = std::numeric_limits<std::int64_t>::min();

    void Add(std::int64_t v)
    {
        min = std::min(min, v);
        max = std::max(max, v);
    }
    bool Empty() const { return min > max; }
};

struct BoundingBox {
    Extent x, y;

    void Add(const DrawRecord& r)
    {
        switch (LayoutOf(r.Action())) {
        case Layout::Point:
            x.Add(r.Point().X);
            y.Add(r.Point().Y);
            break;
        case Layout::ColorPoint:
            x.Add(r.ColorPoint().X);
            y.Add(r.ColorPoint().Y);
            break;
        case Layout::Box: {
            const auto b = r.Box();
            x.Add(b.Left), x.Add(b.Right), y.Add(b.Top), y.Add(b.Bottom);
            break;
        }
        case Layout::Line: {
            const auto l = r.Line();
            x.Add(l.X1), x.Add(l.X2), y.Add(l.Y1), y.Add(l.Y2);
            break;
        }
        default:
            break;
        }
    }
};

std::string Seconds(std::uint64_t ms)
{
    char text[40];
    std::snprintf(text, sizeof text, "%" PRIu64 ".%03u s", ms / 1000, static_cast<unsigned>(ms % 1000));
    return text;
}

std::string ColorText(std::int64_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

}

void PrintInfo(std::ostream& out, std::span<const DrawRecord> records, std::size_t trailingBytes)
{
    std::map<std::pair<unsigned, unsigned>, std::size_t> counts;
    BoundingBox box;
    std::uint64_t recordedMs = 0;
    std::uint64_t averagedMs = 0;
    for (const DrawRecord& r : records) {
        ++counts[{static_cast<unsigned>(r.Group()), static_cast<unsigned>(r.Action())}];
        box.Add(r);
        recordedMs += RecordWait(r, false);
        averagedMs += RecordWait(r, true);
    }

    out << "records: " << records.size() << '\n';
    out << "trailing bytes ignored: " << trailingBytes << '\n';
    out << "records by kind:\n";
    for (const auto& [pair, count] : counts) {
        const PairInfo* info = FindPair(GroupId(pair.first), ActionId(pair.second));
        out << "  " << (info ? info->name : "unknown") << " (group " << pair.first << ", action " << pair.second
            << "): " << count << '\n';
    }
    if (box.x.Empty())
        out << "bounding box: none\n";
    else
        out << "bounding box: x " << box.x.min << " to " << box.x.max << ", y " << box.y.min << " to " << box.y.max
            << '\n';
    out << "total time, recorded delays: " << Seconds(recordedMs) << '\n';
    out << "total time, averaged delays: " << Seconds(averagedMs) << '\n';
    // One pass as the replay shows it: batch by batch, with the gap after each.
    const ReplayDuration recorded = PassDuration(records, false);
    out << "batches: " << recorded.batches << '\n';
    out << "replay duration, recorded delays: " << Seconds(recorded.milliseconds) << '\n';
    out << "replay duration, averaged delays: " << Seconds(PassDuration(records, true).milliseconds) << '\n';
}

void PrintDump(std::ostream& out, std::span<const DrawRecord> records, bool json)
{
    std::size_t index = 0;
    std::size_t batch = 0;
    std::size_t batchEnd = records.empty() ? 0 : BatchEnd(records, 0);
    for (const DrawRecord& r : records) {
        if (index == batchEnd) {
            ++batch;
            batchEnd = BatchEnd(records, index);
        }
        const unsigned group = static_cast<unsigned>(r.Group());
        const unsigned action = static_cast<unsigned>(r.Action());
        const PairInfo* info = FindPair(r);
        const RecordFields fields(r);
        if (json) {
            out << "{\"index\":" << index << ",\"batch\":" << batch << ",\"group\":" << group << ",\"action\":" << action
                << ",\"delay\":" << r.Delay();
            for (const NamedField& f : fields.Items())
                out << ",\"" << f.name << "\":" << f.value;
            out << "}\n";
        } else {
            out << index << "  batch " << batch << "  " << (info ? info->name : "unknown") << " (group " << group << ", action " << action
                << ")  delay " << r.Delay();
            for (const NamedField& f : fields.Items())
                out << "  " << f.name << '=' << (f.isColor ? ColorText(f.value) : std::to_string(f.value));
            out << '\n';
        }
        ++index;
    }
}

}
