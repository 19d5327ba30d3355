#pragma once
// The ZRK laboratory on the Finances page: lab and security upgrades, the
// chemist search and hiring the chemist found. Writes `labLevel`,
// `labUpgradePrice`, `labYield`, `securityLevel`, `securityUpgradePrice`,
// `scoutedChemist`, `scoutedChemistPrice` and the chemist (`chemistName`,
// `chemistDegree`, `chemistExperience`, `chemistKnowledge`).

#include "management/page_tools.h"

namespace splat {

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
    PageTools p_;
    GameState& s_ = p_.ctx.state;
    Window& win_ = p_.ctx.window;
};

}  // namespace splat
