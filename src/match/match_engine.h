#pragma once
// The week's match: kick-off and speeds, and the match timer's tick, one
// line of play-by-play per step. The last tick hands over to the week's
// settlement. Writes the match in progress (`ourScore`, `theirScore`,
// `matchMinute`, `matchPhase`, `matchOver`, the exchange, actors, edges,
// flags and outs), `gameSpeed` and the squad's season statistics.

#include "core/game_context.h"
#include "core/season_book.h"
#include "core/sound.h"
#include "match/week.h"

namespace splat {

class MatchEngine {
public:
    MatchEngine(GameContext& context, Sound& sound, SeasonBook& book, Week& week)
        : ctx_(context), s_(context.state), win_(context.window), sound_(sound), book_(book), week_(week) {}

    // match/match_start.cpp
    void StartClick();
    void fastactionClick();
    void normalactionClick();
    void slowactionClick();
    // Holds the running match or lets it go on from where it stood (the
    // "pause" control, added beside the page); nothing else changes.
    void pauseClick();
    // match/match_tick.cpp
    void nextaction();  // Timer1 tick
    void eliminateOurs();
    void eliminateTheirs();

private:
    void setSpeed(int milliseconds);

    GameContext& ctx_;
    GameState& s_;
    Window& win_;
    Sound& sound_;
    SeasonBook& book_;
    Week& week_;
    bool running_ = false;  // between the kick-off and the last tick
    bool held_ = false;
};

}  // namespace splat
