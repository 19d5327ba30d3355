// The end of a season: the computer-run teams catch up with the player's
// team, the final table decides trophies and prize money, the bottom two
// places end the game, and the next season starts with an empty table.

#include <cstdint>
#include <string>

#include "core/saturating.h"
#include "match/match_rules.h"
#include "match/week.h"

namespace splat {

namespace {

int32_t averageOf(const GameState& s, int32_t Player::*rating) {
    int64_t sum = 0;
    for (int j = 1; j <= kPlayers; ++j) sum += s.players[1][j].*rating;
    return clampToInt32(sum / kPlayers);
}

// A computer-run player more than 20 below the player's team average is
// raised to 10..19 below it; a draw is made only for a raised rating.
void catchUp(GameContext& c, int32_t& rating, int32_t average) {
    if (int64_t{rating} + kCatchUpGap < average) {
        rating = clampToInt32(int64_t{average} - c.random(kCatchUpSpread) - kCatchUpLeast);
    }
}

void setSeasonText(Window& w, const char* label, const std::string& text) {
    w.setText(std::string("Tendseason.") + label, text);
}

}  // namespace

void Week::settleSeason() {
    s_.ourShootingAverage = averageOf(s_, &Player::shooting);
    s_.ourTacticsAverage = averageOf(s_, &Player::tactics);
    for (int team = 2; team <= kTeams; ++team) {
        for (int j = 1; j <= kPlayers; ++j) {
            catchUp(ctx_, s_.players[team][j].shooting, s_.ourShootingAverage);
            catchUp(ctx_, s_.players[team][j].tactics, s_.ourTacticsAverage);
        }
    }

    p_.refresh.refreshViews();
    p_.league.sortTable();

    s_.finalPlace = 0;
    for (int row = 1; row <= kTeams; ++row) {
        if (s_.tableTeam[row] == 1) s_.finalPlace = row;
    }
    setSeasonText(win_, "result",
                  "Your team ends " + std::to_string(s_.season) + " season in " +
                      std::to_string(s_.finalPlace) + " place");
    s_.week = 1;

    if (s_.finalPlace >= kFirstRelegationPlace) {
        setSeasonText(win_, "congrat", "A sad day for your team");
        setSeasonText(win_, "money", "Your guys are sorry they couldn't make it");
        setSeasonText(win_, "Label1", "It's all over");
        p_.book.seasonEnded();
        win_.showDialog("Tendseason");
        ctx_.closeMainWindow();
        return;
    }

    setSeasonText(win_, "congrat", "Congratulations !!!");
    setSeasonText(win_, "money", "");
    setSeasonText(win_, "Label1", "");

    if (s_.finalPlace >= 1 && s_.finalPlace <= 3) {
        if (s_.finalPlace == 1) {
            s_.trophies1st += 1;
            s_.seasonPrize = kSeasonPrizes[1].base + ctx_.random(kSeasonPrizes[1].spread);
        } else if (s_.finalPlace == 2) {
            s_.trophies2nd += 1;
            s_.seasonPrize = kSeasonPrizes[2].base + ctx_.random(kSeasonPrizes[2].spread);
        } else {
            s_.trophies3rd += 1;
            s_.seasonPrize = kSeasonPrizes[3].base + ctx_.random(kSeasonPrizes[3].spread);
        }
        p_.league.showTrophies();
        p_.account.earn(s_.seasonPrize, CashKind::SeasonPrize);
        setSeasonText(win_, "money", "You get $" + std::to_string(s_.seasonPrize));
    }

    p_.book.seasonEnded();
    win_.showDialog("Tendseason");

    s_.season += 1;
    win_.setText("lblseason", std::to_string(s_.season));

    for (int row = 1; row <= kTeams; ++row) s_.tablePoints[row] = 0;
    p_.league.sortTable();
}

}  // namespace splat
