// Art production: each level bought adds $50 a week and makes the next level
// 1.7 times dearer.

#include "management/art_production.h"

#include <string>

#include "core/saturating.h"

namespace splat {

void ArtProduction::upgradeClick() {
    GameState& s = s_;
    if (!p_.account.pay(s.artUpgradePrice, CashKind::ArtUpgrade)) return;
    addSaturating(s.artIncome, 50);
    // 1.7 x price truncated, one lower when the product is whole.
    s.artUpgradePrice = clampToInt32((17LL * s.artUpgradePrice - 1) / 10);
    addSaturating(s.artLevel, 1);
    showArtProduction();
}

void ArtProduction::showArtProduction() {
    win_.setText("peyotelevel", std::to_string(s_.artLevel));
    win_.setText("peyoteincome", std::to_string(s_.artIncome));
    win_.setText("peyoteup", std::to_string(s_.artUpgradePrice));
}

}  // namespace splat
