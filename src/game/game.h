#pragma once
// The game: the top layer over core, league, management and match. It adds
// start-up, world generation and the new-game controls; every handler of the
// window's controls is reached on a `Game` through the binding table
// (game/bindings.h).

#include "match/match.h"

namespace splat {

class Game final : public Match {
public:
    using Match::Match;

    // --- Start-up (game/startup.cpp) ---
    // Team name and seed, settings, sound caption, music, first start.
    void startUp();

    // --- New game and world generation (game/new_game.cpp) ---
    void firstStartGeneration();
    void newGameGeneration();
    void Newgame1Click();          // newGameCommand: "New game" menu item
    void levelchange(int item);    // difficultyChanged: RadioGroup1
};

}  // namespace splat
