#pragma once
// What a thing does, said where the player looks at it: the tooltips (and
// screen-reader descriptions) of the shop, the training levels, the offers of
// the Scout and Finances pages and the orb tabs, worked out from the game's
// own tables and formulas, so that the numbers they state are the ones the
// game plays with. Writes no state and draws nothing.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

#include "core/game_state.h"
#include "core/window.h"

namespace splat {

// A closed range of whole numbers.
struct Span {
    int32_t low;
    int32_t high;
};

// What a marker or an orb costs after a match (or in a new world's opening
// shop), from the shop's rules.
Span markerPrices(int marker, bool opening);
Span orbPrices(int orb);
// The average gain of one rating in one week of training, for a player
// while the pool lasts: a point for a roll above the lower threshold and two
// more above the upper one.
double trainingGain(int32_t level, int32_t coachSkill, bool lore);
// The chance that a lab is robbed in a week at a security level.
double theftChance(int32_t securityLevel);
// The lowest security level from which no thief gets in.
int32_t safeSecurityLevel();
// The chance that sponsor 1..4 says yes to an application now.
double sponsorChance(int sponsor, int32_t unbeatenRun, int32_t pointsPerWeek);
// The donation of a sponsor with weekly base `base`, from its base up to
// 1/kSponsorSpreadDivisor more.
Span donation(int32_t base);
// League points a week played, as an application counts them.
int32_t pointsPerWeek(const GameState& s);
// A share as the guide and the tooltips write it: "a fifth", "an eighth",
// "two thirds" (times/over in figures when it has no words here).
std::string shareInWords(int32_t times, int32_t over);
// A chance as the guide and the tooltips write it: "49%", "7.3%".
std::string percent(double chance);

// The effect of orb 1..6 in a sentence.
std::string orbEffect(int orb);

class Explanations {
public:
    Explanations(const GameState& state, Window& window);

    // Writes the tooltips from the state as it is now. A part whose inputs
    // are what they were when it was last written is left as it is: most
    // refreshes follow an action that changes none of them. The parts that
    // follow the weeks (training, Scout, Finances) are written only while
    // their page is in front, where a player can point at them or reach
    // them: a week played with the match in front writes none of them, and
    // bringing their page forward writes them then.
    void write();

private:
    // What each part reads of the state (and works out from it).
    using S = GameState;
    using ShopInputs = std::tuple<decltype(S::hasOrb)>;
    using TrainingInputs = std::tuple<int32_t, int32_t, bool, decltype(S::shootingTrainingCost),
                                      decltype(S::tacticsTrainingCost), int32_t>;
    using ScoutInputs = std::tuple<decltype(S::players)::value_type, decltype(S::playerNames)::value_type,
                                   Player, std::string, int32_t, bool, std::string, int32_t, int32_t,
                                   std::string, int32_t, int32_t, int32_t, int32_t, int32_t>;
    using FinanceInputs = std::tuple<int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t,
                                     int32_t, ScoutedChemist, int32_t, int32_t, int32_t>;
    using SponsorInputs = std::tuple<decltype(S::sponsorAmount), decltype(S::sponsorCompany), int32_t, int32_t>;
    ShopInputs shopInputs() const;
    TrainingInputs trainingInputs() const;
    ScoutInputs scoutInputs() const;
    FinanceInputs financeInputs() const;
    SponsorInputs sponsorInputs() const;

    void shop();
    void training();
    void scout();
    void finances();  // the lab, its security, the chemist, art production
    void sponsors();

    const GameState& s_;
    Window& win_;
    std::string_view trainingPage_;
    std::string_view scoutPage_;
    std::string_view financesPage_;
    std::optional<ShopInputs> shopWritten_;
    std::optional<TrainingInputs> trainingWritten_;
    std::optional<ScoutInputs> scoutWritten_;
    std::optional<FinanceInputs> financeWritten_;
    std::optional<SponsorInputs> sponsorWritten_;
};

}  // namespace splat
