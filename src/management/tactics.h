#pragma once
// The Tactics page: position swaps, boosts for the next match and the
// run-for-the-flag priority of each position. Writes the player's squad
// (`playerNames[1]`, `players[1]` in a swap), `shootingBoost`,
// `tacticsBoost`, `flagPriority`, `priorityShootingBonus` and
// `priorityFlagBonus`.

#include "core/account.h"
#include "core/game_context.h"
#include "management/page_refresh.h"

namespace splat {

class Tactics {
public:
    Tactics(GameContext& context, Account& account, PageRefresh& refresh)
        : ctx_(context), s_(context.state), win_(context.window), account_(account), refresh_(refresh) {}

    void Button2Click();           // position swap 1-2 (dxButton8)
    void Button3Click();           // 2-3
    void Button4Click();           // 3-4
    void Button5Click();           // 4-5
    void boostClick(int k);        // boost1Click .. boost5Click
    void prClick(int k, int item); // pr1Click .. pr5Click

    // A position's boost gone, its "Deal" button back and its notice empty.
    void clearBoost(int slot);
    // The same for every position.
    void clearBoosts();

private:
    void swapPositions(int k);

    GameContext& ctx_;
    GameState& s_;
    Window& win_;
    Account& account_;
    PageRefresh& refresh_;
};

}  // namespace splat
