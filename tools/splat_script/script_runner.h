#pragma once
// Runs one game on the headless window from a script and prints its events.

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

#include "core/audio.h"
#include "core/clock.h"
#include "core/headless_window.h"
#include "core/settings_store.h"
#include "game/game.h"

namespace splat::script {

class ScriptRunner {
public:
    ScriptRunner(std::ostream& out, std::unique_ptr<SettingsStore> settings, int64_t clockSeconds);
    ~ScriptRunner();

    // Start-up, exactly as the game does it before its event loop.
    void start();
    // One script line; false once the game has closed its window.
    bool runLine(std::string_view line);
    // Every line of `in` until its end or until the game closes; false when
    // reading `in` failed before that.
    bool run(std::istream& in);

    Game& game() { return *game_; }
    HeadlessWindow& window() { return window_; }

private:
    void click(std::string_view name);
    void select(std::string_view name, std::string_view index);
    void type(std::string_view name, std::string_view text);
    void page(std::string_view index);
    void tick(long count);
    void dump(std::string_view what);
    void error(std::string_view text);
    void print(std::string_view text);

    std::ostream& out_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<Audio> audio_;
    FixedClock clock_;
    HeadlessWindow window_;
    std::unique_ptr<Game> game_;
};

}  // namespace splat::script
