// Rescaling the coordinates of drawing records.
#pragma once

#include "DrawRecord.h"
#include "Factor.h"

#include <array>

namespace kritz {

// The rescaling of one run: a factor for each axis, and the layout of every
// action looked up once instead of for each record.
class Rescaler {
public:
    Rescaler(const Factor& horizontal, const Factor& vertical);

    // Multiplies every coordinate of the record, chosen by its action's layout
    // alone, by the factor of its axis; a 16-bit field keeps the low 16 bits
    // of the result. Lines pair x with the horizontal factor and y with the
    // vertical one, as they are drawn. All other bytes stay as they are.
    // Returns false when a result leaves the signed 32-bit range; that field
    // and the ones after it are then left unchanged.
    bool Rescale(DrawRecord& record) const;

private:
    Factor m_horizontal;
    Factor m_vertical;
    std::array<Layout, 256> m_layouts{};
};

}
