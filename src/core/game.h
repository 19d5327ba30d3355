#pragma once
// The game: owns the state and carries every handler of the window's controls,
// named after the control and its event. The handlers live in the files of
// their subsystem (core, league, match, management); the window reaches them
// through the binding table (core/bindings.h).

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

class Game {
public:
    Game(Window& window, Audio& audio, SettingsStore& settings, Clock& clock);

    GameState& state() { return s_; }
    const GameState& state() const { return s_; }
    RandomSource& randomSource() { return rng_; }
    // True once the game has closed its main window (game over, relegation).
    bool closed() const { return closed_; }
    bool optionsOpen() const { return optionsOpen_; }

    // --- Start-up (core/startup.cpp) ---
    // Team name and seed, settings, sound caption, music, first start.
    void startUp();

    // --- Random source (core/game.cpp) ---
    int32_t random(int32_t n) { return rng_.random(n); }
    void reseed();

    // --- New game and world generation (core/new_game.cpp) ---
    void firstStartGeneration();
    void newGameGeneration();
    void Newgame1Click();          // newGameCommand: "New game" menu item
    void levelchange(int item);    // difficultyChanged: RadioGroup1

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

    // --- League (league/pairings.cpp, league/league_table.cpp, league/season_end.cpp) ---
    void drawPairings();
    void sortTable();
    void addPoints(int32_t team, int32_t n);
    void settleSeason();

    // --- Match (match/match_start.cpp, match/match_tick.cpp, match/settlement.cpp) ---
    void StartClick();
    void fastactionClick();
    void normalactionClick();
    void slowactionClick();
    void nextaction();             // Timer1 tick
    void eliminateOurs();
    void eliminateTheirs();
    void pickUpOurs();
    void pickUpTheirs();
    void settleMatch();

    // --- Training selectors (core/training_selectors.cpp): no handler of
    // their own; the chosen level is kept in the state for the week's step.
    void shootingSelected(int item);
    void tacticsSelected(int item);

    // --- Team management (management/*.cpp) ---
    // Scout page (management/scouting_market.cpp).
    void playersearchClick();
    void replaceClick(int k);      // replace1Click .. replace5Click
    void coachsearchClick();
    void replaceyourcoachClick();
    // Training page (management/training.cpp).
    void buytpClick();
    // Gear page (management/gear_shop.cpp).
    void plaClick(int k);          // pla1Click .. pla5Click
    void buyMarker(int m);         // buy1Click .. buy11Click
    void sellweaponClick();
    void changem12Click();         // both rows of marker-swap buttons
    void changem23Click();
    void changem34Click();
    void changem45Click();
    void changem51Click();
    void buyOrb(int k);            // buya1Click .. buya6Click
    // Finances page (management/finances.cpp).
    void labupgradeClick();
    void securityupgradeClick();
    void Button6Click();           // chemist search (dxButton13)
    void buychemistClick();
    void upgradeClick();           // art production (dxButton12)
    void applyClick(int s);        // apply1Click .. apply4Click
    void dumpClick(int s);         // dump1Click .. dump4Click
    // Tactics page (management/tactics.cpp).
    void Button2Click();           // position swap 1-2 (dxButton8)
    void Button3Click();           // 2-3
    void Button4Click();           // 3-4
    void Button5Click();           // 4-5
    void boostClick(int k);        // boost1Click .. boost5Click
    void prClick(int k, int item); // pr1Click .. pr5Click
    // --- end of team management ---

    // --- Views (core/view_refresh.cpp, core/team_drilldown.cpp) ---
    void refreshViews();
    void inspectRow(int row);
    void teamClick(int row);       // team1Click .. team10Click

    // --- Shared helpers (core/game.cpp) ---
    // teamName for team 1, the fixed team name otherwise.
    const std::string& displayName(int32_t team) const;
    // cash += delta, saturating, and lblcash shows it.
    void changeCash(int64_t delta);
    void showCash();
    // Closes the main window for good.
    void closeMainWindow();
    // (core/shared_resets.cpp) A position's boost gone, its "Deal" button
    // back and its notice empty.
    void clearBoost(int slot);
    // All four sponsor offers with their application buttons, answers empty.
    void showSponsorOffers();
    // The coach's name and skills on the Training page.
    void showCoach();
    // The weekly rate of each training level for the current coach, drawn
    // shooting 1, tactics 1, shooting 2, ..., and shown.
    void drawTrainingCosts();

    Window& window() { return win_; }
    Audio& audio() { return audio_; }
    SettingsStore& settings() { return settings_; }

private:
    GameState s_;
    Window& win_;
    Audio& audio_;
    SettingsStore& settings_;
    Clock& clock_;
    RandomSource rng_;
    bool closed_ = false;
    bool optionsOpen_ = false;
};

}  // namespace splat
