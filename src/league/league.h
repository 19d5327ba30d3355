#pragma once
// The league: the week's pairings, the table, the favourites to win and the
// trophy room's counts. Writes the state's table (`tableTeam`,
// `tablePoints`), pairings (`pairings`, `yourPairing`, `opponentTeam`) and
// the favourites' strengths (`homeStrength`, `awayStrength`).

#include <cstdint>

#include "core/game_context.h"
#include "core/views.h"

namespace splat {

class League {
public:
    explicit League(GameContext& context) : ctx_(context), s_(context.state), win_(context.window) {}

    void drawPairings();  // league/pairings.cpp
    // The week's opponent from the player's pairing.
    void findOpponent();                      // league/pairings.cpp
    void sortTable();                         // league/league_table.cpp
    void addPoints(int32_t team, int32_t n);  // league/league_table.cpp
    // The favourite of each pairing: the squads' ratings alone.
    Favourites weighFavourites();  // league/league_table.cpp
    // The trophy room's counts (league/league_table.cpp).
    void showTrophies();

private:
    GameContext& ctx_;
    GameState& s_;
    Window& win_;
};

}  // namespace splat
