#pragma once
// The ZRK laboratory on the Finances page: lab and security upgrades, the
// chemist search and hiring the chemist found. Writes `labLevel`,
// `labUpgradePrice`, `labYield`, `securityLevel`, `securityUpgradePrice`,
// `scoutedChemist`, `scoutedChemistPrice` and the chemist (`chemistName`,
// `chemistDegree`, `chemistExperience`, `chemistKnowledge`).

#include "core/saturating.h"
#include "core/theft_rule.h"
#include "management/page_tools.h"

namespace splat {

// The lab's weekly base yield for a chemist at a lab level: (1.7 x degree +
// 2.5 x experience + knowledge) x 1.5 x level, truncated, one lower when that
// product is whole; 0 without a lab.
int32_t labYieldAt(int32_t degree, int32_t experience, int32_t knowledge, int32_t labLevel);
// The price of the next lab level and of the next security level, once the
// level has reached `level`.
inline int32_t labPriceAfter(int32_t level) { return clampToInt32(490LL * level - 1); }
inline int32_t securityPriceAfter(int32_t level) { return clampToInt32(150LL * level); }

class Laboratory {
public:
    explicit Laboratory(const PageTools& tools) : p_(tools) {}

    void labupgradeClick();
    void securityupgradeClick();
    void Button6Click();  // chemist search (dxButton13)
    void buychemistClick();

    // The lab's and the security's levels, prices and yield.
    void showLaboratory();

private:
    // Pays `price` and raises `level` by one, pricing the level after it;
    // false when the cash does not reach.
    bool raise(int32_t& level, int32_t& price, int32_t (*priceAfter)(int32_t), CashKind kind);
    // Shows the page and its tooltips again and says the new level.
    void upgraded(const char* what, int32_t level, int32_t nextPrice);

    PageTools p_;
    GameState& s_ = p_.ctx.state;
    Window& win_ = p_.ctx.window;
};

}  // namespace splat
