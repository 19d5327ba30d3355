// The shop's prices: each marker and orb costs its base plus a draw below its
// spread.

#include "management/prices.h"
#include "management/shop_price_rules.h"

namespace splat {

// Orbs first, then markers. The Orb of Acid's opening price is drawn twice:
// the second draw stands, the first still moves every draw after it.
void Prices::drawOpeningShopPrices() {
    for (int k = 1; k <= kOrbs; ++k) {
        s_.orbPrice[k] = ctx_.random(kOrbPrices[k - 1].spread) + kOrbPrices[k - 1].base;
        if (k == kOrbAcid) s_.orbPrice[k] = ctx_.random(kOrbPrices[k - 1].spread) + kOrbPrices[k - 1].base;
    }
    s_.markerPrice[0] = 0;
    for (int m = 1; m <= kMarkers; ++m) {
        s_.markerPrice[m] = ctx_.random(kOpeningMarkerPrices[m - 1].spread) + kOpeningMarkerPrices[m - 1].base;
    }
}

// Markers first, then orbs.
void Prices::drawWeeklyShopPrices() {
    for (int m = 1; m <= kMarkers; ++m) {
        s_.markerPrice[m] = kWeeklyMarkerPrices[m - 1].base + ctx_.random(kWeeklyMarkerPrices[m - 1].spread);
    }
    for (int k = 1; k <= kOrbs; ++k)
        s_.orbPrice[k] = kOrbPrices[k - 1].base + ctx_.random(kOrbPrices[k - 1].spread);
}

}  // namespace splat
