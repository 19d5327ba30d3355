// The play-by-play lines: exact texts, the choice between two wordings and
// the moment of its draw.

#include <gtest/gtest.h>

#include "match/narration.h"
#include "match_helpers.h"

namespace splat::testing {
namespace {

using narration::Names;

const Names kNames{"Ann", "Bob", "Cid", "Dan"};

TEST(NarrationLines, AnnouncementsOfTheFlagKindsNameCarrierOrRunnerAndEndInTwoBlanks) {
    EXPECT_EQ(narration::announcement(7, kNames, 0), "Cid makes a move to grab the flag !  ");
    EXPECT_EQ(narration::announcement(8, kNames, 9), "Dan makes a move to grab the flag !  ");
    EXPECT_EQ(narration::announcement(5, kNames, 0), "Ann is making for the flag.  ");
    EXPECT_EQ(narration::announcement(6, kNames, 0), "Bob is making for the flag.  ");
    EXPECT_EQ(narration::announcement(0, kNames, 0), "");
}

TEST(NarrationLines, AnnouncementsOfKindsOneToFourSwitchBetweenThreeAndFour) {
    EXPECT_EQ(narration::announcement(1, kNames, 3), "Ann sees Bob running toward a barricade");
    EXPECT_EQ(narration::announcement(1, kNames, 4), "Ann spots Bob near a barricade");
    EXPECT_EQ(narration::announcement(2, kNames, 3), "Bob spots Ann near a barricade");
    EXPECT_EQ(narration::announcement(2, kNames, 4), "Bob sees Ann running toward a barricade");
    EXPECT_EQ(narration::announcement(3, kNames, 0), "Ann feels some dude is about to trash him ");
    EXPECT_EQ(narration::announcement(3, kNames, 9), "Ann sees paint hit a tree right by him ");
    EXPECT_EQ(narration::announcement(4, kNames, 3), "Bob feels some dude is about to trash him ");
    EXPECT_EQ(narration::announcement(4, kNames, 4), "Bob sees paint hit a tree right by him ");
}

TEST(NarrationLines, DevelopmentThresholdsDifferBetweenOurAndTheirSighting) {
    // Ours: cautious for d <= 3, threatening for d >= 4.
    EXPECT_EQ(narration::development(1, kNames, 3), "Ann thinks he can take out Bob");
    EXPECT_EQ(narration::development(1, kNames, 4), "Ann decides to get closer and trash Bob");
    // Theirs: threatening for d <= 6, cautious for d >= 7.
    EXPECT_EQ(narration::development(2, kNames, 4), "Bob decides to get closer and trash Ann");
    EXPECT_EQ(narration::development(2, kNames, 6), "Bob decides to get closer and trash Ann");
    EXPECT_EQ(narration::development(2, kNames, 7), "Bob thinks he can take out Ann");
    EXPECT_EQ(narration::development(3, kNames, 0), "Ann looks around but sees nobody");
    EXPECT_EQ(narration::development(4, kNames, 0), "Bob looks around but sees nobody");

    int threatening1 = 0;
    int threatening2 = 0;
    for (int d = 0; d < 10; ++d) {
        threatening1 += narration::development(1, kNames, d).find("decides") != std::string::npos;
        threatening2 += narration::development(2, kNames, d).find("decides") != std::string::npos;
    }
    EXPECT_EQ(threatening1, 6);
    EXPECT_EQ(threatening2, 7);
}

TEST(NarrationLines, FlagOutcomesAndResolutions) {
    EXPECT_EQ(narration::flagHung("Cid"), "Cid hangs the flag !!! ");
    EXPECT_EQ(narration::hitOnTheWay("Ann"), "Ann took a hit in the ass");
    EXPECT_EQ(narration::flagPickedUp("Bob"), "Bob picks up the flag !!!");

    EXPECT_EQ(narration::resolution(1, kNames, true), "Bob is trashed by Ann");
    EXPECT_EQ(narration::resolution(1, kNames, false), "But Ann misses ");
    EXPECT_EQ(narration::resolution(2, kNames, true), "Ann is trashed by Bob");
    EXPECT_EQ(narration::resolution(2, kNames, false), "But Bob misses ");
    EXPECT_EQ(narration::resolution(3, kNames, true), "Ann is trashed by Bob. Ann never saw it coming!!!");
    EXPECT_EQ(narration::resolution(3, kNames, false), "Ann moves to a new position and avoids being trashed");
    EXPECT_EQ(narration::resolution(4, kNames, true), "Bob is trashed by Ann. Bob never saw it coming!!!");
    EXPECT_EQ(narration::resolution(4, kNames, false), "Bob moves to a new position and avoids being trashed");
    EXPECT_EQ(narration::resolution(5, kNames, true), "");
}

TEST(NarrationLines, OnlySightingsAndBlindSpotsDrawForTheirWording) {
    for (int kind = 0; kind <= 8; ++kind) {
        EXPECT_EQ(narration::announcementHasTwoWordings(kind), kind >= 1 && kind <= 4) << kind;
        EXPECT_EQ(narration::developmentHasTwoWordings(kind), kind == 1 || kind == 2) << kind;
    }
}

// A game in the middle of an exchange: actors 2 and 3, one carrier each way.
struct MidExchange : ::testing::Test {
    MidExchange() {
        GameState& s = h.state();
        quietWeek(h);
        s.playerNames[1][2] = "Ann";
        s.playerNames[2][3] = "Bob";
        s.ourActor = 2;
        s.theirActor = 3;
        s.matchMinute = 5;
        s.shootingEdge = 0;
        s.tacticsEdge = 0;
    }

