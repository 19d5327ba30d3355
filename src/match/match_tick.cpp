// One tick of the match timer: each exchange of a match takes three ticks
// (set-up, development, resolution); after the fifteenth exchange, a hung
// flag or a side with all five players out, the week is settled in the same
// tick.

#include <cstdint>
#include <string>

#include "match/match.h"
#include "core/saturating.h"
#include "match/narration.h"

namespace splat {

namespace {

constexpr int32_t kLastExchange = 15;
constexpr int32_t kElimination = 5;
constexpr int32_t kPickUp = 10;
constexpr int32_t kHungFlag = 20;
constexpr int32_t kAllOut = 20;

// Edges and the bounds built from them are taken in 64 bits and kept in the
// 32-bit range, so extreme ratings cannot overflow.
int32_t bound(int64_t v) { return clampToInt32(v); }

// 1.5 x v truncated toward zero.
int32_t oneAndAHalf(int64_t v) { return bound((3 * v) / 2); }

std::string statusLabel(const char* side, int32_t j) { return side + std::to_string(j); }

narration::Names namesOf(const GameState& s) {
    const auto& ours = s.playerNames[1];
    const auto& theirs = s.playerNames[s.opponentTeam];
    return {ours[s.ourActor], theirs[s.theirActor], ours[s.ourFlagCarrier], theirs[s.theirFlagCarrier]};
}

void showScores(Match& g, bool ours) {
    if (ours) {
        g.window().setText("yscore", std::to_string(g.state().ourScore));
    } else {
        g.window().setText("oscore", std::to_string(g.state().theirScore));
    }
}

void say(Match& g, const std::string& line) { g.window().setText("action1", line); }

// The kind of exchange for roll r and tactics edge t. The flag rules come
// first; every other roll falls in one of four bands of 25.
int32_t kindFor(const GameState& s, int32_t r, int32_t t) {
    const int32_t m = s.ourActor;
    const bool noCarrier = s.ourFlagCarrier == 0 && s.theirFlagCarrier == 0;
    if (r < int64_t{t} + 7 && s.ourFlagCarrier != 0) return 7;
    if (r < int64_t{7} - t && s.theirFlagCarrier != 0) return 8;
    if (r < int64_t{s.priorityFlagBonus[m]} + t + 8 && noCarrier) return 5;
    if (r < int64_t{8} - t && noCarrier) return 6;
    return 1 + r / 25;  // 0..24 -> 1, 25..49 -> 2, 50..74 -> 3, 75..99 -> 4
}

void setUp(Match& g) {
    GameState& s = g.state();
    g.reseed();

    do {
        s.ourActor = g.random(5) + 1;
    } while (s.ourOut[s.ourActor]);

    // Players meet the opponent in the same or the next position.
    const int32_t preferred = s.ourActor + (g.random(10) > 5 ? 1 : 0);
    if (preferred <= kPlayers && !s.theirOut[preferred]) {
        s.theirActor = preferred;
    } else {
        do {
            s.theirActor = g.random(5) + 1;
        } while (s.theirOut[s.theirActor]);
    }

    const int32_t m = s.ourActor;
    const Player& we = s.players[1][m];
    const Player& they = s.players[s.opponentTeam][s.theirActor];
    s.shootingEdge = oneAndAHalf(int64_t{we.shooting} + s.shootingBoost[m] + s.priorityShootingBonus[m] +
                                 3 * int64_t{we.marker} - they.shooting - 3 * int64_t{they.marker});
    s.tacticsEdge = oneAndAHalf(int64_t{we.tactics} + s.tacticsBoost[m] - they.tactics);

    if (s.hasOrb[kOrbAccuracy]) s.shootingEdge = bound(int64_t{s.shootingEdge} + g.random(6));
    if (s.hasOrb[kOrbWisdom]) s.tacticsEdge = bound(int64_t{s.tacticsEdge} + g.random(6));
    if (s.hasOrb[kOrbChaos]) {
        s.shootingEdge = bound(int64_t{s.shootingEdge} + g.random(8));
        s.tacticsEdge = bound(int64_t{s.tacticsEdge} + g.random(8));
    }

    s.exchangeRoll = g.random(100);
    s.exchangeKind = kindFor(s, s.exchangeRoll, s.tacticsEdge);

    const int32_t d = narration::announcementHasTwoWordings(s.exchangeKind) ? g.random(10) : 0;
    say(g, narration::announcement(s.exchangeKind, namesOf(s), d));
}

void develop(Match& g) {
    GameState& s = g.state();
    const int32_t t = s.tacticsEdge;
    const narration::Names n = namesOf(s);
    switch (s.exchangeKind) {
    case 7:
        if (g.random(bound(int64_t{t} + 10)) > 5) {
            say(g, narration::flagHung(n.ourCarrier));
            s.players[1][s.ourFlagCarrier].flagsHung += 1;
            s.ourScore += kHungFlag;
            showScores(g, true);
            s.matchOver = 1;
        }
        break;
    case 8:
        if (g.random(bound(int64_t{10} - t)) > 5) {
            say(g, narration::flagHung(n.theirCarrier));
            s.theirScore += kHungFlag;
            showScores(g, false);
            s.matchOver = 1;
        }
        break;
    case 5:
        if (g.random(50) > 25) {
            if (g.random(bound(int64_t{t} + 15)) < 6) {
                say(g, narration::hitOnTheWay(n.ours));
                g.eliminateOurs();
            } else {
                say(g, narration::flagPickedUp(n.ours));
                s.ourScore += kPickUp;
                showScores(g, true);
                g.pickUpOurs();
            }
        }
        break;
    case 6:
        if (g.random(50) > 25) {
            if (g.random(bound(int64_t{15} - t)) < 6) {
                say(g, narration::hitOnTheWay(n.theirs));
                g.eliminateTheirs();
            } else {
                say(g, narration::flagPickedUp(n.theirs));
                s.theirScore += kPickUp;
                showScores(g, false);
                g.pickUpTheirs();
            }
        }
        break;
    case 1:
    case 2:
    case 3:
    case 4: {
        const int32_t d = narration::developmentHasTwoWordings(s.exchangeKind) ? g.random(10) : 0;
        say(g, narration::development(s.exchangeKind, n, d));
        break;
    }
    default: break;
    }
}

void resolve(Match& g) {
    GameState& s = g.state();
    const int64_t sh = s.shootingEdge;
    const int64_t t = s.tacticsEdge;
    const int32_t kind = s.exchangeKind;
    bool success = false;
    switch (kind) {
    case 1: success = g.random(bound(sh + 20)) > 20; break;
    case 2: success = g.random(bound(20 - sh)) > 20; break;
    case 3: success = g.random(bound(t + 20)) < 16; break;
    case 4: success = g.random(bound(20 - t)) < 16; break;
    default: return;
    }
    say(g, narration::resolution(kind, namesOf(s), success));
    if (!success) return;
    // Our actor hits or ambushes (1, 4), or is hit or ambushed (2, 3).
    if (kind == 1 || kind == 4) {
        g.eliminateTheirs();
    } else {
        g.eliminateOurs();
    }
}

int outCount(const Indexed<uint8_t, kPlayers>& out) {
    int n = 0;
    for (int j = 1; j <= kPlayers; ++j) n += out[j] ? 1 : 0;
    return n;
}

}  // namespace

void Match::nextaction() {
    s_.matchOver = 0;
    s_.matchPhase += 1;
    if (s_.matchPhase == 4) {
        win_.setText("action1", "");
        s_.matchPhase = 1;
        s_.matchMinute += 1;
        win_.setText("lbltime", std::to_string(s_.matchMinute));
    }

    switch (s_.matchPhase) {
    case 1: setUp(*this); break;
    case 2: develop(*this); break;
    case 3: resolve(*this); break;
    default: break;
    }

    if ((s_.matchMinute == kLastExchange && s_.matchPhase == 3) || s_.matchOver == 1) {
        win_.setTimerEnabled("Timer1", false);
        settleMatch();
    }
}

void Match::eliminateOurs() {
    const int32_t m = s_.ourActor;
    if (s_.ourHasFlag[m] == 1) {
        s_.ourFlagCarrier = 0;
        s_.ourHasFlag[m] = 0;
    }
    s_.ourOut[m] = 1;
    win_.setText(statusLabel("ystatus", m), "out");
    effect("org2.wav");
    s_.theirScore += kElimination;
    showScores(*this, false);
    if (outCount(s_.ourOut) == kPlayers) {
        s_.matchOver = 1;
        s_.theirScore += kAllOut;  // shown with the results
    }
}

void Match::eliminateTheirs() {
    const int32_t o = s_.theirActor;
    if (s_.theirHasFlag[o] == 1) {
        s_.theirFlagCarrier = 0;
        s_.theirHasFlag[o] = 0;
    }
    s_.theirOut[o] = 1;
    s_.players[1][s_.ourActor].hits += 1;
    win_.setText(statusLabel("ostatus", o), "out");
    effect("smash.wav");
    s_.ourScore += kElimination;
    showScores(*this, true);
    if (outCount(s_.theirOut) == kPlayers) {
        s_.matchOver = 1;
        s_.ourScore += kAllOut;  // shown with the results
    }
}

void Match::pickUpOurs() {
    const int32_t m = s_.ourActor;
    s_.ourHasFlag[m] = 1;
    s_.ourFlagCarrier = m;
    s_.players[1][m].flagsPickedUp += 1;
    for (int32_t j = 1; j <= kPlayers; ++j) {
        if (s_.ourHasFlag[j] == 1) win_.setText(statusLabel("ystatus", j), "gets the flag");
    }
    effect("nice.wav");
}

void Match::pickUpTheirs() {
    const int32_t o = s_.theirActor;
    s_.theirHasFlag[o] = 1;
    s_.theirFlagCarrier = o;
    for (int32_t j = 1; j <= kPlayers; ++j) {
        if (s_.theirHasFlag[j] == 1) win_.setText(statusLabel("ostatus", j), "gets the flag");
    }
    effect("org1.wav");
}

}  // namespace splat
