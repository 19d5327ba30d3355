// What the tooltips say: every control that needs one has one after a
// refresh, and the numbers they state are the ones the game plays (drawn
// prices, training gains, thefts and sponsors' answers counted over many
// weeks).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <regex>
#include <string>

#include "core/layout_table.h"
#include "game/bindings.h"
#include "game/guide_numbers.h"
#include "management/explanations.h"
#include "match_helpers.h"

namespace splat::testing {
namespace {

// Brings page `index` of the main page control forward as a player does.
void choosePage(HeadlessGame& h, int index) {
    if (h.window.selectPage("PageControl1", index))
        findBinding("PageControl1", Signal::PageChange)->handler(h.game, index, {});
}

TEST(Explanations, EveryShopItemLevelOfferAndOrbTabHasATooltipOnceItsPageIsInFront) {
    HeadlessGame h;
    for (int page = 0; page < static_cast<int>(mainPages().size()); ++page) choosePage(h, page);
    const std::regex needs(
        "buya?[0-9]+|markerPage[0-9]+|orbPage[0-9]|replace[0-9]|replaceyourcoach|buychemist|labupgrade|"
        "securityupgrade|dxButton12|apply[0-9]|dump[0-9]|[st](none|basic|regular|advanced)|shooting|tactics");
    int checked = 0;
    for (const ControlSpec& c : layoutTable()) {
        if (!std::regex_match(c.name, needs)) continue;
        ++checked;
        const ControlState* state = h.window.control(c.name);
        ASSERT_NE(state, nullptr) << c.name;
        EXPECT_FALSE(state->toolTip.empty() && c.speech.toolTip.empty()) << c.name << " says nothing";
    }
    // 11 markers twice, 6 orbs twice, 5 + 1 hires, lab, security, chemist,
    // art, 4 + 4 sponsor buttons, 8 levels and their 2 groups.
    EXPECT_EQ(checked, 22 + 12 + 6 + 4 + 8 + 10);
}

// Weeks played with another page in front change what the Training and
// Finances pages' tooltips say; bringing the page forward says it.
TEST(Explanations, APageBroughtForwardTellsTheWeeksPlayedMeanwhile) {
    HeadlessGame h;
    const auto indexOf = [](std::string_view control) {
        const auto& pages = mainPages();
        return static_cast<int>(std::find(pages.begin(), pages.end(), mainPageOf(control)) - pages.begin());
    };
    const std::pair<const char*, std::function<std::string(const GameState&)>> cases[] = {
        {"sbasic", [](const GameState& s) { return "(" + std::to_string(s.trainingPoints) + " in the pool)"; }},
        {"apply1", [](const GameState& s) { return "(now " + std::to_string(s.unbeatenRun) + ")"; }},
        {"replace1", [](const GameState& s) { return "shooting " + std::to_string(s.players[1][1].shooting); }},
    };
    for (const auto& [control, said] : cases) {
        choosePage(h, indexOf(control));
        choosePage(h, indexOf("Start"));
        h.state().cash = 1000000;
        h.game.scout().playersearchClick();
        for (int w = 0; w < 3; ++w) {
            quietWeek(h);
            h.state().shootingTrainingLevel = 3;
            playMatch(h);
        }
        choosePage(h, indexOf(control));
        EXPECT_NE(h.window.control(control)->toolTip.find(said(h.game.state())), std::string::npos)
            << control << ": " << h.window.control(control)->toolTip;
    }
}

// The shop draws every price inside the range the tooltip states, and
// reaches both of its ends' neighbourhoods.
TEST(Explanations, SharesAreWrittenInWords) {
    const std::pair<std::pair<int32_t, int32_t>, const char*> cases[] = {
        {{1, 5}, "a fifth"}, {{1, 8}, "an eighth"},      {{2, 3}, "two thirds"},
        {{1, 2}, "a half"},  {{3, 4}, "three quarters"}, {{1, 12}, "1/12"}};
    for (const auto& [share, words] : cases) EXPECT_EQ(shareInWords(share.first, share.second), words);
}

TEST(Explanations, ShopPricesStayInTheStatedRanges) {
    HeadlessGame h;
    GameState& s = h.state();
    Indexed<int32_t, kMarkers> lowM{}, highM{};
    Indexed<int32_t, kOrbs> lowO{}, highO{};
    lowM.fill(INT32_MAX);
    lowO.fill(INT32_MAX);
    for (int i = 0; i < 4000; ++i) {
        h.game.prices().drawWeeklyShopPrices();
        for (int m = 1; m <= kMarkers; ++m) {
            lowM[m] = std::min(lowM[m], s.markerPrice[m]);
            highM[m] = std::max(highM[m], s.markerPrice[m]);
        }
        for (int k = 1; k <= kOrbs; ++k) {
            lowO[k] = std::min(lowO[k], s.orbPrice[k]);
            highO[k] = std::max(highO[k], s.orbPrice[k]);
        }
    }
    const auto near = [](Span stated, int32_t low, int32_t high, const std::string& what) {
        const int32_t slack = (stated.high - stated.low) / 20 + 1;
        EXPECT_GE(low, stated.low) << what;
        EXPECT_LE(high, stated.high) << what;
        EXPECT_LE(low, stated.low + slack) << what;
        EXPECT_GE(high, stated.high - slack) << what;
    };
    for (int m = 1; m <= kMarkers; ++m)
        near(markerPrices(m, false), lowM[m], highM[m], "marker " + std::to_string(m));
    for (int k = 1; k <= kOrbs; ++k) near(orbPrices(k), lowO[k], highO[k], "orb " + std::to_string(k));
    // The tooltip quotes the range.
    const Span top = markerPrices(kMarkers, false);
    EXPECT_NE(h.window.control("buy11")->toolTip.find("$" + std::to_string(top.low) + " to $" +
                                                      std::to_string(top.high)),
              std::string::npos);
}

// Weeks played at one difficulty, training level and security level: the
// average gain, the share of robbed weeks and the other clubs' growth match
// what the tooltips and the guide state.
struct WeekCase {
    int32_t difficulty;
    int32_t level;
    int32_t coach;
    bool lore;
    int32_t security;
};

class PlayedWeeks : public ::testing::TestWithParam<WeekCase> {};

TEST_P(PlayedWeeks, TrainingGainAndTheftChanceAreWhatTheTooltipsSay) {
    const WeekCase c = GetParam();
    HeadlessGame h;
    GameState& s = h.state();
    const int weeks = 600;
    int64_t gained = 0;
    int thefts = 0;
    int64_t grown = 0;
    for (int w = 0; w < weeks; ++w) {
        quietWeek(h);
        s.shootingTrainingLevel = c.level;
        s.coachShooting = c.coach;
        s.hasOrb[kOrbLore] = c.lore;
        s.hasOrb[kOrbTrainingPool] = false;
        s.labLevel = 1;
        s.labYield = 100;
        s.securityLevel = c.security;
        s.trainingPoints = 1000;
        s.difficulty = c.difficulty;
        int64_t others = 0;
        for (int j = 1; j <= kPlayers; ++j) others += s.players[3][j].tactics;
        int64_t before = 0;
        for (int j = 1; j <= kPlayers; ++j) before += s.players[1][j].shooting;
        s.ourScore = s.theirScore = 0;
        h.game.week().settleMatch();
        for (int j = 1; j <= kPlayers; ++j) gained += s.players[1][j].shooting;
        gained -= before;
        for (int j = 1; j <= kPlayers; ++j) grown += s.players[3][j].tactics;
        grown -= others;
        if (dialogLabel(h, "Tresults", "yourlab").find("stole") != std::string::npos) ++thefts;
    }
    EXPECT_NEAR(static_cast<double>(gained) / (weeks * kPlayers), trainingGain(c.level, c.coach, c.lore), 0.08);
    EXPECT_NEAR(static_cast<double>(thefts) / weeks, theftChance(c.security), 0.05);
    EXPECT_NEAR(static_cast<double>(grown) / (weeks * kPlayers), growthAverage(c.difficulty), 0.07);
}

INSTANTIATE_TEST_SUITE_P(Explanations, PlayedWeeks,
                         ::testing::Values(WeekCase{2, 3, 25, false, 0}, WeekCase{4, 2, 60, false, 5},
                                           WeekCase{5, 3, 70, true, 9}, WeekCase{6, 0, 44, true, 10},
                                           WeekCase{7, 1, 30, false, 25}));

// Applications answered as often as the tooltip's chance says.
struct SponsorCase {
    int sponsor;
    int32_t run;
    int32_t points;  // league points after one week
};

class Applications : public ::testing::TestWithParam<SponsorCase> {};

TEST_P(Applications, AreAcceptedAsOftenAsStated) {
    const SponsorCase c = GetParam();
    HeadlessGame h;
    GameState& s = h.state();
    const int tries = 1500;
    int yes = 0;
    for (int i = 0; i < tries; ++i) {
        s.cash = 100000;
        s.week = 1;
        s.sponsorBase = 0;
        s.unbeatenRun = c.run;
        for (int row = 1; row <= kTeams; ++row) s.tablePoints[row] = s.tableTeam[row] == 1 ? c.points : 0;
        h.game.sponsors().applyClick(c.sponsor);
        if (s.sponsorBase > 0) ++yes;
    }
    EXPECT_NEAR(static_cast<double>(yes) / tries, sponsorChance(c.sponsor, c.run, c.points), 0.05);
}

INSTANTIATE_TEST_SUITE_P(Explanations, Applications,
                         ::testing::Values(SponsorCase{1, 1, 3}, SponsorCase{2, 3, 1}, SponsorCase{3, 3, 1},
                                           SponsorCase{4, 3, 2}, SponsorCase{4, 4, 2}));

}  // namespace
}  // namespace splat::testing
