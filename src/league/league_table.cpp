// The league table: rows of (team, points), highest points first.

#include <utility>

#include "league/league.h"
#include "core/saturating.h"

namespace splat {

// A bubble sort that never swaps equal points, so clubs level on points keep
// their previous order.
void League::sortTable() {
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int i = 1; i < kTeams; ++i) {
            if (s_.tablePoints[i] < s_.tablePoints[i + 1]) {
                std::swap(s_.tablePoints[i], s_.tablePoints[i + 1]);
                std::swap(s_.tableTeam[i], s_.tableTeam[i + 1]);
                swapped = true;
            }
        }
    }
}

void League::addPoints(int32_t team, int32_t n) {
    for (int i = 1; i <= kTeams; ++i) {
        if (s_.tableTeam[i] == team) addSaturating(s_.tablePoints[i], n);
    }
}

}  // namespace splat
