#include <string>

#include "core/sound.h"

namespace splat {

namespace {
constexpr std::string_view kMusicFile = "Paint.mp3";
}  // namespace

// Opens the piece and plays it from its beginning. A piece that cannot be
// opened leaves the music off for the run: the player is told once, the timer
// stays off and the settings file keeps its value, so the next start tries
// again.
bool Sound::startMusic() {
    std::string error;
    if (!audio_.musicOpen(kMusicFile, error)) {
        if (error.empty()) error = "The music file " + std::string(kMusicFile) + " cannot be played.";
        musicFailed(error);
        return false;
    }
    audio_.musicPlay();
    win_.setText("MusicOff1", "Music On");
    win_.setTimerEnabled("MusicTimer", true);
    return true;
}

void Sound::musicFailed(std::string_view error) {
    s_.musicOn = false;
    win_.setText("MusicOff1", "Music Off");
    win_.setTimerEnabled("MusicTimer", false);
    restWhenSilent();
    win_.message(error, "");
}

void Sound::restWhenSilent() { audio_.rest(!s_.soundOn && !s_.musicOn); }

void Sound::musicStartUp() {
    if (s_.musicOn) {
        startMusic();
    } else {
        win_.setText("MusicOff1", "Music Off");
        win_.setTimerEnabled("MusicTimer", false);
    }
    restWhenSilent();
}

// A finished piece starts again from its beginning; a playing one goes on.
void Sound::musicloop() {
    if (s_.musicOn) audio_.musicPlay();
}

void Sound::MusicOff1Click() {
    if (s_.musicOn) {
        s_.musicOn = false;
        audio_.musicStop();
        win_.setText("MusicOff1", "Music Off");
        win_.setTimerEnabled("MusicTimer", false);
        restWhenSilent();
    } else {
        s_.musicOn = true;
        restWhenSilent();
        // Opening again puts the piece back at its beginning.
        if (!startMusic()) return;
    }
    writeSetting("Music", s_.musicOn);
    win_.announce(s_.musicOn ? "Music on" : "Music off");
}

// Turning the sound off lets an effect that is playing finish.
void Sound::showSoundSwitch() { win_.setText("SoundOff1", s_.soundOn ? "Sound On" : "Sound Off"); }

void Sound::SoundOff1Click() {
    s_.soundOn = !s_.soundOn;
    showSoundSwitch();
    restWhenSilent();
    writeSetting("Sound", s_.soundOn);
    win_.announce(s_.soundOn ? "Sound effects on" : "Sound effects off");
}

void Sound::effect(std::string_view file) {
    if (s_.soundOn) audio_.playEffect(file);
}

}  // namespace splat
