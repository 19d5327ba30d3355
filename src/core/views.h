#pragma once
// What the window shows of the state: the refresh of every page's labels, the
// league table's drill-down and the dialogs opened from the menu. The views
// only show: they draw nothing from the random source and write no state.
// The prices and the favourites they show are worked out by their own
// subsystems before (management/page_refresh.h puts the pieces in order).

#include <array>
#include <cstdint>
#include <string>

#include "core/game_state.h"
#include "core/window.h"

namespace splat {

// teamName for team 1 (what the player typed), the fixed club name otherwise.
inline const std::string& displayName(const GameState& s, int32_t team) {
    return team == 1 ? s.teamName : s.teamNames[team];
}

// The favourite to win each pairing 1..5: a team, or 0 for even chances.
using Favourites = std::array<int32_t, kPairings + 1>;

class Views {
public:
    Views(const GameState& state, Window& window) : s_(state), win_(window) {}

    // Rewrites the labels of every page from the state.
    void show(const Favourites& favourites);
    // The squad of the club in table row 1..10 on the League page.
    void inspectRow(int row);
    void teamClick(int row);  // team1Click .. team10Click
    void Button1Click();      // "Trophy room"
    void About1Click();       // "About"

private:
    const GameState& s_;
    Window& win_;
};

}  // namespace splat
