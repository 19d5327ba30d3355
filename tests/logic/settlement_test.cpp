// The settlement of a week: result and points, the other games, growth,
// training, the weekly accounts, game over and the wrap-up.

#include <gtest/gtest.h>

#include <string>

#include "match_helpers.h"

namespace splat::testing {
namespace {

// A week with nothing on the books but what a test sets: no sponsor, art,
// lab, training or orbs, and team 1 meeting team 2.
void plainWeek(HeadlessGame& h) {
    quietWeek(h);
    GameState& s = h.state();
    s.sponsorBase = 0;
    s.artLevel = 0;
    s.labLevel = 0;
    s.securityLevel = 0;
    s.shootingTrainingLevel = 0;
    s.tacticsTrainingLevel = 0;
    s.coachShooting = 0;
    s.coachTactics = 0;
    for (int k = 1; k <= kOrbs; ++k) s.hasOrb[k] = 0;
}

// A started game on a plain week.
struct PlainWeek : GameTest {
    PlainWeek() { plainWeek(h); }
};
using Growth = PlainWeek;
using Training = PlainWeek;
using Accounts = PlainWeek;
using Lab = PlainWeek;
using GameOver = PlainWeek;
using WrapUp = PlainWeek;

// The number at the end of a text like "ZRK lab brings $250".
int32_t trailingNumber(const std::string& text) {
    const auto pos = text.find('$');
    return pos == std::string::npos ? -1 : std::stoi(text.substr(pos + 1));
}

enum class Result { Win, Tie, Loss };

struct OwnResult : PlainWeek, ::testing::WithParamInterface<Result> {};

TEST_P(OwnResult, PointsGoToTheRightRowsWhateverTheirOrder) {
    // Rows out of team order, team 1 and its opponent far apart.
    const int32_t order[kTeams] = {7, 2, 9, 4, 5, 6, 3, 8, 1, 10};
    for (int i = 1; i <= kTeams; ++i) {
        s.tableTeam[i] = order[i - 1];
        s.tablePoints[i] = 40 - 2 * i;
    }
    const int32_t ownBefore = pointsOf(s, 1);
    const int32_t opponentBefore = pointsOf(s, 2);
    const Result result = GetParam();
    s.ourScore = result == Result::Loss ? 5 : 25;
    s.theirScore = result == Result::Win ? 5 : 25;
    const int32_t cash = s.cash;
    const int32_t run = s.unbeatenRun = 4;
    s.soundOn = 1;
    h.audio.calls.clear();

    h.game.week().settleMatch();

    const std::string line = h.text("Tresults.lblresult");
    switch (result) {
        case Result::Win:
            EXPECT_EQ(pointsOf(s, 1), ownBefore + 3);
            EXPECT_EQ(pointsOf(s, 2), opponentBefore);
            EXPECT_GE(s.matchPrize, 300);
            EXPECT_LT(s.matchPrize, 450);
            EXPECT_EQ(line, "Your team wins the game and gets $" + std::to_string(s.matchPrize) + " for it");
            EXPECT_EQ(s.unbeatenRun, run + 1);
            EXPECT_EQ(effectCount(h.audio), 1);
            break;
        case Result::Tie:
            EXPECT_EQ(pointsOf(s, 1), ownBefore + 1);
            EXPECT_EQ(pointsOf(s, 2), opponentBefore + 1);
            EXPECT_GE(s.matchPrize, 100);
            EXPECT_LT(s.matchPrize, 200);
            EXPECT_EQ(line, "Your team ties the game and gets " + std::to_string(s.matchPrize) + "$ for it");
            EXPECT_EQ(s.unbeatenRun, run + 1);
            EXPECT_EQ(effectCount(h.audio), 0);
            break;
        case Result::Loss:
            EXPECT_EQ(pointsOf(s, 1), ownBefore);
            EXPECT_EQ(pointsOf(s, 2), opponentBefore + 3);
            EXPECT_GE(s.matchPrize, 0);
            EXPECT_LT(s.matchPrize, 50);
            EXPECT_EQ(line, "Your team loses the game and gets " + std::to_string(s.matchPrize) + "$ for it");
            EXPECT_EQ(s.unbeatenRun, 0);
            break;
    }
    EXPECT_EQ(s.cash, cash + s.matchPrize);
    EXPECT_EQ(h.text("lblcash"), std::to_string(s.cash));
    EXPECT_EQ(dialogLabel(h, "Tresults", "yoscore"), std::to_string(s.ourScore));
    EXPECT_EQ(dialogLabel(h, "Tresults", "opscore"), std::to_string(s.theirScore));
    for (int i = 1; i < kTeams; ++i) EXPECT_GE(s.tablePoints[i], s.tablePoints[i + 1]) << "sorted";
}

INSTANTIATE_TEST_SUITE_P(AllResults, OwnResult, ::testing::Values(Result::Win, Result::Tie, Result::Loss));

TEST(OtherGames, ExactlyFourAreSimulatedEachFromAnEvenStart) {
    // Team 1 first or second in its pairing; the strong side alternates
    // between home and away, so tallies carried from one game to the next
    // would turn a clear win into a tie.
    struct Layout {
        Pairing own;
        int ownIndex;
    };
    for (const Layout layout : {Layout{{1, 2}, 1}, Layout{{2, 1}, 3}}) {
        HeadlessGame h;
        plainWeek(h);
        GameState& s = h.state();
        const Pairing others[4] = {{3, 4}, {6, 5}, {7, 8}, {10, 9}};  // first, second; strong: 3, 5, 7, 9
        int k = 0;
        for (int e = 1; e <= kPairings; ++e) s.pairings[e] = e == layout.ownIndex ? layout.own : others[k++];
        s.yourPairing = layout.ownIndex;
        s.opponentTeam = 2;
        for (int t = 2; t <= kTeams; ++t) setTeam(s, t, 20, 20, 1);
        for (int t : {3, 5, 7, 9}) setTeam(s, t, 100, 100, 1);
        for (int i = 1; i <= kTeams; ++i) {
            s.tableTeam[i] = i;
            s.tablePoints[i] = 0;
        }
        s.ourScore = 10;
        s.theirScore = 0;

        h.game.week().settleMatch();

        EXPECT_EQ(pointsOf(s, 1), 3);
        EXPECT_EQ(pointsOf(s, 2), 0);
        for (int t : {3, 5, 7, 9}) EXPECT_EQ(pointsOf(s, t), 3) << "team " << t;
        for (int t : {4, 6, 8, 10}) EXPECT_EQ(pointsOf(s, t), 0) << "team " << t;
        EXPECT_EQ(s.homeTally + s.awayTally, 15);
    }
}

TEST_F(Growth, MarkersStopAtElevenAndTheLowestLevelNeverGivesTwo) {
    for (int t = 2; t <= kTeams; ++t) {
        for (int j = 1; j <= kPlayers; ++j) s.players[t][j].marker = j % 2 == 0 ? 11 : 10;
    }

    int reachedEleven = 0;
    int doubleSteps = 0;
    for (int difficulty : {2, 7}) {
        s.difficulty = difficulty;
        for (int week = 0; week < 40; ++week) {
            s.week = 1;
            s.cash = 1000000;
            const GameState before = s;
            h.game.week().settleMatch();
            for (int t = 2; t <= kTeams; ++t) {
                for (int j = 1; j <= kPlayers; ++j) {
                    const Player& now = s.players[t][j];
                    const Player& was = before.players[t][j];
                    ASSERT_LE(now.marker, 11);
                    ASSERT_GE(now.marker, was.marker);
                    ASSERT_LE(now.marker, was.marker + 1);
                    if (was.marker == 10 && now.marker == 11) ++reachedEleven;
                    for (int32_t step : {now.shooting - was.shooting, now.tactics - was.tactics}) {
                        ASSERT_GE(step, 0);
                        ASSERT_LE(step, 2);
                        if (difficulty == 2) {
                            ASSERT_LE(step, 1) << "difficulty 2 gave +2";
                        } else if (step == 2) {
                            ++doubleSteps;
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(reachedEleven, 0);
    EXPECT_GT(doubleSteps, 0) << "higher levels do give +2";
}

// Settles one week from `base` with the generator seeded with `seed`.
void settleFrom(HeadlessGame& h, const GameState& base, uint32_t seed) {
    h.state() = base;
    h.game.randomSource().seed(seed);
    h.game.week().settleMatch();
}

TEST_F(Training, AHighDrawNeedsTwoPointsForItsPlusTwo) {
    s.shootingTrainingLevel = 3;  // n = 24 + 100 / 2 = 74
    s.coachShooting = 100;
    s.coachTactics = 0;  // tactics: random(0), never above 20
    s.ourScore = s.theirScore = 0;
    const GameState base = s;

    // The points do not change the draws: find a week in which player 1's
    // shooting draw is above 55 (+3 with points to spare) ...
    GameState rich = base;
    rich.trainingPoints = 100;
    uint32_t seed = 1;
    for (;; ++seed) {
        ASSERT_LT(seed, 500u);
        settleFrom(h, rich, seed);
        if (s.players[1][1].shooting == base.players[1][1].shooting + 3) break;
    }

    // ... and settle the same week with fewer points.
    for (int32_t points : {1, 2, 3}) {
        GameState poorer = base;
        poorer.trainingPoints = points;
        settleFrom(h, poorer, seed);
        EXPECT_EQ(s.players[1][1].shooting, base.players[1][1].shooting + points) << points << " points";
        EXPECT_EQ(s.trainingPoints, 0);
        for (int j = 2; j <= kPlayers; ++j) EXPECT_EQ(s.players[1][j].shooting, base.players[1][j].shooting);
        for (int j = 1; j <= kPlayers; ++j) EXPECT_EQ(s.players[1][j].tactics, base.players[1][j].tactics);
    }

    // Training level "None" still trains with a strong coach.
    GameState none = rich;
    none.shootingTrainingLevel = 0;
    none.coachShooting = 200;  // n = 100
    int trained = 0;
    for (uint32_t seed2 = 1; seed2 <= 20; ++seed2) {
        settleFrom(h, none, seed2);
        trained += 100 - s.trainingPoints;
    }
    EXPECT_GT(trained, 0);
}

TEST_F(Accounts, TrainingSponsorAndArtAddUp) {
    s.shootingTrainingLevel = 2;
    s.tacticsTrainingLevel = 3;
    s.shootingTrainingCost = {0, 41, 82, 123};
    s.tacticsTrainingCost = {0, 45, 90, 135};
    s.sponsorBase = 500;
    s.sponsorName = "Acme Paint";
    s.artLevel = 2;
    s.artIncome = 270;
    s.ourScore = s.theirScore = 0;
    const int32_t cash = s.cash;
    h.window.setVisible("Panel27", false);

    h.game.week().settleMatch();

    EXPECT_EQ(s.trainingExpenses, 82 + 135);
    EXPECT_EQ(dialogLabel(h, "Tresults", "texpences"), "217");
    EXPECT_GE(s.sponsorDonation, 500);
    EXPECT_LT(s.sponsorDonation, 600);
    EXPECT_EQ(dialogLabel(h, "Tresults", "sponsordonates"),
              "Acme Paint donates: $" + std::to_string(s.sponsorDonation));
    EXPECT_EQ(dialogLabel(h, "Tresults", "cactus"), "Art production brings $270");
    EXPECT_EQ(dialogLabel(h, "Tresults", "yourlab"), "");
    EXPECT_EQ(s.cash, cash + s.matchPrize - 217 + s.sponsorDonation + 270);
    EXPECT_FALSE(h.window.visible("Panel27")) << "with a sponsor the offers stay closed";

    // Without sponsor and art both lines are empty and the offers reopen.
    s.sponsorBase = 0;
    s.artLevel = 0;
    s.week = 1;
    h.window.setVisible("result2", true);
    h.window.setText("result2", "Denied");
    h.window.setVisible("apply3", false);
    h.game.week().settleMatch();
    EXPECT_EQ(dialogLabel(h, "Tresults", "sponsordonates"), "");
    EXPECT_EQ(dialogLabel(h, "Tresults", "cactus"), "");
    for (const char* panel : {"Panel27", "Panel28", "Panel29", "Panel30"}) EXPECT_TRUE(h.window.visible(panel));
    EXPECT_EQ(h.text("result2"), "");
    EXPECT_TRUE(h.window.visible("apply3"));
}

TEST_F(Lab, OrbOfAcidAddsThirtyPerFullHundred) {
    s.labLevel = 1;
    s.securityLevel = 10;  // no theft
    for (int32_t yield : {99, 250}) {
        s.labYield = yield;
        const GameState base = s;
        bool found = false;
        for (uint32_t seed = 1; seed < 2000 && !found; ++seed) {
            settleFrom(h, base, seed);
            const int32_t plain = trailingNumber(h.text("Tresults.yourlab"));
            GameState acid = base;
            acid.hasOrb[5] = 1;
            settleFrom(h, acid, seed);
            const int32_t withAcid = trailingNumber(h.text("Tresults.yourlab"));
            ASSERT_EQ(withAcid, plain + (plain / 100) * 30);
            if (plain == yield) {
                found = true;
                EXPECT_EQ(withAcid, yield == 99 ? 99 : 310);
            }
        }
        EXPECT_TRUE(found) << yield;
        s = base;
    }
}

TEST_F(Lab, TheftChanceAtSecurityLevels) {
    s.labLevel = 1;
    s.labYield = 1000;
    for (int32_t security : {0, 10, 30, 40}) {
        s.securityLevel = security;
        const GameState base = s;
        int thefts = 0;
        for (uint32_t seed = 1; seed <= 200; ++seed) {
            settleFrom(h, base, seed);
            const std::string lab = h.text("Tresults.yourlab");
            if (lab == "Some dude broke into the lab and stole ZRK") {
                ++thefts;
            } else {
                ASSERT_EQ(lab.rfind("ZRK lab brings $", 0), 0u) << lab;
            }
        }
        if (security == 0) {
            EXPECT_GT(thefts, 60);  // 49 in 100
            EXPECT_LT(thefts, 140);
        } else {
            EXPECT_EQ(thefts, 0) << "security " << security;
        }
        s = base;
    }
}

TEST_F(Lab, TheTheftDrawIsMadeAtEveryLevelEvenWithoutALab) {
    s.labLevel = 0;
    const GameState start = s;
    // The generator as the results dialog opens, right after the lab.
    uint64_t atResults = 0;
    h.window.setListener([&](const WindowEvent& e) {
        if (e.type == WindowEvent::Type::Dialog && e.name == "Tresults")
            atResults = h.game.randomSource().state();
    });
    auto drawsUpToResults = [&](int32_t security) {
        GameState base = start;
        base.securityLevel = security;
        settleFrom(h, base, 4242);
        EXPECT_EQ(h.text("Tresults.yourlab"), "");
        return atResults;
    };
    const uint64_t low = drawsUpToResults(0);
    EXPECT_EQ(drawsUpToResults(40), low) << "a negative range still draws";
    EXPECT_NE(drawsUpToResults(20), low) << "a range of zero draws nothing";
}

TEST_F(GameOver, CashBelowZeroEndsTheGameAlsoInATheftWeek) {
    s.labLevel = 1;
    s.labYield = 500;
    s.shootingTrainingLevel = 3;
    s.shootingTrainingCost = {0, 100, 200, 5000};
    s.ourScore = 0;
    s.theirScore = 10;
    const GameState base = s;
    uint32_t theftSeed = 0;
    for (uint32_t seed = 1; seed < 100 && theftSeed == 0; ++seed) {
        settleFrom(h, base, seed);
        if (h.text("Tresults.yourlab") == "Some dude broke into the lab and stole ZRK") theftSeed = seed;
    }
    ASSERT_NE(theftSeed, 0u);

    for (bool theft : {false, true}) {
        HeadlessGame g;
        GameState poor = base;
        poor.cash = 100;
        if (!theft) poor.labLevel = 0;
        g.state() = poor;
        g.game.randomSource().seed(theftSeed);
        g.window.setVisible("Start", false);  // as during a match
        g.events.clear();

        g.game.week().settleMatch();

        EXPECT_LT(g.state().cash, 0);
        if (theft) {
            EXPECT_EQ(g.text("Tresults.yourlab"), "Some dude broke into the lab and stole ZRK");
        }
        ASSERT_EQ(countDialogs(g, "TForm5"), 1);
        EXPECT_EQ(dialogLabel(g, "TForm5", "Label1"), "You got no more cash to manage the team.");
        EXPECT_EQ(dialogLabel(g, "TForm5", "Label2"), "It sucks, but the game is over!");
        EXPECT_EQ(countDialogs(g, "Tresults"), 0);
        EXPECT_TRUE(g.game.closed());
        ASSERT_FALSE(g.events.empty());
        EXPECT_EQ(g.events.back().type, WindowEvent::Type::Closed);
        EXPECT_FALSE(g.window.visible("Start")) << "nothing happens after the game is over";
    }
}

TEST_F(GameOver, AWeekEndingOnZeroGoesOnOneDollarLessEndsTheGame) {
    s.shootingTrainingLevel = 1;
    s.shootingTrainingCost = {0, 1000, 0, 0};
    s.ourScore = 0;
    s.theirScore = 10;
    const GameState base = s;
    settleFrom(h, base, 7);
    const int32_t change = s.cash - base.cash;  // the prize less the training
    ASSERT_LT(change, 0);
    for (const int32_t end : {0, -1}) {
        GameState start = base;
        start.cash = end - change;
        h.events.clear();
        settleFrom(h, start, 7);
        EXPECT_EQ(s.cash, end);
        EXPECT_EQ(h.game.closed(), end < 0) << end;
        EXPECT_EQ(countDialogs(h, "TForm5"), end < 0 ? 1 : 0) << end;
    }
}

TEST_F(WrapUp, TheNewWeekStartsWithFreshPricesBoostsMarketAndPairings) {
    s.teamName = "Splatters";
    s.ourScore = 15;
    s.theirScore = 10;
    for (int j = 1; j <= kPlayers; ++j) {
        s.shootingBoost[j] = 7;
        s.tacticsBoost[j] = 9;
        h.window.setText("pagrees" + std::to_string(j), "Player agrees");
        h.window.setVisible("boost" + std::to_string(j), false);
    }
    h.window.setVisible("Start", false);
    h.window.setVisible("playersearch", false);
    h.window.setVisible("Panel24", true);
    h.window.setVisible("replaceyourcoach", true);
    h.window.setEnabled("Panel59", true);
    h.window.setText("action1", "Something happened");
    h.window.setText("yscore", "15");

    h.game.week().settleMatch();

    for (int j = 1; j <= kPlayers; ++j) {
        EXPECT_EQ(s.shootingBoost[j], 0);
        EXPECT_EQ(s.tacticsBoost[j], 0);
        EXPECT_EQ(h.text("pagrees" + std::to_string(j)), "");
        EXPECT_TRUE(h.window.visible("boost" + std::to_string(j)));
    }
    const int32_t markerBase[12] = {0, 90, 190, 350, 700, 900, 1300, 1700, 2500, 4000, 8000, 15000};
    const int32_t markerSpread[12] = {0, 20, 50, 100, 200, 100, 100, 200, 500, 200, 200, 2000};
    for (int i = 1; i <= kMarkers; ++i) {
        EXPECT_GE(s.markerPrice[i], markerBase[i]);
        EXPECT_LT(s.markerPrice[i], markerBase[i] + markerSpread[i]);
    }
    const int32_t orbBase[7] = {0, 800, 700, 2000, 4000, 4500, 2000};
    const int32_t orbSpread[7] = {0, 300, 300, 500, 2000, 3000, 1500};
    for (int i = 1; i <= kOrbs; ++i) {
        EXPECT_GE(s.orbPrice[i], orbBase[i]);
        EXPECT_LT(s.orbPrice[i], orbBase[i] + orbSpread[i]);
    }
    EXPECT_EQ(s.week, 2);
    EXPECT_EQ(h.text("weeknumber"), "2");
    EXPECT_EQ(dialogLabel(h, "Tresults", "yourteam"), "Splatters");
    EXPECT_EQ(dialogLabel(h, "Tresults", "opponentteam"), s.teamNames[2]);
    // The scouting market reopens, the options' two panels are locked.
    for (const char* shown : {"playersearch", "coachsearch", "Start"})
        EXPECT_TRUE(h.window.visible(shown)) << shown;
    for (const char* hidden : {"Panel23", "Panel24", "Panel25", "replaceyourcoach"})
        EXPECT_FALSE(h.window.visible(hidden)) << hidden;
    EXPECT_FALSE(h.window.enabled("Panel59"));
    EXPECT_FALSE(h.window.enabled("Panel61"));
    for (const char* cleared : {"action1", "yscore", "oscore"}) EXPECT_EQ(h.text(cleared), "") << cleared;
    EXPECT_EQ(countDialogs(h, "Tresults"), 1);

    // The next week's pairings are drawn: every team once, team 1 inside.
    int seen[kTeams + 1] = {};
    for (int e = 1; e <= kPairings; ++e) {
        ++seen[s.pairings[e].first];
        ++seen[s.pairings[e].second];
    }
    for (int t = 1; t <= kTeams; ++t) EXPECT_EQ(seen[t], 1);
    const Pairing& own = s.pairings[s.yourPairing];
    EXPECT_TRUE(own.first == 1 || own.second == 1);
}

}  // namespace
}  // namespace splat::testing
