// One tick of the match timer: each exchange of a match takes three ticks
// (set-up, development, resolution); after the fifteenth exchange, a hung
// flag or a side with all five players out, the week is settled in the same
// tick.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "core/effect_sizes.h"
#include "core/join.h"
#include "core/saturating.h"
#include "match/exchange.h"
#include "match/match_engine.h"
#include "match/match_rules.h"
#include "match/narration.h"

namespace splat {

namespace {

using namespace exchange;

// What a tick plays with: the state, the window, the random source and the
// effects.
struct Pitch {
    GameContext& ctx;
    Sound& sound;
    std::string said{};  // the line of play-by-play this tick, for the book

    GameState& state() { return ctx.state; }
    Window& window() { return ctx.window; }
    int32_t random(int32_t n) { return ctx.random(n); }
    void reseed() { ctx.reseed(); }
    void effect(std::string_view file) { sound.effect(file); }
};

// Edges and the bounds built from them are taken in 64 bits and kept in the
// 32-bit range, so extreme ratings cannot overflow.
int32_t bound(int64_t v) { return clampToInt32(v); }

// 1.5 x v truncated toward zero.
int32_t oneAndAHalf(int64_t v) { return bound((3 * v) / 2); }

narration::Names namesOf(const GameState& s) {
    const auto& ours = s.playerNames[1];
    const auto& theirs = s.playerNames[s.opponentTeam];
    return {ours[s.ourActor], theirs[s.theirActor], ours[s.ourFlagCarrier], theirs[s.theirFlagCarrier]};
}

// How the Next game page shows a side and what it sounds like.
struct SideLook {
    const char* statusStem;  // "ystatus" / "ostatus" + position
    const char* scoreLabel;
    const char* hitSound;     // one of this side is hit
    const char* pickUpSound;  // one of this side picks up the flag
};
constexpr SideLook kOurLook{"ystatus", "yscore", "org2.wav", "nice.wav"};
constexpr SideLook kTheirLook{"ostatus", "oscore", "smash.wav", "org1.wav"};

// One team's side of the match, where the state keeps it. Both teams play by
// the same rules; the tactics edge favours us (for them it counts negated),
// and only the player's own squad keeps season statistics.
struct Side {
    int32_t& actor;
    int32_t& flagCarrier;
    Indexed<bool, kPlayers>& hasFlag;
    Indexed<bool, kPlayers>& out;
    int32_t& score;
    int edgeSign;
    Indexed<Player, kPlayers>* squad;  // the players whose statistics count, or nullptr
    const SideLook& look;

