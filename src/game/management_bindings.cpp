#include "game/management_bindings.h"

#include <string>

#include "core/control_names.h"
#include "game/game.h"

namespace splat {
namespace {


Binding click(std::string control, void (Game::*handler)()) {
    return Binding{std::move(control), Signal::Click,
                   [handler](Game& g, int, std::string_view) { (g.*handler)(); }};
}

// A numbered family of buttons, stem1 .. stemLast, each calling handler(n).
void family(std::vector<Binding>& b, const char* stem, int last, void (Game::*handler)(int)) {
    for (int n = 1; n <= last; ++n) {
        b.push_back(Binding{numbered(stem, n), Signal::Click,
                            [handler, n](Game& g, int, std::string_view) { (g.*handler)(n); }});
    }
}

}  // namespace

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
        b.push_back(Binding{numbered("pr", k), Signal::Select,
                            [k](Game& g, int item, std::string_view) { g.prClick(k, item); }});
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

}  // namespace splat
