#pragma once
// The audio seam: one music player and one-shot effects.

#include <string>
#include <string_view>

namespace splat {

class Audio {
public:
    virtual ~Audio() = default;

    // Closes the piece that is open, loads `file` positioned at its start.
    // On failure returns false and puts the reason into `error`.
    virtual bool musicOpen(std::string_view file, std::string& error) = 0;
    // Plays on from the current position; a finished piece restarts from the
    // beginning. Needs an open piece.
    virtual void musicPlay() = 0;
    // Halts playback; the piece stays open.
    virtual void musicStop() = 0;
    // Starts a short effect at once, cutting off one still playing.
    virtual void playEffect(std::string_view file) = 0;

    // Resting: nothing is to be played until the rest ends (the sound and the
    // music are both off), so the backend may let the sound device go, once
    // an effect still playing has finished. The music is opened again after
    // a rest. By default nothing changes.
    virtual void rest(bool resting) { (void)resting; }
    // Whether an effect is playing at this moment.
    virtual bool effectPlaying() const { return false; }
};

// Plays nothing; for tests that do not listen.
class SilentAudio final : public Audio {
public:
    bool musicOpen(std::string_view, std::string&) override { return true; }
    void musicPlay() override {}
    void musicStop() override {}
    void playEffect(std::string_view) override {}
};

}  // namespace splat
