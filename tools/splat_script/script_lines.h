#pragma once
// Reading a script's lines with a bound on their length, and quoting what a
// script wrote in an error line.

#include <cstddef>
#include <iosfwd>
#include <string>
#include <string_view>

namespace splat::script {

// The longest line a script may have; a longer one is refused whole.
inline constexpr std::size_t kMaxLineLength = 1024 * 1024;

enum class LineRead { Line, TooLong, End };

// The next line of `in` (without its newline) into `line`. A line longer than
// `limit` is read to its end and dropped: `line` never holds more than
// `limit` bytes. End when nothing is left to read or reading failed.
LineRead readLine(std::istream& in, std::string& line, std::size_t limit = kMaxLineLength);

// A word from the script as an error line shows it: its first 80 characters
// (with "..." after them when there are more), control bytes as \xHH.
std::string shown(std::string_view word);

}  // namespace splat::script
