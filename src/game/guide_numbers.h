#pragma once
// The numbers the guide quotes, by name, worked out from the rules the game
// plays with, and the guide's text with them filled in: a guide page writes
// "{{exchanges}}" where the match's number of exchanges stands.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace splat {

// Every number (or table of numbers, as Markdown) the guide may quote.
const std::map<std::string, std::string>& guideNumbers();

// The average weekly growth of one rating of a computer-run player at a
// difficulty (kDifficulties).
double growthAverage(int32_t difficulty);

// `text` with every "{{name}}" replaced by its number; a name that is not
// known stays as it stands and is added to `unknown`.
std::string fillGuide(std::string_view text, std::vector<std::string>* unknown = nullptr);

}  // namespace splat
