#pragma once
// The Training page: the coach, the weekly rate of each training level, the
// chosen levels and the pool of training points. Writes the state's
// `trainingPoints`, `shootingTrainingLevel`, `tacticsTrainingLevel`,
// `shootingTrainingCost` and `tacticsTrainingCost`.

#include "management/page_tools.h"

namespace splat {

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
