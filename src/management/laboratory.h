#pragma once
// The ZRK laboratory on the Finances page: lab and security upgrades, the
// chemist search and hiring the chemist found. Writes `labLevel`,
// `labUpgradePrice`, `labYield`, `securityLevel`, `securityUpgradePrice`,
// `scoutedChemist`, `scoutedChemistPrice` and the chemist (`chemistName`,
// `chemistDegree`, `chemistExperience`, `chemistKnowledge`).

#include "core/account.h"
#include "core/game_context.h"
#include "management/page_refresh.h"

namespace splat {

class Laboratory {
public:
    Laboratory(GameContext& context, Account& account, PageRefresh& refresh)
        : ctx_(context), s_(context.state), win_(context.window), account_(account), refresh_(refresh) {}

    void labupgradeClick();
    void securityupgradeClick();
    void Button6Click();           // chemist search (dxButton13)
    void buychemistClick();

    // The lab's and the security's levels, prices and yield.
    void showLaboratory();

private:
    GameContext& ctx_;
    GameState& s_;
    Window& win_;
    Account& account_;
    PageRefresh& refresh_;
};

}  // namespace splat
