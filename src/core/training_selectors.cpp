#include "core/game.h"

namespace splat {
namespace {
int32_t trainingLevel(int item) { return item >= 0 && item <= 3 ? item : 0; }
}  // namespace

void Game::shootingSelected(int item) { s_.shootingTrainingLevel = trainingLevel(item); }
void Game::tacticsSelected(int item) { s_.tacticsTrainingLevel = trainingLevel(item); }

}  // namespace splat
