#pragma once
// The shop's price rules: each marker and orb costs its base plus a draw
// below its spread. The shop draws with them and the explanations quote them.

#include <array>
#include <cstdint>

#include "core/game_state.h"

namespace splat {

struct PriceRule {
    int32_t base;
    int32_t spread;
};

// A marker sells for this share of what the shop asks for it now.
inline constexpr int32_t kMarkerSaleTimes = 2;
inline constexpr int32_t kMarkerSaleOver = 3;  // two thirds

// Markers 1..11: the opening prices of a new world beside the ones every
// settlement draws for the next week. The rules are the same but for the two
// best markers: the opening shop sells the Hell Furlong and the Tech demon
// for about 5000 and 8000, and from the first settlement on they cost about
// 8000 and 15000. That is the opening bargain of every game: a club that
// saves from the first week can have a top marker early, later it pays the
// full price.
// The two tables stand row beside row, so that they read as the one
// difference they are.
// clang-format off
inline constexpr std::array<PriceRule, kMarkers> kOpeningMarkerPrices{{
    {90, 20}, {190, 50}, {350, 100}, {700, 200}, {900, 100}, {1300, 100},
    {1700, 200}, {2500, 500}, {4000, 200}, {5000, 200}, {8000, 2000},
}};
inline constexpr std::array<PriceRule, kMarkers> kWeeklyMarkerPrices{{
    {90, 20}, {190, 50}, {350, 100}, {700, 200}, {900, 100}, {1300, 100},
    {1700, 200}, {2500, 500}, {4000, 200}, {8000, 200}, {15000, 2000},
}};
// clang-format on

// Orbs in shop order: Accuracy, Wisdom, Lore, Chaos, Acid, Training pool; the
// same rules at the opening and every week.
inline constexpr std::array<PriceRule, kOrbs> kOrbPrices{{
    {800, 300},
    {700, 300},
    {2000, 500},
    {4000, 2000},
    {4500, 3000},
    {2000, 1500},
}};

}  // namespace splat
