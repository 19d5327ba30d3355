#pragma once
// The options panel: opening and closing it, the season's length and the
// team's name (the difficulty starts a new game: game/new_game.h). Writes
// `gamesPerSeason` and `teamName`.

#include <string_view>

#include "core/game_context.h"
#include "management/page_refresh.h"

namespace splat {

class Options {
public:
    Options(GameContext& context, PageRefresh& refresh)
        : s_(context.state), win_(context.window), refresh_(refresh) {}

    void OptionsClick();                    // toggleOptions: "Options" menu item
    void btncloseClick();                   // "Ok" of the options panel
    void OptionsClose();                    // every change of page
    void denterClick();                     // enterGamesPerSeason: "Enter"
    void doneClick(std::string_view text);  // teamNameChanged: every change of `text`

    void openOptions();
    void closeOptions();
    void toggleOptions();
    bool optionsOpen() const { return optionsOpen_; }

private:
    GameState& s_;
    Window& win_;
    PageRefresh& refresh_;
    bool optionsOpen_ = false;
};

}  // namespace splat
