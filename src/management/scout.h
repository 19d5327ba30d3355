#pragma once
// The Scout page: paid searches for a player or a coach, and hiring the
// candidate found. Writes `searchQuality`, the scouted candidates
// (`scoutedPlayer*`, `scoutedCoach*`), a hired player's place in the squad
// (`playerNames[1]`, `players[1]`) and the coach (`coachName`,
// `coachShooting`, `coachTactics`).

#include "core/account.h"
#include "core/game_context.h"
#include "management/page_refresh.h"
#include "management/tactics.h"
#include "management/training.h"

namespace splat {

class Scout {
public:
    Scout(GameContext& context, Account& account, PageRefresh& refresh, Training& training, Tactics& tactics)
        : ctx_(context),
          s_(context.state),
          win_(context.window),
          account_(account),
          refresh_(refresh),
          training_(training),
          tactics_(tactics) {}

    void playersearchClick();
    void replaceClick(int k);      // replace1Click .. replace5Click
    void coachsearchClick();
    void replaceyourcoachClick();

    // The player, the coach and the replace buttons a search turned up are
    // taken off the page.
    void hideSearchOffers();

private:
    GameContext& ctx_;
    GameState& s_;
    Window& win_;
    Account& account_;
    PageRefresh& refresh_;
    Training& training_;
    Tactics& tactics_;
};

}  // namespace splat
