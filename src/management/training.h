#pragma once
// The Training page: the coach, the weekly rate of each training level, the
// chosen levels and the pool of training points. Writes the state's
// `trainingPoints`, `shootingTrainingLevel`, `tacticsTrainingLevel`,
// `shootingTrainingCost` and `tacticsTrainingCost`.

#include "core/saturating.h"
#include "management/page_tools.h"

namespace splat {

// The week's training roll of a rating is random(trainingRollBound(level,
// coach skill)); above kTrainingOneAbove it buys +1 with one point of the
// pool, above kTrainingTwoAbove also +2 with two more.
inline int32_t trainingRollBound(int32_t level, int32_t coachSkill) {
    return clampToInt32(8 * int64_t{level} + coachSkill / 2);
}
inline constexpr int32_t kTrainingOneAbove = 20;
inline constexpr int32_t kTrainingTwoAbove = 55;

class Training {
public:
    explicit Training(const PageTools& tools) : p_(tools) {}

    // Ten training points at the price of the last refresh.
    void buytpClick();
    // The training selectors have no handler of their own: the chosen level
    // is kept in the state for the week's training.
    void shootingSelected(int item);
    void tacticsSelected(int item);

    // The coach's name and skills on the page.
    void showCoach();
    // The weekly rate of each training level for the current coach, drawn
    // shooting 1, tactics 1, shooting 2, ..., and shown.
    void drawTrainingCosts();

private:
    PageTools p_;
    GameState& s_ = p_.ctx.state;
    Window& win_ = p_.ctx.window;
};

}  // namespace splat
