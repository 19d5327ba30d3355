#pragma once
// The match's and the season's numbers, written once: the engine, the
// settlement and the season end play with them and the guide quotes them.

#include <cstdint>

namespace splat {

// A match: at most this many exchanges, and the points of each deed.
inline constexpr int32_t kLastExchange = 15;
inline constexpr int32_t kElimination = 5;
inline constexpr int32_t kPickUp = 10;
inline constexpr int32_t kHungFlag = 20;
inline constexpr int32_t kAllOut = 20;

// The three game speeds: milliseconds a tick.
inline constexpr int kSlowMs = 800;
inline constexpr int kNormalMs = 500;
inline constexpr int kFastMs = 300;

// League points of a win and of a tie.
inline constexpr int32_t kWinPoints = 3;
inline constexpr int32_t kTiePoints = 1;

// A prize is its base plus random(spread).
struct PrizeRule {
    int32_t base;
    int32_t spread;
};
inline constexpr PrizeRule kWinPrize{300, 150};
inline constexpr PrizeRule kTiePrize{100, 100};
inline constexpr PrizeRule kLossPrize{0, 50};
// The season's prizes for places 1..3 (entry 0 unused).
inline constexpr PrizeRule kSeasonPrizes[4] = {{0, 0}, {3000, 200}, {1500, 200}, {900, 200}};
// The weekly growth of a computer-run rating: g = random(difficulty +
// kGrowthDie); above kGrowthOneAbove +1, above kGrowthTwoAbove +1 more.
inline constexpr int32_t kGrowthDie = 10;
inline constexpr int32_t kGrowthOneAbove = 8;
inline constexpr int32_t kGrowthTwoAbove = 11;
// At a season's end a computer-run rating more than kCatchUpGap below the
// player's squad average is raised to kCatchUpLeast .. kCatchUpLeast +
// kCatchUpSpread - 1 below it.
inline constexpr int32_t kCatchUpGap = 20;
inline constexpr int32_t kCatchUpLeast = 10;
inline constexpr int32_t kCatchUpSpread = 10;
// Places from here down leave the league at the season's end.
inline constexpr int32_t kFirstRelegationPlace = 9;

}  // namespace splat
