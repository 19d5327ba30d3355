// The ZRK laboratory: lab and security upgrades, the chemist search and
// hiring the chemist found.

#include "management/laboratory.h"

#include <algorithm>
#include <string>

#include "core/chemist_degrees.h"
#include "core/control_names.h"
#include "core/saturating.h"

namespace splat {

namespace {

constexpr int kChemistSearchFee = 100;

int32_t labYieldOf(const GameState& s) {
    return labYieldAt(s.chemistDegree, s.chemistExperience, s.chemistKnowledge, s.labLevel);
}

bool validCandidate(const ScoutedChemist& c) {
    return c.rosterIndex >= 1 && c.rosterIndex <= kChemistRosterSize;
}

}  // namespace

int32_t labYieldAt(int32_t degree, int32_t experience, int32_t knowledge, int32_t labLevel) {
    if (labLevel <= 0) return 0;
    const int64_t chemist = 17LL * degree + 25LL * experience + 10LL * knowledge;
    const int64_t product = multiplySaturating(multiplySaturating(chemist, 15), labLevel);
    return clampToInt32((product - 1) / 100);
}

void Laboratory::labupgradeClick() {
    if (!raise(s_.labLevel, s_.labUpgradePrice, labPriceAfter, CashKind::LabUpgrade)) return;
    s_.labYield = labYieldOf(s_);
    upgraded("Lab", s_.labLevel, s_.labUpgradePrice);
}

void Laboratory::securityupgradeClick() {
    if (!raise(s_.securityLevel, s_.securityUpgradePrice, securityPriceAfter, CashKind::SecurityUpgrade))
        return;
    upgraded("Security", s_.securityLevel, s_.securityUpgradePrice);
}

bool Laboratory::raise(int32_t& level, int32_t& price, int32_t (*priceAfter)(int32_t), CashKind kind) {
    if (!p_.account.pay(price, kind)) return false;
    addSaturating(level, 1);
    price = priceAfter(level);
    return true;
}

void Laboratory::upgraded(const char* what, int32_t level, int32_t nextPrice) {
    showLaboratory();
    p_.refresh.explain();
    p_.account.tell(std::string(what) + " at level " + std::to_string(level) + ", next upgrade $" +
                    std::to_string(nextPrice));
}

// The chemist search does not reseed and must not refresh: a refresh takes
// the candidate off the page.
void Laboratory::Button6Click() {
    GameState& s = s_;
    if (!p_.account.pay(kChemistSearchFee, CashKind::ChemistSearch)) return;
    win_.setVisible(controls::kChemistOffer, true);
    win_.setVisible("buychemist", true);

    ScoutedChemist& c = s.scoutedChemist;
    // Each skill is drawn from up to a little above the present chemist's.
    const auto drawUpTo = [this](int32_t present, int64_t above) {
        return int64_t{p_.ctx.random(clampToInt32(present + above))};
    };
    c.rosterIndex = p_.ctx.random(kChemistRosterSize) + 1;
    c.degree = static_cast<int32_t>(std::min<int64_t>(drawUpTo(s.chemistDegree, 2) + 1, 6));
    c.experience = static_cast<int32_t>(std::min<int64_t>(drawUpTo(s.chemistExperience, 10) + 10, 40));
    c.knowledge = clampToInt32(drawUpTo(s.chemistKnowledge, 20) + 20);
    const int64_t r = p_.ctx.random(500);
    s.scoutedChemistPrice = clampToInt32(r + 34LL * c.degree + 50LL * c.experience + 20LL * c.knowledge - 1);

    win_.setText("newc", s.chemistRoster[c.rosterIndex]);
    if (c.degree >= 1 && c.degree <= 6) win_.setText("ndegree", kCandidateDegree[c.degree]);
    win_.setText("nexp", std::to_string(c.experience));
    win_.setText("nknowledge", std::to_string(c.knowledge));
    win_.setText("nprice", std::to_string(s.scoutedChemistPrice));
    p_.refresh.explain();
    p_.account.tell("Found chemist " + s.chemistRoster[c.rosterIndex] + ", price $" +
                    std::to_string(s.scoutedChemistPrice));
}

void Laboratory::buychemistClick() {
    GameState& s = s_;
    const ScoutedChemist& c = s.scoutedChemist;
    if (!validCandidate(c) || !p_.account.pay(s.scoutedChemistPrice, CashKind::ChemistHire)) return;
    win_.setVisible(controls::kChemistOffer, false);
    win_.setVisible("buychemist", false);
    s.chemistName = s.chemistRoster[c.rosterIndex];
    s.chemistDegree = c.degree;
    s.chemistExperience = c.experience;
    s.chemistKnowledge = c.knowledge;
    p_.refresh.refreshViews();
    s.labYield = labYieldOf(s);
    win_.setText("lblincome", std::to_string(s.labYield));
    p_.account.tell("Hired chemist " + s.chemistName);
}

void Laboratory::showLaboratory() {
    win_.setText("llcost", std::to_string(s_.labUpgradePrice));
    win_.setText("slcost", std::to_string(s_.securityUpgradePrice));
    win_.setText("lbllab", std::to_string(s_.labLevel));
    win_.setText("lblsecurity", std::to_string(s_.securityLevel));
    win_.setText("lblincome", std::to_string(s_.labYield));
}

}  // namespace splat
