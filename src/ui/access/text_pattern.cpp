// Filling the spoken patterns of the layout table.

#include "ui/access/text_pattern.h"

#include <algorithm>

namespace splat::ui {
namespace {

// Calls `part(text, isName)` for each literal run and each placeholder of
// `pattern` in order; '[' and ']' come through as literal runs of their own.
template <typename Part>
void scan(std::string_view pattern, Part part) {
    size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c == '[' || c == ']') {
            part(pattern.substr(i, 1), false);
            ++i;
        } else if (c == '{') {
            const size_t close = pattern.find('}', i);
            if (close == std::string_view::npos) {
                part(pattern.substr(i), false);
                return;
            }
            part(pattern.substr(i + 1, close - i - 1), true);
            i = close + 1;
        } else {
            const size_t next = pattern.find_first_of("[]{", i);
            const size_t end = next == std::string_view::npos ? pattern.size() : next;
            part(pattern.substr(i, end - i), false);
            i = end;
        }
    }
}

bool blank(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
}

}  // namespace

TextPattern::TextPattern(std::string_view pattern, std::string_view self, const Resolver& resolve) {
    scan(pattern, [&](std::string_view part, bool isName) {
        if (!isName && (part == "[" || part == "]")) {
            pieces_.push_back({part == "[" ? Kind::Open : Kind::Close, {}, nullptr});
            return;
        }
        if (!isName) {
            pieces_.push_back(
                {Kind::Fixed, QString::fromUtf8(part.data(), static_cast<qsizetype>(part.size())), nullptr});
            return;
        }
        const std::string_view name = part.empty() ? self : part;
        pieces_.push_back({Kind::Text, {}, resolve(name)});
        if (std::find(sources_.begin(), sources_.end(), name) == sources_.end()) sources_.emplace_back(name);
    });
}

QString TextPattern::fill() const {
    QString out;
    qsizetype optionalStart = -1;
    bool optionalFilled = true;
    for (const Piece& piece : pieces_) {
        switch (piece.kind) {
            case Kind::Fixed: out += piece.fixed; break;
            case Kind::Text:
                if (piece.text != nullptr) out += *piece.text;
                if (piece.text == nullptr || blank(*piece.text)) optionalFilled = false;
                break;
            case Kind::Open:
                optionalStart = out.size();
                optionalFilled = true;
                break;
            case Kind::Close:
                if (optionalStart >= 0 && !optionalFilled) out.truncate(optionalStart);
                optionalStart = -1;
                break;
        }
    }
    // Most results need no tidying; the few with doubled or edge blanks do.
    if (out.startsWith(QLatin1Char(' ')) || out.endsWith(QLatin1Char(' ')) || out.contains(QLatin1String("  ")))
        out = out.simplified();
    return out;
}

}  // namespace splat::ui
