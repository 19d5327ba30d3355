#pragma once
// How much a marker and each orb add where they act, written once: the match,
// the week's settlement and the explanations of the shop all read them here.

#include <cstdint>

namespace splat {

// Every model number of a marker adds this much to its carrier's side of the
// shooting comparison.
inline constexpr int32_t kMarkerWeight = 3;
// The orbs' dice: an owned orb adds random(n) with these n.
inline constexpr int32_t kAccuracyDie = 6;  // to the shooting edge of every exchange
inline constexpr int32_t kWisdomDie = 6;    // to the tactics edge of every exchange
inline constexpr int32_t kChaosDie = 8;     // to both edges, one draw each
inline constexpr int32_t kLoreDie = 7;      // to every training roll
// The Orb of Acid adds this much per full hundred of the lab's income.
inline constexpr int32_t kAcidPerHundred = 30;
// The Orb of Training pool adds this many points every week.
inline constexpr int32_t kPoolOrbPoints = 10;
// The lab's week brings its income, less a draw below this share of it, plus
// another (the forecast of the season book counts the worst of it).
inline constexpr int32_t kLabSpreadDivisor = 5;  // a fifth

}  // namespace splat