    // Runs the next tick (phase `phase`) of an exchange of `kind` with the
    // generator seeded with `seed`.
    void tick(int phase, int kind, uint32_t seed) {
        h.state().matchPhase = phase - 1;
        h.state().exchangeKind = kind;
        h.game.randomSource().seed(seed);
        h.game.match().nextaction();
    }

    HeadlessGame h;
};

TEST_F(MidExchange, DevelopmentOfASightingDrawsOnceForItsWording) {
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        for (int kind : {1, 2}) {
            RandomSource ref;
            ref.seed(seed);
            const int32_t d = ref.random(10);
            tick(2, kind, seed);
            const Names names{"Ann", "Bob", "", ""};
            EXPECT_EQ(h.text("action1"), narration::development(kind, names, d));
            EXPECT_EQ(h.game.randomSource().state(), ref.state()) << "exactly one draw";
        }
    }
}

TEST_F(MidExchange, DevelopmentOfABlindSpotDrawsNothing) {
    tick(2, 3, 77);
    EXPECT_EQ(h.text("action1"), "Ann looks around but sees nobody");
    RandomSource untouched;
    untouched.seed(77);
    EXPECT_EQ(h.game.randomSource().state(), untouched.state());
}

TEST_F(MidExchange, AMissLineEndsWithABlankAndLeavesEveryoneIn) {
    // A shooting edge of 0 can never hit: random(20) never exceeds 20.
    tick(3, 1, 5);
    EXPECT_EQ(h.text("action1"), "But Ann misses ");
    tick(3, 2, 6);
    EXPECT_EQ(h.text("action1"), "But Bob misses ");
    EXPECT_EQ(h.state().ourOut[2], 0);
    EXPECT_EQ(h.state().theirOut[3], 0);
}

TEST_F(MidExchange, AHangAttemptThatFailsKeepsTheAnnouncement) {
    GameState& s = h.state();
    s.ourFlagCarrier = 4;
    s.ourHasFlag[4] = 1;
    s.tacticsEdge = -4;  // random(6) never exceeds 5
    h.window.setText("action1", "Keep me");
    tick(2, 7, 9);
    EXPECT_EQ(h.text("action1"), "Keep me");
    EXPECT_EQ(s.ourScore, 0);
}

}  // namespace
}  // namespace splat::testing
