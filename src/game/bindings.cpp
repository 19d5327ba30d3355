#include "game/bindings.h"

#include <string>

#include "core/control_names.h"
#include "game/game.h"

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

// A numbered family of buttons, stem1 .. stemLast, each calling handler(n).
void family(std::vector<Binding>& b, const char* stem, int last, void (Game::*handler)(int)) {
    for (int n = 1; n <= last; ++n) {
        b.push_back(on(numbered(stem, n), Signal::Click,
                       [handler, n](Game& g, int, std::string_view) { (g.*handler)(n); }));
    }
}

// The management pages (Scout, Training, Gear, Finances, Tactics) and the
// marker swaps of the Team page.
void addManagementBindings(std::vector<Binding>& b) {
    // Scout page.
    b.push_back(click("playersearch", &Game::playersearchClick));
    b.push_back(click("coachsearch", &Game::coachsearchClick));
    b.push_back(click("replaceyourcoach", &Game::replaceyourcoachClick));
    family(b, "replace", kPlayers, &Game::replaceClick);

    // Training page.
    b.push_back(click("buytp", &Game::buytpClick));

    // Gear page: the shop, the player labels, selling and the orbs.
    family(b, "buy", kMarkers, &Game::buyMarker);
    family(b, "pla", kPlayers, &Game::plaClick);
    b.push_back(click("sellweapon", &Game::sellweaponClick));
    family(b, "buya", kOrbs, &Game::buyOrb);

    // Marker swaps: the row on the Team page and the row on the Gear page
    // call the same five handlers.
    constexpr void (Game::*kMarkerSwaps[5])() = {&Game::changem12Click, &Game::changem23Click,
                                                  &Game::changem34Click, &Game::changem45Click,
                                                  &Game::changem51Click};
    for (int i = 0; i < 5; ++i) {
        b.push_back(click(numbered("dxButton", 15 + i), kMarkerSwaps[i]));
        b.push_back(click(numbered("dxButton", 3 + i), kMarkerSwaps[i]));
    }

    // Tactics page: position swaps, boosts and flag priorities.
    b.push_back(click("dxButton8", &Game::Button2Click));
    b.push_back(click("dxButton9", &Game::Button3Click));
    b.push_back(click("dxButton10", &Game::Button4Click));
    b.push_back(click("dxButton11", &Game::Button5Click));
    family(b, "boost", kPlayers, &Game::boostClick);
    for (int k = 1; k <= kPlayers; ++k) {
        b.push_back(on(numbered("pr", k), Signal::Select,
                       [k](Game& g, int item, std::string_view) { g.prClick(k, item); }));
    }

    // Finances page.
    b.push_back(click("labupgrade", &Game::labupgradeClick));
    b.push_back(click("securityupgrade", &Game::securityupgradeClick));
    family(b, "apply", kSponsors, &Game::applyClick);
    family(b, "dump", kSponsors, &Game::dumpClick);
    b.push_back(click("dxButton12", &Game::upgradeClick));
    b.push_back(click("dxButton13", &Game::Button6Click));
    b.push_back(click("buychemist", &Game::buychemistClick));
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
        b.push_back(on(numbered("team", n), Signal::Click,
                       [n](Game& g, int, std::string_view) { g.teamClick(n); }));
    }

    // Match.
    b.push_back(click("Start", &Game::StartClick));
    b.push_back(click("fastaction", &Game::fastactionClick));
    b.push_back(click("normalaction", &Game::normalactionClick));
    b.push_back(click("slowaction", &Game::slowactionClick));

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
