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

// Fills `pattern` for `self`: `textOf(name)` gives the current text of a
// control. Runs of blanks in the result become one blank.
QString fillAccessibleText(std::string_view pattern, std::string_view self,
                           const std::function<QString(std::string_view)>& textOf);

// The controls whose texts `pattern` uses ("{}" gives `self`), without repeats.
std::vector<std::string> accessibleTextSources(std::string_view pattern, std::string_view self);

}  // namespace splat::ui
