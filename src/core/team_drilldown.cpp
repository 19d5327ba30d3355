// The league table's drill-down: a click on a club's name shows its squad.

#include <array>
#include <string>

#include "core/views.h"

namespace splat {

void Views::inspectRow(int row) {
    if (row < 1 || row > kTeams) return;
    static const auto family = [](const char* stem) {
        std::array<std::string, kPlayers + 1> names;
        for (int j = 1; j <= kPlayers; ++j) names[j] = stem + std::to_string(j);
        return names;
    };
    static const auto pname = family("pname"), stamina = family("stamina"), shooting = family("shooting"),
                      mark = family("mark");

    const int32_t t = s_.tableTeam[row];
    if (t < 1 || t > kTeams) return;
    // The fixed club name: team 1 reads "Your team" here whatever the player typed.
    win_.setText("currentteam", s_.teamNames[t]);
    for (int j = 1; j <= kPlayers; ++j) {
        const Player& p = s_.players[t][j];
        win_.setText(pname[j], s_.playerNames[t][j]);
        win_.setText(stamina[j], std::to_string(p.shooting));
        win_.setText(shooting[j], std::to_string(p.tactics));
        win_.setText(mark[j], s_.markerNames[p.marker >= 0 && p.marker <= kMarkers ? p.marker : 0]);
    }
}

void Views::teamClick(int row) { inspectRow(row); }

}  // namespace splat
