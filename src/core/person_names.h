#pragma once
// The people of the game: every name is made up, distinct and at most 16
// characters long.

#include <array>

namespace splat {

const std::array<const char*, 100>& rosterNames();
const std::array<const char*, 20>& chemistNames();

inline constexpr const char* kStartingCoachName = "Walter Briggs";
inline constexpr const char* kStartingChemistName = "Martin Kessler";
inline constexpr const char* kFourthSponsorName = "Howard Lindqvist";

}  // namespace splat
