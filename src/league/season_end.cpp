// The end of a season: the computer-run teams catch up with the player's
// team, the final table decides trophies and prize money, the bottom two
// places end the game, and the next season starts with an empty table.

#include <cstdint>
#include <string>

#include "core/control_names.h"
#include "core/saturating.h"
#include "league/league.h"

namespace splat {

namespace {

constexpr int32_t kFirstRelegationPlace = 9;

int32_t averageOf(const GameState& s, int32_t Player::*rating) {
    int64_t sum = 0;
    for (int j = 1; j <= kPlayers; ++j) sum += s.players[1][j].*rating;
    return clampToInt32(sum / kPlayers);
}

// A computer-run player more than 20 below the player's team average is
// raised to 10..19 below it; a draw is made only for a raised rating.
void catchUp(League& g, int32_t& rating, int32_t average) {
    if (int64_t{rating} + 20 < average) {
        rating = clampToInt32(int64_t{average} - g.random(10) - 10);
    }
}

void setSeasonText(League& g, const char* label, const std::string& text) {
    g.window().setText(std::string("Tendseason.") + label, text);
}

}  // namespace

void League::settleSeason() {
    s_.ourShootingAverage = averageOf(s_, &Player::shooting);
    s_.ourTacticsAverage = averageOf(s_, &Player::tactics);
    for (int team = 2; team <= kTeams; ++team) {
        for (int j = 1; j <= kPlayers; ++j) {
            catchUp(*this, s_.players[team][j].shooting, s_.ourShootingAverage);
            catchUp(*this, s_.players[team][j].tactics, s_.ourTacticsAverage);
        }
    }

    refreshViews();
    sortTable();

    s_.finalPlace = 0;
    for (int row = 1; row <= kTeams; ++row) {
        if (s_.tableTeam[row] == 1) s_.finalPlace = row;
    }
    setSeasonText(*this, "result", "Your team ends " + std::to_string(s_.season) + " season in " +
                                       std::to_string(s_.finalPlace) + " place");
    s_.week = 1;

    if (s_.finalPlace >= kFirstRelegationPlace) {
        setSeasonText(*this, "congrat", "A sad day for your team");
        setSeasonText(*this, "money", "Your guys are sorry they couldn't make it");
        setSeasonText(*this, "Label1", "It's all over");
        win_.showDialog("Tendseason");
        closeMainWindow();
        return;
    }

    setSeasonText(*this, "congrat", "Congratulations !!!");
    setSeasonText(*this, "money", "");
    setSeasonText(*this, "Label1", "");

    if (s_.finalPlace >= 1 && s_.finalPlace <= 3) {
        if (s_.finalPlace == 1) {
            s_.trophies1st += 1;
            s_.seasonPrize = 3000 + random(200);
        } else if (s_.finalPlace == 2) {
            s_.trophies2nd += 1;
            s_.seasonPrize = 1500 + random(200);
        } else {
            s_.trophies3rd += 1;
            s_.seasonPrize = 900 + random(200);
        }
        showTrophies();
        changeCash(s_.seasonPrize);
        setSeasonText(*this, "money", "You get $" + std::to_string(s_.seasonPrize));
    }

    win_.showDialog("Tendseason");

    s_.season += 1;
    win_.setText("lblseason", std::to_string(s_.season));

    for (int row = 1; row <= kTeams; ++row) s_.tablePoints[row] = 0;
    sortTable();
}

void League::showTrophies() {
    const int32_t counts[3] = {s_.trophies1st, s_.trophies2nd, s_.trophies3rd};
    for (int i = 0; i < 3; ++i) win_.setText(controls::kTrophyCounts[i], std::to_string(counts[i]));
}

}  // namespace splat
