#pragma once
// The end of a match settles the whole week in one go: result and prize, the
// other four games, the season end when it is due, the growth of the
// computer-run teams, training, the weekly accounts and the results dialog;
// then the next week's pairings are drawn. Writes `week`, `season`,
// `matchPrize`, `unbeatenRun`, the simulated games' tallies and strengths,
// the computer-run squads, the squad's ratings through training,
// `trainingPoints`, `trainingExpenses`, `sponsorDonation`, the season's
// `finalPlace`, `seasonPrize`, trophies and averages, and the table's
// points.

#include "core/account.h"
#include "core/game_context.h"
#include "core/season_book.h"
#include "core/sound.h"
#include "league/league.h"
#include "management/page_refresh.h"
#include "management/prices.h"
#include "management/scout.h"
#include "management/sponsors.h"
#include "management/tactics.h"

namespace splat {

// What the week works with besides the state: the other subsystems whose
// rules it applies.
struct WeekParts {
    Account& account;
    SeasonBook& book;
    Sound& sound;
    League& league;
    PageRefresh& refresh;
    Prices& prices;
    Tactics& tactics;
    Scout& scout;
    Sponsors& sponsors;
};

class Week {
public:
    Week(GameContext& context, const WeekParts& parts)
        : ctx_(context), s_(context.state), win_(context.window), p_(parts) {}

    // match/settlement.cpp
    void settleMatch();
    // match/season_end.cpp
    void settleSeason();

private:
    GameContext& ctx_;
    GameState& s_;
    Window& win_;
    WeekParts p_;
};

}  // namespace splat
