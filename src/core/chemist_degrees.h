#pragma once
// How a chemist's degree (1..6) is written on the Finances page: under your
// own chemist, and on the panel of a candidate a search found. The two lists
// differ in degree 5 alone ("Master degree" and "Masters degree"), on purpose:
// each panel keeps the wording it has always shown.

#include <array>

namespace splat {

inline constexpr std::array<const char*, 7> kOwnChemistDegree = {
    "",
    "school dropout",
    "high school diploma",
    "college dropout",
    "Bachelor of Chemestry",
    "Master degree in Chemestry",
    "Ph.D. in Chemestry",
};

inline constexpr std::array<const char*, 7> kCandidateDegree = {
    "",
    "school dropout",
    "high school diploma",
    "college dropout",
    "Bachelor of Chemestry",
    "Masters degree in Chemestry",
    "Ph.D. in Chemestry",
};

}  // namespace splat
