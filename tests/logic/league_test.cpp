#include <gtest/gtest.h>

#include <algorithm>

#include "headless_game.h"

namespace splat {
namespace {

using testing::HeadlessGame;
using LeagueTable = testing::GameTest;

TEST(Pairings, AlwaysAPermutationHoldingTeamOne) {
    HeadlessGame h;
    for (int round = 0; round < 300; ++round) {
        h.game.randomSource().seed(1000 + round);
        h.game.league().drawPairings();
        const GameState& s = h.state();
        std::vector<int> teams;
        for (int e = 1; e <= kPairings; ++e) {
            teams.push_back(s.pairings[e].first);
            teams.push_back(s.pairings[e].second);
        }
        std::sort(teams.begin(), teams.end());
        for (int t = 1; t <= kTeams; ++t) ASSERT_EQ(teams[t - 1], t);
        const Pairing& yours = s.pairings[s.yourPairing];
        ASSERT_TRUE(yours.first == 1 || yours.second == 1);
        ASSERT_EQ(s.opponentTeam, yours.first == 1 ? yours.second : yours.first);
        ASSERT_NE(s.opponentTeam, 1);
    }
}

TEST(Pairings, ADrawnTeamIsDrawnAgainUntilItIsFreeAndPairsNeverMatchThemselves) {
    HeadlessGame h;
    RandomSource r = h.game.randomSource();
    h.game.league().drawPairings();
    std::vector<int> drawn;
    auto taken = [&drawn](int t) { return std::find(drawn.begin(), drawn.end(), t) != drawn.end(); };
    for (int e = 1; e <= kPairings; ++e) {
        int a = 0;
        int b = 0;
        do {
            do a = r.random(10) + 1;
            while (taken(a));
            do b = r.random(10) + 1;
            while (taken(b));
        } while (a == b);
        drawn.push_back(a);
        drawn.push_back(b);
        EXPECT_EQ(h.state().pairings[e], (Pairing{a, b}));
    }
}

TEST_F(LeagueTable, SortNeverSwapsEqualPoints) {
    // Rows hold teams 10..1; give some of them equal points.
    const int points[] = {0, 3, 5, 3, 0, 5, 3, 1, 0, 5, 3};
    for (int i = 1; i <= kTeams; ++i) s.tablePoints[i] = points[i];
    h.game.league().sortTable();
    const int expectedTeams[] = {0, 9, 6, 2, 10, 8, 5, 1, 4, 7, 3};
    for (int i = 1; i <= kTeams; ++i) {
        EXPECT_EQ(s.tableTeam[i], expectedTeams[i]) << "row " << i;
        if (i > 1) {
            EXPECT_GE(s.tablePoints[i - 1], s.tablePoints[i]);
        }
    }
    // Sorting again changes nothing.
    const auto teams = s.tableTeam;
    for (int k = 0; k < 5; ++k) h.game.league().sortTable();
    EXPECT_EQ(s.tableTeam, teams);
}

TEST_F(LeagueTable, AllZeroLeavesTheOrderAndPointsFindTheirRow) {
    const int order[] = {0, 4, 7, 1, 9, 2, 10, 3, 5, 8, 6};
    for (int i = 1; i <= kTeams; ++i) {
        s.tableTeam[i] = order[i];
        s.tablePoints[i] = 0;
    }
    h.game.league().sortTable();
    for (int i = 1; i <= kTeams; ++i) EXPECT_EQ(s.tableTeam[i], order[i]);
    // Points go to the row of the team, wherever it stands.
    h.game.league().addPoints(9, 3);
    h.game.league().addPoints(1, 1);
    EXPECT_EQ(s.tablePoints[4], 3);
    EXPECT_EQ(s.tablePoints[3], 1);
    h.game.league().sortTable();
    EXPECT_EQ(s.tableTeam[1], 9);
    EXPECT_EQ(s.tableTeam[2], 1);
    // A team gaining points rises above those with fewer but stays below those it ties with.
    h.game.league().addPoints(6, 3);
    h.game.league().sortTable();
    EXPECT_EQ(s.tableTeam[1], 9);
    EXPECT_EQ(s.tableTeam[2], 6);
    EXPECT_EQ(s.tableTeam[3], 1);
}

}  // namespace
}  // namespace splat
