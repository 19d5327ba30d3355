#pragma once
// The Training page: the coach, the weekly rate of each training level, the
// chosen levels and the pool of training points. Writes the state's
// `trainingPoints`, `shootingTrainingLevel`, `tacticsTrainingLevel`,
// `shootingTrainingCost` and `tacticsTrainingCost`.

#include "core/account.h"
#include "core/game_context.h"

namespace splat {

class Training {
public:
    Training(GameContext& context, Account& account)
        : ctx_(context), s_(context.state), win_(context.window), account_(account) {}

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
    GameContext& ctx_;
    GameState& s_;
    Window& win_;
    Account& account_;
};

}  // namespace splat
