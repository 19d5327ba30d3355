#pragma once
// Art production on the Finances page: each level bought adds $50 a week and
// makes the next level 1.7 times dearer. Writes `artLevel`, `artIncome` and
// `artUpgradePrice`.

#include "core/account.h"
#include "core/game_context.h"

namespace splat {

class ArtProduction {
public:
    ArtProduction(GameContext& context, Account& account)
        : s_(context.state), win_(context.window), account_(account) {}

    void upgradeClick();           // dxButton12
    // The level, the weekly income and the next level's price.
    void showArtProduction();

private:
    GameState& s_;
    Window& win_;
    Account& account_;
};

}  // namespace splat
