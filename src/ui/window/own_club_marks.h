#pragma once
// The player's own club stands out in the league table and the schedule:
// which of those labels shows team 1 is read from the game state, never from
// the texts (another club may carry the same name).

#include <string_view>

class QWidget;

namespace splat {
struct GameState;
}

namespace splat::ui {


// Whether the label `control` is a row of the league table ("team1".."team10"
// and "teampoints1".."teampoints10") or a club of the schedule ("rteam1"..
// "rteam10"); `ownClub` then tells whether it shows the player's club.
bool isClubLabel(std::string_view control, const GameState& state, bool& ownClub);

// Marks or unmarks the label widget of `control` when it is a club label.
void markOwnClub(std::string_view control, QWidget* label, const GameState& state);

}  // namespace splat::ui
