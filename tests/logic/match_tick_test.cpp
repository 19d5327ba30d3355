// The match tick: length of a match, its early ends, the draws of an
// exchange, the kinds and the outcomes.

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <vector>

#include "match/narration.h"
#include "match_helpers.h"

namespace splat::testing {
namespace {

// Even teams (both edges 0), no orbs, no boosts, no priorities.
void evenMatch(HeadlessGame& h) {
    quietWeek(h);
    GameState& s = h.state();
    setTeam(s, 1, 20, 20, 1);
    setTeam(s, 2, 20, 20, 1);
    for (int k = 1; k <= kOrbs; ++k) s.hasOrb[k] = 0;
    for (int j = 1; j <= kPlayers; ++j) {
        s.shootingBoost[j] = s.tacticsBoost[j] = 0;
        s.priorityShootingBonus[j] = s.priorityFlagBonus[j] = 0;
    }
}

// Runs only the set-up of a new exchange at clock `seconds`.
void setUpExchangeAt(HeadlessGame& h, int64_t seconds) {
    h.state().matchPhase = 3;
    h.state().matchMinute = 3;
    h.clock.set(seconds);
    h.game.match().nextaction();
}

// Records the score captions at the moment the results dialog opens.
struct ScoreWatch {
    explicit ScoreWatch(HeadlessGame& h) {
        h.window.setListener([this, &h](const WindowEvent& e) {
            h.events.push_back(e);
            if (e.type == WindowEvent::Type::Dialog && e.name == "Tresults") {
                yscore = h.text("yscore");
                oscore = h.text("oscore");
                action = h.text("action1");
                phase = h.state().matchPhase;
            }
        });
    }
    std::string yscore = "<none>";
    std::string oscore = "<none>";
    std::string action;
    int phase = 0;
};

bool untouched(const GameState& s) {
    for (int j = 1; j <= kPlayers; ++j) {
        if (s.ourOut[j] || s.theirOut[j]) return false;
    }
    return s.ourScore == 0 && s.theirScore == 0 && s.ourFlagCarrier == 0 && s.theirFlagCarrier == 0;
}

TEST(MatchLength, AMatchWithoutAnEarlyEndLastsExactly45Ticks) {
    // With a fixed clock every exchange reseeds to the same draws; pick a
    // second whose exchange changes nothing, so all fifteen are alike.
    HeadlessGame h;
    evenMatch(h);
    int64_t second = 2000000000;
    for (;; ++second) {
        ASSERT_LT(second, 2000000200) << "no quiet second found";
        h.clock.set(second);
        h.game.match().StartClick();
        for (int i = 0; i < 3; ++i) h.game.match().nextaction();
        const bool quiet = untouched(h.state()) && matchRunning(h);
        h.window.setTimerEnabled("Timer1", false);
        if (quiet) break;
    }

    h.events.clear();
    h.game.match().StartClick();
    int ticks = 0;
    while (matchRunning(h) && ticks < 100) {
        h.game.match().nextaction();
        ++ticks;
        if (ticks < 45) {
            ASSERT_TRUE(matchRunning(h)) << "ended early at tick " << ticks;
            ASSERT_EQ(h.state().matchMinute, (ticks - 1) / 3 + 1);
            ASSERT_EQ(h.text("lbltime"), std::to_string(h.state().matchMinute));
        }
    }
    EXPECT_EQ(ticks, 45);
    EXPECT_EQ(h.state().matchMinute, 15);
    EXPECT_EQ(h.state().matchPhase, 3);
    EXPECT_EQ(countDialogs(h, "Tresults"), 1);
    EXPECT_TRUE(h.window.visible("Start"));
    EXPECT_EQ(h.text("action1"), "");
}

TEST(MatchEnd, AHungFlagEndsTheMatchInPhaseTwoWithTheTwentyPointsShown) {
    HeadlessGame h;
    evenMatch(h);
    GameState& s = h.state();
    setTeam(s, 1, 20, 100, 1);  // tactics edge 120: every exchange is a hang attempt
    ScoreWatch watch(h);
    h.game.match().StartClick();
    s.ourFlagCarrier = 3;
    s.ourHasFlag[3] = 1;
    const int32_t hungBefore = s.players[1][3].flagsHung;
    const std::string carrier = s.playerNames[1][3];

    int ticks = 0;
    while (matchRunning(h) && ticks < 45) {
        h.clock.set(h.clock.nowSeconds() + 1);
        h.game.match().nextaction();
        ++ticks;
    }
    EXPECT_EQ(ticks % 3, 2);
    EXPECT_EQ(watch.phase, 2);
    EXPECT_EQ(s.exchangeKind, 7);
    EXPECT_EQ(watch.yscore, "20");
    EXPECT_EQ(watch.action, carrier + " hangs the flag !!! ");
    EXPECT_EQ(dialogLabel(h, "Tresults", "yoscore"), "20");
    EXPECT_EQ(s.players[1][3].flagsHung, hungBefore + 1);
}

struct Exchange : GameTest {
    Exchange() {
        evenMatch(h);
        h.game.match().StartClick();
    }
};

TEST_F(Exchange, TheFifthEliminationAddsFiveShownAndTwentyNotShown) {
    s.theirOut[1] = s.theirOut[2] = s.theirOut[3] = s.theirOut[4] = 1;
    s.ourScore = 10;
    s.ourActor = 2;
    s.theirActor = 5;
    const int32_t hits = s.players[1][2].hits;

    h.game.match().eliminateTheirs();

    EXPECT_EQ(s.ourScore, 35);
    EXPECT_EQ(h.text("yscore"), "15");
    EXPECT_EQ(h.text("ostatus5"), "out");
    EXPECT_EQ(s.players[1][2].hits, hits + 1);
    EXPECT_EQ(s.matchOver, 1);

    s.matchOver = 0;
    s.ourOut[1] = s.ourOut[2] = s.ourOut[3] = s.ourOut[5] = 1;
    s.theirScore = 0;
    s.ourActor = 4;
    h.game.match().eliminateOurs();
    EXPECT_EQ(s.theirScore, 25);
    EXPECT_EQ(h.text("oscore"), "5");
    EXPECT_EQ(h.text("ystatus4"), "out");
    EXPECT_EQ(s.matchOver, 1);
}

TEST_F(Exchange, TheFifthEliminationInATickEndsTheMatchWithTheBonusInTheResults) {
    ScoreWatch watch(h);
    s.theirOut[1] = s.theirOut[2] = s.theirOut[3] = s.theirOut[4] = 1;
    s.ourScore = 10;
    s.ourActor = 2;
    s.theirActor = 5;
    s.exchangeKind = 4;  // their blind spot: an ambush when random(20 - t) < 16
    s.tacticsEdge = 0;
    s.matchPhase = 2;
    h.game.randomSource().seed(seedWhere([](RandomSource& r) { return r.random(20) < 16; }));

    h.game.match().nextaction();

    EXPECT_FALSE(matchRunning(h));
    EXPECT_EQ(watch.phase, 3);
    EXPECT_EQ(watch.yscore, "15");
    EXPECT_EQ(dialogLabel(h, "Tresults", "yoscore"), "35");
}

TEST_F(Exchange, AnEliminatedCarrierFreesTheFlagForEitherSide) {
    s.theirFlagCarrier = 2;
    s.theirHasFlag[2] = 1;
    s.ourActor = 1;
    s.theirActor = 2;
    h.game.match().eliminateTheirs();
    EXPECT_EQ(s.theirFlagCarrier, 0);
    EXPECT_EQ(s.theirHasFlag[2], 0);
    EXPECT_EQ(s.ourFlagCarrier, 0);

    // With both carriers gone, a flag run is possible at once.
    for (int j = 1; j <= kPlayers; ++j) s.priorityFlagBonus[j] = 100;
    setUpExchangeAt(h, 1500000000);
    EXPECT_EQ(s.exchangeKind, 5);

    // A carrier of ours who is eliminated frees it too; a team-mate does not.
    for (int j = 1; j <= kPlayers; ++j) s.priorityFlagBonus[j] = 0;
    s.ourFlagCarrier = 3;
    s.ourHasFlag[3] = 1;
    s.ourActor = 4;
    h.game.match().eliminateOurs();
    EXPECT_EQ(s.ourFlagCarrier, 3);
    s.ourActor = 3;
    h.game.match().eliminateOurs();
    EXPECT_EQ(s.ourFlagCarrier, 0);
    EXPECT_EQ(s.ourHasFlag[3], 0);
    setTeam(s, 2, 20, 120, 1);  // tactics edge far below zero: their flag run
    setUpExchangeAt(h, 1500000001);
    EXPECT_EQ(s.exchangeKind, 6);
}

TEST_F(Exchange, NoFlagRunWhileEitherSideHasACarrier) {
    for (int j = 1; j <= kPlayers; ++j) s.priorityFlagBonus[j] = 100;
    for (int64_t second = 1500000000; second < 1500000100; ++second) {
        s.ourFlagCarrier = s.theirFlagCarrier = 0;
        setUpExchangeAt(h, second);
        ASSERT_EQ(s.exchangeKind, 5) << "a free flag and a high priority: always a run";

        s.ourFlagCarrier = 1;
        setUpExchangeAt(h, second);
        EXPECT_NE(s.exchangeKind, 5);
        EXPECT_NE(s.exchangeKind, 6);
        EXPECT_EQ(s.exchangeKind == 7, s.exchangeRoll < 7);

        s.ourFlagCarrier = 0;
        s.theirFlagCarrier = 1;
        setUpExchangeAt(h, second);
        EXPECT_NE(s.exchangeKind, 5);
        EXPECT_NE(s.exchangeKind, 6);
        EXPECT_EQ(s.exchangeKind == 8, s.exchangeRoll < 7);
    }
}

TEST_F(Exchange, RollsOnTheBandEdgesJoinTheBandAbove) {
    // A tactics edge of 9 and a low priority rule out every flag kind.
    setTeam(s, 1, 20, 26, 1);
    for (int j = 1; j <= kPlayers; ++j) s.priorityFlagBonus[j] = -100;
    std::map<int32_t, int32_t> kindOfRoll;
    for (int64_t second = 1000000000; second < 1000030000 && kindOfRoll.size() < 100; ++second) {
        s.exchangeKind = 7;  // a leftover kind must never replay
        setUpExchangeAt(h, second);
        ASSERT_EQ(s.tacticsEdge, 9);
        kindOfRoll[s.exchangeRoll] = s.exchangeKind;
    }
    ASSERT_EQ(kindOfRoll.size(), 100u);
    for (const auto& [roll, kind] : kindOfRoll) {
        const int32_t expected = roll < 25 ? 1 : roll < 50 ? 2 : roll < 75 ? 3 : 4;
        EXPECT_EQ(kind, expected) << "roll " << roll;
    }
}

TEST_F(Exchange, WhenOurFifthPlayerActsTheOpponentIsTheFifthOrADrawnOne) {
    s.ourOut[1] = s.ourOut[2] = s.ourOut[3] = s.ourOut[4] = 1;
    int sawFifth = 0;
    int sawOther = 0;
    for (bool fifthOut : {false, true}) {
        s.theirOut[5] = fifthOut;
        for (int64_t second = 1200000000; second < 1200000200; ++second) {
            RandomSource ref;
            ref.seed(static_cast<uint32_t>(second));
            while (ref.random(5) + 1 != 5) {
            }
            const bool next = ref.random(10) > 5;
            int32_t expected = 5;
            if (next || fifthOut) {
                do {
                    expected = ref.random(5) + 1;
                } while (s.theirOut[expected]);
            }
            setUpExchangeAt(h, second);
            ASSERT_EQ(s.ourActor, 5);
            ASSERT_EQ(s.theirActor, expected) << "second " << second;
            (s.theirActor == 5 ? sawFifth : sawOther) += 1;
        }
    }
    EXPECT_GT(sawFifth, 0);
    EXPECT_GT(sawOther, 0);
}

TEST_F(Exchange, PlayersAlreadyOutAreNeverDrawn) {
    s.ourOut[1] = s.ourOut[3] = s.ourOut[4] = s.ourOut[5] = 1;
    s.theirOut[1] = s.theirOut[2] = s.theirOut[4] = s.theirOut[5] = 1;
    for (int64_t second = 1300000000; second < 1300000050; ++second) {
        setUpExchangeAt(h, second);
        EXPECT_EQ(s.ourActor, 2);
        EXPECT_EQ(s.theirActor, 3);
    }
}

TEST_F(Exchange, TheSetUpDrawsActorsOrbDiceRollAndWordingInThisOrder) {
    // Our ratings 30/30 with marker 2 against 25/24 with marker 1; a boost of
    // 2 and a shooting adjustment of -1 on every slot: shooting edge
    // 1.5 x 9 = 13, tactics edge 1.5 x 6 = 9; all three edge orbs.
    setTeam(s, 1, 30, 30, 2);
    setTeam(s, 2, 25, 24, 1);
    for (int j = 1; j <= kPlayers; ++j) {
        s.shootingBoost[j] = 2;
        s.priorityShootingBonus[j] = -1;
        s.priorityFlagBonus[j] = -100;
    }
    s.hasOrb[1] = s.hasOrb[2] = s.hasOrb[4] = 1;
    s.ourOut[2] = 1;
    s.theirOut[3] = 1;

    for (int64_t second = 1100000000; second < 1100000060; ++second) {
        RandomSource ref;
        ref.seed(static_cast<uint32_t>(second));
        int32_t m = 0;
        do {
            m = ref.random(5) + 1;
        } while (s.ourOut[m]);
        int32_t o = m + (ref.random(10) > 5 ? 1 : 0);
        if (o > 5 || s.theirOut[o]) {
            do {
                o = ref.random(5) + 1;
            } while (s.theirOut[o]);
        }
        const int32_t accuracy = ref.random(6);
        const int32_t wisdom = ref.random(6);
        const int32_t chaosShooting = ref.random(8);
        const int32_t chaosTactics = ref.random(8);
        const int32_t roll = ref.random(100);
        const int32_t d = ref.random(10);

        setUpExchangeAt(h, second);

        ASSERT_EQ(s.ourActor, m);
        ASSERT_EQ(s.theirActor, o);
        EXPECT_EQ(s.shootingEdge, 13 + accuracy + chaosShooting);
        EXPECT_EQ(s.tacticsEdge, 9 + wisdom + chaosTactics);
        EXPECT_EQ(s.exchangeRoll, roll);
        const narration::Names names{s.playerNames[1][m], s.playerNames[2][o], "", ""};
        EXPECT_EQ(h.text("action1"), narration::announcement(s.exchangeKind, names, d));
        EXPECT_EQ(h.game.randomSource().state(), ref.state());
    }
}

TEST_F(Exchange, EdgesTruncateTowardZeroAndStayInRange) {
    setTeam(s, 1, 20, 23, 1);
    setTeam(s, 2, 23, 20, 1);
    setUpExchangeAt(h, 1400000000);
    EXPECT_EQ(s.shootingEdge, -4);  // 1.5 x -3
    EXPECT_EQ(s.tacticsEdge, 4);    // 1.5 x 3

    // Ratings far beyond any season's growth saturate instead of wrapping.
    const int32_t huge = std::numeric_limits<int32_t>::max() - 5;
    setTeam(s, 1, huge, huge, 11);
    setTeam(s, 2, -huge, -huge, 0);
    s.hasOrb[1] = s.hasOrb[2] = s.hasOrb[4] = 1;
    for (int64_t second = 1400000001; second < 1400000010; ++second) {
        setUpExchangeAt(h, second);
        EXPECT_EQ(s.shootingEdge, std::numeric_limits<int32_t>::max());
        EXPECT_EQ(s.tacticsEdge, std::numeric_limits<int32_t>::max());
        h.game.match().nextaction();
        h.game.match().nextaction();
    }
}

TEST_F(Exchange, AHangAttemptIsAnnouncedForTheCarrierWhoeverActs) {
    s.ourFlagCarrier = 3;
    s.ourHasFlag[3] = 1;
    setTeam(s, 1, 20, 100, 1);  // tactics edge 120: always kind 7
    int otherActor = 0;
    for (int64_t second = 1450000000; second < 1450000020; ++second) {
        setUpExchangeAt(h, second);
        ASSERT_EQ(s.exchangeKind, 7);
        EXPECT_EQ(h.text("action1"), s.playerNames[1][3] + " makes a move to grab the flag !  ");
        otherActor += s.ourActor != 3;
    }
    EXPECT_GT(otherActor, 0);

    s.ourFlagCarrier = 0;
    s.ourHasFlag[3] = 0;
    s.theirFlagCarrier = 2;
    s.theirHasFlag[2] = 1;
    setTeam(s, 1, 20, 20, 1);
    setTeam(s, 2, 20, 120, 1);  // tactics edge -150: always kind 8
    for (int64_t second = 1450000000; second < 1450000020; ++second) {
        setUpExchangeAt(h, second);
        ASSERT_EQ(s.exchangeKind, 8);
        EXPECT_EQ(h.text("action1"), s.playerNames[2][2] + " makes a move to grab the flag !  ");
    }
}

TEST_F(Exchange, OurPickUpScoresTenShowsTheFlagAndPlaysNice) {
    s.exchangeKind = 5;
    s.ourActor = 4;
    s.matchPhase = 1;
    h.game.randomSource().seed(
        seedWhere([](RandomSource& r) { return r.random(50) > 25 && r.random(15) >= 6; }));
    const int32_t before = s.players[1][4].flagsPickedUp;

    h.game.match().nextaction();

    EXPECT_EQ(h.text("action1"), s.playerNames[1][4] + " picks up the flag !!!");
    EXPECT_EQ(s.ourScore, 10);
    EXPECT_EQ(h.text("yscore"), "10");
    EXPECT_EQ(s.ourFlagCarrier, 4);
    EXPECT_EQ(s.ourHasFlag[4], 1);
    EXPECT_EQ(h.text("ystatus4"), "gets the flag");
    EXPECT_EQ(s.players[1][4].flagsPickedUp, before + 1);
    ASSERT_FALSE(h.audio.calls.empty());
    EXPECT_EQ(h.audio.calls.back(), "effect nice.wav");
}

TEST_F(Exchange, TheirRunnerHitOnTheWayCountsAsOurHit) {
    s.exchangeKind = 6;
    s.ourActor = 1;
    s.theirActor = 2;
    s.matchPhase = 1;
    h.game.randomSource().seed(
        seedWhere([](RandomSource& r) { return r.random(50) > 25 && r.random(15) < 6; }));
    const int32_t hits = s.players[1][1].hits;

    h.game.match().nextaction();

    EXPECT_EQ(h.text("action1"), s.playerNames[2][2] + " took a hit in the ass");
    EXPECT_EQ(s.theirOut[2], 1);
    EXPECT_EQ(s.players[1][1].hits, hits + 1);
    EXPECT_EQ(s.ourScore, 5);
    EXPECT_EQ(s.theirScore, 0);
    ASSERT_FALSE(h.audio.calls.empty());
    EXPECT_EQ(h.audio.calls.back(), "effect smash.wav");
}

// Plays one match at the given sound setting and records every line.
std::vector<std::string> playRecorded(HeadlessGame& h, bool sound) {
    evenMatch(h);
    setTeam(h.state(), 1, 25, 22, 2);
    h.state().soundOn = sound;
    h.audio.calls.clear();
    h.game.match().StartClick();
    std::vector<std::string> lines;
    while (matchRunning(h) && lines.size() < 100) {
        h.clock.set(h.clock.nowSeconds() + 1);
        h.game.match().nextaction();
        lines.push_back(h.text("action1") + "|" + h.text("yscore") + "|" + h.text("oscore"));
    }
    return lines;
}

TEST(MatchSound, WithSoundOffNothingIsRequestedAndTheMatchIsTheSame) {
    HeadlessGame loud;
    HeadlessGame quiet;
    const auto loudLines = playRecorded(loud, true);
    const auto quietLines = playRecorded(quiet, false);
    ASSERT_GT(effectCount(loud.audio), 0) << "the match should have had effects to silence";
    EXPECT_EQ(effectCount(quiet.audio), 0);
    EXPECT_EQ(loudLines, quietLines);
    EXPECT_EQ(loud.state().ourScore, quiet.state().ourScore);
    EXPECT_EQ(loud.state().theirScore, quiet.state().theirScore);
    EXPECT_EQ(loud.state().cash, quiet.state().cash);
}

}  // namespace
}  // namespace splat::testing
