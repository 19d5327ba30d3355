#include "game/options.h"

#include "core/text_input.h"

namespace splat {
namespace {
constexpr const char* kStandIns[] = {"Panel1", "Panel56", "Panel58", "Button1"};
constexpr size_t kTeamNameLength = 20;
}  // namespace

void Options::openOptions() {
    optionsOpen_ = true;
    win_.setVisible("optionspanel", true);
    for (const char* name : kStandIns) win_.setVisible(name, false);
    win_.showPage("TabSheet1");
}

void Options::closeOptions() {
    optionsOpen_ = false;
    win_.setVisible("optionspanel", false);
    for (const char* name : kStandIns) win_.setVisible(name, true);
}

void Options::toggleOptions() {
    if (optionsOpen_) {
        closeOptions();
    } else {
        openOptions();
    }
}

void Options::OptionsClick() {
    toggleOptions();
    win_.announce(optionsOpen_ ? "Options, on the Team page" : "Options closed");
}
void Options::btncloseClick() { closeOptions(); }
void Options::OptionsClose() { closeOptions(); }

void Options::denterClick() {
    const ParsedNumber n = parseWholeNumber(win_.text("deadline"));
    if (n.reading == NumberReading::NotANumber) {
        win_.message("Invalid value", "");
        return;
    }
    // The field is disabled once a week has been settled, so the week is 1
    // whenever a player can press "Enter"; should the handler run later all
    // the same, a length the season has already reached is refused too, since
    // that season would never end.
    if (n.reading == NumberReading::TooLarge || n.value < 20 || n.value > 70 || n.value <= s_.week) {
        win_.message("the value is off limits", "");
        return;
    }
    s_.gamesPerSeason = n.value;
    win_.message("ok", "");
}

void Options::doneClick(std::string_view text) {
    s_.teamName = limitCharacters(text, kTeamNameLength);
    refresh_.refreshViews();
}

}  // namespace splat
