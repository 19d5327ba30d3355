// Kick-off of the week's match and the three game speeds.

#include "core/control_names.h"
#include "match/match_engine.h"
#include "match/match_rules.h"

namespace splat {

void MatchEngine::StartClick() {
    for (int j = 1; j <= kPlayers; ++j) {
        if (s_.players[1][j].marker == 0) {
            win_.message("At least one of your players got no marker", "No marker alert");
            return;
        }
    }

    win_.setVisible(controls::kMatchClock, true);
    win_.setVisible(controls::kOurScoreBox, true);
    win_.setVisible(controls::kTheirScoreBox, true);
    win_.setVisible("Start", false);

    s_.matchOver = false;
    s_.ourFlagCarrier = 0;
    s_.theirFlagCarrier = 0;

    win_.setTimerEnabled("Timer1", true);
    running_ = true;
    held_ = false;
    win_.setText("pause", "Hold match");
    win_.setVisible("pause", true);

    s_.ourScore = 0;
    s_.theirScore = 0;
    win_.setText("yscore", "");
    win_.setText("oscore", "");

    for (int j = 1; j <= kPlayers; ++j) {
        s_.ourOut[j] = false;
        s_.theirOut[j] = false;
        s_.ourHasFlag[j] = false;
        s_.theirHasFlag[j] = false;
    }

    // The kind of the last exchange played is kept on purpose.
    s_.matchPhase = 0;
    s_.matchMinute = 1;
    win_.setText("lbltime", "1");
    book_.matchStarted();
}

void MatchEngine::setSpeed(int milliseconds) {
    s_.gameSpeed = milliseconds;
    win_.setTimerInterval("Timer1", milliseconds);
}

void MatchEngine::pauseClick() {
    if (!running_) return;
    held_ = !held_;
    win_.setTimerEnabled("Timer1", !held_);
    win_.setText("pause", held_ ? "Resume match" : "Hold match");
    win_.announce(held_ ? "Match held" : "Match resumed");
}

void MatchEngine::fastactionClick() { setSpeed(kFastMs); }
void MatchEngine::normalactionClick() { setSpeed(kNormalMs); }
void MatchEngine::slowactionClick() { setSpeed(kSlowMs); }

}  // namespace splat
