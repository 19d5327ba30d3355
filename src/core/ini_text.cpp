#include "core/ini_text.h"

namespace splat::ini {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// [begin, end) of `text` without the blanks around it.
void trim(std::string_view text, size_t& begin, size_t& end) {
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
}

// What the scanner found for one key of one section.
struct Place {
    bool keyFound = false;
    size_t valueBegin = 0;  // the value's bytes in the text
    size_t valueEnd = 0;
    bool sectionFound = false;
    // Just past the last line of the last such section that is neither blank
    // nor a comment, and whether that line ends the text without a line end.
    size_t afterSection = 0;
    bool sectionEndsText = false;
    std::string_view lineEnd = "\n";  // how the file ends its lines
};

Place scan(std::string_view text, std::string_view section, std::string_view key) {
    Place place;
    bool inSection = false;
    bool lineEndSeen = false;
    size_t begin = text.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    while (begin < text.size()) {
        const size_t newline = text.find('\n', begin);
        const bool ended = newline != std::string_view::npos;
        const size_t next = ended ? newline + 1 : text.size();
        if (ended && !lineEndSeen) {
            lineEndSeen = true;
            if (newline > begin && text[newline - 1] == '\r') place.lineEnd = "\r\n";
        }
        size_t b = begin;
        size_t e = ended ? newline : text.size();
        trim(text, b, e);
        begin = next;
        if (b == e || text[b] == ';' || text[b] == '#') continue;

        if (text[b] == '[') {
            const size_t close = text.substr(0, e).find(']', b + 1);
            size_t nb = b + 1;
            size_t ne = close;
            if (close != std::string_view::npos) trim(text, nb, ne);
            inSection = close != std::string_view::npos && sameName(text.substr(nb, ne - nb), section);
        } else if (inSection) {
            const size_t equals = text.substr(0, e).find('=', b);
            if (equals != std::string_view::npos) {
                size_t kb = b;
                size_t ke = equals;
                trim(text, kb, ke);
                if (kb != ke && sameName(text.substr(kb, ke - kb), key)) {
                    size_t vb = equals + 1;
                    size_t ve = e;
                    trim(text, vb, ve);
                    place.keyFound = true;
                    place.valueBegin = vb;
                    place.valueEnd = ve;
                }
            }
        }
        if (inSection) {
            place.sectionFound = true;
            place.afterSection = next;
            place.sectionEndsText = !ended;
        }
    }
    return place;
}

}  // namespace

std::optional<std::string> findValue(std::string_view text, std::string_view section, std::string_view key) {
    const Place place = scan(text, section, key);
    if (!place.keyFound) return std::nullopt;
    return std::string(text.substr(place.valueBegin, place.valueEnd - place.valueBegin));
}

std::string withValue(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value) {
    const Place place = scan(text, section, key);
    std::string out;
    out.reserve(text.size() + section.size() + key.size() + value.size() + 8);
    const std::string_view eol = place.lineEnd;
    if (place.keyFound) {
        out.append(text.substr(0, place.valueBegin)).append(value).append(text.substr(place.valueEnd));
    } else if (place.sectionFound) {
        out.append(text.substr(0, place.afterSection));
        if (place.sectionEndsText) out.append(eol);
        out.append(key).append("=").append(value).append(eol);
        out.append(text.substr(place.afterSection));
    } else {
        out.append(text);
        if (!text.empty() && text.back() != '\n') out.append(eol);
        out.append("[").append(section).append("]").append(eol);
        out.append(key).append("=").append(value).append(eol);
    }
    return out;
}

}  // namespace splat::ini
