#include "core/game_core.h"

namespace splat {
namespace {
int32_t trainingLevel(int item) { return item >= 0 && item <= 3 ? item : 0; }
}  // namespace

void GameCore::shootingSelected(int item) { s_.shootingTrainingLevel = trainingLevel(item); }
void GameCore::tacticsSelected(int item) { s_.tacticsTrainingLevel = trainingLevel(item); }

}  // namespace splat
