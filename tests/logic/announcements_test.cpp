// What the game says to a screen reader of its own accord: each action once,
// what it did; the score with both numbers and the all-out bonus.

#include <string>

#include "core/control_names.h"
#include "headless_game.h"

namespace splat::testing {
namespace {

struct ActionCase {
    const char* what;
    void (*act)(Game&);
    const char* said;  // the start of what is said; every purchase ends with the cash
};

TEST_F(GameTest, EachActionSaysOnceWhatItDid) {
    s.cash = 100000;
    const ActionCase cases[] = {
        {"player search", [](Game& g) { g.scout().playersearchClick(); }, "Found "},
        {"hire", [](Game& g) { g.scout().replaceClick(2); }, "Hired "},
        {"coach search", [](Game& g) { g.scout().coachsearchClick(); }, "Found coach "},
        {"coach hire", [](Game& g) { g.scout().replaceyourcoachClick(); }, "Hired coach "},
        {"refused marker", [](Game& g) { g.gear().buyMarker(2); }, "Nothing bought: "},
        {"sale", [](Game& g) { g.gear().sellweaponClick(); }, "Sold "},
        {"marker", [](Game& g) { g.gear().buyMarker(2); }, "Bought "},
        {"lab", [](Game& g) { g.laboratory().labupgradeClick(); }, "Lab at level "},
        {"art", [](Game& g) { g.art().upgradeClick(); }, "Art production at level "},
        {"sponsor", [](Game& g) { g.sponsors().applyClick(1); }, ""},
        {"boost", [](Game& g) { g.tactics().boostClick(1); }, ""},
        {"training points", [](Game& g) { g.training().buytpClick(); }, ""},
    };
    for (const ActionCase& c : cases) {
        const size_t before = h.window.announcements().size();
        const int32_t cashBefore = s.cash;
        c.act(h.game);
        ASSERT_EQ(h.window.announcements().size(), before + 1) << c.what;
        const std::string& said = h.window.announcements().back();
        EXPECT_EQ(said.rfind(c.said, 0), 0u) << c.what << ": " << said;
        if (s.cash != cashBefore) {
            EXPECT_TRUE(said.ends_with(", cash $" + std::to_string(s.cash))) << c.what << ": " << said;
        }
    }
    EXPECT_NE(h.window.announcements()[4].find(s.playerNames[1][s.selectedPlayer]), std::string::npos);
    // The selection is said on every player's button, not only by the ">".
    h.game.gear().plaClick(3);
    for (int j = 1; j <= kPlayers; ++j)
        EXPECT_EQ(h.window.control(numbered("pla", j))->toolTip.starts_with("Selected"), j == 3) << j;
}

TEST_F(GameTest, TheScoreIsSaidWithBothNumbersAndTheAllOutBonusOnItsOwn) {
    s.teamName = "Your team";
    h.game.match().StartClick();
    const size_t before = h.window.announcements().size();
    for (int j = 1; j <= kPlayers; ++j) {
        s.theirActor = 1;
        s.ourActor = j;
        h.game.match().eliminateOurs();
    }
    const std::string them = s.teamNames[s.opponentTeam];
    const std::vector<std::string> said(h.window.announcements().begin() + static_cast<long>(before),
                                        h.window.announcements().end());
    ASSERT_EQ(said.size(), 7u);
    EXPECT_EQ(said[0], "Your team 0, " + them + " 5");
    EXPECT_EQ(said[4], "Your team 0, " + them + " 25");
    EXPECT_EQ(said[5], "All of Your team out: 20 more for " + them);
    EXPECT_EQ(said[6], "Your team 0, " + them + " 45");
}

}  // namespace
}  // namespace splat::testing
