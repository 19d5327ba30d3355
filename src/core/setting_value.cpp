#include "core/setting_value.h"

namespace splat {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool isDecimal(char c) { return c >= '0' && c <= '9'; }

bool isHex(char c) { return isDecimal(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

}  // namespace

std::optional<bool> parseSwitchValue(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);

    bool hex = text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    if (hex) text.remove_prefix(2);
    if (text.empty()) return std::nullopt;

    bool nonZero = false;
    for (char c : text) {
        if (!(hex ? isHex(c) : isDecimal(c))) return std::nullopt;
        if (c != '0') nonZero = true;
    }
    return nonZero;
}

}  // namespace splat
