#include "core/text_input.h"

#include <limits>

namespace splat {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

// The length of the valid UTF-8 sequence starting at text[i], or 0.
size_t sequenceLength(std::string_view text, size_t i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char c = byte(i);
    size_t len = 0;
    uint32_t minimum = 0;
    uint32_t cp = 0;
    if (c < 0x80) return 1;
    if ((c & 0xE0) == 0xC0) {
        len = 2;
        cp = c & 0x1F;
        minimum = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        len = 3;
        cp = c & 0x0F;
        minimum = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        len = 4;
        cp = c & 0x07;
        minimum = 0x10000;
    } else return 0;
    if (i + len > text.size()) return 0;
    for (size_t k = 1; k < len; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

}  // namespace

ParsedNumber parseWholeNumber(std::string_view text) {
    size_t b = 0;
    size_t e = text.size();
    while (b < e && isBlank(text[b])) ++b;
    while (e > b && isBlank(text[e - 1])) --e;
    std::string_view t = text.substr(b, e - b);
    bool negative = false;
    if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
        negative = t[0] == '-';
        t.remove_prefix(1);
    }
    if (t.empty()) return {};
    int64_t value = 0;
    bool tooLarge = false;
    for (char c : t) {
        if (c < '0' || c > '9') return {};
        if (!tooLarge) {
            value = value * 10 + (c - '0');
            if (value > static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1) tooLarge = true;
        }
    }
    if (negative) value = -value;
    if (tooLarge || value > std::numeric_limits<int32_t>::max() ||
        value < std::numeric_limits<int32_t>::min()) {
        return {NumberReading::TooLarge, 0};
    }
    return {NumberReading::Valid, static_cast<int32_t>(value)};
}

std::string limitCharacters(std::string_view text, size_t maxCharacters) {
    std::string out;
    size_t count = 0;
    for (size_t i = 0; i < text.size() && count < maxCharacters; ++count) {
        const size_t len = sequenceLength(text, i);
        if (len == 0) {
            out += "\xEF\xBF\xBD";  // U+FFFD for a byte that starts no character
            ++i;
        } else {
            out.append(text.substr(i, len));
            i += len;
        }
    }
    return out;
}

}  // namespace splat
