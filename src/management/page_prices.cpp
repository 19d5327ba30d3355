// The prices drawn with every refresh of the pages and the marker's sale
// value.

#include "core/saturating.h"
#include "management/prices.h"
#include "management/shop_price_rules.h"

namespace splat {

// Ten training points: 3.5 times two thirds of the coach's skills, less up
// to a quarter.
void Prices::drawTrainingPointsPrice() {
    s_.trainingPriceBase = clampToInt32((2 * (int64_t{s_.coachShooting} + s_.coachTactics)) / 3);
    const int64_t reduced = int64_t{s_.trainingPriceBase} - ctx_.random(s_.trainingPriceBase / 4);
    s_.trainingPointsPrice = clampToInt32((7 * reduced) / 2);
}

// 3.5, 4.5 or 5.5 times the ratings of the player in the position.
void Prices::drawBoostPrices() {
    const auto& ours = s_.players[1];
    for (int j = 1; j <= kPlayers; ++j) {
        const int64_t sum = int64_t{ours[j].shooting} + ours[j].tactics;
        s_.boostPrice[j] = clampToInt32(((2 * ctx_.random(3) + 7) * sum) / 2);
    }
}

void Prices::valueMarkerSale() {
    const int sel = s_.selectedPlayer >= 1 && s_.selectedPlayer <= kPlayers ? s_.selectedPlayer : 1;
    const int32_t m = s_.players[1][sel].marker;
    const int64_t markerPrice = m >= 1 && m <= kMarkers ? s_.markerPrice[m] : 0;
    s_.markerSalePrice = clampToInt32(kMarkerSaleTimes * markerPrice / kMarkerSaleOver);
}

}  // namespace splat
