// The league table: rows of (team, points), highest points first; the
// favourites to win and the trophy room's counts.

#include <string>
#include <utility>

#include "core/control_names.h"
#include "core/saturating.h"
#include "core/team_strength.h"
#include "league/league.h"

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

Favourites League::weighFavourites() {
    Favourites favourites{};
    for (int k = 1; k <= kPairings; ++k) {
        s_.homeStrength = teamStrength(s_, s_.pairings[k].first);
        s_.awayStrength = teamStrength(s_, s_.pairings[k].second);
        if (s_.homeStrength > s_.awayStrength) favourites[k] = s_.pairings[k].first;
        if (s_.homeStrength < s_.awayStrength) favourites[k] = s_.pairings[k].second;
    }
    return favourites;
}

void League::showTrophies() {
    const int32_t counts[3] = {s_.trophies1st, s_.trophies2nd, s_.trophies3rd};
    for (int i = 0; i < 3; ++i) win_.setText(controls::kTrophyCounts[i], std::to_string(counts[i]));
}

}  // namespace splat
