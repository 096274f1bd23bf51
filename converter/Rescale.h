// Rescaling the coordinates of one drawing record.
#pragma once

#include "DrawRecord.h"
#include "Factor.h"

namespace kritz {

struct AxisFactors {
    Factor horizontal;
    Factor vertical;
};

// Multiplies every coordinate of the record, chosen by its action's layout
// alone, by the factor of its axis; a 16-bit field keeps the low 16 bits of
// the result. Lines pair x with the horizontal factor and y with the vertical
// one, as they are drawn. All other bytes stay as they are.
// Returns false when a result leaves the signed 32-bit range; that field and
// the ones after it are then left unchanged.
bool RescaleRecord(DrawRecord& record, const AxisFactors& factors);

}
