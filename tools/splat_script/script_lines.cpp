#include "splat_script/script_lines.h"

#include <istream>

namespace splat::script {

LineRead readLine(std::istream& in, std::string& line, std::size_t limit) {
    line.clear();
    bool any = false;
    bool tooLong = false;
    for (char c = 0; in.get(c);) {
        any = true;
        if (c == '\n') break;
        if (line.size() < limit) line.push_back(c);
        else tooLong = true;
    }
    // A line that could not be read to its end is not run.
    if (!any || in.bad()) return LineRead::End;
    return tooLong ? LineRead::TooLong : LineRead::Line;
}

std::string shown(std::string_view word) {
    constexpr std::size_t kShown = 80;
    std::string out;
    std::size_t characters = 0;
    std::size_t i = 0;
    for (; i < word.size() && characters < kShown; ++characters) {
        const auto c = static_cast<unsigned char>(word[i]);
        if (c < 0x20 || c == 0x7f) {
            static constexpr char kHex[] = "0123456789abcdef";
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 15];
            ++i;
            continue;
        }
        // One character of UTF-8 may take several bytes; it is kept whole.
        out += word[i++];
        while (i < word.size() && (static_cast<unsigned char>(word[i]) & 0xc0) == 0x80) out += word[i++];
    }
    if (i < word.size()) out += "...";
    return out;
}

}  // namespace splat::script
