// The Gear page: choosing the player the shop works on, buying and selling
// markers, swapping markers between neighbours, and the six orbs.

#include <string>
#include <utility>

#include "core/control_names.h"
#include "management/management.h"
#include "management/price_math.h"

namespace splat {

using management::canPay;

namespace {

bool validPlayer(int32_t k) { return k >= 1 && k <= kPlayers; }

}  // namespace

void Management::plaClick(int k) {
    if (!validPlayer(k)) return;
    s_.selectedPlayer = k;
    refreshViews();
    showPointer(k);
    if (s_.players[1][k].marker != 0) {
        win_.setVisible("sellweapon", true);
        win_.setVisible("wprice", true);
    }
}

void Management::buyMarker(int m) {
    GameState& s = s_;
    if (m < 1 || m > kMarkers || !validPlayer(s.selectedPlayer)) return;
    Player& buyer = s.players[1][s.selectedPlayer];
    // A player who carries a marker must sell it first.
    if (buyer.marker != 0 || !pay(s.markerPrice[m])) return;
    buyer.marker = m;
    win_.setVisible("sellweapon", true);
    win_.setVisible("wprice", true);
    refreshViews();
}

void Management::sellweaponClick() {
    GameState& s = s_;
    // The sale value is the one of the last refresh; a player without a
    // marker has nothing to sell whatever that value says.
    if (s.markerSalePrice <= 0 || !validPlayer(s.selectedPlayer)) return;
    Player& seller = s.players[1][s.selectedPlayer];
    if (seller.marker == 0) return;
    changeCash(s.markerSalePrice);
    win_.setVisible("sellweapon", false);
    win_.setVisible("wprice", false);
    seller.marker = 0;
    refreshViews();
}

namespace {
void swapMarkers(Management& g, int a, int b) {
    auto& ours = g.state().players[1];
    std::swap(ours[a].marker, ours[b].marker);
    g.refreshViews();
}
}  // namespace

void Management::changem12Click() { swapMarkers(*this, 1, 2); }
void Management::changem23Click() { swapMarkers(*this, 2, 3); }
void Management::changem34Click() { swapMarkers(*this, 3, 4); }
void Management::changem45Click() { swapMarkers(*this, 4, 5); }
void Management::changem51Click() { swapMarkers(*this, 5, 1); }

void Management::buyOrb(int k) {
    GameState& s = s_;
    // An orb is bought once for the rest of the game.
    if (k < 1 || k > kOrbs || s.hasOrb[k]) return;
    if (!canPay(s, s.orbPrice[k])) return;
    win_.setVisible(numbered("buya", k), false);
    s.hasOrb[k] = true;
    changeCash(-int64_t{s.orbPrice[k]});
    win_.setText(numbered("lorb", k), s.orbNames[k]);
}

}  // namespace splat
