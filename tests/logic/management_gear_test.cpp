// The Gear page: selecting a player, buying, selling and swapping markers,
// and the orbs.

#include <gtest/gtest.h>

#include <string>

#include "headless_game.h"

namespace splat {
namespace {

using testing::HeadlessGame;
using GearSelection = testing::GameTest;
using MarkerPurchase = testing::GameTest;
using MarkerSwap = testing::GameTest;
using Orbs = testing::GameTest;
using testing::refreshDraws;

const char* const kPointers[] = {"", "Label59", "Label61", "Label62", "Label63", "Label64"};

TEST_F(GearSelection, MovesThePointerAndOffersTheSale) {
    s.players[1][4].marker = 3;
    s.markerPrice[3] = 400;
    h.window.setVisible("sellweapon", false);
    h.window.setVisible("wprice", false);
    RandomSource r = h.game.randomSource();
    h.game.gear().plaClick(4);
    EXPECT_EQ(s.selectedPlayer, 4);
    for (int j = 1; j <= kPlayers; ++j) EXPECT_EQ(h.window.visible(kPointers[j]), j == 4) << j;
    EXPECT_TRUE(h.window.visible("sellweapon"));
    EXPECT_TRUE(h.window.visible("wprice"));
    EXPECT_EQ(h.text("splayer"), s.playerNames[1][4]);
    EXPECT_EQ(s.markerSalePrice, 266);
    EXPECT_EQ(h.text("wprice"), "$266");
    refreshDraws(r, s);
    EXPECT_EQ(h.game.randomSource().state(), r.state());

    // A player without a marker: nothing is shown, and nothing hidden either.
    s.players[1][2].marker = 0;
    h.window.setVisible("sellweapon", false);
    h.game.gear().plaClick(2);
    EXPECT_FALSE(h.window.visible("sellweapon"));
    EXPECT_EQ(h.text("wprice"), "");
    h.window.setVisible("sellweapon", true);
    h.game.gear().plaClick(2);
    EXPECT_TRUE(h.window.visible("sellweapon"));
    for (int j = 1; j <= kPlayers; ++j) EXPECT_EQ(h.window.visible(kPointers[j]), j == 2) << j;
}

TEST(MarkerSale, FollowsThePriceOfTheMomentNotWhatWasPaid) {
    struct Case {
        int paid;
        int priceAtSale;
        int fetched;
    };
    for (const Case c : {Case{100, 100, 66}, Case{99, 99, 66}, Case{99, 105, 70}}) {
        HeadlessGame h;
        GameState& s = h.state();
        s.selectedPlayer = 3;
        s.players[1][3].marker = 0;
        s.markerPrice[1] = c.paid;
        s.cash = 1000;
        h.game.gear().buyMarker(1);
        EXPECT_EQ(s.players[1][3].marker, 1);
        EXPECT_EQ(s.cash, 1000 - c.paid);
        // The settlement redraws the prices and refreshes.
        s.markerPrice[1] = c.priceAtSale;
        h.game.refresh().refreshViews();
        h.game.gear().sellweaponClick();
        EXPECT_EQ(s.cash, 1000 - c.paid + c.fetched) << c.paid << " " << c.priceAtSale;
        EXPECT_EQ(h.text("lblcash"), std::to_string(s.cash));
        EXPECT_EQ(s.players[1][3].marker, 0);
        EXPECT_FALSE(h.window.visible("sellweapon"));
        EXPECT_FALSE(h.window.visible("wprice"));
        EXPECT_EQ(s.markerSalePrice, 0);
        EXPECT_EQ(h.text("w3"), "None");
    }
}

TEST(MarkerSale, NothingToSellWithoutAMarker) {
    HeadlessGame h;
    GameState& s = h.state();
    s.selectedPlayer = 2;
    s.players[1][2].marker = 0;
    h.game.refresh().refreshViews();
    s.cash = 500;
    const uint64_t before = h.game.randomSource().state();
    h.game.gear().sellweaponClick();
    EXPECT_EQ(s.cash, 500);
    EXPECT_EQ(h.game.randomSource().state(), before);
    // A stale sale value does not pay for a marker that is not there.
    s.markerSalePrice = 300;
    h.game.gear().sellweaponClick();
    EXPECT_EQ(s.cash, 500);
}

TEST_F(MarkerPurchase, ExactCashAndAnOccupiedHand) {
    s.selectedPlayer = 5;
    s.players[1][5].marker = 0;
    s.markerPrice[7] = 1800;
    s.cash = 1799;
    const uint64_t before = h.game.randomSource().state();
    h.game.gear().buyMarker(7);
    EXPECT_EQ(s.players[1][5].marker, 0);
    EXPECT_EQ(s.cash, 1799);
    EXPECT_EQ(h.game.randomSource().state(), before);

    s.cash = 1800;
    h.window.setVisible("sellweapon", false);
    h.window.setVisible("wprice", false);
    RandomSource r = h.game.randomSource();
    h.game.gear().buyMarker(7);
    EXPECT_EQ(s.players[1][5].marker, 7);
    EXPECT_EQ(s.cash, 0);
    EXPECT_EQ(h.text("lblcash"), "0");
    EXPECT_TRUE(h.window.visible("sellweapon"));
    EXPECT_TRUE(h.window.visible("wprice"));
    EXPECT_EQ(h.text("w5"), "Diamond pro");
    EXPECT_EQ(s.markerSalePrice, 1200);
    refreshDraws(r, s);
    EXPECT_EQ(h.game.randomSource().state(), r.state());

    // He has a marker now: a second purchase changes nothing.
    s.cash = 100000;
    const uint64_t after = h.game.randomSource().state();
    h.game.gear().buyMarker(2);
    EXPECT_EQ(s.players[1][5].marker, 7);
    EXPECT_EQ(s.cash, 100000);
    EXPECT_EQ(h.game.randomSource().state(), after);
}

TEST_F(MarkerSwap, ExchangesOnlyTheMarkersOfNeighbours) {
    for (int j = 1; j <= kPlayers; ++j) s.players[1][j].marker = j + 5;  // 6..10
    const auto before = s.players[1];
    const auto names = s.playerNames[1];
    h.game.gear().changem51Click();
    EXPECT_EQ(s.players[1][1].marker, 10);
    EXPECT_EQ(s.players[1][5].marker, 6);
    EXPECT_EQ(h.text("w1"), "Hell Furlong");
    EXPECT_EQ(h.text("m5"), "Piranha gun");
    for (int j = 1; j <= kPlayers; ++j) {
        EXPECT_EQ(s.players[1][j].shooting, before[j].shooting);
        EXPECT_EQ(s.players[1][j].tactics, before[j].tactics);
    }
    EXPECT_EQ(s.playerNames[1], names);

    h.game.gear().changem12Click();
    h.game.gear().changem23Click();
    h.game.gear().changem34Click();
    h.game.gear().changem45Click();
    // 10 7 8 9 6 -> 7 10 8 9 6 -> 7 8 10 9 6 -> 7 8 9 10 6 -> 7 8 9 6 10
    const int expected[] = {0, 7, 8, 9, 6, 10};
    for (int j = 1; j <= kPlayers; ++j) EXPECT_EQ(s.players[1][j].marker, expected[j]) << j;
}

TEST_F(Orbs, ExactPriceBuysOnceForGood) {
    s.orbPrice[4] = 4321;
    s.cash = 4320;
    h.game.gear().buyOrb(4);
    EXPECT_EQ(s.hasOrb[4], 0);
    EXPECT_EQ(s.cash, 4320);
    EXPECT_TRUE(h.window.visible("buya4"));

    s.cash = 4321;
    const uint64_t before = h.game.randomSource().state();
    h.game.gear().buyOrb(4);
    EXPECT_EQ(s.hasOrb[4], 1);
    EXPECT_EQ(s.cash, 0);
    EXPECT_EQ(h.text("lblcash"), "0");
    EXPECT_FALSE(h.window.visible("buya4"));
    EXPECT_EQ(h.text("lorb4"), "Orb of Chaos");
    EXPECT_EQ(h.game.randomSource().state(), before);  // no refresh
    for (int k = 1; k <= kOrbs; ++k) {
        if (k != 4) {
            EXPECT_EQ(s.hasOrb[k], 0) << k;
        }
    }

    // Bought for good: even with the money a second purchase does nothing.
    s.cash = 10000;
    h.game.gear().buyOrb(4);
    EXPECT_EQ(s.cash, 10000);
}

}  // namespace
}  // namespace splat
