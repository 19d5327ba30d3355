#include "game/game.h"

namespace splat {

Game::Game(Window& window, Audio& audio, SettingsStore& settings, Clock& clock)
    : ctx_(window, audio, settings, clock) {}

void Game::startUp() {
    ctx_.state.teamName = "Your team";
    ctx_.rng.seed(1);
    sound_.readSettings();
    sound_.showSoundSwitch();
    sound_.musicStartUp();
    newGame_.firstStartGeneration();
}

}  // namespace splat
