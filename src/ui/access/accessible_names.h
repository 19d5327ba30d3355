#pragma once
// What a screen reader is told about the window's controls: one entry per
// control that needs more than its caption, keyed by control name (radio
// items as "GROUP#INDEX", the tab of a page by the page's name).
//
// Names, descriptions and tooltips are templates: "{}" stands for the
// control's own text, "{NAME}" for the text of control NAME, and a part in
// square brackets is dropped unless every text it names is non-empty. Texts
// are filled in on the Qt side whenever a control they name changes; the
// visible captions stay as they are.

#include <QString>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace splat::ui {

struct AccessibleText {
    std::string control;
    std::string name;         // "" keeps the name Qt gives (the caption or text)
    std::string description;
    std::string toolTip;
    std::string caption;      // the label that captions this value (labelled-by)
    bool live = false;        // a change is announced (play-by-play, score)
};

const std::vector<AccessibleText>& accessibleTexts();

// The entry of `control`, or nullptr.
const AccessibleText* findAccessibleText(std::string_view control);

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
