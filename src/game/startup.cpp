#include "game/game.h"

namespace splat {

void Game::startUp() {
    s_.teamName = "Your team";
    randomSource().seed(1);
    readSettings();
    win_.setText("SoundOff1", s_.soundOn ? "Sound On" : "Sound Off");
    musicStartUp();
    firstStartGeneration();
}

}  // namespace splat
