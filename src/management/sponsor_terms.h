#pragma once
// The four sponsors' terms: what applying and dropping cost and what an
// application must pass. Sponsors applies them; the explanations quote them.

#include "core/game_state.h"

namespace splat {

struct SponsorTerms {
    int fee;              // paid with every application, accepted or not
    int runThreshold;     // random(2) + unbeatenRun must reach it
    int pointsThreshold;  // league points per week played must reach it
    int dumpCost;
};

inline constexpr SponsorTerms kSponsorTerms[kSponsors + 1] = {
    {0, 0, 0, 0}, {300, 2, 1, 400}, {500, 3, 1, 300}, {1000, 3, 2, 200}, {1500, 4, 2, 100},
};

// A sponsor's week pays its base plus a draw below this share of it.
inline constexpr int32_t kSponsorSpreadDivisor = 5;  // a fifth

// After the two thresholds, one more draw: random(kSponsorLastDraw) above
// kSponsorLastDrawAbove.
inline constexpr int kSponsorLastDraw = 50;
inline constexpr int kSponsorLastDrawAbove = 10;

}  // namespace splat
