#include "Pairs.h"

#include <array>

namespace kritz {

namespace {

using enum GroupId;
using enum ActionId;

constexpr std::array s_pairs{
    PairInfo{grScreen, acClear, "clear", false},
    PairInfo{grShape, acRecolor, "recolour square", false},
    PairInfo{grShape, acEllipse, "ellipse", true},
    PairInfo{grShape, acFloodFill, "flood fill", true},
    PairInfo{grShape, acLine, "line", true},
    PairInfo{grShape, acRoundRect, "rounded rectangle", true},
    PairInfo{grShape, acRectangle, "rectangle", true},
    PairInfo{grPen, acStrokeStart, "stroke start", true},
    PairInfo{grPen, acPenWidth, "pen width", false},
    PairInfo{grPen, acStrokeTo, "stroke segment", true},
    PairInfo{grPen, acDrawModes, "drawing modes", false},
    PairInfo{grPen, acColors, "colours", false},
    PairInfo{grPause, acPause, "pause", false},
    PairInfo{GroupId{0}, acPoint1, "point record", false},
    PairInfo{GroupId{0}, acPoint2, "point record", false},
};

}

std::span<const PairInfo> KnownPairs() { return s_pairs; }

const PairInfo* FindPair(GroupId group, ActionId action)
{
    const bool pointRecord = action == acPoint1 || action == acPoint2;
    for (const PairInfo& p : s_pairs) {
        if (p.action == action && (pointRecord || p.group == group))
            return &p;
    }
    return nullptr;
}

}
