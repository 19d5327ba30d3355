#pragma once
// The prices the management pages charge and pay: the shop's markers and
// orbs, ten training points, each position's boost and the sale value of the
// selected player's marker. Writes the state's `markerPrice`, `orbPrice`,
// `trainingPriceBase`, `trainingPointsPrice`, `boostPrice` and
// `markerSalePrice`.

#include "core/game_context.h"

namespace splat {

class Prices {
public:
    explicit Prices(GameContext& context) : ctx_(context), s_(context.state) {}

    // The shop's prices a new world opens with, and the ones every
    // settlement draws for the next week (management/shop_prices.cpp).
    void drawOpeningShopPrices();
    void drawWeeklyShopPrices();
    // Drawn anew with every refresh of the pages, training points first
    // (management/page_prices.cpp).
    void drawTrainingPointsPrice();
    void drawBoostPrices();
    // Two thirds of the shop's price of the selected player's marker; no draw.
    void valueMarkerSale();

private:
    GameContext& ctx_;
    GameState& s_;
};

}  // namespace splat
