#include <string>

#include "core/game_core.h"

namespace splat {

namespace {

constexpr std::string_view kMusicFile = "Paint.mp3";

// Opens the piece and plays it from its beginning. A piece that cannot be
// opened leaves the music off for the run: the player is told once, the timer
// stays off and the settings file keeps its value, so the next start tries
// again.
bool startMusic(GameCore& game) {
    std::string error;
    if (!game.audio().musicOpen(kMusicFile, error)) {
        if (error.empty()) error = "The music file " + std::string(kMusicFile) + " cannot be played.";
        game.musicFailed(error);
        return false;
    }
    game.audio().musicPlay();
    game.window().setText("MusicOff1", "Music On");
    game.window().setTimerEnabled("MusicTimer", true);
    return true;
}

}  // namespace

void GameCore::musicFailed(std::string_view error) {
    s_.musicOn = false;
    win_.setText("MusicOff1", "Music Off");
    win_.setTimerEnabled("MusicTimer", false);
    win_.message(error, "");
}

void GameCore::musicStartUp() {
    if (s_.musicOn) {
        startMusic(*this);
    } else {
        win_.setText("MusicOff1", "Music Off");
        win_.setTimerEnabled("MusicTimer", false);
    }
}

// A finished piece starts again from its beginning; a playing one goes on.
void GameCore::musicloop() {
    if (s_.musicOn) audio_.musicPlay();
}

void GameCore::MusicOff1Click() {
    if (s_.musicOn) {
        s_.musicOn = false;
        audio_.musicStop();
        win_.setText("MusicOff1", "Music Off");
        win_.setTimerEnabled("MusicTimer", false);
    } else {
        s_.musicOn = true;
        // Opening again puts the piece back at its beginning.
        if (!startMusic(*this)) return;
    }
    writeSetting("Music", s_.musicOn);
}

// Turning the sound off lets an effect that is playing finish.
void GameCore::SoundOff1Click() {
    s_.soundOn = !s_.soundOn;
    win_.setText("SoundOff1", s_.soundOn ? "Sound On" : "Sound Off");
    writeSetting("Sound", s_.soundOn);
}

void GameCore::effect(std::string_view file) {
    if (s_.soundOn) audio_.playEffect(file);
}

}  // namespace splat
