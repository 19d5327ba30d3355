// Art production: each level bought adds $50 a week and makes the next level
// 1.7 times dearer.

#include <string>

#include "management/management.h"
#include "management/price_math.h"

namespace splat {

void Management::upgradeClick() {
    GameState& s = s_;
    if (!pay(s.artUpgradePrice)) return;
    s.artIncome = management::plusSaturating(s.artIncome, 50);
    // 1.7 x price truncated, one lower when the product is whole.
    s.artUpgradePrice = clampToInt32((17 * int64_t{s.artUpgradePrice} - 1) / 10);
    s.artLevel = management::plusSaturating(s.artLevel, 1);
    showArtProduction();
}

void Management::showArtProduction() {
    win_.setText("peyotelevel", std::to_string(s_.artLevel));
    win_.setText("peyoteincome", std::to_string(s_.artIncome));
    win_.setText("peyoteup", std::to_string(s_.artUpgradePrice));
}

}  // namespace splat
