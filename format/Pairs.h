// The (Group, Action) pairs that a reader of animation files interprets.
#pragma once

#include "DrawRecord.h"

#include <span>
#include <string_view>

namespace kritz {

struct PairInfo {
    GroupId group;
    ActionId action;
    std::string_view name;
    bool usesDelay;  // the player waits the record's Delay after drawing it
};

// Every named pair. The point records (actions 1 and 2) count under any
// group; their entries carry group 0.
std::span<const PairInfo> KnownPairs();

// The pair's entry, or nullptr when no reader interprets it.
const PairInfo* FindPair(GroupId group, ActionId action);

inline const PairInfo* FindPair(const DrawRecord& r) { return FindPair(r.Group(), r.Action()); }

}
