// What a whole week costs: the match ticks, the settlement with its dialogs
// and the refreshes, measured beside one refresh of the views alone. The
// ratio of the two says how many refreshes a week is worth.

#include <benchmark/benchmark.h>

#include <memory>

#include "core/audio.h"
#include "core/clock.h"
#include "core/headless_window.h"
#include "core/settings_store.h"
#include "game/game.h"

namespace {

using namespace splat;

// A started game on a screenless window; it is built anew after a game over.
struct World {
    World() : game(window, audio, settings, clock) { game.startUp(); }

    HeadlessWindow window;
    SilentAudio audio;
    MemorySettingsStore settings;
    FixedClock clock;
    Game game;
};

// One week: kick-off, ticks until the timer is off (at most 45), and the
// settlement that runs inside the last tick.
void playWeek(World& w) {
    w.game.editableState().cash = 1000000;  // no game over for lack of money
    w.game.match().StartClick();
    // The timer's state, found once: a screen's timer calls the game, it
    // does not look itself up by name on every tick.
    const ControlState& timer = *w.window.control("Timer1");
    for (int tick = 0; tick < 45 && timer.enabled; ++tick) {
        w.clock.set(w.clock.nowSeconds() + 1);
        w.game.match().nextaction();
    }
}

void BM_Week(benchmark::State& state) {
    auto world = std::make_unique<World>();
    int64_t weeks = 0;
    for (auto _ : state) {
        playWeek(*world);
        ++weeks;
        if (world->game.closed()) {  // relegated: a new game for the next week
            state.PauseTiming();
            world = std::make_unique<World>();
            state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(weeks);
}
BENCHMARK(BM_Week);

void BM_RefreshViews(benchmark::State& state) {
    World world;
    for (auto _ : state) world.game.refresh().refreshViews();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RefreshViews);

}  // namespace

BENCHMARK_MAIN();
