// The Tactics page: position swaps, boosts and flag-run priorities.

#include <gtest/gtest.h>

#include <string>

#include "headless_game.h"

namespace splat {
namespace {

using PositionSwap = testing::GameTest;
using Boost = testing::GameTest;
using FlagPriority = testing::GameTest;
using testing::refreshDraws;

TEST_F(PositionSwap, MovesThePlayerWithHisRecordAndLeavesTheSlotsValues) {
    Player& second = s.players[1][2];
    second.shooting = 41;
    second.tactics = 33;
    second.marker = 8;
    second.hits = 5;
    second.flagsPickedUp = 2;
    second.flagsHung = 1;
    const Player movingUp = second;
    const Player movingDown = s.players[1][1];
    const std::string upName = s.playerNames[1][2];
    const std::string downName = s.playerNames[1][1];
    s.shootingBoost[1] = 12;
    s.tacticsBoost[1] = 6;
    h.window.setText("pagrees1", downName + " will do his best");
    s.flagPriority[2] = 2;
    s.priorityShootingBonus[2] = 4;

    RandomSource r = h.game.randomSource();
    h.game.tactics().Button2Click();
    EXPECT_EQ(s.players[1][1], movingUp);
    EXPECT_EQ(s.players[1][2], movingDown);
    EXPECT_EQ(s.playerNames[1][1], upName);
    EXPECT_EQ(s.playerNames[1][2], downName);
    EXPECT_EQ(h.text("firstplayer"), upName);
    EXPECT_EQ(h.text("secondplayer"), downName);
    EXPECT_EQ(h.text("pla1"), upName);  // refreshed
    // Boosts and priorities stay with the positions.
    EXPECT_EQ(s.shootingBoost[1], 12);
    EXPECT_EQ(s.tacticsBoost[1], 6);
    EXPECT_EQ(s.shootingBoost[2], 0);
    EXPECT_EQ(h.text("pagrees1"), downName + " will do his best");  // who agreed stays written
    EXPECT_EQ(s.flagPriority[2], 2);
    EXPECT_EQ(s.priorityShootingBonus[2], 4);
    refreshDraws(r, s);
    EXPECT_EQ(h.game.randomSource().state(), r.state());
}

TEST_F(PositionSwap, EachButtonItsNeighboursAndTwiceRestores) {
    for (int j = 1; j <= kPlayers; ++j) s.players[1][j].hits = j;
    const auto players = s.players[1];
    const auto names = s.playerNames[1];
    h.game.tactics().Button3Click();
    h.game.tactics().Button4Click();
    h.game.tactics().Button5Click();
    // 1 2 3 4 5 -> 1 3 2 4 5 -> 1 3 4 2 5 -> 1 3 4 5 2
    const int order[] = {0, 1, 3, 4, 5, 2};
    for (int j = 1; j <= kPlayers; ++j) {
        EXPECT_EQ(s.players[1][j].hits, order[j]) << j;
        EXPECT_EQ(s.playerNames[1][j], names[order[j]]) << j;
    }
    EXPECT_EQ(h.text("fifthplayer"), names[2]);
    h.game.tactics().Button5Click();
    h.game.tactics().Button4Click();
    h.game.tactics().Button3Click();
    h.game.tactics().Button2Click();
    h.game.tactics().Button2Click();
    EXPECT_EQ(s.players[1], players);
    EXPECT_EQ(s.playerNames[1], names);
}

TEST_F(Boost, ChargesTheLastDrawnPriceAndDrawsBothBoosts) {
    s.cash = 100000;
    h.game.gear().plaClick(2);  // a refreshing action draws new boost prices
    const int price = s.boostPrice[3];
    s.cash = price - 1;
    h.game.tactics().boostClick(3);
    EXPECT_EQ(s.shootingBoost[3], 0);
    EXPECT_EQ(s.cash, price - 1);
    EXPECT_TRUE(h.window.visible("boost3"));

    s.cash = price;
    RandomSource r = h.game.randomSource();
    h.game.tactics().boostClick(3);
    EXPECT_EQ(s.cash, 0);
    EXPECT_EQ(h.text("lblcash"), "0");
    EXPECT_EQ(s.shootingBoost[3], r.random(10) + 5);
    EXPECT_EQ(s.tacticsBoost[3], r.random(10) + 5);
    EXPECT_EQ(h.game.randomSource().state(), r.state());  // no refresh
    EXPECT_EQ(h.text("pagrees3"), s.playerNames[1][3] + " will do his best");
    EXPECT_FALSE(h.window.visible("boost3"));
    EXPECT_EQ(h.text("boostprice3"), std::to_string(price));

    // One boost per position and match.
    const int boost = s.shootingBoost[3];
    s.cash = 100000;
    h.game.tactics().boostClick(3);
    EXPECT_EQ(s.cash, 100000);
    EXPECT_EQ(s.shootingBoost[3], boost);
}

TEST_F(FlagPriority, AdjustmentsFromThePlayerAtTheMoment) {
    s.players[1][4].shooting = 34;
    s.players[1][4].tactics = 27;
    const auto priorities = s.flagPriority;
    const uint64_t before = h.game.randomSource().state();
    h.game.tactics().prClick(4, 0);
    EXPECT_EQ(s.flagPriority[4], 0);
    EXPECT_EQ(s.priorityShootingBonus[4], -6);
    EXPECT_EQ(s.priorityFlagBonus[4], 3);
    // Training afterwards does not change them; choosing again does.
    s.players[1][4].shooting = 40;
    EXPECT_EQ(s.priorityShootingBonus[4], -6);
    h.game.tactics().prClick(4, 0);
    EXPECT_EQ(s.priorityShootingBonus[4], -8);
    s.players[1][4].shooting = 34;
    h.game.tactics().prClick(4, 2);
    EXPECT_EQ(s.flagPriority[4], 2);
    EXPECT_EQ(s.priorityShootingBonus[4], 4);
    EXPECT_EQ(s.priorityFlagBonus[4], -3);
    h.game.tactics().prClick(4, 1);
    EXPECT_EQ(s.flagPriority[4], 1);
    EXPECT_EQ(s.priorityShootingBonus[4], 0);
    EXPECT_EQ(s.priorityFlagBonus[4], 0);
    EXPECT_EQ(h.game.randomSource().state(), before);  // no refresh
    for (int j = 1; j <= kPlayers; ++j) {
        if (j != 4) {
            EXPECT_EQ(s.flagPriority[j], priorities[j]) << j;
        }
    }

    // An item the group does not have is ignored.
    h.game.tactics().prClick(4, 0);
    h.game.tactics().prClick(4, 3);
    h.game.tactics().prClick(4, -1);
    h.game.tactics().prClick(6, 2);
    EXPECT_EQ(s.flagPriority[4], 0);
    EXPECT_EQ(s.priorityShootingBonus[4], -6);
}

}  // namespace
}  // namespace splat
