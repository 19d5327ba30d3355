#pragma once
// The Scout page: paid searches for a player or a coach, and hiring the
// candidate found. Writes `searchQuality`, the scouted candidates
// (`scoutedPlayer*`, `scoutedCoach*`), a hired player's place in the squad
// (`playerNames[1]`, `players[1]`) and the coach (`coachName`,
// `coachShooting`, `coachTactics`).

#include "management/page_tools.h"
#include "management/tactics.h"
#include "management/training.h"

namespace splat {

class Scout {
public:
    Scout(const PageTools& tools, Training& training, Tactics& tactics)
        : p_(tools), training_(training), tactics_(tactics) {}

    void playersearchClick();
    void replaceClick(int k);  // replace1Click .. replace5Click
    void coachsearchClick();
    void replaceyourcoachClick();

    // The player, the coach and the replace buttons a search turned up are
    // taken off the page.
    void hideSearchOffers();

private:
    PageTools p_;
    GameState& s_ = p_.ctx.state;
    Window& win_ = p_.ctx.window;
    Training& training_;
    Tactics& tactics_;
};

}  // namespace splat
