#pragma once
// The league: the week's pairings, the table and the end of a season.

#include <cstdint>

#include "core/game_core.h"

namespace splat {

class League : public GameCore {
public:
    using GameCore::GameCore;

    void drawPairings();                      // league/pairings.cpp
    void sortTable();                         // league/league_table.cpp
    void addPoints(int32_t team, int32_t n);  // league/league_table.cpp
    void settleSeason();                      // league/season_end.cpp
    // The trophy room's counts (league/season_end.cpp).
    void showTrophies();

protected:
    ~League() = default;
};

}  // namespace splat