    int64_t edge(const GameState& s) const { return edgeSign * int64_t{s.tacticsEdge}; }
};

Side ourSide(GameState& s) {
    return {s.ourActor, s.ourFlagCarrier, s.ourHasFlag, s.ourOut, s.ourScore, 1, &s.players[1], kOurLook};
}

Side theirSide(GameState& s) {
    return {s.theirActor, s.theirFlagCarrier, s.theirHasFlag, s.theirOut, s.theirScore, -1,
            nullptr,      kTheirLook};
}

const std::string& teamOf(const GameState& s, const Side& side) {
    return side.edgeSign > 0 ? s.teamName : s.teamNames[s.opponentTeam];
}

// The score as a screen reader says it: both sides, a side without points as 0.
void sayScore(Pitch& g) {
    const GameState& s = g.state();
    g.window().announce(join(s.teamName, " ", std::to_string(s.ourScore), ", ", s.teamNames[s.opponentTeam],
                             " ", std::to_string(s.theirScore)));
}

void showScore(Pitch& g, const Side& side) {
    g.window().setText(side.look.scoreLabel, std::to_string(side.score));
    sayScore(g);
}

std::string statusLabel(const Side& side, int32_t j) { return side.look.statusStem + std::to_string(j); }

int outCount(const Indexed<bool, kPlayers>& out) {
    int n = 0;
    for (int j = 1; j <= kPlayers; ++j) n += out[j] ? 1 : 0;
    return n;
}

// The victim's actor is out: a flag he carried is dropped, the other side
// scores, and a side with all five out ends the match with a bonus for the
// other (shown with the results).
void eliminate(Pitch& g, const Side& victim, const Side& shooter) {
    GameState& s = g.state();
    const int32_t m = victim.actor;
    if (victim.hasFlag[m]) {
        victim.flagCarrier = 0;
        victim.hasFlag[m] = false;
    }
    victim.out[m] = true;
    if (shooter.squad != nullptr) (*shooter.squad)[shooter.actor].hits += 1;
    g.window().setText(statusLabel(victim, m), "out");
    g.effect(victim.look.hitSound);
    shooter.score += kElimination;
    showScore(g, shooter);
    if (outCount(victim.out) == kPlayers) {
        s.matchOver = true;
        shooter.score += kAllOut;
        g.window().announce("All of " + teamOf(s, victim) + " out: " + std::to_string(kAllOut) + " more for " +
                            teamOf(s, shooter));
        sayScore(g);
    }
}

void pickUp(Pitch& g, const Side& side) {
    const int32_t m = side.actor;
    side.hasFlag[m] = true;
    side.flagCarrier = m;
    if (side.squad != nullptr) (*side.squad)[m].flagsPickedUp += 1;
    for (int32_t j = 1; j <= kPlayers; ++j) {
        if (side.hasFlag[j]) g.window().setText(statusLabel(side, j), "gets the flag");
    }
    g.effect(side.look.pickUpSound);
}

void say(Pitch& g, std::string line) {
    g.window().setText("action1", line);
    g.said = std::move(line);
}

// The kind of exchange for roll r and tactics edge t. The flag rules come
// first; every other roll falls in one of four bands of 25.
int32_t kindFor(const GameState& s, int32_t r, int32_t t) {
    const int32_t m = s.ourActor;
    const bool noCarrier = s.ourFlagCarrier == 0 && s.theirFlagCarrier == 0;
    if (r < int64_t{t} + 7 && s.ourFlagCarrier != 0) return kOurFlagHang;
    if (r < int64_t{7} - t && s.theirFlagCarrier != 0) return kTheirFlagHang;
    if (r < int64_t{s.priorityFlagBonus[m]} + t + 8 && noCarrier) return kOurFlagRun;
    if (r < int64_t{8} - t && noCarrier) return kTheirFlagRun;
    return kWeSpotThem +
           r / 25;  // 0..24 we spot them, 25..49 they spot us, 50..74 ambush on us, 75..99 on them
}

void setUp(Pitch& g) {
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
    s.shootingEdge =
        oneAndAHalf(int64_t{we.shooting} + s.shootingBoost[m] + s.priorityShootingBonus[m] +
                    kMarkerWeight * int64_t{we.marker} - they.shooting - kMarkerWeight * int64_t{they.marker});
    s.tacticsEdge = oneAndAHalf(int64_t{we.tactics} + s.tacticsBoost[m] - they.tactics);

    if (s.hasOrb[kOrbAccuracy]) addSaturating(s.shootingEdge, g.random(kAccuracyDie));
    if (s.hasOrb[kOrbWisdom]) addSaturating(s.tacticsEdge, g.random(kWisdomDie));
    if (s.hasOrb[kOrbChaos]) {
        addSaturating(s.shootingEdge, g.random(kChaosDie));
        addSaturating(s.tacticsEdge, g.random(kChaosDie));
    }

    s.exchangeRoll = g.random(100);
    s.exchangeKind = kindFor(s, s.exchangeRoll, s.tacticsEdge);

    const int32_t d = narration::announcementHasTwoWordings(s.exchangeKind) ? g.random(10) : 0;
    say(g, narration::announcement(s.exchangeKind, namesOf(s), d));
}

// The side's flag carrier tries to hang the flag, which ends the match.
void hangFlag(Pitch& g, const Side& side, std::string_view carrier) {
    GameState& s = g.state();
    if (g.random(bound(side.edge(s) + 10)) <= 5) return;
    say(g, narration::flagHung(carrier));
    if (side.squad != nullptr) (*side.squad)[side.flagCarrier].flagsHung += 1;
    side.score += kHungFlag;
    showScore(g, side);
    s.matchOver = true;
}

// The side's actor runs for the flag: he is hit on the way or picks it up.
void runForFlag(Pitch& g, const Side& side, const Side& other, std::string_view actor) {
    GameState& s = g.state();
    if (g.random(50) <= 25) return;
    if (g.random(bound(side.edge(s) + 15)) < 6) {
        say(g, narration::hitOnTheWay(actor));
        eliminate(g, side, other);
    } else {
        say(g, narration::flagPickedUp(actor));
        side.score += kPickUp;
        showScore(g, side);
        pickUp(g, side);
    }
}

void develop(Pitch& g) {
    GameState& s = g.state();
    const narration::Names n = namesOf(s);
    switch (s.exchangeKind) {
        case kOurFlagHang: hangFlag(g, ourSide(s), n.ourCarrier); break;
        case kTheirFlagHang: hangFlag(g, theirSide(s), n.theirCarrier); break;
        case kOurFlagRun: runForFlag(g, ourSide(s), theirSide(s), n.ours); break;
        case kTheirFlagRun: runForFlag(g, theirSide(s), ourSide(s), n.theirs); break;
        case kWeSpotThem:
        case kTheySpotUs:
        case kAmbushOnUs:
        case kAmbushOnThem: {
            const int32_t d = narration::developmentHasTwoWordings(s.exchangeKind) ? g.random(10) : 0;
            say(g, narration::development(s.exchangeKind, n, d));
            break;
        }
        default: break;
    }
}

void resolve(Pitch& g) {
    GameState& s = g.state();
    const int64_t sh = s.shootingEdge;
    const int64_t t = s.tacticsEdge;
    const int32_t kind = s.exchangeKind;
    bool success = false;
    switch (kind) {
        case kWeSpotThem: success = g.random(bound(sh + 20)) > 20; break;
        case kTheySpotUs: success = g.random(bound(20 - sh)) > 20; break;
        case kAmbushOnUs: success = g.random(bound(t + 20)) < 16; break;
        case kAmbushOnThem: success = g.random(bound(20 - t)) < 16; break;
        default: return;
    }
    say(g, narration::resolution(kind, namesOf(s), success));
    if (!success) return;
    // Our actor hits or ambushes, or is hit or ambushed.
    if (kind == kWeSpotThem || kind == kAmbushOnThem) {
        eliminate(g, theirSide(s), ourSide(s));
    } else {
        eliminate(g, ourSide(s), theirSide(s));
    }
}

}  // namespace

void MatchEngine::nextaction() {
    Pitch pitch{ctx_, sound_};
    s_.matchOver = false;
    s_.matchPhase += 1;
    if (s_.matchPhase == 4) {
        win_.setText("action1", "");
        s_.matchPhase = 1;
        s_.matchMinute += 1;
        win_.setText("lbltime", std::to_string(s_.matchMinute));
    }

    switch (s_.matchPhase) {
        case 1: setUp(pitch); break;
        case 2: develop(pitch); break;
        case 3: resolve(pitch); break;
        default: break;
    }
    book_.playLine(pitch.said);  // with the score the line left

    if ((s_.matchMinute == kLastExchange && s_.matchPhase == 3) || s_.matchOver) {
        win_.setTimerEnabled("Timer1", false);
        running_ = false;
        held_ = false;
        win_.setVisible("pause", false);
        week_.settleMatch();
    }
}

void MatchEngine::eliminateOurs() {
    Pitch pitch{ctx_, sound_};
    eliminate(pitch, ourSide(s_), theirSide(s_));
}

void MatchEngine::eliminateTheirs() {
    Pitch pitch{ctx_, sound_};
    eliminate(pitch, theirSide(s_), ourSide(s_));
}

}  // namespace splat
