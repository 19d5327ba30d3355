// The management controls as the window and the driver reach them.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "game/bindings.h"
#include "headless_game.h"
#include "splat_script/script_runner.h"

namespace splat {
namespace {

using testing::HeadlessGame;

std::string num(const char* stem, int n) { return stem + std::to_string(n); }

TEST(ManagementBindings, EveryControlHasItsHandler) {
    std::vector<std::string> clicks = {"playersearch", "coachsearch", "replaceyourcoach", "buytp",
                                       "sellweapon",   "labupgrade",  "securityupgrade",  "dxButton12",
                                       "dxButton13",   "buychemist"};
    for (int n = 1; n <= 5; ++n) {
        clicks.push_back(num("replace", n));
        clicks.push_back(num("pla", n));
        clicks.push_back(num("boost", n));
        EXPECT_NE(findBinding(num("pr", n), Signal::Select), nullptr) << n;
    }
    for (int n = 1; n <= 11; ++n) clicks.push_back(num("buy", n));
    for (int n = 1; n <= 6; ++n) clicks.push_back(num("buya", n));
    for (int n = 1; n <= 4; ++n) {
        clicks.push_back(num("apply", n));
        clicks.push_back(num("dump", n));
    }
    for (int n = 3; n <= 19; ++n) {
        if (n != 12 && n != 13 && n != 14) clicks.push_back(num("dxButton", n));
    }
    for (const auto& name : clicks) {
        EXPECT_NE(findBinding(name, Signal::Click), nullptr) << name;
        int count = 0;
        for (const Binding& b : bindings()) count += b.control == name && b.signal == Signal::Click;
        EXPECT_EQ(count, 1) << name;
    }
}

// The buttons of both rows, caption by caption, do the same swap.
TEST(ManagementBindings, BothRowsOfMarkerSwapsCallTheSameHandlers) {
    const char* const captions[] = {"1-2", "2-3", "3-4", "4-5", "5-1"};
    for (int i = 0; i < 5; ++i) {
        HeadlessGame team;
        HeadlessGame gear;
        for (HeadlessGame* h : {&team, &gear}) {
            for (int j = 1; j <= kPlayers; ++j) h->state().players[1][j].marker = j;
        }
        EXPECT_EQ(team.text(num("dxButton", 15 + i)), captions[i]);
        EXPECT_EQ(gear.text(num("dxButton", 3 + i)), captions[i]);
        findBinding(num("dxButton", 15 + i), Signal::Click)->handler(team.game, 0, "");
        findBinding(num("dxButton", 3 + i), Signal::Click)->handler(gear.game, 0, "");
        const int a = i + 1;
        const int b = i == 4 ? 1 : i + 2;
        for (HeadlessGame* h : {&team, &gear}) {
            EXPECT_EQ(h->state().players[1][a].marker, b) << captions[i];
            EXPECT_EQ(h->state().players[1][b].marker, a) << captions[i];
        }
        EXPECT_EQ(team.state().players[1], gear.state().players[1]);
    }
}

TEST(ManagementBindings, NumberedFamiliesReachTheirOwnSlot) {
    HeadlessGame h;
    GameState& s = h.state();
    s.cash = 1000000;
    findBinding("boost4", Signal::Click)->handler(h.game, 0, "");
    EXPECT_NE(s.shootingBoost[4], 0);
    EXPECT_EQ(s.shootingBoost[3], 0);
    findBinding("pr5", Signal::Select)->handler(h.game, 2, "");
    EXPECT_EQ(s.flagPriority[5], 2);
    findBinding("buya6", Signal::Click)->handler(h.game, 0, "");
    EXPECT_EQ(s.hasOrb[6], 1);
    findBinding("pla3", Signal::Click)->handler(h.game, 0, "");
    EXPECT_EQ(s.selectedPlayer, 3);
    s.players[1][3].marker = 0;
    findBinding("buy11", Signal::Click)->handler(h.game, 0, "");
    EXPECT_EQ(s.players[1][3].marker, 11);
    findBinding("dxButton11", Signal::Click)->handler(h.game, 0, "");  // positions 4-5
    findBinding("dxButton8", Signal::Click)->handler(h.game, 0, "");   // positions 1-2
    EXPECT_EQ(h.text("firstplayer"), s.playerNames[1][1]);
}

// A script through the driver: hidden controls refuse, shown ones act.
TEST(ManagementDriver, HiddenControlsRefuseClicks) {
    std::ostringstream out;
    script::ScriptRunner runner(out, nullptr, 1000000000);
    runner.start();
    const auto run = [&](const std::string& line) {
        out.str("");
        runner.runLine(line);
        return out.str();
    };
    const GameState& s = runner.game().state();
    run("click dxButton1");
    run("page 3");
    EXPECT_EQ(run("click replace2"), "error: replace2 cannot be clicked now\n");
    EXPECT_EQ(run("click replaceyourcoach"), "error: replaceyourcoach cannot be clicked now\n");
    EXPECT_EQ(run("click playersearch"), "");
    EXPECT_EQ(s.cash, 1900);
    EXPECT_EQ(run("dump newname"), "text newname \"" + s.scoutedPlayerName + "\"\n");
    EXPECT_EQ(run("click coachsearch"), "");
    EXPECT_EQ(run("click coachsearch"), "error: coachsearch cannot be clicked now\n");

    // A chemist candidate is gone once another action refreshes.
    run("click dxButton13");
    EXPECT_TRUE(runner.window().usable("buychemist"));
    run("click pla2");
    EXPECT_EQ(run("click buychemist"), "error: buychemist cannot be clicked now\n");

    // A boost bought hides its "Deal".
    runner.game().editableState().cash = 100000;
    run("click boost2");
    EXPECT_EQ(run("click boost2"), "error: boost2 cannot be clicked now\n");
    EXPECT_EQ(run("select pr2 0"), "");
    EXPECT_EQ(s.flagPriority[2], 0);

    // A rejected application leaves only its own panel, without its button.
    run("click apply1");
    EXPECT_EQ(run("click apply1"), "error: apply1 cannot be clicked now\n");
    EXPECT_EQ(run("click apply2"), "error: apply2 cannot be clicked now\n");
    // Every control these actions wrote exists.
    EXPECT_TRUE(runner.window().unknownNames().empty());
}

}  // namespace
}  // namespace splat
