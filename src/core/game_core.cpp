#include "core/game_core.h"

#include "core/saturating.h"

namespace splat {

GameCore::GameCore(Window& window, Audio& audio, SettingsStore& settings, Clock& clock)
    : win_(window), audio_(audio), settings_(settings), clock_(clock) {}

void GameCore::reseed() {
    rng_.seed(static_cast<uint32_t>(clock_.nowSeconds()));
}

const std::string& GameCore::displayName(int32_t team) const {
    return team == 1 ? s_.teamName : s_.teamNames[team];
}

void GameCore::changeCash(int64_t delta) {
    addSaturating(s_.cash, delta);
    showCash();
}

void GameCore::showCash() {
    win_.setText("lblcash", std::to_string(s_.cash));
}

void GameCore::closeMainWindow() {
    if (closed_) return;
    closed_ = true;
    win_.closeMain();
}

}  // namespace splat
