#pragma once
// A new world: the first start and every new game (from the menu or a new
// difficulty) deal the league, open the shop and reset the pages. Writes
// the whole state but the settings and the team's name.

#include "core/account.h"
#include "core/game_context.h"
#include "core/person_names.h"
#include "game/options.h"
#include "league/league.h"
#include "management/art_production.h"
#include "management/gear.h"
#include "management/laboratory.h"
#include "management/page_refresh.h"
#include "management/prices.h"
#include "management/scout.h"
#include "management/sponsors.h"
#include "management/tactics.h"
#include "management/training.h"

namespace splat {

// The difficulty of each item of the options' selector, Easy to Impossible:
// what the computer-run teams' weekly growth draws from.
inline constexpr int32_t kDifficulties[5] = {2, 4, 5, 6, 7};
// The four sponsors and their weekly base donations (entry 0 unused).
inline constexpr const char* kSponsorCompanies[kSponsors + 1] = {"", "Zov edero", "Ravurerod evi",
                                                                 "Dad oraziviv", kFourthSponsorName};
inline constexpr int32_t kSponsorAmounts[kSponsors + 1] = {0, 150, 200, 300, 400};

// The subsystems whose pages a new world resets.
struct NewGameParts {
    Account& account;
    League& league;
    PageRefresh& refresh;
    Prices& prices;
    Training& training;
    Tactics& tactics;
    Scout& scout;
    Gear& gear;
    Laboratory& laboratory;
    ArtProduction& art;
    Sponsors& sponsors;
    Options& options;
};

class NewGame {
public:
    NewGame(GameContext& context, const NewGameParts& parts)
        : ctx_(context), s_(context.state), win_(context.window), p_(parts) {}

    void firstStartGeneration();
    void newGameGeneration();
    void Newgame1Click();        // newGameCommand: "New game" menu item
    void levelchange(int item);  // difficultyChanged: RadioGroup1

private:
    void hireStartingChemist();
    void clearOrbs();
    void selectFirstPlayer();
    void resetSponsorOffers(bool showOffers);
    void resetLaboratory();
    void normalGameSpeed();
    void drawCoachAndTrainingCosts();
    void dealTheLeague(bool fillConstantTables);
    void showSeason();

    GameContext& ctx_;
    GameState& s_;
    Window& win_;
    NewGameParts p_;
};

}  // namespace splat
