#pragma once
// The game state and the window as JSON, for `dump state` and `dump view`.

#include <nlohmann/json.hpp>

#include "core/game_state.h"
#include "core/headless_window.h"

namespace splat::script {

nlohmann::ordered_json stateToJson(const GameState& s);
nlohmann::ordered_json viewToJson(const HeadlessWindow& window);

}  // namespace splat::script
