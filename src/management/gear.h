#pragma once
// The Gear page: choosing the player the shop works on, buying and selling
// markers, swapping markers between neighbours, and the six orbs. Writes
// `selectedPlayer`, the markers of the player's squad (`players[1][k].marker`)
// and `hasOrb`.

#include "core/account.h"
#include "core/game_context.h"
#include "management/page_refresh.h"

namespace splat {

class Gear {
public:
    Gear(GameContext& context, Account& account, PageRefresh& refresh)
        : s_(context.state), win_(context.window), account_(account), refresh_(refresh) {}

    void plaClick(int k);          // pla1Click .. pla5Click
    void buyMarker(int m);         // buy1Click .. buy11Click
    void sellweaponClick();
    void changem12Click();         // both rows of marker-swap buttons
    void changem23Click();
    void changem34Click();
    void changem45Click();
    void changem51Click();
    void buyOrb(int k);            // buya1Click .. buya6Click

    // The ">" stands in front of player k alone.
    void showPointer(int k);

private:
    void swapMarkers(int a, int b);

    GameState& s_;
    Window& win_;
    Account& account_;
    PageRefresh& refresh_;
};

}  // namespace splat
