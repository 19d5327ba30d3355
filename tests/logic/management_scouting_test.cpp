// The Scout page: player and coach searches and hiring their candidates.

#include <gtest/gtest.h>

#include <string>

#include "headless_game.h"

namespace splat {
namespace {

using testing::refreshDraws;

std::string num(const char* stem, int n) { return stem + std::to_string(n); }

using PlayerSearch = testing::GameTest;
using CoachSearch = testing::GameTest;
using CoachHire = testing::GameTest;
using Scouting = testing::GameTest;

TEST_F(PlayerSearch, NeedsTheWholeFee) {
    s.cash = 99;
    h.game.account().show();
    const uint64_t before = h.game.randomSource().state();
    h.game.scout().playersearchClick();
    EXPECT_EQ(s.cash, 99);
    EXPECT_EQ(h.text("lblcash"), "99");
    EXPECT_FALSE(h.window.visible("Panel23"));
    EXPECT_FALSE(h.window.visible("Panel24"));
    EXPECT_EQ(h.game.randomSource().state(), before);

    s.cash = 100;
    h.game.scout().playersearchClick();
    EXPECT_EQ(s.cash, 0);
    EXPECT_EQ(h.text("lblcash"), "0");
    EXPECT_TRUE(h.window.visible("Panel23"));
    EXPECT_TRUE(h.window.visible("Panel24"));
    EXPECT_TRUE(h.window.visible("playersearch"));
}

TEST_F(PlayerSearch, ReseedsThenDrawsTheCandidateInOrder) {
    h.clock.set(1234567);
    int sum = 0;
    for (int j = 1; j <= kPlayers; ++j) {
        s.players[1][j].shooting = 30 + j;
        s.players[1][j].tactics = 25 + 2 * j;
        sum += s.players[1][j].shooting + s.players[1][j].tactics;
    }
    const int quality = sum / 10;
    s.cash = 5000;
    h.game.scout().playersearchClick();

    RandomSource r;
    r.seed(1234567);
    const std::string name = s.roster[50 + r.random(50)];
    const int shooting = r.random(quality) + 20;
    const int tactics = r.random(quality) + 20;
    const int marker = r.random(5) + 1;
    const int a = r.random(6);
    const int b = r.random(6);
    const int price = (a + 12) * shooting + (b + 12) * tactics + 100 * marker;

    EXPECT_EQ(s.searchQuality, quality);
    EXPECT_EQ(s.scoutedPlayerName, name);
    EXPECT_EQ(s.scoutedPlayer.shooting, shooting);
    EXPECT_EQ(s.scoutedPlayer.tactics, tactics);
    EXPECT_EQ(s.scoutedPlayer.marker, marker);
    EXPECT_EQ(s.scoutedPlayerPrice, price);
    EXPECT_EQ(h.text("newname"), name);
    EXPECT_EQ(h.text("newshooting"), std::to_string(shooting));
    EXPECT_EQ(h.text("newtactics"), std::to_string(tactics));
    EXPECT_EQ(h.text("newweapon"), s.markerNames[marker]);
    EXPECT_EQ(h.text("newprice"), std::to_string(price));
    // A search does not refresh: the generator stands right after its own draws.
    EXPECT_EQ(h.game.randomSource().state(), r.state());
    EXPECT_EQ(s.cash, 4900);
}

struct PlayerHire : testing::GameTest, ::testing::WithParamInterface<int> {};

TEST_P(PlayerHire, NewcomerTakesTheSlotAndItsBoostIsCleared) {
    const int k = GetParam();
    s.cash = 3000;
    // The leaving player has a season behind him, a boost and a flag priority.
    Player& leaving = s.players[1][k];
    leaving.hits = 4;
    leaving.flagsPickedUp = 2;
    leaving.flagsHung = 1;
    leaving.marker = 9;
    s.shootingBoost[k] = 9;
    s.tacticsBoost[k] = 7;
    h.window.setVisible(num("boost", k), false);
    h.window.setText(num("pagrees", k), "Somebody will do his best");
    s.flagPriority[k] = 0;
    s.priorityShootingBonus[k] = -5;
    s.priorityFlagBonus[k] = 3;

    h.game.scout().playersearchClick();
    const Player candidate = s.scoutedPlayer;
    const std::string name = s.scoutedPlayerName;
    const int cashBefore = s.cash;
    RandomSource r = h.game.randomSource();
    h.game.scout().replaceClick(k);

    EXPECT_EQ(s.cash, cashBefore - s.scoutedPlayerPrice);
    EXPECT_EQ(h.text("lblcash"), std::to_string(s.cash));
    EXPECT_EQ(s.playerNames[1][k], name);
    const Player& hired = s.players[1][k];
    EXPECT_EQ(hired.shooting, candidate.shooting);
    EXPECT_EQ(hired.tactics, candidate.tactics);
    EXPECT_EQ(hired.marker, candidate.marker);
    EXPECT_EQ(hired.hits, 0);
    EXPECT_EQ(hired.flagsPickedUp, 0);
    EXPECT_EQ(hired.flagsHung, 0);
    EXPECT_EQ(h.text(num("ot", k)), "0");
    EXPECT_EQ(h.text(num("m", k)), s.markerNames[candidate.marker]);
    EXPECT_EQ(h.text(num("pl", k)), name);  // the refresh rewrote the page

    EXPECT_EQ(s.shootingBoost[k], 0);
    EXPECT_EQ(s.tacticsBoost[k], 0);
    EXPECT_TRUE(h.window.visible(num("boost", k)));
    EXPECT_EQ(h.text(num("pagrees", k)), "");
    // The priority belongs to the slot and keeps its adjustments.
    EXPECT_EQ(s.flagPriority[k], 0);
    EXPECT_EQ(s.priorityShootingBonus[k], -5);
    EXPECT_EQ(s.priorityFlagBonus[k], 3);

    EXPECT_FALSE(h.window.visible("Panel23"));
    EXPECT_FALSE(h.window.visible("Panel24"));
    // Hiring into slot 1 takes the search away until the next match.
    EXPECT_EQ(h.window.visible("playersearch"), k != 1);

    refreshDraws(r, s);
    EXPECT_EQ(h.game.randomSource().state(), r.state());
}

INSTANTIATE_TEST_SUITE_P(Slots, PlayerHire, ::testing::Range(1, kPlayers + 1));

TEST_F(Scouting, OneDollarShortOfTheCandidateChangesNothing) {
    s.cash = 5000;
    h.game.scout().playersearchClick();
    s.cash = s.scoutedPlayerPrice - 1;
    const auto players = s.players[1];
    const auto names = s.playerNames[1];
    const uint64_t before = h.game.randomSource().state();
    h.game.scout().replaceClick(3);
    EXPECT_EQ(s.cash, s.scoutedPlayerPrice - 1);
    EXPECT_EQ(s.players[1], players);
    EXPECT_EQ(s.playerNames[1], names);
    EXPECT_TRUE(h.window.visible("Panel23"));
    EXPECT_TRUE(h.window.visible("Panel24"));
    EXPECT_EQ(h.game.randomSource().state(), before);

    s.cash = s.scoutedPlayerPrice;  // exactly the price is enough
    h.game.scout().replaceClick(3);
    EXPECT_EQ(s.cash, 0);
    EXPECT_EQ(s.playerNames[1][3], s.scoutedPlayerName);
}

TEST_F(Scouting, NoHireBeforeASearch) {
    s.cash = 1000;
    const auto players = s.players[1];
    const auto names = s.playerNames[1];
    const std::string coach = s.coachName;
    const int coachShooting = s.coachShooting;
    h.game.scout().replaceClick(2);
    h.game.scout().replaceyourcoachClick();
    EXPECT_EQ(s.cash, 1000);
    EXPECT_EQ(s.players[1], players);
    EXPECT_EQ(s.playerNames[1], names);
    EXPECT_EQ(s.coachName, coach);
    EXPECT_EQ(s.coachShooting, coachShooting);
}

TEST_F(CoachSearch, OncePerWeekAndNeedsTheWholeFee) {
    s.cash = 149;
    h.game.scout().coachsearchClick();
    EXPECT_EQ(s.cash, 149);
    EXPECT_TRUE(h.window.visible("coachsearch"));
    EXPECT_FALSE(h.window.visible("Panel25"));

    s.cash = 150;
    h.game.scout().coachsearchClick();
    EXPECT_EQ(s.cash, 0);
    EXPECT_EQ(h.text("lblcash"), "0");
    EXPECT_FALSE(h.window.visible("coachsearch"));
    EXPECT_TRUE(h.window.visible("Panel25"));
    EXPECT_TRUE(h.window.visible("replaceyourcoach"));
}

TEST_F(CoachSearch, ReseedsThenDrawsTheCandidateInOrder) {
    h.clock.set(777);
    s.coachShooting = 31;
    s.coachTactics = 26;  // quality 28
    s.cash = 1000;
    h.game.scout().coachsearchClick();

    RandomSource r;
    r.seed(777);
    const std::string name = s.roster[50 + r.random(10)];
    const int shooting = r.random(28) + 20;
    const int tactics = r.random(28) + 20;
    const int a = r.random(6);
    const int b = r.random(6);
    EXPECT_EQ(s.searchQuality, 28);
    EXPECT_EQ(s.scoutedCoachName, name);
    EXPECT_EQ(s.scoutedCoachShooting, shooting);
    EXPECT_EQ(s.scoutedCoachTactics, tactics);
    EXPECT_EQ(s.scoutedCoachPrice, (a + 10) * shooting + (b + 10) * tactics);
    EXPECT_EQ(h.text("cname"), name);
    EXPECT_EQ(h.text("cshooting"), std::to_string(shooting));
    EXPECT_EQ(h.text("ctactics"), std::to_string(tactics));
    EXPECT_EQ(h.text("cprice"), std::to_string(s.scoutedCoachPrice));
    EXPECT_EQ(h.game.randomSource().state(), r.state());  // no refresh
}

TEST_F(CoachHire, RedrawsTheTrainingCostsAndKeepsTheLevels) {
    s.cash = 100000;
    s.shootingTrainingLevel = 3;
    s.tacticsTrainingLevel = 2;
    h.game.scout().coachsearchClick();
    const int price = s.scoutedCoachPrice;
    s.cash = price - 1;
    const std::string oldCoach = s.coachName;
    h.game.scout().replaceyourcoachClick();
    EXPECT_EQ(s.coachName, oldCoach);
    EXPECT_TRUE(h.window.visible("replaceyourcoach"));

    s.cash = price;
    RandomSource r = h.game.randomSource();
    h.game.scout().replaceyourcoachClick();
    EXPECT_EQ(s.cash, 0);
    EXPECT_EQ(s.coachName, s.scoutedCoachName);
    EXPECT_EQ(s.coachShooting, s.scoutedCoachShooting);
    EXPECT_EQ(s.coachTactics, s.scoutedCoachTactics);
    EXPECT_EQ(h.text("coachname"), s.coachName);
    EXPECT_EQ(h.text("straining"), std::to_string(s.coachShooting));
    EXPECT_EQ(h.text("ttraining"), std::to_string(s.coachTactics));
    // Drawn shooting 1, tactics 1, shooting 2, tactics 2, shooting 3, tactics 3.
    for (int level = 1; level <= 3; ++level) {
        EXPECT_EQ(s.shootingTrainingCost[level], r.random(10) + 2 * level * s.coachShooting) << level;
        EXPECT_EQ(s.tacticsTrainingCost[level], r.random(10) + 2 * level * s.coachTactics) << level;
    }
    EXPECT_EQ(h.text("snone"), "0");
    EXPECT_EQ(h.text("tnone"), "0");
    EXPECT_EQ(h.text("sadvanced"), std::to_string(s.shootingTrainingCost[3]));
    EXPECT_EQ(h.text("tregular"), std::to_string(s.tacticsTrainingCost[2]));
    EXPECT_EQ(h.text("sbasic"), std::to_string(s.shootingTrainingCost[1]));
    EXPECT_EQ(h.text("tbasic"), std::to_string(s.tacticsTrainingCost[1]));
    EXPECT_EQ(s.shootingTrainingLevel, 3);
    EXPECT_EQ(s.tacticsTrainingLevel, 2);
    EXPECT_FALSE(h.window.visible("Panel25"));
    EXPECT_FALSE(h.window.visible("replaceyourcoach"));
    // Then the refresh, whose training price follows the new coach.
    refreshDraws(r, s);
    EXPECT_EQ(h.game.randomSource().state(), r.state());
    EXPECT_EQ(s.trainingPriceBase, (2 * (s.coachShooting + s.coachTactics)) / 3);
}

TEST_F(Scouting, HugeRatingsDoNotWrapThePrices) {
    s.cash = 1000;
    for (int j = 1; j <= kPlayers; ++j) s.players[1][j].shooting = s.players[1][j].tactics = 2000000000;
    s.coachShooting = s.coachTactics = 2000000000;
    h.game.scout().playersearchClick();
    EXPECT_GT(s.scoutedPlayerPrice, 0);
    EXPECT_GT(s.scoutedPlayer.shooting, 0);
    h.game.scout().coachsearchClick();
    EXPECT_EQ(s.searchQuality, 2000000000);
    EXPECT_GT(s.scoutedCoachPrice, 0);
    s.cash = s.scoutedCoachPrice;
    h.game.scout().replaceyourcoachClick();
    for (int level = 1; level <= 3; ++level) EXPECT_GT(s.shootingTrainingCost[level], 0);
}

}  // namespace
}  // namespace splat
