#include <gtest/gtest.h>

#include <set>

#include "headless_game.h"

namespace splat {
namespace {

using Refresh = testing::GameTest;
using Inspection = testing::GameTest;

TEST_F(Refresh, DrawsTrainingPriceThenBoostsInOrder) {
    s.coachShooting = 20;
    s.coachTactics = 20;  // base (2 x 40) / 3 = 26, random(6)
    RandomSource r = h.game.randomSource();
    h.game.refresh().refreshViews();
    EXPECT_EQ(s.trainingPriceBase, 26);
    EXPECT_EQ(s.trainingPointsPrice, (7 * (26 - r.random(6))) / 2);
    for (int j = 1; j <= kPlayers; ++j) {
        const int sum = s.players[1][j].shooting + s.players[1][j].tactics;
        EXPECT_EQ(s.boostPrice[j], ((2 * r.random(3) + 7) * sum) / 2) << j;
        EXPECT_EQ(h.text("boostprice" + std::to_string(j)), std::to_string(s.boostPrice[j]));
    }
    // The refresh makes no other draw.
    EXPECT_EQ(h.game.randomSource().state(), r.state());
    EXPECT_EQ(h.text("tpprice"), std::to_string(s.trainingPointsPrice));
    EXPECT_GE(s.trainingPointsPrice, 73);
    EXPECT_LE(s.trainingPointsPrice, 91);
}

TEST_F(Refresh, PricesFromTheirFormulas) {
    // A base below 4 draws random(0) = 0 and does not advance.
    s.coachShooting = 2;
    s.coachTactics = 2;
    s.players[1][2].shooting = 20;
    s.players[1][2].tactics = 25;
    s.selectedPlayer = 3;
    s.players[1][3].marker = 4;
    s.markerPrice[4] = 140;
    std::set<int> seen;
    for (int i = 0; i < 60; ++i) {
        h.game.randomSource().seed(5000 + i);
        h.game.refresh().refreshViews();
        EXPECT_EQ(s.trainingPointsPrice, (7 * 2) / 2);
        seen.insert(s.boostPrice[2]);
        EXPECT_EQ(s.markerSalePrice, 93);
        EXPECT_EQ(h.text("wprice"), "$93");
    }
    EXPECT_EQ(seen, (std::set<int>{157, 202, 247}));
    // No marker: no sale value and an empty label.
    s.players[1][3].marker = 0;
    h.game.refresh().refreshViews();
    EXPECT_EQ(s.markerSalePrice, 0);
    EXPECT_EQ(h.text("wprice"), "");
}

TEST_F(Refresh, ShopAndChemistLabels) {
    s.markerPrice[11] = 15123;
    s.orbPrice[6] = 2345;
    s.chemistDegree = 5;
    h.game.refresh().refreshViews();
    EXPECT_EQ(h.text("price11"), "Price: $15123");
    EXPECT_EQ(h.text("aprice6"), "Price:  $2345");
    EXPECT_EQ(h.text("degree"), "Master degree in Chemestry");
    // A degree outside 1..6 leaves the label as it was.
    s.chemistDegree = 9;
    h.game.refresh().refreshViews();
    EXPECT_EQ(h.text("degree"), "Master degree in Chemestry");
    // A candidate found by a chemist search is withdrawn by any refresh.
    h.window.setVisible("Panel68", true);
    h.window.setVisible("buychemist", true);
    h.game.refresh().refreshViews();
    EXPECT_FALSE(h.window.visible("Panel68"));
    EXPECT_FALSE(h.window.visible("buychemist"));
}

TEST_F(Refresh, SupportersFavourite) {
    h.game.refresh().refreshViews();
    EXPECT_EQ(h.text("sf"), s.playerNames[1][1]);  // all scores 0
    s.players[1][5].hits = 3;
    h.game.refresh().refreshViews();
    EXPECT_EQ(h.text("sf"), s.playerNames[1][5]);
    // hits + 2 x picked up + 2 x hung; a tie goes to the lower number.
    s.players[1][2].flagsPickedUp = 1;
    s.players[1][2].hits = 1;
    h.game.refresh().refreshViews();
    EXPECT_EQ(h.text("sf"), s.playerNames[1][2]);
    s.players[1][4].flagsHung = 2;
    h.game.refresh().refreshViews();
    EXPECT_EQ(h.text("sf"), s.playerNames[1][4]);
}

TEST_F(Refresh, FavouritesToWinAndSides) {
    // Set a known week: pairing 1 is ours with team 1 first.
    s.pairings[1] = {1, 4};
    s.pairings[2] = {2, 3};
    s.pairings[3] = {5, 6};
    s.pairings[4] = {7, 8};
    s.pairings[5] = {9, 10};
    s.yourPairing = 1;
    for (int t = 1; t <= kTeams; ++t) {
        for (int p = 1; p <= kPlayers; ++p) s.players[t][p].shooting = s.players[t][p].tactics = 25;
    }
    s.players[3][1].tactics = 26;
    s.players[5][2].shooting = 20;
    h.game.options().doneClick("Splatters");
    EXPECT_EQ(s.opponentTeam, 4);
    EXPECT_EQ(h.text("win1"), "even chances");
    EXPECT_EQ(h.text("win2"), "San Diego Marksmen");
    EXPECT_EQ(h.text("win3"), "New York PD");
    EXPECT_EQ(h.window.x("Panel18"), 59);
    EXPECT_EQ(h.window.x("Panel40"), 59);
    EXPECT_EQ(h.window.x("Panel19"), 315);
    EXPECT_EQ(h.window.x("Panel41"), 315);
    EXPECT_EQ(h.text("hometeam"), "Splatters");
    EXPECT_EQ(h.text("awayteam"), "Toronto Amateurs");
    EXPECT_EQ(h.text("opteam"), "Toronto Amateurs");
    EXPECT_EQ(h.text("fopponent"), s.playerNames[4][1]);
    EXPECT_EQ(h.text("opponent5"), s.playerNames[4][5]);
    // Team 1 second in its pairing: its panels move to the right.
    s.pairings[1] = {4, 1};
    s.players[1][1].shooting = 40;
    h.game.refresh().refreshViews();
    EXPECT_EQ(h.window.x("Panel18"), 315);
    EXPECT_EQ(h.window.x("Panel40"), 315);
    EXPECT_EQ(h.window.x("Panel19"), 59);
    EXPECT_EQ(h.window.x("Panel41"), 59);
    EXPECT_EQ(h.text("hometeam"), "Toronto Amateurs");
    EXPECT_EQ(h.text("awayteam"), "Splatters");
    EXPECT_EQ(h.text("win1"), "Splatters");
    EXPECT_EQ(h.text("rteam1"), "Toronto Amateurs");
    EXPECT_EQ(h.text("rteam2"), "Splatters");
}

TEST_F(Refresh, TypedTeamNameEverywhereButTheInspectionCaption) {
    h.game.options().doneClick("Orange Crush");
    EXPECT_EQ(h.text("yteamname"), "Orange Crush");
    EXPECT_EQ(h.text("team10"), "Orange Crush");  // the table, team 1 on the last row
    const Pairing& yours = s.pairings[s.yourPairing];
    const std::string& ourSide = yours.first == 1 ? h.text("hometeam") : h.text("awayteam");
    EXPECT_EQ(ourSide, "Orange Crush");
    const int k = s.yourPairing;
    EXPECT_EQ(h.text("rteam" + std::to_string(yours.first == 1 ? 2 * k - 1 : 2 * k)), "Orange Crush");
    EXPECT_EQ(s.teamNames[1], "Your team");
    h.game.views().teamClick(10);
    EXPECT_EQ(h.text("currentteam"), "Your team");
    EXPECT_EQ(h.text("pname1"), s.playerNames[1][1]);
}

TEST_F(Refresh, MatchDisplayResetAndStatusCleared) {
    for (const char* panel : {"Panel39", "Panel40", "Panel41"}) h.window.setVisible(panel, true);
    h.window.setText("ystatus2", "out");
    h.window.setText("ostatus4", "gets the flag");
    h.window.setText("yscore", "15");
    h.window.setText("lbltime", "7");
    h.game.refresh().refreshViews();
    for (const char* panel : {"Panel39", "Panel40", "Panel41"}) EXPECT_FALSE(h.window.visible(panel));
    EXPECT_EQ(h.text("ystatus2"), "");
    EXPECT_EQ(h.text("ostatus4"), "");
    EXPECT_EQ(h.text("yscore"), "0");
    EXPECT_EQ(h.text("oscore"), "0");
    EXPECT_EQ(h.text("lbltime"), "");
}

TEST_F(Inspection, ShowsTheClubOfTheClickedRow) {
    s.players[7][3].marker = 0;
    s.players[7][2].marker = 11;
    // Row 4 holds team 7 on a fresh table.
    h.game.views().teamClick(4);
    EXPECT_EQ(h.text("currentteam"), "Los Angeles Freaks");
    EXPECT_EQ(h.text("pname2"), s.playerNames[7][2]);
    EXPECT_EQ(h.text("stamina2"), std::to_string(s.players[7][2].shooting));
    EXPECT_EQ(h.text("shooting2"), std::to_string(s.players[7][2].tactics));
    EXPECT_EQ(h.text("mark2"), "Tech demon");
    EXPECT_EQ(h.text("mark3"), "None");
    // Any refresh shows the club on top again.
    h.game.refresh().refreshViews();
    EXPECT_EQ(h.text("currentteam"), "Chicago Geniuses");
}

}  // namespace
}  // namespace splat
