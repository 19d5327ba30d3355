// The warning beside the cash: shown, with its tooltip and one announcement,
// in the week before training costs end the game, and not while the cash and
// the sure incomes cover them.

#include "match_helpers.h"

namespace splat::testing {
namespace {

TEST(CashWarning, ComesTheWeekBeforeTrainingCostsEndTheGame) {
    struct Case {
        int32_t cash;
        int32_t sponsorBase;
        int32_t labLevel;
        int32_t securityLevel;
        bool warned;
    };
    // Training costs 600; a lost match may bring nothing.
    const Case cases[] = {
        {500, 0, 0, 0, true},     // the costs are more than the cash
        {600, 0, 0, 0, false},    // the cash covers them exactly
        {500, 200, 0, 0, false},  // the sponsor's base is sure to come
        {500, 0, 3, 0, true},     // the lab may be robbed
        {500, 0, 3, 10, false},   // ... unless no thief can get in
    };
    for (const Case& c : cases) {
        HeadlessGame h;
        GameState& s = h.state();
        quietWeek(h);
        s.cash = c.cash;
        s.sponsorBase = c.sponsorBase;
        s.labLevel = c.labLevel;
        s.labYield = 200;
        s.securityLevel = c.securityLevel;
        s.shootingTrainingCost = {0, 100, 200, 300};
        s.tacticsTrainingCost = {0, 100, 200, 300};
        h.game.training().tacticsSelected(3);
        h.game.training().shootingSelected(3);
        h.game.refresh().refreshViews();
        const std::string why = std::to_string(c.cash) + "/" + std::to_string(c.sponsorBase) + "/" +
                                std::to_string(c.labLevel) + "/" + std::to_string(c.securityLevel);

        EXPECT_EQ(h.window.visible("cashWarning"), c.warned) << why;
        const auto& said = h.window.announcements();
        EXPECT_EQ(said.size(), c.warned ? 1u : 0u) << why;
        if (c.warned) {
            EXPECT_EQ(said.back(), h.window.control("cashWarning")->toolTip);
            EXPECT_NE(said.back().find("lower the training level"), std::string::npos);
        }

        // A lost match: the warning was right when the game ends.
        s.ourScore = 0;
        s.theirScore = 10;
        h.game.week().settleMatch();
        if (c.sponsorBase == 0 && c.labLevel == 0) {
            EXPECT_EQ(h.game.closed(), c.warned) << why;
        }
        EXPECT_TRUE(!h.game.closed() || c.warned) << why;
    }
}

}  // namespace
}  // namespace splat::testing
