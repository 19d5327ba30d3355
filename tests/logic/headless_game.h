#pragma once
// A whole game on the headless window with a fixed clock, silent audio that
// remembers what it was asked to play, and settings kept in memory.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/audio.h"
#include "core/clock.h"
#include "core/headless_window.h"
#include "core/settings_store.h"
#include "game/game.h"

namespace splat::testing {

class ListeningAudio final : public Audio {
public:
    bool musicOpen(std::string_view file, std::string&) override {
        calls.push_back("open " + std::string(file));
        return true;
    }
    void musicPlay() override { calls.push_back("play"); }
    void musicStop() override { calls.push_back("stop"); }
    void playEffect(std::string_view file) override { calls.push_back("effect " + std::string(file)); }

    std::vector<std::string> calls;
};

struct HeadlessGame {
    explicit HeadlessGame(int64_t clockSeconds = 1000000000, bool start = true) : clock(clockSeconds) {
        window.setListener([this](const WindowEvent& e) { events.push_back(e); });
        if (start) game.startUp();
    }

    GameState& state() { return game.editableState(); }
    std::string text(std::string_view name) const { return window.text(name); }

    // Events of one type, in order.
    std::vector<WindowEvent> eventsOf(WindowEvent::Type type) const {
        std::vector<WindowEvent> out;
        for (const auto& e : events) {
            if (e.type == type) out.push_back(e);
        }
        return out;
    }

    HeadlessWindow window;
    ListeningAudio audio;
    MemorySettingsStore settings;
    FixedClock clock;
    Game game{window, audio, settings, clock};
    std::vector<WindowEvent> events;
};

// A started game for TEST_F, its state at hand as `s`.
struct GameTest : ::testing::Test {
    HeadlessGame h;
    GameState& s = h.state();
};

// Advances `r` by the draws one refresh makes: the training price, then the
// five boost prices.
inline void refreshDraws(RandomSource& r, const GameState& s) {
    r.random((2 * (s.coachShooting + s.coachTactics)) / 3 / 4);
    for (int j = 1; j <= kPlayers; ++j) r.random(3);
}

}  // namespace splat::testing
