#pragma once
// The lab's theft, written once: the week's settlement draws with it, the
// explanations quote it and the season book's forecast counts on it.

#include <cstdint>

#include "core/saturating.h"

namespace splat {

// The week's theft draw is random(theftRange(security level)); a lab is
// robbed when the draw is above kTheftAbove (an empty range robs nobody).
inline int32_t theftRange(int32_t securityLevel) { return clampToInt32(100 - 5 * int64_t{securityLevel}); }
inline constexpr int32_t kTheftAbove = 50;

// Whether a thief can get in at all at this security level.
inline bool theftPossible(int32_t securityLevel) {
    const int32_t range = theftRange(securityLevel);
    return range > 0 && range - 1 > kTheftAbove;
}

}  // namespace splat
