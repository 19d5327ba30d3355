#pragma once
// Music and effects, and the two switches in the settings file that turn
// them on and off. Writes the state's `soundOn` and `musicOn`.

#include <string_view>

#include "core/game_context.h"

namespace splat {

class Sound {
public:
    explicit Sound(GameContext& context)
        : s_(context.state), win_(context.window), audio_(context.audio), settings_(context.settings) {}

    // Settings (core/settings.cpp).
    void readSettings();
    void writeSetting(std::string_view key, bool on);

    // Music and effects (core/music.cpp).
    void musicStartUp();
    void musicloop();       // MusicTimer tick
    void MusicOff1Click();  // toggleMusic
    void SoundOff1Click();  // toggleSound
    // The menu item's caption for the sound switch.
    void showSoundSwitch();
    void effect(std::string_view file);
    // The music could not be played (also when the sound device reports it
    // later): the player is told once and the music stays off for the run;
    // the settings file keeps its value, so the next start tries again.
    void musicFailed(std::string_view error);

private:
    bool startMusic();
    // With the sound and the music both off the audio rests.
    void restWhenSilent();

    GameState& s_;
    Window& win_;
    Audio& audio_;
    SettingsStore& settings_;
};

}  // namespace splat
