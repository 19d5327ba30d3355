#pragma once
// The bottom of the game's layers: the state, the seams and the random
// source, with what every layer above needs from them: the options panel,
// settings, music and effects, the view refresh and the league table's
// drill-down, cash and closing the window. Each layer above derives from the
// one below it (league, management, match, then the `Game` in src/game), so
// a handler is a member named after its control in the layer it belongs to.

#include <cstdint>
#include <string>
#include <string_view>

#include "core/audio.h"
#include "core/clock.h"
#include "core/game_state.h"
#include "core/random_source.h"
#include "core/settings_store.h"
#include "core/window.h"

namespace splat {

class GameCore {
public:
    GameCore(Window& window, Audio& audio, SettingsStore& settings, Clock& clock);
    GameCore(const GameCore&) = delete;
    GameCore& operator=(const GameCore&) = delete;

    GameState& state() { return s_; }
    const GameState& state() const { return s_; }
    RandomSource& randomSource() { return rng_; }
    // True once the game has closed its main window (game over, relegation).
    bool closed() const { return closed_; }
    bool optionsOpen() const { return optionsOpen_; }

    // --- Random source (core/game_core.cpp) ---
    int32_t random(int32_t n) { return rng_.random(n); }
    void reseed();

    // --- Options panel (core/options.cpp) ---
    void OptionsClick();           // toggleOptions: "Options" menu item
    void btncloseClick();          // "Ok" of the options panel
    void OptionsClose();           // every change of page
    void openOptions();
    void closeOptions();
    void toggleOptions();
    void denterClick();            // enterGamesPerSeason: "Enter"
    void doneClick(std::string_view text);  // teamNameChanged: every change of `text`

    // --- Dialog openers (core/dialog_openers.cpp) ---
    void Button1Click();           // "Trophy room"
    void About1Click();            // "About"

    // --- Settings, music and effects (core/settings.cpp, core/music.cpp) ---
    void readSettings();
    void writeSetting(std::string_view key, bool on);
    void musicStartUp();
    void musicloop();              // MusicTimer tick
    void MusicOff1Click();         // toggleMusic
    void SoundOff1Click();         // toggleSound
    void effect(std::string_view file);
    // The music could not be played (also when the sound device reports it
    // later): the player is told once and the music stays off for the run;
    // the settings file keeps its value, so the next start tries again.
    void musicFailed(std::string_view error);

    // --- Training selectors (core/training_selectors.cpp): no handler of
    // their own; the chosen level is kept in the state for the week's step.
    void shootingSelected(int item);
    void tacticsSelected(int item);

    // --- Views (core/view_refresh.cpp, core/team_drilldown.cpp) ---
    void refreshViews();
    void inspectRow(int row);
    void teamClick(int row);       // team1Click .. team10Click

    // --- Shared helpers (core/game_core.cpp) ---
    // teamName for team 1, the fixed team name otherwise.
    const std::string& displayName(int32_t team) const;
    // cash += delta, saturating, and lblcash shows it.
    void changeCash(int64_t delta);
    void showCash();
    // Closes the main window for good.
    void closeMainWindow();

    Window& window() { return win_; }
    Audio& audio() { return audio_; }
    SettingsStore& settings() { return settings_; }

protected:
    ~GameCore() = default;

    // The layers above work on the state and the window directly.
    GameState s_;
    Window& win_;

private:
    Audio& audio_;
    SettingsStore& settings_;
    Clock& clock_;
    RandomSource rng_;
    bool closed_ = false;
    bool optionsOpen_ = false;
};

}  // namespace splat
