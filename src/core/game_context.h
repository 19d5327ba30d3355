#pragma once
// What every subsystem of the game works over: the one state record, the
// seams to the world (window, audio, settings file, clock) and the random
// source. `Game` owns one and hands it to each subsystem it makes; the
// subsystems reach each other only through the references they are given.

#include <cstdint>

#include "core/audio.h"
#include "core/clock.h"
#include "core/game_state.h"
#include "core/random_source.h"
#include "core/settings_store.h"
#include "core/window.h"

namespace splat {

class GameContext {
public:
    GameContext(Window& window, Audio& audio, SettingsStore& settings, Clock& clock)
        : window(window), audio(audio), settings(settings), clock_(clock) {}
    GameContext(const GameContext&) = delete;
    GameContext& operator=(const GameContext&) = delete;

    GameState state;
    Window& window;
    Audio& audio;
    SettingsStore& settings;
    RandomSource rng;

    int32_t random(int32_t n) { return rng.random(n); }
    // The random source starts again from the clock's whole seconds.
    void reseed() { rng.seed(static_cast<uint32_t>(clock_.nowSeconds())); }

    // Closes the main window for good (game over, relegation).
    void closeMainWindow() {
        if (closed_) return;
        closed_ = true;
        window.closeMain();
    }
    bool closed() const { return closed_; }

private:
    Clock& clock_;
    bool closed_ = false;
};

}  // namespace splat
