#pragma once
// The Gear page: choosing the player the shop works on, buying and selling
// markers, swapping markers between neighbours, and the six orbs. Writes
// `selectedPlayer`, the markers of the player's squad (`players[1][k].marker`)
// and `hasOrb`.

#include "management/page_tools.h"

namespace splat {

class Gear {
public:
    explicit Gear(const PageTools& tools) : p_(tools) {}

    void plaClick(int k);   // pla1Click .. pla5Click
    void buyMarker(int m);  // buy1Click .. buy11Click
    void sellweaponClick();
    void changem12Click();  // both rows of marker-swap buttons
    void changem23Click();
    void changem34Click();
    void changem45Click();
    void changem51Click();
    void buyOrb(int k);  // buya1Click .. buya6Click

    // The ">" stands in front of player k alone, and the tooltips say so.
    void showPointer(int k);

private:
    PageTools p_;
    GameState& s_ = p_.ctx.state;
    Window& win_ = p_.ctx.window;
    void swapMarkers(int a, int b);
};

}  // namespace splat
