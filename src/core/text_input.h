#pragma once
// Reading what the player typed: whole numbers and names.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace splat {

enum class NumberReading { Valid, NotANumber, TooLarge };

struct ParsedNumber {
    NumberReading reading = NumberReading::NotANumber;
    int32_t value = 0;
};

// An optionally signed run of decimal digits with optional surrounding
// blanks. A number that does not fit in 32 bits reads as TooLarge.
ParsedNumber parseWholeNumber(std::string_view text);

// `text` as valid UTF-8 (invalid bytes become U+FFFD), cut to at most
// `maxCharacters` characters, never inside a character.
std::string limitCharacters(std::string_view text, size_t maxCharacters);

}  // namespace splat
