#pragma once
// The spoken texts of the layout table made ready to fill. A pattern's "{}"
// stands for the control's own text, "{NAME}" for the text of control NAME,
// and a part in square brackets is dropped unless every text it names is
// non-empty. Texts are filled in on the Qt side whenever a control they name
// changes; the visible captions stay as they are.

#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace splat::ui {

// A pattern made ready to fill: its fixed runs converted once and each
// control it names resolved to that control's text, so that filling it in
// after every change costs little.
class TextPattern {
public:
    // `resolve(name)` gives the text of control `name`, kept current by its
    // owner (nullptr when there is none: it then counts as empty).
    using Resolver = std::function<const QString*(std::string_view)>;

    TextPattern() = default;
    TextPattern(std::string_view pattern, std::string_view self, const Resolver& resolve);

    bool isEmpty() const { return pieces_.empty(); }
    // The controls the pattern names ("{}" gives `self`), without repeats.
    const std::vector<std::string>& sources() const { return sources_; }
    // The pattern filled with the texts as they are now; runs of blanks
    // become one blank.
    QString fill() const;

private:
    enum class Kind { Fixed, Text, Open, Close };
    struct Piece {
        Kind kind;
        QString fixed;
        const QString* text = nullptr;
    };
    std::vector<Piece> pieces_;
    std::vector<std::string> sources_;
};

}  // namespace splat::ui
