// The end of a season: its timing, places, trophies and prizes, relegation
// and the catch-up of the computer-run teams.

#include <gtest/gtest.h>

#include <string>

#include "match_helpers.h"

namespace splat::testing {
namespace {

// Rows 1..10 in team order, except that team 1 stands on row `place`; the
// points fall from the top.
void finishIn(GameState& s, int place) {
    int team = 2;
    for (int row = 1; row <= kTeams; ++row) {
        s.tableTeam[row] = row == place ? 1 : team++;
        s.tablePoints[row] = 100 - 5 * row;
    }
}

using SeasonLength = GameTest;
using FinalTable = GameTest;
using CatchUp = GameTest;

TEST_F(SeasonLength, ASeasonOfTwentyEndsAfterTheNineteenthMatch) {
    ASSERT_EQ(s.gamesPerSeason, 20);
    ASSERT_EQ(s.week, 1);
    s.cash = 1000000;
    for (int i = 1; i <= kTeams; ++i) {
        if (s.tableTeam[i] == 1) s.tablePoints[i] = 1000;  // safely on top
    }

    for (int match = 1; match <= 18; ++match) {
        playMatch(h);
        ASSERT_FALSE(h.game.closed());
        ASSERT_EQ(s.week, match + 1);
        ASSERT_EQ(countDialogs(h, "Tendseason"), 0) << "after match " << match;
        ASSERT_EQ(countDialogs(h, "Tresults"), match);
    }
    const int32_t trophies = s.trophies1st;
    h.events.clear();
    playMatch(h);

    const auto dialogs = h.eventsOf(WindowEvent::Type::Dialog);
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[0].name, "Tendseason");
    EXPECT_EQ(dialogs[1].name, "Tresults");
    EXPECT_EQ(dialogLabel(h, "Tendseason", "result"), "Your team ends 1 season in 1 place");
    EXPECT_EQ(s.week, 1);
    EXPECT_EQ(h.text("weeknumber"), "1");
    EXPECT_EQ(s.season, 2);
    EXPECT_EQ(h.text("lblseason"), "2");
    EXPECT_EQ(s.trophies1st, trophies + 1);
    EXPECT_FALSE(h.game.closed());
    // Every control a season's matches, settlements and refreshes wrote exists.
    EXPECT_TRUE(h.window.unknownNames().empty());
}

class MiddlePlace : public ::testing::TestWithParam<int> {};

TEST_P(MiddlePlace, CongratulatesWithoutPrizeOrTrophy) {
    HeadlessGame h;
    GameState& s = h.state();
    const int place = GetParam();
    finishIn(s, place);
    s.week = 20;
    s.season = 3;
    s.cash = 5000;
    const auto rows = s.tableTeam;

    h.game.week().settleSeason();

    EXPECT_EQ(s.finalPlace, place);
    EXPECT_EQ(dialogLabel(h, "Tendseason", "congrat"), "Congratulations !!!");
    EXPECT_EQ(dialogLabel(h, "Tendseason", "result"),
              "Your team ends 3 season in " + std::to_string(place) + " place");
    EXPECT_EQ(dialogLabel(h, "Tendseason", "money"), "");
    EXPECT_EQ(dialogLabel(h, "Tendseason", "Label1"), "");
    EXPECT_EQ(s.cash, 5000);
    EXPECT_EQ(s.trophies1st + s.trophies2nd + s.trophies3rd, 0);
    EXPECT_EQ(s.week, 1);
    EXPECT_EQ(s.season, 4);
    EXPECT_EQ(h.text("lblseason"), "4");
    for (int row = 1; row <= kTeams; ++row) EXPECT_EQ(s.tablePoints[row], 0);
    EXPECT_EQ(s.tableTeam, rows) << "the final order stands into the new season";
    EXPECT_FALSE(h.game.closed());
}

INSTANTIATE_TEST_SUITE_P(PlacesFourToEight, MiddlePlace, ::testing::Values(4, 5, 6, 7, 8));

TEST(Podium, EachOfTheTopThreeAddsItsTrophyAndPrize) {
    struct Expect {
        int place;
        int32_t low;
        const char* label;
    };
    for (const Expect e :
         {Expect{1, 3000, "TForm4.ft"}, Expect{2, 1500, "TForm4.st"}, Expect{3, 900, "TForm4.tt"}}) {
        HeadlessGame h;
        GameState& s = h.state();
        finishIn(s, e.place);
        s.trophies1st = 2;
        s.trophies2nd = 0;
        s.trophies3rd = 0;
        s.cash = 1000;

        h.game.week().settleSeason();

        const int32_t prize = s.cash - 1000;
        EXPECT_GE(prize, e.low) << e.place;
        EXPECT_LT(prize, e.low + 200) << e.place;
        EXPECT_EQ(s.seasonPrize, prize);
        EXPECT_EQ(dialogLabel(h, "Tendseason", "money"), "You get $" + std::to_string(prize));
        EXPECT_EQ(dialogLabel(h, "Tendseason", "congrat"), "Congratulations !!!");
        EXPECT_EQ(h.text("lblcash"), std::to_string(s.cash));
        EXPECT_EQ(s.trophies1st, e.place == 1 ? 3 : 2);
        EXPECT_EQ(s.trophies2nd, e.place == 2 ? 1 : 0);
        EXPECT_EQ(s.trophies3rd, e.place == 3 ? 1 : 0);
        EXPECT_EQ(h.text("TForm4.ft"), std::to_string(s.trophies1st));
        EXPECT_EQ(h.text("TForm4.st"), std::to_string(s.trophies2nd));
        EXPECT_EQ(h.text("TForm4.tt"), std::to_string(s.trophies3rd));
    }
}

TEST(Relegation, NinthAndTenthCloseTheGameAndTheWeekStopsThere) {
    for (int place : {9, 10}) {
        HeadlessGame h;
        GameState& s = h.state();
        quietWeek(h);
        finishIn(s, place);
        s.week = s.gamesPerSeason - 1;
        s.ourScore = 0;
        s.theirScore = 30;
        h.window.setVisible("Start", false);
        h.events.clear();
        const int32_t cash = s.cash;

        h.game.week().settleMatch();

        ASSERT_TRUE(h.game.closed());
        const auto dialogs = h.eventsOf(WindowEvent::Type::Dialog);
        ASSERT_EQ(dialogs.size(), 1u);
        EXPECT_EQ(dialogs[0].name, "Tendseason");
        EXPECT_EQ(dialogLabel(h, "Tendseason", "congrat"), "A sad day for your team");
        EXPECT_EQ(dialogLabel(h, "Tendseason", "money"), "Your guys are sorry they couldn't make it");
        EXPECT_EQ(dialogLabel(h, "Tendseason", "Label1"), "It's all over");
        EXPECT_EQ(h.events.back().type, WindowEvent::Type::Closed);
        EXPECT_EQ(s.season, 1);
        EXPECT_FALSE(h.window.visible("Start"));
        EXPECT_EQ(s.cash, cash + s.matchPrize) << "no accounts after the end";
    }
}

TEST_F(FinalTable, ATeamLevelOnPointsAboveUsKeepsItsPlace) {
    finishIn(s, 5);
    s.tablePoints[4] = s.tablePoints[5];  // row 4 level with team 1 on row 5
    h.game.week().settleSeason();
    EXPECT_EQ(s.finalPlace, 5);
}

TEST_F(CatchUp, OnlyPlayersMoreThanTwentyBelowAreRaisedWithOneDrawEach) {
    finishIn(s, 5);
    setTeam(s, 1, 50, 60, 1);
    for (int t = 2; t <= kTeams; ++t) setTeam(s, t, 45, 55, 1);
    s.players[3][2].shooting = 29;  // 21 below: raised
    s.players[3][4].shooting = 30;  // 20 below: kept
    s.players[7][1].tactics = 39;   // 21 below: raised
    s.players[7][5].tactics = 40;   // 20 below: kept
    const uint32_t seed = 99;
    RandomSource ref;
    ref.seed(seed);
    const int32_t first = 50 - ref.random(10) - 10;
    const int32_t second = 60 - ref.random(10) - 10;
    h.game.randomSource().seed(seed);

    h.game.week().settleSeason();

    EXPECT_EQ(s.ourShootingAverage, 50);
    EXPECT_EQ(s.ourTacticsAverage, 60);
    EXPECT_EQ(s.players[3][2].shooting, first);
    EXPECT_EQ(s.players[3][4].shooting, 30);
    EXPECT_EQ(s.players[7][1].tactics, second);
    EXPECT_EQ(s.players[7][5].tactics, 40);
    EXPECT_EQ(s.players[2][1].shooting, 45);
}

}  // namespace
}  // namespace splat::testing
