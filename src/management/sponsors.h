#pragma once
// Sponsors on the Finances page: applying to one of the four companies and
// dropping the sponsor. Writes `sponsorName`, `sponsorBase` and
// `pointsPerGame`.

#include "core/account.h"
#include "core/game_context.h"

namespace splat {

class Sponsors {
public:
    Sponsors(GameContext& context, Account& account)
        : ctx_(context), s_(context.state), win_(context.window), account_(account) {}

    void applyClick(int s);        // apply1Click .. apply4Click
    void dumpClick(int s);         // dump1Click .. dump4Click

    // All four offers with their application buttons, answers empty.
    void showSponsorOffers();

private:
    GameContext& ctx_;
    GameState& s_;
    Window& win_;
    Account& account_;
};

}  // namespace splat
