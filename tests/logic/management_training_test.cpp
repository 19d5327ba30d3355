// Buying training points on the Training page.

#include <gtest/gtest.h>

#include <string>

#include "headless_game.h"

namespace splat {
namespace {

using TrainingPoints = testing::GameTest;

TEST_F(TrainingPoints, TwoLotsWithoutARefreshCostTheSame) {
    const int price = s.trainingPointsPrice;
    ASSERT_GT(price, 0);
    const std::string shownPrice = h.text("tpprice");
    s.cash = 2 * price;
    s.trainingPoints = 30;
    const uint64_t before = h.game.randomSource().state();
    h.game.training().buytpClick();
    h.game.training().buytpClick();
    EXPECT_EQ(s.cash, 0);
    EXPECT_EQ(h.text("lblcash"), "0");
    EXPECT_EQ(s.trainingPoints, 50);
    EXPECT_EQ(h.text("tpnumber"), "50");
    // No refresh: no new price was drawn and the page still shows the old one.
    EXPECT_EQ(s.trainingPointsPrice, price);
    EXPECT_EQ(h.text("tpprice"), shownPrice);
    EXPECT_EQ(h.game.randomSource().state(), before);

    // A third lot cannot be paid: nothing happens.
    h.game.training().buytpClick();
    EXPECT_EQ(s.trainingPoints, 50);
    EXPECT_EQ(s.cash, 0);
}

TEST_F(TrainingPoints, ChargesThePriceOfTheLastRefresh) {
    s.cash = 10000;
    h.game.gear().plaClick(2);  // a refreshing action draws a new price
    const int price = s.trainingPointsPrice;
    h.game.training().buytpClick();
    EXPECT_EQ(s.cash, 10000 - price);
}

TEST_F(TrainingPoints, PoolDoesNotWrap) {
    s.cash = 10000;
    s.trainingPoints = 2147483640;
    h.game.training().buytpClick();
    EXPECT_EQ(s.trainingPoints, 2147483647);
}

}  // namespace
}  // namespace splat
