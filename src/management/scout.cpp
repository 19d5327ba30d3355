// The Scout page: paid searches for a player or a coach, and hiring the
// candidate found. Both searches reseed the random source from the clock, so
// two searches within the same second turn up the same candidate.

#include "management/scout.h"

#include <string>

#include "core/control_names.h"
#include "core/saturating.h"

namespace splat {

namespace {

constexpr int kPlayerSearchFee = 100;
constexpr int kCoachSearchFee = 150;

// A candidate's skill: 20 and a draw below the search's quality.
int32_t drawSkill(GameContext& c, int32_t quality) { return clampToInt32(int64_t{c.random(quality)} + 20); }

}  // namespace

void Scout::playersearchClick() {
    GameState& s = s_;
    // The squad's mean rating bounds the candidate's skills.
    int64_t squad = 0;
    for (int j = 1; j <= kPlayers; ++j) squad += int64_t{s.players[1][j].shooting} + s.players[1][j].tactics;
    s.searchQuality = clampToInt32(squad / 10);
    if (!p_.account.pay(kPlayerSearchFee, CashKind::PlayerSearch)) return;

    win_.setVisible(controls::kPlayerOffer, true);
    win_.setVisible(controls::kReplaceButtons, true);
    p_.ctx.reseed();

    const int32_t r = p_.ctx.random(50);
    s.scoutedPlayerName = s.roster[50 + r];
    Player& candidate = s.scoutedPlayer;
    candidate.shooting = drawSkill(p_.ctx, s.searchQuality);
    candidate.tactics = drawSkill(p_.ctx, s.searchQuality);
    candidate.marker = p_.ctx.random(5) + 1;
    const int64_t a = p_.ctx.random(6);
    const int64_t b = p_.ctx.random(6);
    s.scoutedPlayerPrice = clampToInt32((a + 12) * candidate.shooting + (b + 12) * candidate.tactics +
                                        100 * int64_t{candidate.marker});

    win_.setText("newprice", std::to_string(s.scoutedPlayerPrice));
    p_.refresh.explain();
    win_.setText("newname", s.scoutedPlayerName);
    win_.setText("newshooting", std::to_string(candidate.shooting));
    win_.setText("newtactics", std::to_string(candidate.tactics));
    win_.setText("newweapon", s.markerNames[candidate.marker]);
    p_.account.tell("Found " + s.scoutedPlayerName + ": shooting " + std::to_string(candidate.shooting) +
                    ", tactics " + std::to_string(candidate.tactics) + ", " + s.markerNames[candidate.marker] +
                    ", price $" + std::to_string(s.scoutedPlayerPrice));
}

void Scout::replaceClick(int k) {
    GameState& s = s_;
    // Nobody to hire before the first search.
    if (k < 1 || k > kPlayers || s.scoutedPlayerName.empty()) return;
    if (!p_.account.pay(s.scoutedPlayerPrice, CashKind::PlayerHire)) return;

    // The candidate can be hired only once; hiring into the first position
    // also takes the search away until the next match.
    win_.setVisible(controls::kPlayerOffer, false);
    win_.setVisible(controls::kReplaceButtons, false);
    if (k == 1) win_.setVisible("playersearch", false);

    // The leaving player and his marker are gone.
    s.playerNames[1][k] = s.scoutedPlayerName;
    Player& newcomer = s.players[1][k];
    newcomer.shooting = s.scoutedPlayer.shooting;
    newcomer.tactics = s.scoutedPlayer.tactics;
    newcomer.marker = s.scoutedPlayer.marker;
    newcomer.hits = 0;
    newcomer.flagsPickedUp = 0;
    newcomer.flagsHung = 0;
    p_.refresh.refreshViews();

    // A boost paid to the leaving player does not pass to the newcomer.
    tactics_.clearBoost(k);
    p_.account.tell("Hired " + s.scoutedPlayerName + " as player " + std::to_string(k));
}

void Scout::coachsearchClick() {
    GameState& s = s_;
    if (!p_.account.pay(kCoachSearchFee, CashKind::CoachSearch)) return;
    s.searchQuality = clampToInt32((int64_t{s.coachShooting} + s.coachTactics) / 2);
    win_.setVisible(controls::kCoachOffer, true);
    win_.setVisible(controls::kHireCoach, true);
    win_.setVisible("coachsearch", false);  // one coach search a week
    p_.ctx.reseed();

    const int32_t r = p_.ctx.random(10);
    s.scoutedCoachName = s.roster[50 + r];
    s.scoutedCoachShooting = drawSkill(p_.ctx, s.searchQuality);
    s.scoutedCoachTactics = drawSkill(p_.ctx, s.searchQuality);
    const int64_t a = p_.ctx.random(6);
    const int64_t b = p_.ctx.random(6);
    s.scoutedCoachPrice = clampToInt32((a + 10) * s.scoutedCoachShooting + (b + 10) * s.scoutedCoachTactics);

    win_.setText("cprice", std::to_string(s.scoutedCoachPrice));
    p_.refresh.explain();
    win_.setText("cname", s.scoutedCoachName);
    win_.setText("cshooting", std::to_string(s.scoutedCoachShooting));
    win_.setText("ctactics", std::to_string(s.scoutedCoachTactics));
    p_.account.tell("Found coach " + s.scoutedCoachName + ": shooting " +
                    std::to_string(s.scoutedCoachShooting) + ", tactics " +
                    std::to_string(s.scoutedCoachTactics) + ", price $" + std::to_string(s.scoutedCoachPrice));
}

void Scout::replaceyourcoachClick() {
    GameState& s = s_;
    if (s.scoutedCoachName.empty() || !p_.account.pay(s.scoutedCoachPrice, CashKind::CoachHire)) return;
    win_.setVisible(controls::kCoachOffer, false);
    win_.setVisible(controls::kHireCoach, false);

    s.coachName = s.scoutedCoachName;
    s.coachShooting = s.scoutedCoachShooting;
    s.coachTactics = s.scoutedCoachTactics;
    training_.showCoach();

    // The new coach charges his own weekly rates; the chosen levels stay.
    training_.drawTrainingCosts();
    p_.refresh.refreshViews();
    p_.account.tell("Hired coach " + s.coachName);
}

void Scout::hideSearchOffers() {
    for (const char* name : controls::kSearchOffers) win_.setVisible(name, false);
}

}  // namespace splat
