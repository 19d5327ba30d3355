// The Gear page: choosing the player the shop works on, buying and selling
// markers, swapping markers between neighbours, and the six orbs.

#include "management/gear.h"

#include <string>
#include <utility>

#include "core/control_names.h"

namespace splat {

namespace {

bool validPlayer(int32_t k) { return k >= 1 && k <= kPlayers; }

}  // namespace

void Gear::plaClick(int k) {
    if (!validPlayer(k)) return;
    s_.selectedPlayer = k;
    p_.refresh.refreshViews();
    showPointer(k);
    const int32_t marker = s_.players[1][k].marker;
    if (marker != 0) {
        win_.setVisible("sellweapon", true);
        win_.setVisible("wprice", true);
    }
    win_.announce(s_.playerNames[1][k] + " selected" +
                  (marker != 0 ? ", carries " + s_.markerNames[marker] : ", no marker"));
}

void Gear::buyMarker(int m) {
    GameState& s = s_;
    if (m < 1 || m > kMarkers || !validPlayer(s.selectedPlayer)) return;
    Player& buyer = s.players[1][s.selectedPlayer];
    // A player who carries a marker must sell it first.
    const std::string& name = s.playerNames[1][s.selectedPlayer];
    if (buyer.marker != 0) {
        win_.announce("Nothing bought: " + name + " already carries a marker");
        return;
    }
    if (!p_.account.pay(s.markerPrice[m], CashKind::MarkerPurchase)) return;
    buyer.marker = m;
    win_.setVisible("sellweapon", true);
    win_.setVisible("wprice", true);
    p_.refresh.refreshViews();
    p_.account.tell("Bought " + s.markerNames[m] + " for " + name);
}

void Gear::sellweaponClick() {
    GameState& s = s_;
    // The sale value is the one of the last refresh; a player without a
    // marker has nothing to sell whatever that value says.
    if (s.markerSalePrice <= 0 || !validPlayer(s.selectedPlayer)) return;
    Player& seller = s.players[1][s.selectedPlayer];
    if (seller.marker == 0) return;
    const int32_t price = s.markerSalePrice;
    p_.account.earn(price, CashKind::MarkerSale);
    win_.setVisible("sellweapon", false);
    win_.setVisible("wprice", false);
    seller.marker = 0;
    p_.refresh.refreshViews();
    p_.account.tell("Sold " + s.playerNames[1][s.selectedPlayer] + "'s marker for $" + std::to_string(price));
}

void Gear::swapMarkers(int a, int b) {
    auto& ours = s_.players[1];
    std::swap(ours[a].marker, ours[b].marker);
    p_.refresh.refreshViews();
}

void Gear::changem12Click() { swapMarkers(1, 2); }
void Gear::changem23Click() { swapMarkers(2, 3); }
void Gear::changem34Click() { swapMarkers(3, 4); }
void Gear::changem45Click() { swapMarkers(4, 5); }
void Gear::changem51Click() { swapMarkers(5, 1); }

void Gear::buyOrb(int k) {
    GameState& s = s_;
    // An orb is bought once for the rest of the game.
    if (k < 1 || k > kOrbs || s.hasOrb[k]) return;
    if (!p_.account.pay(s.orbPrice[k], CashKind::OrbPurchase)) return;
    win_.setVisible(numbered("buya", k), false);
    s.hasOrb[k] = true;
    win_.setText(numbered("lorb", k), s.orbNames[k]);
    p_.refresh.explain();
    p_.account.tell("Bought " + s.orbNames[k]);
}

void Gear::showPointer(int k) {
    for (int j = 1; j <= kPlayers; ++j) {
        win_.setVisible(controls::kPointerLabels[j], j == k);
        // What the ">" shows, said to a screen reader too.
        win_.setToolTip(numbered("pla", j),
                        j == k ? "Selected: what you buy or sell is his" : "Click to select this player");
    }
}

}  // namespace splat
