#pragma once

#include "DrawRecord.h"

#include <iosfwd>
#include <span>

namespace kritz {

// Summary of an animation: record counts by kind, bounding box of the
// coordinates, total recorded time.
void PrintInfo(std::ostream& out, std::span<const DrawRecord> records, std::size_t trailingBytes);

// Lists every record; `json` gives one JSON object per line.
void PrintDump(std::ostream& out, std::span<const DrawRecord> records, bool json);

}
