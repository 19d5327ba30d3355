#include "game/new_game.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "core/control_names.h"
#include "core/person_names.h"
#include "core/shop_names.h"

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

}  // namespace

// --- Pieces shared by the first start and a new game ---------------------

// The chemist every game starts with.
void NewGame::hireStartingChemist() {
    GameState& s = s_;
    s.chemistName = kStartingChemistName;
    s.chemistDegree = 1;
    s.chemistExperience = ctx_.random(2) + 15;
    s.chemistKnowledge = ctx_.random(5) + 50;
}

void NewGame::clearOrbs() {
    for (int k = 1; k <= kOrbs; ++k) {
        s_.hasOrb[k] = false;
        win_.setVisible(numbered("buya", k), true);
        win_.setText(numbered("lorb", k), "");
    }
}

// The Gear page's ">" marker stands in front of player 1.
void NewGame::selectFirstPlayer() {
    s_.selectedPlayer = 1;
    p_.gear.showPointer(1);
}

void NewGame::resetSponsorOffers(bool showOffers) {
    GameState& s = s_;
    s.sponsorName = "None";
    win_.setText("yoursponsor", s.sponsorName);
    if (showOffers) p_.sponsors.showSponsorOffers();
    for (int k = 1; k <= kSponsors; ++k) {
        win_.setText(controls::sponsorCompanyLabel(k), s.sponsorCompany[k]);
        win_.setVisible(numbered("dump", k), false);
        win_.setText(numbered("result", k), "");
    }
}

void NewGame::resetLaboratory() {
    GameState& s = s_;
    s.labLevel = 0;
    s.securityLevel = 0;
    s.labYield = 0;
    s.labUpgradePrice = 500;
    s.securityUpgradePrice = 100;
    p_.laboratory.showLaboratory();
}

void NewGame::normalGameSpeed() {
    s_.gameSpeed = 500;
    win_.setTimerInterval("Timer1", 500);
    win_.setChecked("normalaction", true);
}

// The coach's skills and the weekly cost of each training level, drawn
// shooting 1, tactics 1, shooting 2, ... and shown on the Training page.
void NewGame::drawCoachAndTrainingCosts() {
    GameState& s = s_;
    s.coachShooting = ctx_.random(10) + 20;
    s.coachTactics = ctx_.random(10) + 20;
    p_.training.drawTrainingCosts();
    s.shootingTrainingLevel = 0;
    s.tacticsTrainingLevel = 0;
    win_.setItemIndex("shooting", 0);
    win_.setItemIndex("tactics", 0);
    p_.training.showCoach();
}

// Names dealt, ratings and markers drawn, the table set up, sorted and the
// first week drawn; then the kick-off names and a refresh.
void NewGame::dealTheLeague(bool fillConstantTables) {
    GameState& s = s_;
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
            pl.shooting = ctx_.random(10) + 20;
            pl.tactics = ctx_.random(10) + 20;
            pl.hits = 0;
            pl.flagsPickedUp = 0;
            pl.flagsHung = 0;
        }
    }
    for (int t = 1; t <= kTeams; ++t) {
        for (int p = 1; p <= kPlayers; ++p) s.players[t][p].marker = ctx_.random(2) + 1;
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
    p_.league.sortTable();
    p_.league.drawPairings();
    p_.refresh.workOutOnly();
    p_.refresh.refreshViews();
}

void NewGame::showSeason() {
    win_.setText("weeknumber", std::to_string(s_.week));
    win_.setText("lblseason", std::to_string(s_.season));
}

// --- First start ----------------------------------------------------------

void NewGame::firstStartGeneration() {
    s_.trainingPoints = 30;
    for (int j = 1; j <= kPlayers; ++j) {
        s_.flagPriority[j] = 1;  // "regular", as the selectors show
        s_.priorityShootingBonus[j] = 0;
        s_.priorityFlagBonus[j] = 0;
    }
    hireStartingChemist();  // drawn before the reseed: 16 and 54 at every start
    for (int i = 1; i <= kChemistRosterSize; ++i) s_.chemistRoster[i] = chemistNames()[i - 1];
    p_.tactics.clearBoosts();
    p_.options.openOptions();
    clearOrbs();
    ctx_.reseed();
    selectFirstPlayer();
    s_.difficulty = 4;
    s_.trophies1st = s_.trophies2nd = s_.trophies3rd = 0;
    s_.gamesPerSeason = 20;
    s_.season = 1;
    for (int k = 1; k <= kOrbs; ++k) s_.orbNames[k] = kOrbNames[k];

    p_.prices.drawOpeningShopPrices();

    s_.unbeatenRun = 0;
    s_.week = 1;

    for (int k = 1; k <= kSponsors; ++k) {
        s_.sponsorCompany[k] = kSponsorCompanies[k];
        s_.sponsorAmount[k] = kSponsorAmounts[k];
    }
    resetSponsorOffers(false);

    s_.artLevel = 0;
    s_.artIncome = 0;
    s_.artUpgradePrice = 350;
    p_.art.showArtProduction();
    resetLaboratory();
    p_.scout.hideSearchOffers();
    normalGameSpeed();
    p_.account.open(2000);
    showSeason();

    for (int i = 1; i <= kRosterSize; ++i) s_.roster[i] = rosterNames()[i - 1];
    s_.coachName = kStartingCoachName;
    drawCoachAndTrainingCosts();
    dealTheLeague(true);
}

// --- New game ---------------------------------------------------------------

void NewGame::newGameGeneration() {
    s_.trainingPoints = 30;
    hireStartingChemist();
    p_.tactics.clearBoosts();
    s_.artIncome = 0;
    s_.artLevel = 0;
    s_.artUpgradePrice = 500;
    p_.art.showArtProduction();
    clearOrbs();
    s_.trophies1st = s_.trophies2nd = s_.trophies3rd = 0;
    p_.league.showTrophies();
    s_.season = 1;
    selectFirstPlayer();
    s_.unbeatenRun = 0;
    s_.week = 1;
    showSeason();
    s_.sponsorBase = 0;
    resetSponsorOffers(true);
    resetLaboratory();
    p_.scout.hideSearchOffers();
    normalGameSpeed();
    p_.account.open(2000);
    s_.coachName = kStartingCoachName;
    drawCoachAndTrainingCosts();
    dealTheLeague(false);
}

void NewGame::Newgame1Click() {
    if (!win_.question("Are you sure?", "New game")) return;
    win_.setEnabled(controls::kDifficultyGroup, true);
    win_.setEnabled(controls::kSeasonLengthGroup, true);
    newGameGeneration();
}

void NewGame::levelchange(int item) {
    if (!win_.question("This will start a new game. Go ahead?", "Warning")) {
        // The selector shows the difficulty in force again, so that the item
        // just refused can be picked once more.
        const int* inForce = std::find(std::begin(kDifficulties), std::end(kDifficulties), s_.difficulty);
        if (inForce != std::end(kDifficulties))
            win_.setItemIndex("RadioGroup1", static_cast<int>(inForce - kDifficulties));
        return;
    }
    if (item >= 0 && item < 5) s_.difficulty = kDifficulties[item];
    newGameGeneration();
}

}  // namespace splat
