// The ZRK laboratory: lab and security upgrades, the chemist search and
// hiring the chemist found.

#include <algorithm>
#include <string>

#include "core/chemist_degrees.h"
#include "core/control_names.h"
#include "management/management.h"
#include "management/price_math.h"

namespace splat {

using management::canPay;
using management::multiplySaturating;

namespace {

constexpr int kChemistSearchFee = 100;

// (1.7 x degree + 2.5 x experience + knowledge) x 1.5 x lab level, truncated,
// one lower when that product is whole; 0 without a lab.
int32_t labYieldOf(const GameState& s) {
    if (s.labLevel <= 0) return 0;
    const int64_t chemist =
        17 * int64_t{s.chemistDegree} + 25 * int64_t{s.chemistExperience} + 10 * int64_t{s.chemistKnowledge};
    const int64_t product = multiplySaturating(multiplySaturating(chemist, 15), s.labLevel);
    return clampToInt32((product - 1) / 100);
}

bool validCandidate(const ScoutedChemist& c) {
    return c.rosterIndex >= 1 && c.rosterIndex <= kChemistRosterSize;
}

}  // namespace

void Management::labupgradeClick() {
    GameState& s = s_;
    if (!pay(s.labUpgradePrice)) return;
    s.labLevel = management::plusSaturating(s.labLevel, 1);
    s.labUpgradePrice = clampToInt32(490 * int64_t{s.labLevel} - 1);
    s.labYield = labYieldOf(s);
    showLaboratory();
    showCash();
}

void Management::securityupgradeClick() {
    GameState& s = s_;
    if (!pay(s.securityUpgradePrice)) return;
    s.securityLevel = management::plusSaturating(s.securityLevel, 1);
    s.securityUpgradePrice = clampToInt32(150 * int64_t{s.securityLevel});
    showLaboratory();
    showCash();
}

// The chemist search does not reseed and must not refresh: a refresh takes
// the candidate off the page.
void Management::Button6Click() {
    GameState& s = s_;
    if (!pay(kChemistSearchFee)) return;
    win_.setVisible(controls::kChemistOffer, true);
    win_.setVisible("buychemist", true);

    ScoutedChemist& c = s.scoutedChemist;
    c.rosterIndex = random(kChemistRosterSize) + 1;
    c.degree = std::min<int64_t>(int64_t{random(clampToInt32(int64_t{s.chemistDegree} + 2))} + 1, 6);
    c.experience = std::min<int64_t>(int64_t{random(clampToInt32(int64_t{s.chemistExperience} + 10))} + 10, 40);
    c.knowledge = clampToInt32(int64_t{random(clampToInt32(int64_t{s.chemistKnowledge} + 20))} + 20);
    const int64_t r = random(500);
    s.scoutedChemistPrice =
        clampToInt32(r + 34 * int64_t{c.degree} + 50 * int64_t{c.experience} + 20 * int64_t{c.knowledge} - 1);

    win_.setText("newc", s.chemistRoster[c.rosterIndex]);
    if (c.degree >= 1 && c.degree <= 6) win_.setText("ndegree", kCandidateDegree[c.degree]);
    win_.setText("nexp", std::to_string(c.experience));
    win_.setText("nknowledge", std::to_string(c.knowledge));
    win_.setText("nprice", std::to_string(s.scoutedChemistPrice));
}

void Management::buychemistClick() {
    GameState& s = s_;
    const ScoutedChemist& c = s.scoutedChemist;
    if (!validCandidate(c) || !canPay(s, s.scoutedChemistPrice)) return;
    win_.setVisible(controls::kChemistOffer, false);
    win_.setVisible("buychemist", false);
    changeCash(-int64_t{s.scoutedChemistPrice});
    s.chemistName = s.chemistRoster[c.rosterIndex];
    s.chemistDegree = c.degree;
    s.chemistExperience = c.experience;
    s.chemistKnowledge = c.knowledge;
    refreshViews();
    s.labYield = labYieldOf(s);
    win_.setText("lblincome", std::to_string(s.labYield));
}

void Management::showLaboratory() {
    win_.setText("llcost", std::to_string(s_.labUpgradePrice));
    win_.setText("slcost", std::to_string(s_.securityUpgradePrice));
    win_.setText("lbllab", std::to_string(s_.labLevel));
    win_.setText("lblsecurity", std::to_string(s_.securityLevel));
    win_.setText("lblincome", std::to_string(s_.labYield));
}

}  // namespace splat
