// What a refresh of the views costs, beside the least any refresh must do:
// format the same ~190 label texts and store them in a flat array.

#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "core/audio.h"
#include "core/clock.h"
#include "core/headless_window.h"
#include "core/settings_store.h"
#include "game/game.h"

namespace {

struct World {
    World() { game.startUp(); }
    splat::HeadlessWindow window;
    splat::SilentAudio audio;
    splat::MemorySettingsStore settings;
    splat::FixedClock clock;
    splat::Game game{window, audio, settings, clock};
};

void BM_RefreshViews(benchmark::State& state) {
    World w;
    for (auto _ : state) {
        w.game.refresh().refreshViews();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RefreshViews);

// The floor: the same texts the refresh writes, formatted into a flat array.
void BM_FormatLabelsFloor(benchmark::State& state) {
    World w;
    const splat::GameState& s = w.game.state();
    std::array<std::string, 200> labels;
    for (auto _ : state) {
        size_t n = 0;
        auto put = [&labels, &n](std::string text) { labels[n++ % labels.size()] = std::move(text); };
        put(std::to_string(s.trainingPointsPrice));
        put(std::to_string(s.trainingPoints));
        put(s.chemistName);
        put("school dropout");
        put(std::to_string(s.chemistExperience));
        put(std::to_string(s.chemistKnowledge));
        const auto& ours = s.players[1];
        for (int j = 1; j <= 5; ++j) {
            for (int k = 0; k < 9; ++k) put(s.playerNames[1][j]);  // names on nine pages and panels
            put(std::to_string(s.boostPrice[j]));
            put(std::to_string(ours[j].hits));
            put(std::to_string(ours[j].flagsPickedUp));
            put(std::to_string(ours[j].flagsHung));
            put(std::to_string(ours[j].shooting));
            put(std::to_string(ours[j].tactics));
            put(s.markerNames[ours[j].marker]);
            put(s.markerNames[ours[j].marker]);
            put(s.playerNames[s.opponentTeam][j]);
            put(s.playerNames[s.opponentTeam][j]);
            put(std::string());
            put(std::string());
        }
        put(s.playerNames[1][1]);
        put(std::string());
        put("0");
        put("0");
        put(s.teamName);
        put(s.teamNames[s.opponentTeam]);
        put(s.playerNames[1][s.selectedPlayer]);
        put("$" + std::to_string(s.markerSalePrice));
        for (int m = 1; m <= 11; ++m) put("Price: $" + std::to_string(s.markerPrice[m]));
        for (int k = 1; k <= 6; ++k) put("Price:  $" + std::to_string(s.orbPrice[k]));
        for (int i = 1; i <= 10; ++i) {
            put(s.teamNames[s.tableTeam[i]]);
            put(std::to_string(s.tablePoints[i]));
        }
        put(s.teamNames[s.tableTeam[1]]);
        for (int j = 1; j <= 5; ++j) {
            const auto& p = s.players[s.tableTeam[1]][j];
            put(s.playerNames[s.tableTeam[1]][j]);
            put(std::to_string(p.shooting));
            put(std::to_string(p.tactics));
            put(s.markerNames[p.marker]);
        }
        for (int k = 1; k <= 5; ++k) {
            put(s.teamNames[s.pairings[k].first]);
            put(s.teamNames[s.pairings[k].second]);
            put(s.teamNames[s.pairings[k].first]);
        }
        put(s.teamNames[s.pairings[s.yourPairing].first]);
        put(s.teamNames[s.pairings[s.yourPairing].second]);
        benchmark::DoNotOptimize(labels.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FormatLabelsFloor);

}  // namespace

BENCHMARK_MAIN();
