// Kick-off and the game speeds.

#include <gtest/gtest.h>

#include "game/bindings.h"
#include "match_helpers.h"

namespace splat::testing {
namespace {

TEST(MatchStart, APlayerWithoutAMarkerIsRefusedAndNothingChanges) {
    HeadlessGame h;
    quietWeek(h);
    h.state().players[1][5].marker = 0;
    const GameState before = h.state();

    findBinding("Start", Signal::Click)->handler(h.game, 0, "");

    const auto messages = h.eventsOf(WindowEvent::Type::Message);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "At least one of your players got no marker");
    EXPECT_EQ(messages[0].caption, "No marker alert");
    EXPECT_FALSE(matchRunning(h));
    EXPECT_TRUE(h.window.visible("Start"));
    EXPECT_FALSE(h.window.visible("Panel39"));
    EXPECT_EQ(h.state().matchMinute, before.matchMinute);
    EXPECT_EQ(h.state().matchPhase, before.matchPhase);
}

TEST(MatchStart, KickOffClearsWhatTheLastMatchLeftButKeepsTheLastKind) {
    HeadlessGame h;
    quietWeek(h);
    GameState& s = h.state();
    s.ourScore = 35;
    s.theirScore = 20;
    s.ourFlagCarrier = 2;
    s.ourHasFlag[2] = 1;
    s.theirFlagCarrier = 4;
    s.theirHasFlag[4] = 1;
    s.ourOut[1] = s.theirOut[5] = 1;
    s.matchOver = 1;
    s.matchPhase = 3;
    s.matchMinute = 15;
    s.exchangeKind = 6;
    h.window.setText("yscore", "35");
    h.window.setText("oscore", "20");

    h.game.match().StartClick();

    EXPECT_TRUE(matchRunning(h));
    EXPECT_TRUE(h.window.visible("Panel39"));
    EXPECT_TRUE(h.window.visible("Panel40"));
    EXPECT_TRUE(h.window.visible("Panel41"));
    EXPECT_FALSE(h.window.visible("Start"));
    EXPECT_EQ(s.ourScore, 0);
    EXPECT_EQ(s.theirScore, 0);
    EXPECT_EQ(h.text("yscore"), "");
    EXPECT_EQ(h.text("oscore"), "");
    EXPECT_EQ(s.ourFlagCarrier, 0);
    EXPECT_EQ(s.theirFlagCarrier, 0);
    for (int j = 1; j <= kPlayers; ++j) {
        EXPECT_EQ(s.ourOut[j], 0);
        EXPECT_EQ(s.theirOut[j], 0);
        EXPECT_EQ(s.ourHasFlag[j], 0);
        EXPECT_EQ(s.theirHasFlag[j], 0);
    }
    EXPECT_EQ(s.matchOver, 0);
    EXPECT_EQ(s.matchPhase, 0);
    EXPECT_EQ(s.matchMinute, 1);
    EXPECT_EQ(h.text("lbltime"), "1");
    EXPECT_EQ(s.exchangeKind, 6);
}

TEST(MatchStart, SpeedsSetTheTickAtOnceAlsoDuringAMatch) {
    HeadlessGame h;
    quietWeek(h);
    EXPECT_EQ(h.window.timerInterval("Timer1"), 500);  // "Normal" from the start

    findBinding("fastaction", Signal::Click)->handler(h.game, 0, "");
    EXPECT_EQ(h.window.timerInterval("Timer1"), 300);
    EXPECT_EQ(h.state().gameSpeed, 300);

    h.game.match().StartClick();
    const auto on = h.eventsOf(WindowEvent::Type::Timer);
    ASSERT_FALSE(on.empty());
    EXPECT_TRUE(on.back().flag);
    EXPECT_EQ(on.back().interval, 300);

    h.game.match().nextaction();
    findBinding("slowaction", Signal::Click)->handler(h.game, 0, "");
    EXPECT_EQ(h.window.timerInterval("Timer1"), 800);
    EXPECT_EQ(h.state().gameSpeed, 800);
    EXPECT_TRUE(matchRunning(h)) << "a speed change neither stops nor restarts the match";
    EXPECT_EQ(h.state().matchPhase, 1);

    findBinding("normalaction", Signal::Click)->handler(h.game, 0, "");
    EXPECT_EQ(h.window.timerInterval("Timer1"), 500);
    EXPECT_EQ(h.state().gameSpeed, 500);
}

}  // namespace
}  // namespace splat::testing
