#include "game/bindings.h"

#include "game/game.h"
#include "game/management_bindings.h"

namespace splat {
namespace {

template <typename F>
Binding on(std::string control, Signal signal, F f) {
    return Binding{std::move(control), signal,
                   [f](Game& g, int index, std::string_view text) { f(g, index, text); }};
}

// Shorthand for a click that calls a plain member handler.
Binding click(std::string control, void (Game::*handler)()) {
    return on(std::move(control), Signal::Click, [handler](Game& g, int, std::string_view) { (g.*handler)(); });
}

std::vector<Binding> makeBindings() {
    std::vector<Binding> b;
    // Menu.
    b.push_back(click("Newgame1", &Game::Newgame1Click));
    b.push_back(click("Options", &Game::OptionsClick));
    b.push_back(click("SoundOff1", &Game::SoundOff1Click));
    b.push_back(click("MusicOff1", &Game::MusicOff1Click));
    b.push_back(click("About1", &Game::About1Click));

    // Options panel and the page control.
    b.push_back(on("PageControl1", Signal::PageChange, [](Game& g, int, std::string_view) { g.OptionsClose(); }));
    b.push_back(on("RadioGroup1", Signal::Select, [](Game& g, int i, std::string_view) { g.levelchange(i); }));
    b.push_back(click("dxButton2", &Game::denterClick));
    b.push_back(on("text", Signal::Change, [](Game& g, int, std::string_view t) { g.doneClick(t); }));
    b.push_back(click("dxButton1", &Game::btncloseClick));
    b.push_back(click("Button1", &Game::Button1Click));

    // Training selectors keep their choice in the state.
    b.push_back(on("shooting", Signal::Select, [](Game& g, int i, std::string_view) { g.shootingSelected(i); }));
    b.push_back(on("tactics", Signal::Select, [](Game& g, int i, std::string_view) { g.tacticsSelected(i); }));

    // League table: team1Click .. team10Click.
    for (int n = 1; n <= 10; ++n) {
        b.push_back(on("team" + std::to_string(n), Signal::Click,
                       [n](Game& g, int, std::string_view) { g.teamClick(n); }));
    }

    // Match.
    b.push_back(click("Start", &Game::StartClick));
    b.push_back(click("fastaction", &Game::fastactionClick));
    b.push_back(click("normalaction", &Game::normalactionClick));
    b.push_back(click("slowaction", &Game::slowactionClick));

    // Team management: scout, training, gear, finances and tactics pages.
    addManagementBindings(b);

    // Timers.
    b.push_back(on("Timer1", Signal::Tick, [](Game& g, int, std::string_view) { g.nextaction(); }));
    b.push_back(on("MusicTimer", Signal::Tick, [](Game& g, int, std::string_view) { g.musicloop(); }));
    return b;
}

}  // namespace

const std::vector<Binding>& bindings() {
    static const std::vector<Binding> table = makeBindings();
    return table;
}

const Binding* findBinding(std::string_view control, Signal signal) {
    for (const Binding& b : bindings()) {
        if (b.control == control && b.signal == signal) return &b;
    }
    return nullptr;
}

}  // namespace splat
