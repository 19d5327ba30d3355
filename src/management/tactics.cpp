// The Tactics page: position swaps, boosts for the next match and the
// run-for-the-flag priority of each position. Boosts, their prices and the
// priorities belong to the position, not to the player standing in it.

#include <string>
#include <utility>

#include "core/control_names.h"
#include "management/management.h"

namespace splat {


namespace {

// Slots 0..9 of a player, the part of the record a swap moves.
constexpr int32_t Player::*kMovedSlots[10] = {
    &Player::shooting, &Player::tactics, &Player::slot2, &Player::slot3,         &Player::marker,
    &Player::slot5,    &Player::slot6,   &Player::hits,  &Player::flagsPickedUp, &Player::flagsHung,
};

// Exchanges positions k and k + 1: their names and slots 0..9.
void swapPositions(Management& g, int k) {
    GameState& s = g.state();
    auto& names = s.playerNames[1];
    Player& first = s.players[1][k];
    Player& second = s.players[1][k + 1];

    std::swap(names[k], names[k + 1]);
    for (int32_t Player::*slot : kMovedSlots) std::swap(first.*slot, second.*slot);

    g.window().setText(controls::kPositionLabels[k], names[k]);
    g.window().setText(controls::kPositionLabels[k + 1], names[k + 1]);
    g.refreshViews();
}

}  // namespace

void Management::Button2Click() { swapPositions(*this, 1); }
void Management::Button3Click() { swapPositions(*this, 2); }
void Management::Button4Click() { swapPositions(*this, 3); }
void Management::Button5Click() { swapPositions(*this, 4); }

void Management::boostClick(int k) {
    GameState& s = s_;
    // One boost per position and match: a boosted position has no "Deal".
    if (k < 1 || k > kPlayers || s.shootingBoost[k] != 0) return;
    if (!pay(s.boostPrice[k])) return;
    s.shootingBoost[k] = random(10) + 5;
    s.tacticsBoost[k] = random(10) + 5;
    win_.setText(numbered("pagrees", k), s.playerNames[1][k] + " will do his best");
    win_.setVisible(numbered("boost", k), false);
}

void Management::prClick(int k, int item) {
    if (k < 1 || k > kPlayers || item < 0 || item > 2) return;
    GameState& s = s_;
    s.flagPriority[k] = item;
    // Worked out from the player in the position now; later training, swaps
    // and replacements leave them as they are.
    const int32_t shooting = s.players[1][k].shooting;
    const int32_t tactics = s.players[1][k].tactics;
    switch (item) {
        case 0:  // high: runs for the flag at the cost of shooting
            s.priorityShootingBonus[k] = -(shooting / 5);
            s.priorityFlagBonus[k] = tactics / 8;
            break;
        case 1:  // regular
            s.priorityShootingBonus[k] = 0;
            s.priorityFlagBonus[k] = 0;
            break;
        default:  // low: shoots rather than runs
            s.priorityShootingBonus[k] = shooting / 8;
            s.priorityFlagBonus[k] = -(tactics / 8);
            break;
    }
}

}  // namespace splat
