// A refresh of the views on the Qt window, beside what the screen reader's
// names add to it: every label the refresh writes passed to the names table
// once more (the same texts, so only the looking up and filling in).
//
// Run on the offscreen platform: build/bench/qt_refresh_bench

#include <benchmark/benchmark.h>

#include <QApplication>

#include "core/audio.h"
#include "core/clock.h"
#include "core/layout_table.h"
#include "core/settings_store.h"
#include "game/game.h"
#include "ui/accessible_window.h"
#include "ui/qt_window.h"

namespace {

struct World {
    World() {
        window.bind(game);
        game.startUp();
    }
    splat::ui::QtWindow window;
    splat::SilentAudio audio;
    splat::MemorySettingsStore settings;
    splat::FixedClock clock;
    splat::Game game{window, audio, settings, clock};
};

void BM_RefreshOnQtWindow(benchmark::State& state) {
    World w;
    for (auto _ : state) w.game.refresh().refreshViews();
}
BENCHMARK(BM_RefreshOnQtWindow);

void BM_ScreenReaderNamesOfEveryLabel(benchmark::State& state) {
    World w;
    std::vector<std::string> labels;
    for (const splat::ControlSpec& c : splat::layoutTable())
        if (c.kind == splat::ControlKind::Label) labels.push_back(c.name);
    for (auto _ : state)
        for (const std::string& name : labels) w.window.accessibility().textChanged(name);
}
BENCHMARK(BM_ScreenReaderNamesOfEveryLabel);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
