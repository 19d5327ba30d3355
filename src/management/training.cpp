// The Training page. Buying points does not refresh, so the price holds for
// the next lot too.

#include "management/training.h"

#include <string>

#include "core/saturating.h"

namespace splat {
namespace {
int32_t trainingLevel(int item) { return item >= 0 && item <= 3 ? item : 0; }
}  // namespace

void Training::buytpClick() {
    if (!p_.account.pay(s_.trainingPointsPrice, CashKind::TrainingPoints)) return;
    addSaturating(s_.trainingPoints, 10);
    win_.setText("tpnumber", std::to_string(s_.trainingPoints));
    p_.account.tell(std::to_string(s_.trainingPoints) + " training points");
}

// A new level changes what next week is sure to cost.
void Training::shootingSelected(int item) {
    s_.shootingTrainingLevel = trainingLevel(item);
    p_.book.checkForecast();
}
void Training::tacticsSelected(int item) {
    s_.tacticsTrainingLevel = trainingLevel(item);
    p_.book.checkForecast();
}

void Training::showCoach() {
    win_.setText("coachname", s_.coachName);
    win_.setText("straining", std::to_string(s_.coachShooting));
    win_.setText("ttraining", std::to_string(s_.coachTactics));
}

void Training::drawTrainingCosts() {
    for (int level = 1; level <= 3; ++level) {
        s_.shootingTrainingCost[level] = clampToInt32(p_.ctx.random(10) + 2LL * level * s_.coachShooting);
        s_.tacticsTrainingCost[level] = clampToInt32(p_.ctx.random(10) + 2LL * level * s_.coachTactics);
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
