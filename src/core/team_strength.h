#pragma once
// A team's strength: the sum of shooting and tactics over its five players.
// The favourites to win and the simulated games of the week compare it.

#include <cstdint>

#include "core/game_state.h"
#include "core/saturating.h"

namespace splat {

inline int32_t teamStrength(const GameState& s, int32_t team) {
    int64_t sum = 0;
    for (int p = 1; p <= kPlayers; ++p)
        sum += int64_t{s.players[team][p].shooting} + s.players[team][p].tactics;
    return clampToInt32(sum);
}

}  // namespace splat
