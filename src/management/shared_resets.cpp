// Pieces of state that several actions put back the same way: the boosts,
// the offers of the Scout page, the four sponsor offers, the Gear page's
// pointer, the coach's labels and his training rates.

#include <string>

#include "core/control_names.h"
#include "core/saturating.h"
#include "management/management.h"
#include "management/price_math.h"

namespace splat {

void Management::clearBoost(int slot) {
    s_.shootingBoost[slot] = 0;
    s_.tacticsBoost[slot] = 0;
    win_.setVisible(numbered("boost", slot), true);
    win_.setText(numbered("pagrees", slot), "");
}

bool Management::pay(int64_t price) {
    if (!management::canPay(s_, price)) return false;
    changeCash(-price);
    return true;
}

void Management::clearBoosts() {
    for (int j = 1; j <= kPlayers; ++j) clearBoost(j);
}

void Management::hideSearchOffers() {
    for (const char* name : controls::kSearchOffers) win_.setVisible(name, false);
}

void Management::showPointer(int k) {
    for (int j = 1; j <= kPlayers; ++j) win_.setVisible(controls::kPointerLabels[j], j == k);
}

void Management::showSponsorOffers() {
    for (int k = 1; k <= kSponsors; ++k) {
        win_.setVisible(controls::sponsorOffer(k), true);
        win_.setVisible(numbered("apply", k), true);
        win_.setText(numbered("result", k), "");
    }
}

void Management::showCoach() {
    win_.setText("coachname", s_.coachName);
    win_.setText("straining", std::to_string(s_.coachShooting));
    win_.setText("ttraining", std::to_string(s_.coachTactics));
}

void Management::drawTrainingCosts() {
    for (int level = 1; level <= 3; ++level) {
        s_.shootingTrainingCost[level] = clampToInt32(int64_t{random(10)} + 2LL * level * s_.coachShooting);
        s_.tacticsTrainingCost[level] = clampToInt32(int64_t{random(10)} + 2LL * level * s_.coachTactics);
    }
    win_.setText("snone", "0");
    win_.setText("tnone", "0");
    win_.setText("sbasic", std::to_string(s_.shootingTrainingCost[1]));
    win_.setText("sregular", std::to_string(s_.shootingTrainingCost[2]));
    win_.setText("sadvanced", std::to_string(s_.shootingTrainingCost[3]));
    win_.setText("tbasic", std::to_string(s_.tacticsTrainingCost[1]));
    win_.setText("tregular", std::to_string(s_.tacticsTrainingCost[2]));
    win_.setText("tadvanced", std::to_string(s_.tacticsTrainingCost[3]));
}

}  // namespace splat
