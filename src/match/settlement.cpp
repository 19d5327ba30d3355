// The end of a match settles the whole week in one go: result and prize, the
// other four games of the week, the season end when it is due, the growth of
// the computer-run teams, training, the weekly accounts and the results
// dialog; then the next week's pairings are drawn.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/control_names.h"
#include "core/effect_sizes.h"
#include "core/join.h"
#include "core/saturating.h"
#include "core/team_strength.h"
#include "management/laboratory.h"
#include "management/sponsor_terms.h"
#include "management/training.h"
#include "match/match_rules.h"
#include "match/week.h"

namespace splat {

namespace {

// What the week's steps work with.
struct Settling {
    GameContext& ctx;
    const WeekParts& parts;

    GameState& state() { return ctx.state; }
    Window& window() { return ctx.window; }
    int32_t random(int32_t n) { return ctx.random(n); }
    void addPoints(int32_t team, int32_t n) { parts.league.addPoints(team, n); }
    void effect(std::string_view file) { parts.sound.effect(file); }
    Account& account() { return parts.account; }
};

std::string num(int64_t v) { return std::to_string(v); }

void setDialogText(Settling& g, const char* label, const std::string& text) {
    g.window().setText(join("Tresults.", label), text);
}

// Points, prize and the result sentence of the player's game.
void settleOwnGame(Settling& g) {
    GameState& s = g.state();
    std::string line;
    if (s.theirScore > s.ourScore) {
        g.addPoints(s.opponentTeam, kWinPoints);
        s.matchPrize = kLossPrize.base + g.random(kLossPrize.spread);
        s.unbeatenRun = 0;
        line = "Your team loses the game and gets " + num(s.matchPrize) + "$ for it";
    } else if (s.theirScore == s.ourScore) {
        g.addPoints(s.opponentTeam, kTiePoints);
        g.addPoints(1, kTiePoints);
        s.matchPrize = kTiePrize.base + g.random(kTiePrize.spread);
        s.unbeatenRun += 1;
        line = "Your team ties the game and gets " + num(s.matchPrize) + "$ for it";
    } else {
        g.addPoints(1, kWinPoints);
        s.matchPrize = kWinPrize.base + g.random(kWinPrize.spread);
        s.unbeatenRun += 1;
        g.effect("success.wav");
        line = "Your team wins the game and gets $" + num(s.matchPrize) + " for it";
    }
    setDialogText(g, "lblresult", line);
    g.account().earn(s.matchPrize, CashKind::MatchPrize);
    const Pairing p = s.pairings[s.yourPairing];
    const bool home = p.first == 1;
    g.parts.book.gamePlayed(p.first, p.second, home ? s.ourScore : s.theirScore,
                            home ? s.theirScore : s.ourScore);
}

// The four games the player does not watch give league points only.
// Each game counts its own fifteen duels.
void simulateOtherGames(Settling& g) {
    GameState& s = g.state();
    for (int e = 1; e <= kPairings; ++e) {
        const Pairing p = s.pairings[e];
        if (p.first == 1 || p.first == s.opponentTeam) continue;
        s.homeStrength = teamStrength(s, p.first);
        s.awayStrength = teamStrength(s, p.second);
        s.homeTally = 0;
        s.awayTally = 0;
        for (int duel = 0; duel < 15; ++duel) {
            const int64_t h = int64_t{g.random(30)} + s.homeStrength;
            const int64_t a = int64_t{g.random(30)} + s.awayStrength;
            if (h > a) {
                s.homeTally += 1;
            } else {
                s.awayTally += 1;
            }
        }
        g.parts.book.gamePlayed(p.first, p.second, s.homeTally, s.awayTally);
        if (s.homeTally > s.awayTally) {
            g.addPoints(p.first, 3);
        } else if (s.homeTally == s.awayTally) {
            g.addPoints(p.first, 1);
            g.addPoints(p.second, 1);
        } else {
            g.addPoints(p.second, 3);
        }
    }
}

// One weekly growth step of a computer-run player's rating.
void grow(Settling& g, int32_t& rating) {
    const int32_t r = g.random(g.state().difficulty + kGrowthDie);
    if (r > kGrowthOneAbove) rating += 1;
    if (r > kGrowthTwoAbove) rating += 1;
}

// The computer-run teams improve every week.
void growComputerTeams(Settling& g) {
    GameState& s = g.state();
    for (int team = 2; team <= kTeams; ++team) {
        for (int j = 1; j <= kPlayers; ++j) {
            Player& p = s.players[team][j];
            grow(g, p.shooting);
            grow(g, p.tactics);
            if (g.random(20) > 18 && p.marker < kMarkers) p.marker += 1;
        }
    }
}

// One training draw for one rating: above 55 two points buy +2, then above
// 20 one more point buys +1.
void train(Settling& g, int32_t& rating, int32_t level, int32_t coach) {
    GameState& s = g.state();
    int32_t c = g.random(trainingRollBound(level, coach));
    if (s.hasOrb[kOrbLore]) c += g.random(kLoreDie);
    if (c > kTrainingTwoAbove && s.trainingPoints >= 2) {
        rating += 2;
        s.trainingPoints -= 2;
    }
    if (c > kTrainingOneAbove && s.trainingPoints >= 1) {
        rating += 1;
        s.trainingPoints -= 1;
    }
}

// The week's training of the player's squad at the chosen levels.
void trainOurPlayers(Settling& g) {
    GameState& s = g.state();
    for (int j = 1; j <= kPlayers; ++j) {
        Player& p = s.players[1][j];
        train(g, p.shooting, s.shootingTrainingLevel, s.coachShooting);
        train(g, p.tactics, s.tacticsTrainingLevel, s.coachTactics);
    }
}

int32_t levelCost(const Indexed<int32_t, 3>& costs, int32_t level) {
    return level >= 1 && level <= 3 ? costs[level] : 0;
}

// The training levels' weekly rates are paid.
void payTraining(Settling& g) {
    GameState& s = g.state();
    s.trainingExpenses = clampToInt32(int64_t{levelCost(s.shootingTrainingCost, s.shootingTrainingLevel)} +
                                      levelCost(s.tacticsTrainingCost, s.tacticsTrainingLevel));
    g.account().charge(s.trainingExpenses, CashKind::TrainingCosts);
    setDialogText(g, "texpences", num(s.trainingExpenses));
}

// The sponsor's donation: its base and up to a fifth more.
void collectSponsor(Settling& g) {
    GameState& s = g.state();
    if (s.sponsorBase > 0) {
        s.sponsorDonation =
            clampToInt32(int64_t{s.sponsorBase} + g.random(s.sponsorBase / kSponsorSpreadDivisor));
        g.account().earn(s.sponsorDonation, CashKind::Sponsor);
        setDialogText(g, "sponsordonates", s.sponsorName + " donates: $" + num(s.sponsorDonation));
    } else {
        setDialogText(g, "sponsordonates", "");
    }
}

// Art production's weekly income.
void collectArt(Settling& g) {
    GameState& s = g.state();
    if (s.artLevel > 0) {
        g.account().earn(s.artIncome, CashKind::Art);
        setDialogText(g, "cactus", "Art production brings $" + num(s.artIncome));
    } else {
        setDialogText(g, "cactus", "");
    }
}

// The lab brings its yield unless somebody breaks in. Every level
// of security takes 5 from the range of the draw; once the range is used up
// no thief gets in any more.
void runLab(Settling& g) {
    GameState& s = g.state();
    const int32_t range = theftRange(s.securityLevel);
    const int32_t x = g.random(range);
    if (x > kTheftAbove && s.labLevel > 0 && range > 0) {
        setDialogText(g, "yourlab", "Some dude broke into the lab and stole ZRK");
    } else if (s.labLevel > 0) {
        int64_t income = s.labYield;
        income -= g.random(s.labYield / kLabSpreadDivisor);
        income += g.random(s.labYield / kLabSpreadDivisor);
        if (s.hasOrb[kOrbAcid]) income += (income / 100) * kAcidPerHundred;
        g.account().earn(income, CashKind::LabIncome);
        setDialogText(g, "yourlab", "ZRK lab brings $" + num(clampToInt32(income)));
    } else {
        setDialogText(g, "yourlab", "");
    }
}

// New candidates can be searched for in the new week; difficulty and
// season length stay as they are until the next new game.
void reopenMarket(Settling& g) {
    Window& w = g.window();
    w.setVisible("playersearch", true);
    w.setVisible("coachsearch", true);
    g.parts.scout.hideSearchOffers();
    w.setEnabled(controls::kDifficultyGroup, false);
    w.setEnabled(controls::kSeasonLengthGroup, false);
}

}  // namespace

void Week::settleMatch() {
    Settling g{ctx_, p_};
    p_.book.matchEnded();
    p_.tactics.clearBoosts();  // the boosts were for this match only
    p_.prices.drawWeeklyShopPrices();

    s_.week += 1;
    win_.setText("weeknumber", num(s_.week));

    // The final scores, all-out bonuses included.
    setDialogText(g, "yourteam", s_.teamName);
    setDialogText(g, "opponentteam", s_.teamNames[s_.opponentTeam]);
    setDialogText(g, "yoscore", num(s_.ourScore));
    setDialogText(g, "opscore", num(s_.theirScore));

    settleOwnGame(g);
    simulateOtherGames(g);

    if (s_.week == s_.gamesPerSeason) {
        settleSeason();
        if (ctx_.closed()) return;
    }
    win_.setText("weeknumber", num(s_.week));

    growComputerTeams(g);
    if (s_.hasOrb[kOrbTrainingPool]) addSaturating(s_.trainingPoints, kPoolOrbPoints);
    p_.book.trainingStarts();
    trainOurPlayers(g);
    p_.book.trainingDone();
    if (s_.sponsorBase == 0) p_.sponsors.showSponsorOffers();  // without a sponsor the offers are open again

    payTraining(g);
    collectSponsor(g);
    collectArt(g);
    runLab(g);

    if (s_.cash < 0) {
        p_.book.weekSettled();
        win_.setText("TForm5.Label1", "You got no more cash to manage the team.");
        win_.setText("TForm5.Label2", "It sucks, but the game is over!");
        win_.showDialog("TForm5");
        ctx_.closeMainWindow();
        return;
    }

    reopenMarket(g);
    win_.showDialog("Tresults");

    win_.setVisible("Start", true);
    win_.setText("action1", "");
    p_.league.sortTable();
    p_.league.drawPairings();
    p_.book.weekSettled();
    p_.refresh.workOutOnly();
    p_.refresh.refreshViews();
    win_.setText("yscore", "");
    win_.setText("oscore", "");
}

}  // namespace splat
