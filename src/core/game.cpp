#include "core/game.h"

#include "core/saturating.h"

namespace splat {

Game::Game(Window& window, Audio& audio, SettingsStore& settings, Clock& clock)
    : win_(window), audio_(audio), settings_(settings), clock_(clock) {}

void Game::reseed() {
    rng_.seed(static_cast<uint32_t>(clock_.nowSeconds()));
}

const std::string& Game::displayName(int32_t team) const {
    return team == 1 ? s_.teamName : s_.teamNames[team];
}

void Game::changeCash(int64_t delta) {
    addSaturating(s_.cash, delta);
    showCash();
}

void Game::showCash() {
    win_.setText("lblcash", std::to_string(s_.cash));
}

void Game::closeMainWindow() {
    if (closed_) return;
    closed_ = true;
    win_.closeMain();
}

}  // namespace splat
