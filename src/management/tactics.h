#pragma once
// The Tactics page: position swaps, boosts for the next match and the
// run-for-the-flag priority of each position. Writes the player's squad
// (`playerNames[1]`, `players[1]` in a swap), `shootingBoost`,
// `tacticsBoost`, `flagPriority`, `priorityShootingBonus` and
// `priorityFlagBonus`.

#include "management/page_tools.h"

namespace splat {

// A flag priority moves part of the player's ratings, chosen when it is set:
// high takes 1/kHighPriorityShooting of his shooting off and adds
// 1/kPriorityTactics of his tactics to the flag, low the other way round with
// 1/kLowPriorityShooting of his shooting.
inline constexpr int32_t kHighPriorityShooting = 5;  // a fifth
inline constexpr int32_t kLowPriorityShooting = 8;   // an eighth
inline constexpr int32_t kPriorityTactics = 8;       // an eighth

// A boost adds kBoostBase + random(kBoostSpread) to each comparison.
inline constexpr int32_t kBoostBase = 5;
inline constexpr int32_t kBoostSpread = 10;

class Tactics {
public:
    explicit Tactics(const PageTools& tools) : p_(tools) {}

    void Button2Click();            // position swap 1-2 (dxButton8)
    void Button3Click();            // 2-3
    void Button4Click();            // 3-4
    void Button5Click();            // 4-5
    void boostClick(int k);         // boost1Click .. boost5Click
    void prClick(int k, int item);  // pr1Click .. pr5Click

    // A position's boost gone, its "Deal" button back and its notice empty.
    void clearBoost(int slot);
    // The same for every position.
    void clearBoosts();

private:
    PageTools p_;
    GameState& s_ = p_.ctx.state;
    Window& win_ = p_.ctx.window;
    void swapPositions(int k);
};

}  // namespace splat
