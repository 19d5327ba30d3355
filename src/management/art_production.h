#pragma once
// Art production on the Finances page: each level bought adds $50 a week and
// makes the next level 1.7 times dearer. Writes `artLevel`, `artIncome` and
// `artUpgradePrice`.

#include "core/saturating.h"
#include "management/page_tools.h"

namespace splat {

// What a level of art production adds to the weekly income.
inline constexpr int32_t kArtIncomePerLevel = 50;
// The price of the level after one bought at `price`: 1.7 x price truncated,
// one lower when the product is whole.
inline int32_t nextArtPrice(int32_t price) { return clampToInt32((17LL * price - 1) / 10); }

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
