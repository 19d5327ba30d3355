// Art production: each level bought adds $50 a week and makes the next level
// 1.7 times dearer.

#include "management/art_production.h"

#include <string>

namespace splat {

void ArtProduction::upgradeClick() {
    GameState& s = s_;
    if (!p_.account.pay(s.artUpgradePrice, CashKind::ArtUpgrade)) return;
    addSaturating(s.artIncome, kArtIncomePerLevel);
    s.artUpgradePrice = nextArtPrice(s.artUpgradePrice);
    addSaturating(s.artLevel, 1);
    showArtProduction();
    p_.refresh.explain();
    p_.account.tell("Art production at level " + std::to_string(s.artLevel) + ", next upgrade $" +
                    std::to_string(s.artUpgradePrice));
}

void ArtProduction::showArtProduction() {
    win_.setText("peyotelevel", std::to_string(s_.artLevel));
    win_.setText("peyoteincome", std::to_string(s_.artIncome));
    win_.setText("peyoteup", std::to_string(s_.artUpgradePrice));
}

}  // namespace splat
