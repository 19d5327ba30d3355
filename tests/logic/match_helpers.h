#pragma once
// Shared set-ups for the match, settlement and season tests.

#include <algorithm>
#include <cstdint>
#include <string>

#include "core/random_source.h"
#include "headless_game.h"

namespace splat::testing {

// A week that can be settled without side trips: plenty of cash, far from
// the season end, a fixed set of pairings with team 1 meeting team 2.
inline void quietWeek(HeadlessGame& h) {
    GameState& s = h.state();
    s.cash = 1000000;
    s.week = 1;
    s.gamesPerSeason = 70;
    for (int e = 1; e <= kPairings; ++e) s.pairings[e] = Pairing{2 * e - 1, 2 * e};
    s.yourPairing = 1;
    s.opponentTeam = 2;
}

// Every player of `team` gets the same ratings and marker.
inline void setTeam(GameState& s, int team, int32_t shooting, int32_t tactics, int32_t marker) {
    for (int j = 1; j <= kPlayers; ++j) {
        s.players[team][j].shooting = shooting;
        s.players[team][j].tactics = tactics;
        s.players[team][j].marker = marker;
    }
}

inline bool matchRunning(const HeadlessGame& h) { return h.window.timerEnabled("Timer1"); }

// Presses "Start Game" and ticks until the match timer is off; the clock
// moves one second per tick when `moveClock` is set. Returns the ticks.
inline int playMatch(HeadlessGame& h, bool moveClock = true, int limit = 200) {
    h.game.match().StartClick();
    int ticks = 0;
    while (matchRunning(h) && ticks < limit) {
        if (moveClock) h.clock.set(h.clock.nowSeconds() + 1);
        h.game.match().nextaction();
        ++ticks;
    }
    return ticks;
}

// The first seed from 1 whose freshly seeded generator passes `wanted`.
template <class Wanted>
uint32_t seedWhere(Wanted wanted) {
    for (uint32_t seed = 1;; ++seed) {
        RandomSource r;
        r.seed(seed);
        if (wanted(r)) return seed;
    }
}

inline int countDialogs(const HeadlessGame& h, const std::string& name) {
    const auto dialogs = h.eventsOf(WindowEvent::Type::Dialog);
    return static_cast<int>(
        std::count_if(dialogs.begin(), dialogs.end(), [&](const WindowEvent& e) { return e.name == name; }));
}

// The last showing of dialog `name`, label `label`.
inline std::string dialogLabel(const HeadlessGame& h, const std::string& name, const std::string& label) {
    std::string text;
    bool found = false;
    for (const auto& e : h.eventsOf(WindowEvent::Type::Dialog)) {
        if (e.name != name) continue;
        for (const auto& [l, t] : e.labels) {
            if (l == label) {
                text = t;
                found = true;
            }
        }
    }
    return found ? text : "<no such label>";
}

inline int effectCount(const ListeningAudio& audio) {
    return static_cast<int>(std::count_if(audio.calls.begin(), audio.calls.end(),
                                          [](const std::string& c) { return c.rfind("effect ", 0) == 0; }));
}

// Points of `team`, wherever its row is.
inline int32_t pointsOf(const GameState& s, int32_t team) {
    for (int i = 1; i <= kTeams; ++i) {
        if (s.tableTeam[i] == team) return s.tablePoints[i];
    }
    return -1;
}

}  // namespace splat::testing
