#include <algorithm>
#include <iterator>
#include <string>

#include "core/control_names.h"
#include "core/person_names.h"
#include "core/shop_names.h"
#include "game/game.h"

namespace splat {
namespace {

const char* const kTeamNames[kTeams + 1] = {
    "",
    "Your team",
    "Boston Guns",
    "San Diego Marksmen",
    "Toronto Amateurs",
    "Detroit Madmen",
    "New York PD",
    "Los Angeles Freaks",
    "Carolina Demons",
    "Fargo Freezers",
    "Chicago Geniuses",
};

// --- Pieces shared by the first start and a new game ---------------------

// The chemist every game starts with.
void hireStartingChemist(Game& g) {
    GameState& s = g.state();
    s.chemistName = kStartingChemistName;
    s.chemistDegree = 1;
    s.chemistExperience = g.random(2) + 15;
    s.chemistKnowledge = g.random(5) + 50;
}

void clearOrbs(Game& g) {
    for (int k = 1; k <= kOrbs; ++k) {
        g.state().hasOrb[k] = false;
        g.window().setVisible(numbered("buya", k), true);
        g.window().setText(numbered("lorb", k), "");
    }
}

// The Gear page's ">" marker stands in front of player 1.
void selectFirstPlayer(Game& g) {
    g.state().selectedPlayer = 1;
    g.showPointer(1);
}

void resetSponsorOffers(Game& g, bool showOffers) {
    GameState& s = g.state();
    s.sponsorName = "None";
    g.window().setText("yoursponsor", s.sponsorName);
    if (showOffers) g.showSponsorOffers();
    for (int k = 1; k <= kSponsors; ++k) {
        g.window().setText(controls::sponsorCompanyLabel(k), s.sponsorCompany[k]);
        g.window().setVisible(numbered("dump", k), false);
        g.window().setText(numbered("result", k), "");
    }
}

void resetLaboratory(Game& g) {
    GameState& s = g.state();
    s.labLevel = 0;
    s.securityLevel = 0;
    s.labYield = 0;
    s.labUpgradePrice = 500;
    s.securityUpgradePrice = 100;
    g.showLaboratory();
}

void normalGameSpeed(Game& g) {
    g.state().gameSpeed = 500;
    g.window().setTimerInterval("Timer1", 500);
    g.window().setChecked("normalaction", true);
}

// The coach's skills and the weekly cost of each training level, drawn
// shooting 1, tactics 1, shooting 2, ... and shown on the Training page.
void drawCoachAndTrainingCosts(Game& g) {
    GameState& s = g.state();
    s.coachShooting = g.random(10) + 20;
    s.coachTactics = g.random(10) + 20;
    g.drawTrainingCosts();
    s.shootingTrainingLevel = 0;
    s.tacticsTrainingLevel = 0;
    g.window().setItemIndex("shooting", 0);
    g.window().setItemIndex("tactics", 0);
    g.showCoach();
}

// Names dealt, ratings and markers drawn, the table set up, sorted and the
// first week drawn; then the kick-off names and a refresh.
void dealTheLeague(Game& g, bool fillConstantTables) {
    GameState& s = g.state();
    for (int t = 1; t <= kTeams; ++t) {
        for (int p = 1; p <= kPlayers; ++p) s.playerNames[t][p] = s.roster[5 * (t - 1) + p];
    }
    if (fillConstantTables) {
        for (int m = 0; m <= kMarkers; ++m) s.markerNames[m] = kMarkerNames[m].name;
        for (int t = 1; t <= kTeams; ++t) s.teamNames[t] = kTeamNames[t];
    }
    for (int t = 1; t <= kTeams; ++t) {
        for (int p = 1; p <= kPlayers; ++p) {
            Player& pl = s.players[t][p];
            pl.shooting = g.random(10) + 20;
            pl.tactics = g.random(10) + 20;
            pl.hits = 0;
            pl.flagsPickedUp = 0;
            pl.flagsHung = 0;
        }
    }
    for (int t = 1; t <= kTeams; ++t) {
        for (int p = 1; p <= kPlayers; ++p) s.players[t][p].marker = g.random(2) + 1;
    }
    for (int t = 1; t <= kTeams; ++t) {
        for (int p = 1; p <= kPlayers; ++p) {
            Player& pl = s.players[t][p];
            pl.slot2 = pl.slot3 = pl.slot5 = pl.slot6 = 0;
            pl.slots10to19.fill(0);
        }
    }
    for (int i = 1; i <= kTeams; ++i) {
        s.tablePoints[i] = 0;
        s.tableTeam[i] = 11 - i;
    }
    g.sortTable();
    g.drawPairings();
    const Pairing& yours = s.pairings[s.yourPairing];
    g.window().setText("hometeam", g.displayName(yours.first));
    g.window().setText("awayteam", g.displayName(yours.second));
    g.refreshViews();
}

void showSeason(Game& g) {
    g.window().setText("weeknumber", std::to_string(g.state().week));
    g.window().setText("lblseason", std::to_string(g.state().season));
}

}  // namespace

// --- First start ----------------------------------------------------------

void Game::firstStartGeneration() {
    s_.trainingPoints = 30;
    for (int j = 1; j <= kPlayers; ++j) {
        s_.flagPriority[j] = 1;  // "regular", as the selectors show
        s_.priorityShootingBonus[j] = 0;
        s_.priorityFlagBonus[j] = 0;
    }
    hireStartingChemist(*this);  // drawn before the reseed: 16 and 54 at every start
    for (int i = 1; i <= kChemistRosterSize; ++i) s_.chemistRoster[i] = chemistNames()[i - 1];
    clearBoosts();
    openOptions();
    clearOrbs(*this);
    reseed();
    selectFirstPlayer(*this);
    s_.difficulty = 4;
    s_.trophies1st = s_.trophies2nd = s_.trophies3rd = 0;
    s_.gamesPerSeason = 20;
    s_.season = 1;
    for (int k = 1; k <= kOrbs; ++k) s_.orbNames[k] = kOrbNames[k];

    drawOpeningShopPrices();

    s_.unbeatenRun = 0;
    s_.week = 1;

    static const char* const kCompanies[kSponsors + 1] = {"", "Zov edero", "Ravurerod evi", "Dad oraziviv",
                                                          kFourthSponsorName};
    static const int kAmounts[kSponsors + 1] = {0, 150, 200, 300, 400};
    for (int k = 1; k <= kSponsors; ++k) {
        s_.sponsorCompany[k] = kCompanies[k];
        s_.sponsorAmount[k] = kAmounts[k];
    }
    resetSponsorOffers(*this, false);

    s_.artLevel = 0;
    s_.artIncome = 0;
    s_.artUpgradePrice = 350;
    showArtProduction();
    resetLaboratory(*this);
    hideSearchOffers();
    normalGameSpeed(*this);
    s_.cash = 2000;
    showCash();
    showSeason(*this);

    for (int i = 1; i <= kRosterSize; ++i) s_.roster[i] = rosterNames()[i - 1];
    s_.coachName = kStartingCoachName;
    drawCoachAndTrainingCosts(*this);
    dealTheLeague(*this, true);
}

// --- New game ---------------------------------------------------------------

void Game::newGameGeneration() {
    s_.trainingPoints = 30;
    hireStartingChemist(*this);
    clearBoosts();
    s_.artIncome = 0;
    s_.artLevel = 0;
    s_.artUpgradePrice = 500;
    showArtProduction();
    clearOrbs(*this);
    s_.trophies1st = s_.trophies2nd = s_.trophies3rd = 0;
    showTrophies();
    s_.season = 1;
    selectFirstPlayer(*this);
    s_.unbeatenRun = 0;
    s_.week = 1;
    showSeason(*this);
    s_.sponsorBase = 0;
    resetSponsorOffers(*this, true);
    resetLaboratory(*this);
    hideSearchOffers();
    normalGameSpeed(*this);
    s_.cash = 2000;
    showCash();
    s_.coachName = kStartingCoachName;
    drawCoachAndTrainingCosts(*this);
    dealTheLeague(*this, false);
}

void Game::Newgame1Click() {
    if (!win_.question("Are you sure?", "New game")) return;
    win_.setEnabled(controls::kDifficultyGroup, true);
    win_.setEnabled(controls::kSeasonLengthGroup, true);
    newGameGeneration();
}

void Game::levelchange(int item) {
    static const int kDifficulty[] = {2, 4, 5, 6, 7};
    if (!win_.question("This will start a new game. Go ahead?", "Warning")) {
        // The selector shows the difficulty in force again, so that the item
        // just refused can be picked once more.
        const int* inForce = std::find(std::begin(kDifficulty), std::end(kDifficulty), s_.difficulty);
        if (inForce != std::end(kDifficulty)) win_.setItemIndex("RadioGroup1", static_cast<int>(inForce - kDifficulty));
        return;
    }
    if (item >= 0 && item < 5) s_.difficulty = kDifficulty[item];
    newGameGeneration();
}

}  // namespace splat
