#include <gtest/gtest.h>

#include <set>

#include "game/bindings.h"
#include "headless_game.h"
#include "splat_script/state_json.h"

namespace splat {
namespace {

using testing::HeadlessGame;

TEST(FirstStart, FreshGameValues) {
    HeadlessGame h;
    const GameState& s = h.state();
    EXPECT_EQ(s.cash, 2000);
    EXPECT_EQ(s.trainingPoints, 30);
    EXPECT_EQ(s.week, 1);
    EXPECT_EQ(s.season, 1);
    EXPECT_EQ(s.gamesPerSeason, 20);
    EXPECT_EQ(s.difficulty, 4);
    EXPECT_EQ(s.sponsorName, "None");
    EXPECT_EQ(s.sponsorBase, 0);
    EXPECT_EQ(s.labLevel, 0);
    EXPECT_EQ(s.securityLevel, 0);
    EXPECT_EQ(s.artLevel, 0);
    EXPECT_EQ(s.labUpgradePrice, 500);
    EXPECT_EQ(s.securityUpgradePrice, 100);
    EXPECT_EQ(s.artUpgradePrice, 350);
    EXPECT_EQ(s.chemistDegree, 1);
    EXPECT_EQ(s.chemistExperience, 16);
    EXPECT_EQ(s.chemistKnowledge, 54);
    EXPECT_EQ(s.teamName, "Your team");
    EXPECT_EQ(s.selectedPlayer, 1);
    EXPECT_EQ(s.gameSpeed, 500);
    for (int j = 1; j <= kPlayers; ++j) {
        EXPECT_EQ(s.flagPriority[j], 1);
        EXPECT_EQ(h.window.itemIndex("pr" + std::to_string(j)), 1);
    }
    // With all points 0 the table keeps team 10 on top and the player's team last.
    for (int i = 1; i <= kTeams; ++i) EXPECT_EQ(s.tableTeam[i], 11 - i);
    const Pairing& yours = s.pairings[s.yourPairing];
    EXPECT_TRUE(yours.first == 1 || yours.second == 1);
    EXPECT_EQ(s.opponentTeam, yours.first == 1 ? yours.second : yours.first);
    // The labels the world writes.
    const std::pair<const char*, std::string> labels[] = {
        {"lblcash", "2000"},
        {"weeknumber", "1"},
        {"lblseason", "1"},
        {"llcost", "500"},
        {"slcost", "100"},
        {"peyoteup", "350"},
        {"yoursponsor", "None"},
        {"Label36", "Zov edero"},
        {"Label39", s.sponsorCompany[4]},
        {"coachname", s.coachName},
        {"snone", "0"},
        {"sadvanced", std::to_string(s.shootingTrainingCost[3])},
        {"hometeam", displayName(h.state(), yours.first)},
        {"awayteam", displayName(h.state(), yours.second)},
        {"degree", "school dropout"}};
    for (const auto& [name, text] : labels) EXPECT_EQ(h.text(name), text) << name;
    for (int k = 1; k <= 4; ++k) EXPECT_FALSE(h.window.visible("dump" + std::to_string(k)));
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(h.text("lorb" + std::to_string(k)), "");
    EXPECT_TRUE(h.window.visible("Label59"));
    EXPECT_FALSE(h.window.visible("Label61"));
    EXPECT_EQ(h.window.itemIndex("normalaction"), 1);
    EXPECT_EQ(h.window.timerInterval("Timer1"), 500);
    EXPECT_FALSE(h.window.timerEnabled("Timer1"));
    // The options panel is open over the page "Team".
    EXPECT_TRUE(h.window.visible("optionspanel"));
    EXPECT_FALSE(h.window.visible("Panel1"));
    EXPECT_EQ(h.window.currentPage("PageControl1"), 0);
    EXPECT_TRUE(h.window.unknownNames().empty());
}

TEST(FirstStart, DrawsChemistPricesAndRatingsInTurnAndDealsTheRosterInTeams) {
    for (const int64_t clock : {0LL, 987654321LL, 2147483647LL}) {
        HeadlessGame h(clock);
        const GameState& s = h.state();
        RandomSource r;
        r.seed(1);
        EXPECT_EQ(r.random(2) + 15, s.chemistExperience);
        EXPECT_EQ(r.random(5) + 50, s.chemistKnowledge);
        r.seed(static_cast<uint32_t>(clock));
        EXPECT_EQ(r.random(300) + 800, s.orbPrice[1]) << clock;
        EXPECT_EQ(r.random(300) + 700, s.orbPrice[2]);
        EXPECT_EQ(r.random(500) + 2000, s.orbPrice[3]);
        EXPECT_EQ(r.random(2000) + 4000, s.orbPrice[4]);
        r.random(3000);  // the first of the Orb of Acid's two draws
        EXPECT_EQ(r.random(3000) + 4500, s.orbPrice[5]);
        EXPECT_EQ(r.random(1500) + 2000, s.orbPrice[6]);
        const int base[] = {0, 90, 190, 350, 700, 900, 1300, 1700, 2500, 4000, 5000, 8000};
        const int spread[] = {0, 20, 50, 100, 200, 100, 100, 200, 500, 200, 200, 2000};
        for (int m = 1; m <= 11; ++m) EXPECT_EQ(r.random(spread[m]) + base[m], s.markerPrice[m]) << m;
        EXPECT_EQ(r.random(10) + 20, s.coachShooting);
        EXPECT_EQ(r.random(10) + 20, s.coachTactics);
        for (int level = 1; level <= 3; ++level) {
            EXPECT_EQ(r.random(10) + 2 * level * s.coachShooting, s.shootingTrainingCost[level]);
            EXPECT_EQ(r.random(10) + 2 * level * s.coachTactics, s.tacticsTrainingCost[level]);
        }
        for (int t = 1; t <= kTeams; ++t) {
            for (int p = 1; p <= kPlayers; ++p) {
                EXPECT_EQ(r.random(10) + 20, s.players[t][p].shooting);
                EXPECT_EQ(r.random(10) + 20, s.players[t][p].tactics);
            }
        }
        std::set<std::string> names;
        for (int t = 1; t <= kTeams; ++t) {
            for (int p = 1; p <= kPlayers; ++p) {
                const Player& pl = s.players[t][p];
                EXPECT_EQ(r.random(2) + 1, pl.marker);
                EXPECT_EQ(pl.hits + pl.flagsPickedUp + pl.flagsHung, 0);
                EXPECT_EQ(s.playerNames[t][p], s.roster[5 * (t - 1) + p]);
                names.insert(s.playerNames[t][p]);
            }
        }
        EXPECT_EQ(names.size(), 50u);
    }
}

TEST(PersonNames, DistinctAndShort) {
    HeadlessGame h;
    std::set<std::string> all;
    for (int i = 1; i <= kRosterSize; ++i) all.insert(h.state().roster[i]);
    for (int i = 1; i <= kChemistRosterSize; ++i) all.insert(h.state().chemistRoster[i]);
    all.insert(h.state().coachName);
    all.insert(h.state().chemistName);
    all.insert(h.state().sponsorCompany[4]);
    EXPECT_EQ(all.size(), 100u + 20u + 3u);
    for (const std::string& name : all) {
        EXPECT_LE(name.size(), 16u) << name;
        EXPECT_NE(name.find(' '), std::string::npos) << name;  // first name and surname
    }
}

// A game after some weeks' worth of changes.
void changeEverything(HeadlessGame& h) {
    GameState& s = h.state();
    h.window.queueAnswer(true);
    h.window.setItemIndex("RadioGroup1", 3);
    h.game.newGame().levelchange(3);  // Major league
    h.window.setText("deadline", "33");
    h.game.options().denterClick();
    h.game.options().doneClick("Paint Hawks");
    s.cash = 123;
    s.week = 7;
    s.season = 3;
    s.trophies1st = 2;
    s.trophies3rd = 1;
    h.window.setText("TForm4.ft", "2");
    s.artLevel = 2;
    s.artUpgradePrice = 1009;
    s.labLevel = 3;
    s.hasOrb[2] = 1;
    s.sponsorBase = 200;
    s.sponsorName = "Ravurerod evi";
    s.shootingBoost[3] = 9;
    s.flagPriority[2] = 0;
    s.priorityShootingBonus[2] = -5;
    s.unbeatenRun = 4;
    s.selectedPlayer = 4;
    s.tablePoints[1] = 12;
    h.window.setEnabled("Panel59", false);
    h.window.setEnabled("Panel61", false);
}

TEST(NewGame, RebuildsTheWorldAndKeepsTheOptions) {
    HeadlessGame h;
    changeEverything(h);
    const RandomSource before = h.game.randomSource();
    h.window.queueAnswer(true);
    h.game.newGame().Newgame1Click();
    const GameState& s = h.state();
    EXPECT_EQ(s.difficulty, 6);
    EXPECT_EQ(s.gamesPerSeason, 33);
    EXPECT_EQ(s.teamName, "Paint Hawks");
    EXPECT_EQ(s.flagPriority[2], 0);
    EXPECT_EQ(s.priorityShootingBonus[2], -5);
    EXPECT_EQ(s.cash, 2000);
    EXPECT_EQ(s.week, 1);
    EXPECT_EQ(s.season, 1);
    EXPECT_EQ(s.trophies1st + s.trophies2nd + s.trophies3rd, 0);
    EXPECT_EQ(s.artLevel, 0);
    EXPECT_EQ(s.artUpgradePrice, 500);
    EXPECT_EQ(s.labLevel, 0);
    EXPECT_EQ(s.hasOrb[2], 0);
    EXPECT_EQ(s.sponsorBase, 0);
    EXPECT_EQ(s.sponsorName, "None");
    EXPECT_EQ(s.shootingBoost[3], 0);
    EXPECT_EQ(s.unbeatenRun, 0);
    EXPECT_EQ(s.selectedPlayer, 1);
    for (int i = 1; i <= kTeams; ++i) EXPECT_EQ(s.tablePoints[i], 0);
    EXPECT_EQ(s.trainingPoints, 30);
    // The new chemist is drawn from the running generator: no reseed.
    RandomSource r = before;
    EXPECT_EQ(s.chemistExperience, r.random(2) + 15);
    EXPECT_EQ(s.chemistKnowledge, r.random(5) + 50);
    EXPECT_EQ(h.text("TForm4.ft"), "0");
    EXPECT_EQ(h.text("peyoteup"), "500");
    EXPECT_EQ(h.text("lblcash"), "2000");
    EXPECT_TRUE(h.window.enabled("Panel59"));
    EXPECT_TRUE(h.window.enabled("Panel61"));
    EXPECT_TRUE(h.window.visible("Label59"));
    EXPECT_FALSE(h.window.visible("Label62"));
    for (int t = 1; t <= kTeams; ++t) {
        for (int p = 1; p <= kPlayers; ++p) EXPECT_EQ(s.playerNames[t][p], s.roster[5 * (t - 1) + p]);
    }
    EXPECT_EQ(h.text("team10"), "Paint Hawks");  // the table lists team 1 last, under its typed name
    const auto questions = h.eventsOf(WindowEvent::Type::Question);
    ASSERT_EQ(questions.size(), 2u);
    EXPECT_EQ(questions[1].caption, "New game");
    EXPECT_EQ(questions[1].text, "Are you sure?");
}

TEST(NewGame, NoToEitherQuestionChangesNothing) {
    HeadlessGame h;
    changeEverything(h);
    const auto before = script::stateToJson(h.state()).dump();
    const auto rngBefore = h.game.randomSource().state();
    h.window.queueAnswer(false);
    h.game.newGame().Newgame1Click();
    h.window.setItemIndex("RadioGroup1", 0);
    h.game.newGame().levelchange(0);  // no answer queued: No
    EXPECT_EQ(script::stateToJson(h.state()).dump(), before);
    EXPECT_EQ(h.game.randomSource().state(), rngBefore);
    EXPECT_FALSE(h.window.enabled("Panel59"));
    // The selector goes back to the difficulty in force (Major league), so
    // that it never shows a level the game is not playing.
    EXPECT_EQ(h.window.itemIndex("RadioGroup1"), 3);
    const auto questions = h.eventsOf(WindowEvent::Type::Question);
    ASSERT_EQ(questions.size(), 3u);
    EXPECT_EQ(questions[2].caption, "Warning");
    EXPECT_EQ(questions[2].text, "This will start a new game. Go ahead?");
    EXPECT_FALSE(questions[2].flag);
}

TEST(NewGame, ARefusedDifficultyLeavesTheSelectorOnTheLevelInForceAndCanBeAskedAgain) {
    const int factor[] = {2, 4, 5, 6, 7};
    struct Case {
        int inForceItem;
        int pickedItem;
    };
    for (const Case c : {Case{1, 0}, Case{1, 4}, Case{0, 2}, Case{4, 3}}) {
        HeadlessGame h;
        if (c.inForceItem != 1) {
            h.window.queueAnswer(true);
            h.window.setItemIndex("RadioGroup1", c.inForceItem);
            h.game.newGame().levelchange(c.inForceItem);
        }
        const int difficulty = h.state().difficulty;
        h.window.setItemIndex("RadioGroup1", c.pickedItem);
        h.game.newGame().levelchange(c.pickedItem);  // No
        EXPECT_EQ(h.state().difficulty, difficulty);
        EXPECT_EQ(h.window.itemIndex("RadioGroup1"), c.inForceItem) << c.pickedItem;
        // The same level picked again is asked for again, and taken on Yes.
        h.window.queueAnswer(true);
        h.window.setItemIndex("RadioGroup1", c.pickedItem);
        h.game.newGame().levelchange(c.pickedItem);
        EXPECT_EQ(h.window.itemIndex("RadioGroup1"), c.pickedItem);
        EXPECT_EQ(h.state().difficulty, factor[c.pickedItem]);
    }
}

TEST(NewGame, DifficultyItemsMapToFactors) {
    const int expected[] = {2, 4, 5, 6, 7};
    for (int item = 0; item < 5; ++item) {
        HeadlessGame h;
        h.window.queueAnswer(true);
        h.game.newGame().levelchange(item);
        EXPECT_EQ(h.state().difficulty, expected[item]);
        EXPECT_EQ(h.state().artUpgradePrice, 500);  // a new game was generated
    }
}

}  // namespace
}  // namespace splat
