#pragma once
// The names of what the shop sells, written once: the eleven markers (as the
// game writes them and as the shop's tabs show them) and the six orbs.

#include <array>

#include "core/game_state.h"

namespace splat {

struct MarkerName {
    const char* name;     // on the squads' rows and in a search's offer
    const char* shopTab;  // on its tab in the shop, shorter for two of them
};

// Indexed by marker; 0 is none.
inline constexpr std::array<MarkerName, kMarkers + 1> kMarkerNames = {{
    {"None", ""},
    {"Basic gun", "Basic gun"},
    {"MB gun", "MB gun"},
    {"SniperMark", "SniperMark"},
    {"Neotron tech", "Neotron tech"},
    {"Cheetah action", "Cheetah"},
    {"Piranha gun", "Piranha gun"},
    {"Diamond pro", "Diamond pro"},
    {"Viper Epump", "Viper Epump"},
    {"Lightening", "Lightning"},
    {"Hell Furlong", "Hell Furlong"},
    {"Tech demon", "Tech demon"},
}};

// Indexed by orb (kOrbAccuracy..kOrbTrainingPool); 0 is none.
inline constexpr std::array<const char*, kOrbs + 1> kOrbNames = {
    "",
    "Orb of Accuracy",
    "Orb of Wisdom",
    "Orb of Lore",
    "Orb of Chaos",
    "Orb of Acid",
    "Orb of Training pool",
};

}  // namespace splat
