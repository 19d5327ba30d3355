#pragma once
// Reading one switch of the settings file.

#include <optional>
#include <string_view>

namespace splat {

// The text of a switch as an integer: any non-zero integer is on, zero is
// off. The integer is an optionally signed run of decimal digits, or
// hexadecimal digits after "0x"/"0X", with optional surrounding blanks; its
// size does not matter (no overflow). Any other text is no integer at all and
// gives nothing, so the caller's default applies.
std::optional<bool> parseSwitchValue(std::string_view text);

}  // namespace splat
