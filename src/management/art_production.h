#pragma once
// Art production on the Finances page: each level bought adds $50 a week and
// makes the next level 1.7 times dearer. Writes `artLevel`, `artIncome` and
// `artUpgradePrice`.

#include "management/page_tools.h"

namespace splat {

class ArtProduction {
public:
    explicit ArtProduction(const PageTools& tools) : p_(tools) {}

    void upgradeClick();  // dxButton12
    // The level, the weekly income and the next level's price.
    void showArtProduction();

private:
    PageTools p_;
    GameState& s_ = p_.ctx.state;
    Window& win_ = p_.ctx.window;
};

}  // namespace splat
