// The Tactics page: position swaps, boosts for the next match and the
// run-for-the-flag priority of each position. Boosts, their prices and the
// priorities belong to the position, not to the player standing in it.

#include "management/tactics.h"

#include <string>
#include <utility>

#include "core/control_names.h"

namespace splat {
namespace {

// Slots 0..9 of a player, the part of the record a swap moves.
constexpr int32_t Player::*kMovedSlots[10] = {
    &Player::shooting, &Player::tactics, &Player::slot2, &Player::slot3,         &Player::marker,
    &Player::slot5,    &Player::slot6,   &Player::hits,  &Player::flagsPickedUp, &Player::flagsHung,
};

}  // namespace

// Exchanges positions k and k + 1: their names and slots 0..9.
void Tactics::swapPositions(int k) {
    GameState& s = s_;
    auto& names = s.playerNames[1];
    Player& first = s.players[1][k];
    Player& second = s.players[1][k + 1];

    std::swap(names[k], names[k + 1]);
    for (int32_t Player::*slot : kMovedSlots) std::swap(first.*slot, second.*slot);

    win_.setText(controls::kPositionLabels[k], names[k]);
    win_.setText(controls::kPositionLabels[k + 1], names[k + 1]);
    p_.refresh.refreshViews();
}

void Tactics::Button2Click() { swapPositions(1); }
void Tactics::Button3Click() { swapPositions(2); }
void Tactics::Button4Click() { swapPositions(3); }
void Tactics::Button5Click() { swapPositions(4); }

void Tactics::boostClick(int k) {
    GameState& s = s_;
    // One boost per position and match: a boosted position has no "Deal".
    if (k < 1 || k > kPlayers || s.shootingBoost[k] != 0) return;
    if (!p_.account.pay(s.boostPrice[k], CashKind::Boost)) return;
    s.shootingBoost[k] = p_.ctx.random(kBoostSpread) + kBoostBase;
    s.tacticsBoost[k] = p_.ctx.random(kBoostSpread) + kBoostBase;
    win_.setText(numbered("pagrees", k), s.playerNames[1][k] + " will do his best");
    win_.setVisible(numbered("boost", k), false);
    p_.account.tell(s.playerNames[1][k] + " will do his best");
}

void Tactics::prClick(int k, int item) {
    if (k < 1 || k > kPlayers || item < 0 || item > 2) return;
    GameState& s = s_;
    s.flagPriority[k] = item;
    // Worked out from the player in the position now; later training, swaps
    // and replacements leave them as they are.
    const int32_t shooting = s.players[1][k].shooting;
    const int32_t tactics = s.players[1][k].tactics;
    switch (item) {
        case 0:  // high: runs for the flag at the cost of shooting
            s.priorityShootingBonus[k] = -(shooting / kHighPriorityShooting);
            s.priorityFlagBonus[k] = tactics / kPriorityTactics;
            break;
        case 1:  // regular
            s.priorityShootingBonus[k] = 0;
            s.priorityFlagBonus[k] = 0;
            break;
        default:  // low: shoots rather than runs
            s.priorityShootingBonus[k] = shooting / kLowPriorityShooting;
            s.priorityFlagBonus[k] = -(tactics / kPriorityTactics);
            break;
    }
}

void Tactics::clearBoost(int slot) {
    s_.shootingBoost[slot] = 0;
    s_.tacticsBoost[slot] = 0;
    win_.setVisible(numbered("boost", slot), true);
    win_.setText(numbered("pagrees", slot), "");
}

void Tactics::clearBoosts() {
    for (int j = 1; j <= kPlayers; ++j) clearBoost(j);
}

}  // namespace splat
