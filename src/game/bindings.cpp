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

// A subsystem of the game, as the game hands it out.
template <typename Sub>
using Part = Sub& (Game::*)();

// Shorthand for a click that calls a plain handler of a subsystem.
template <typename Sub>
Binding click(std::string control, Part<Sub> part, void (Sub::*handler)()) {
    return on(std::move(control), Signal::Click,
              [part, handler](Game& g, int, std::string_view) { ((g.*part)().*handler)(); });
}

// A numbered family of buttons, stem1 .. stemLast, each calling handler(n).
template <typename Sub>
void family(std::vector<Binding>& b, const char* stem, int last, Part<Sub> part, void (Sub::*handler)(int)) {
    for (int n = 1; n <= last; ++n) {
        b.push_back(on(numbered(stem, n), Signal::Click,
                       [part, handler, n](Game& g, int, std::string_view) { ((g.*part)().*handler)(n); }));
    }
}

// The management pages (Scout, Training, Gear, Finances, Tactics) and the
// marker swaps of the Team page.
void addManagementBindings(std::vector<Binding>& b) {
    // Scout page.
    b.push_back(click("playersearch", &Game::scout, &Scout::playersearchClick));
    b.push_back(click("coachsearch", &Game::scout, &Scout::coachsearchClick));
    b.push_back(click("replaceyourcoach", &Game::scout, &Scout::replaceyourcoachClick));
    family(b, "replace", kPlayers, &Game::scout, &Scout::replaceClick);

    // Training page.
    b.push_back(click("buytp", &Game::training, &Training::buytpClick));

    // Gear page: the shop, the player labels, selling and the orbs.
    family(b, "buy", kMarkers, &Game::gear, &Gear::buyMarker);
    family(b, "pla", kPlayers, &Game::gear, &Gear::plaClick);
    b.push_back(click("sellweapon", &Game::gear, &Gear::sellweaponClick));
    family(b, "buya", kOrbs, &Game::gear, &Gear::buyOrb);

    // Marker swaps: the row on the Team page and the row on the Gear page
    // call the same five handlers.
    constexpr void (Gear::*kMarkerSwaps[5])() = {&Gear::changem12Click, &Gear::changem23Click,
                                                 &Gear::changem34Click, &Gear::changem45Click,
                                                 &Gear::changem51Click};
    for (int i = 0; i < 5; ++i) {
        b.push_back(click(numbered("dxButton", 15 + i), &Game::gear, kMarkerSwaps[i]));
        b.push_back(click(numbered("dxButton", 3 + i), &Game::gear, kMarkerSwaps[i]));
    }

    // Tactics page: position swaps, boosts and flag priorities.
    b.push_back(click("dxButton8", &Game::tactics, &Tactics::Button2Click));
    b.push_back(click("dxButton9", &Game::tactics, &Tactics::Button3Click));
    b.push_back(click("dxButton10", &Game::tactics, &Tactics::Button4Click));
    b.push_back(click("dxButton11", &Game::tactics, &Tactics::Button5Click));
    family(b, "boost", kPlayers, &Game::tactics, &Tactics::boostClick);
    for (int k = 1; k <= kPlayers; ++k) {
        b.push_back(on(numbered("pr", k), Signal::Select,
                       [k](Game& g, int item, std::string_view) { g.tactics().prClick(k, item); }));
    }

    // Finances page.
    b.push_back(click("labupgrade", &Game::laboratory, &Laboratory::labupgradeClick));
    b.push_back(click("securityupgrade", &Game::laboratory, &Laboratory::securityupgradeClick));
    family(b, "apply", kSponsors, &Game::sponsors, &Sponsors::applyClick);
    family(b, "dump", kSponsors, &Game::sponsors, &Sponsors::dumpClick);
    b.push_back(click("dxButton12", &Game::art, &ArtProduction::upgradeClick));
    b.push_back(click("dxButton13", &Game::laboratory, &Laboratory::Button6Click));
    b.push_back(click("buychemist", &Game::laboratory, &Laboratory::buychemistClick));
}

std::vector<Binding> makeBindings() {
    std::vector<Binding> b;
    // Menu.
    b.push_back(click("Newgame1", &Game::newGame, &NewGame::Newgame1Click));
    b.push_back(click("Options", &Game::options, &Options::OptionsClick));
    b.push_back(click("Seasonbook1", &Game::book, &SeasonBook::open));
    b.push_back(click("SoundOff1", &Game::sound, &Sound::SoundOff1Click));
    b.push_back(click("MusicOff1", &Game::sound, &Sound::MusicOff1Click));
    b.push_back(click("About1", &Game::views, &Views::About1Click));

    // Options panel and the page control.
    // A page brought forward also gets the tooltips that follow the weeks.
    b.push_back(on("PageControl1", Signal::PageChange, [](Game& g, int, std::string_view) {
        g.options().OptionsClose();
        g.refresh().explain();
    }));
    b.push_back(on("RadioGroup1", Signal::Select,
                   [](Game& g, int i, std::string_view) { g.newGame().levelchange(i); }));
    b.push_back(click("dxButton2", &Game::options, &Options::denterClick));
    b.push_back(on("text", Signal::Change, [](Game& g, int, std::string_view t) { g.options().doneClick(t); }));
    b.push_back(click("dxButton1", &Game::options, &Options::btncloseClick));
    b.push_back(click("Button1", &Game::views, &Views::Button1Click));

    // Training selectors keep their choice in the state.
    b.push_back(on("shooting", Signal::Select,
                   [](Game& g, int i, std::string_view) { g.training().shootingSelected(i); }));
    b.push_back(on("tactics", Signal::Select,
                   [](Game& g, int i, std::string_view) { g.training().tacticsSelected(i); }));

    // League table: team1Click .. team10Click.
    for (int n = 1; n <= 10; ++n) {
        b.push_back(on(numbered("team", n), Signal::Click,
                       [n](Game& g, int, std::string_view) { g.views().teamClick(n); }));
    }

    // Match.
    b.push_back(click("Start", &Game::match, &MatchEngine::StartClick));
    b.push_back(click("fastaction", &Game::match, &MatchEngine::fastactionClick));
    b.push_back(click("normalaction", &Game::match, &MatchEngine::normalactionClick));
    b.push_back(click("slowaction", &Game::match, &MatchEngine::slowactionClick));
    b.push_back(click("pause", &Game::match, &MatchEngine::pauseClick));

    addManagementBindings(b);

    // Timers.
    b.push_back(on("Timer1", Signal::Tick, [](Game& g, int, std::string_view) { g.match().nextaction(); }));
    b.push_back(on("MusicTimer", Signal::Tick, [](Game& g, int, std::string_view) { g.sound().musicloop(); }));
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
