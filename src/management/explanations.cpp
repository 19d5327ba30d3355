// The tooltips: every number in them comes from the rules the game plays
// with (the shop's price rules, the effect sizes, the training roll, the
// lab's yield and theft draw, the sponsors' terms, art production's step).

#include "management/explanations.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "core/effect_sizes.h"
#include "core/layout_table.h"
#include "core/shop_names.h"
#include "management/art_production.h"
#include "management/laboratory.h"
#include "management/shop_price_rules.h"
#include "management/sponsor_terms.h"
#include "management/training.h"

namespace splat {

namespace {

std::string num(int64_t v) { return std::to_string(v); }
std::string money(int64_t v) { return "$" + num(v); }
std::string signedNum(int64_t v) { return (v > 0 ? "+" : "") + num(v); }
std::string span(Span s) { return money(s.low) + " to " + money(s.high); }

// An average to two places.
std::string average(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    return buf;
}

Span priceSpan(const PriceRule& r) { return {r.base, r.base + std::max(r.spread, 1) - 1}; }

const char* const kLevelNames[4] = {"None", "Basic", "Regular", "Advanced"};

}  // namespace

Span markerPrices(int marker, bool opening) {
    if (marker < 1 || marker > kMarkers) return {0, 0};
    return priceSpan((opening ? kOpeningMarkerPrices : kWeeklyMarkerPrices)[marker - 1]);
}

Span orbPrices(int orb) {
    if (orb < 1 || orb > kOrbs) return {0, 0};
    return priceSpan(kOrbPrices[orb - 1]);
}

// Every roll of random(n) (and of the Orb of Lore's die) is as likely as the
// next; the gain is counted over all of them.
double trainingGain(int32_t level, int32_t coachSkill, bool lore) {
    const int32_t bound = std::max(trainingRollBound(level, coachSkill), 1);
    const int32_t die = lore ? kLoreDie : 1;
    int64_t gained = 0;
    for (int32_t r = 0; r < bound; ++r) {
        for (int32_t extra = 0; extra < die; ++extra) {
            const int32_t c = r + extra;
            gained += (c > kTrainingTwoAbove ? 2 : 0) + (c > kTrainingOneAbove ? 1 : 0);
        }
    }
    return static_cast<double>(gained) / (static_cast<double>(bound) * die);
}

double theftChance(int32_t securityLevel) {
    const int32_t range = theftRange(securityLevel);
    if (range <= kTheftAbove + 1) return 0.0;
    return static_cast<double>(range - kTheftAbove - 1) / range;
}

int32_t safeSecurityLevel() {
    int32_t level = 0;
    while (theftChance(level) > 0.0) ++level;
    return level;
}

double sponsorChance(int sponsor, int32_t unbeatenRun, int32_t pointsPerWeek) {
    if (sponsor < 1 || sponsor > kSponsors) return 0.0;
    const SponsorTerms& t = kSponsorTerms[sponsor];
    if (pointsPerWeek < t.pointsThreshold) return 0.0;
    // random(2) + run must reach the threshold: always, half the time, never.
    const double run = unbeatenRun >= t.runThreshold                ? 1.0
                       : int64_t{unbeatenRun} + 1 >= t.runThreshold ? 0.5
                                                                    : 0.0;
    const double last = static_cast<double>(kSponsorLastDraw - kSponsorLastDrawAbove - 1) / kSponsorLastDraw;
    return run * last;
}

Span donation(int32_t base) {
    return {base, clampToInt32(int64_t{base} + std::max(base / kSponsorSpreadDivisor - 1, 0))};
}

int32_t pointsPerWeek(const GameState& s) {
    for (int row = 1; row <= kTeams; ++row) {
        if (s.tableTeam[row] == 1) return s.week >= 1 ? s.tablePoints[row] / s.week : 0;
    }
    return 0;
}

std::string shareInWords(int32_t times, int32_t over) {
    static const char* const kCount[] = {"",     "one", "two",   "three", "four",
                                         "five", "six", "seven", "eight", "nine"};
    static const char* const kPart[] = {"",      "whole", "half",    "third",  "quarter",
                                        "fifth", "sixth", "seventh", "eighth", "ninth"};
    if (times < 1 || times >= over || over >= static_cast<int32_t>(std::size(kPart))) {
        return std::to_string(times) + "/" +
               std::to_string(over);  // left as figures, which the guide's test refuses
    }
    if (times == 1) return std::string(over == 8 ? "an " : "a ") + kPart[over];
    return std::string(kCount[times]) + " " + kPart[over] + (over == 2 ? "" : "s");
}

std::string percent(double chance) {
    char buf[32];
    const double p = chance * 100.0;
    if (p == 0.0 || p >= 10.0) std::snprintf(buf, sizeof buf, "%.0f%%", p);
    else std::snprintf(buf, sizeof buf, "%.1f%%", p);
    return buf;
}

namespace {

// What an orb that rolls a die of `faces` faces adds, and to what.
std::string rolls(int32_t faces, const char* toWhat) {
    return "adds 0 to " + num(faces - 1) + " (at random) " + toWhat;
}

}  // namespace

std::string orbEffect(int orb) {
    switch (orb) {
        case kOrbAccuracy:
            return rolls(kAccuracyDie, "to your side of the shooting comparison in every exchange");
        case kOrbWisdom: return rolls(kWisdomDie, "to your side of the tactics comparison in every exchange");
        case kOrbLore:
            return rolls(kLoreDie, "to every weekly training roll, so your players improve more often");
        case kOrbChaos:
            return "adds 0 to " + num(kChaosDie - 1) +
                   " to your side of the shooting comparison and another 0 to " + num(kChaosDie - 1) +
                   " to the tactics comparison in every exchange";
        case kOrbAcid:
            return "adds " + money(kAcidPerHundred) +
                   " to the laboratory's weekly income for every full $100 of it";
        case kOrbTrainingPool:
            return "adds " + num(kPoolOrbPoints) + " points to the training pool every week, before training";
        default: return "";
    }
}

namespace {

// True, and `written` set to `now`, when `now` differs from what was written.
template <typename Inputs>
bool changed(std::optional<Inputs>& written, Inputs now) {
    if (written && *written == now) return false;
    written = std::move(now);
    return true;
}

}  // namespace

Explanations::ShopInputs Explanations::shopInputs() const { return {s_.hasOrb}; }

Explanations::TrainingInputs Explanations::trainingInputs() const {
    return {s_.coachShooting,        s_.coachTactics,        s_.hasOrb[kOrbLore],
            s_.shootingTrainingCost, s_.tacticsTrainingCost, s_.trainingPoints};
}

Explanations::ScoutInputs Explanations::scoutInputs() const {
    return {s_.players[1],
            s_.playerNames[1],
            s_.scoutedPlayer,
            s_.scoutedPlayerName,
            s_.scoutedPlayerPrice,
            s_.hasOrb[kOrbLore],
            s_.coachName,
            s_.coachShooting,
            s_.coachTactics,
            s_.scoutedCoachName,
            s_.scoutedCoachShooting,
            s_.scoutedCoachTactics,
            s_.shootingTrainingLevel,
            s_.tacticsTrainingLevel,
            s_.scoutedCoachPrice};
}

Explanations::FinanceInputs Explanations::financeInputs() const {
    return {s_.artIncome,
            s_.artLevel,
            s_.artUpgradePrice,
            s_.chemistDegree,
            s_.chemistExperience,
            s_.chemistKnowledge,
            s_.labLevel,
            s_.labUpgradePrice,
            s_.labYield,
            s_.scoutedChemist,
            s_.scoutedChemistPrice,
            s_.securityLevel,
            s_.securityUpgradePrice};
}

Explanations::SponsorInputs Explanations::sponsorInputs() const {
    return {s_.sponsorAmount, s_.sponsorCompany, s_.unbeatenRun, pointsPerWeek(s_)};
}

Explanations::Explanations(const GameState& state, Window& window)
    : s_(state),
      win_(window),
      trainingPage_(mainPageOf("snone")),
      scoutPage_(mainPageOf("replace1")),
      financesPage_(mainPageOf("apply1")) {}

void Explanations::write() {
    if (changed(shopWritten_, shopInputs())) shop();
    if (win_.pageInFront(trainingPage_) && changed(trainingWritten_, trainingInputs())) training();
    if (win_.pageInFront(scoutPage_) && changed(scoutWritten_, scoutInputs())) scout();
    if (win_.pageInFront(financesPage_)) {
        if (changed(financeWritten_, financeInputs())) finances();
        if (changed(sponsorWritten_, sponsorInputs())) sponsors();
    }
}

namespace {

// The shop's tooltips come from the constant tables alone (the price of the
// week stands beside each Buy button and in its spoken name): worked out once.
const std::array<std::string, kMarkers + 1>& markerTexts() {
    static const auto texts = [] {
        std::array<std::string, kMarkers + 1> t{};
        for (int m = 1; m <= kMarkers; ++m) {
            const Span opening = markerPrices(m, true);
            const Span weekly = markerPrices(m, false);
            t[m] = std::string(kMarkerNames[m].name) + " (model " + num(m) + "): adds " +
                   num(int64_t{kMarkerWeight} * m) +
                   " to its carrier's side of the shooting comparison in every exchange. Its price is drawn "
                   "again after every match, " +
                   span(weekly) + ".";
            if (opening.low != weekly.low || opening.high != weekly.high)
                t[m] += " Before a game's first match it costs " + span(opening) + ".";
        }
        return t;
    }();
    return texts;
}

struct OrbText {
    std::string forSale;
    std::string owned;
};

const std::array<OrbText, kOrbs + 1>& orbTexts() {
    static const auto texts = [] {
        std::array<OrbText, kOrbs + 1> t{};
        for (int k = 1; k <= kOrbs; ++k) {
            const std::string what =
                std::string(kOrbNames[k]) + ": " + orbEffect(k) + ". For good, once bought. ";
            t[k].forSale = what + "Its price is drawn again after every match, " + span(orbPrices(k)) + ".";
            t[k].owned = what + "You own it.";
        }
        return t;
    }();
    return texts;
}

}  // namespace

void Explanations::shop() {
    for (int m = 1; m <= kMarkers; ++m) {
        win_.setToolTip("buy" + num(m), markerTexts()[m]);
        win_.setToolTip("markerPage" + num(m), markerTexts()[m]);
    }
    for (int k = 1; k <= kOrbs; ++k) {
        const std::string& tip = s_.hasOrb[k] ? orbTexts()[k].owned : orbTexts()[k].forSale;
        win_.setToolTip("buya" + num(k), tip);
        win_.setToolTip("orbPage" + num(k), tip);
    }
}

void Explanations::training() {
    struct Kind {
        const char* what;
        const char* group;
        const char* labels[4];
        int32_t coach;
        const Indexed<int32_t, 3>& costs;
    };
    const bool lore = s_.hasOrb[kOrbLore];
    const Kind kinds[2] = {
        {"shooting",
         "shooting",
         {"snone", "sbasic", "sregular", "sadvanced"},
         s_.coachShooting,
         s_.shootingTrainingCost},
        {"tactics",
         "tactics",
         {"tnone", "tbasic", "tregular", "tadvanced"},
         s_.coachTactics,
         s_.tacticsTrainingCost},
    };
    for (const Kind& k : kinds) {
        std::string all = "Training levels for " + std::string(k.what) + " with your coach's skill " +
                          num(k.coach) + ", a player's average gain a week:";
        for (int level = 0; level <= 3; ++level) {
            const int32_t cost = level == 0 ? 0 : k.costs[level];
            const std::string gain = average(trainingGain(level, k.coach, lore));
            all += std::string(level == 0 ? " " : "; ") + kLevelNames[level] + " " + money(cost) + ", +" + gain;
            win_.setToolTip(k.labels[level],
                            std::string(kLevelNames[level]) + " " + k.what + " training: " + money(cost) +
                                " a week. With your coach's skill " + num(k.coach) +
                                " each player gains on average +" + gain + " " + k.what +
                                " a week, one training point from the pool for every point gained (" +
                                num(s_.trainingPoints) + " in the pool).");
        }
        win_.setToolTip(k.group, all + ".");
    }
}

void Explanations::scout() {
    const Player& cand = s_.scoutedPlayer;
    for (int j = 1; j <= kPlayers; ++j) {
        const Player& now = s_.players[1][j];
        const std::string& name = s_.playerNames[1][j];
        std::string tip;
        if (s_.scoutedPlayerName.empty()) {
            tip = "Replace " + name + " with the player a search finds.";
        } else {
            tip = "Replace " + name + " (shooting " + num(now.shooting) + ", tactics " + num(now.tactics) +
                  ", " + kMarkerNames[std::clamp(now.marker, 0, kMarkers)].name + ") with " +
                  s_.scoutedPlayerName + ": shooting " + signedNum(int64_t{cand.shooting} - now.shooting) +
                  ", tactics " + signedNum(int64_t{cand.tactics} - now.tactics) + ", marker " +
                  kMarkerNames[std::clamp(cand.marker, 0, kMarkers)].name + " (shooting comparison " +
                  signedNum(int64_t{kMarkerWeight} * (cand.marker - now.marker)) + "). Costs " +
                  money(s_.scoutedPlayerPrice) + "; " + name + " and his marker leave for good.";
        }
        win_.setToolTip("replace" + num(j), tip);
    }
    int64_t shooting = 0;
    int64_t tactics = 0;
    for (int j = 1; j <= kPlayers; ++j) {
        shooting += s_.players[1][j].shooting;
        tactics += s_.players[1][j].tactics;
    }
    win_.setToolTip("newname", "Your squad's average: shooting " + num(shooting / kPlayers) + ", tactics " +
                                   num(tactics / kPlayers) +
                                   ". The replace buttons compare him with each player.");

    const bool lore = s_.hasOrb[kOrbLore];
    const auto gain = [lore](int32_t level, int32_t skill) {
        return average(trainingGain(level, skill, lore));
    };
    const std::string coachTip =
        "Replace " + s_.coachName + " (shooting training " + num(s_.coachShooting) + ", tactics training " +
        num(s_.coachTactics) + ") with " +
        (s_.scoutedCoachName.empty() ? "the coach found" : s_.scoutedCoachName) + ": shooting training " +
        signedNum(int64_t{s_.scoutedCoachShooting} - s_.coachShooting) + ", tactics training " +
        signedNum(int64_t{s_.scoutedCoachTactics} - s_.coachTactics) +
        ". At your chosen levels a player would gain on average +" +
        gain(s_.shootingTrainingLevel, s_.scoutedCoachShooting) + " shooting and +" +
        gain(s_.tacticsTrainingLevel, s_.scoutedCoachTactics) + " tactics a week (now +" +
        gain(s_.shootingTrainingLevel, s_.coachShooting) + " and +" +
        gain(s_.tacticsTrainingLevel, s_.coachTactics) +
        "). A better coach also makes training and training points dearer. Costs " +
        money(s_.scoutedCoachPrice) + ".";
    win_.setToolTip("replaceyourcoach", coachTip);
    win_.setToolTip("cname", coachTip);
}

void Explanations::finances() {
    const GameState& s = s_;
    const int32_t yieldNow = s.labYield;
    const int32_t yieldNext = labYieldAt(s.chemistDegree, s.chemistExperience, s.chemistKnowledge,
                                         clampToInt32(int64_t{s.labLevel} + 1));
    win_.setToolTip("labupgrade", "Lab level " + num(s.labLevel) + " to " + num(int64_t{s.labLevel} + 1) +
                                      ": average income " + money(yieldNow) + " to " + money(yieldNext) +
                                      " a week (each week up to " + shareInWords(1, kLabSpreadDivisor) +
                                      " more or less). Costs " + money(s.labUpgradePrice) +
                                      "; the level after it " +
                                      money(labPriceAfter(clampToInt32(int64_t{s.labLevel} + 1))) + ".");
    const int32_t safe = safeSecurityLevel();
    const std::string theftNow = percent(theftChance(s.securityLevel));
    win_.setToolTip("securityupgrade",
                    "Security level " + num(s.securityLevel) + " to " + num(int64_t{s.securityLevel} + 1) +
                        ": chance of a theft each week " + theftNow + " to " +
                        percent(theftChance(clampToInt32(int64_t{s.securityLevel} + 1))) +
                        ". A theft takes the whole week's lab income. From level " + num(safe) +
                        " on no thief gets in. Costs " + money(s.securityUpgradePrice) + ".");
    win_.setToolTip("lblsecurity",
                    "Chance of a theft each week: " + theftNow + " (none from level " + num(safe) + " on).");

    const ScoutedChemist& c = s.scoutedChemist;
    const int32_t yieldWith = labYieldAt(c.degree, c.experience, c.knowledge, s.labLevel);
    const std::string chemistTip = "With this chemist your lab at level " + num(s.labLevel) +
                                   " would bring on average " + money(yieldWith) + " a week (now " +
                                   money(yieldNow) + "). Costs " + money(s.scoutedChemistPrice) + ".";
    win_.setToolTip("buychemist", chemistTip);
    win_.setToolTip("newc", chemistTip);

    const int64_t weeks = (int64_t{s.artUpgradePrice} + kArtIncomePerLevel - 1) / kArtIncomePerLevel;
    win_.setToolTip("dxButton12", "Art production level " + num(s.artLevel) + " to " +
                                      num(int64_t{s.artLevel} + 1) + ": income " + money(s.artIncome) + " to " +
                                      money(int64_t{s.artIncome} + kArtIncomePerLevel) +
                                      " a week, for good; it pays for itself in " + num(weeks) +
                                      " weeks. Costs " + money(s.artUpgradePrice) + "; the level after it " +
                                      money(nextArtPrice(s.artUpgradePrice)) + ".");
}

void Explanations::sponsors() {
    const GameState& s = s_;
    const int32_t ppw = pointsPerWeek(s);
    for (int sp = 1; sp <= kSponsors; ++sp) {
        const SponsorTerms& t = kSponsorTerms[sp];
        const std::string& company = s.sponsorCompany[sp];
        win_.setToolTip("apply" + num(sp),
                        company + " pays " + span(donation(s.sponsorAmount[sp])) + " every week. The fee of " +
                            money(t.fee) + " is kept either way. It says yes only if your matches without a " +
                            "loss (now " + num(s.unbeatenRun) + ") reach " + num(t.runThreshold) +
                            " (one fewer: " + "half the time), your league points a week (now " + num(ppw) +
                            ") reach " + num(t.pointsThreshold) + ", and then " +
                            num(kSponsorLastDraw - kSponsorLastDrawAbove - 1) + " times in " +
                            num(kSponsorLastDraw) +
                            ". Your chance now: " + percent(sponsorChance(sp, s.unbeatenRun, ppw)) + ".");
        win_.setToolTip("dump" + num(sp), "Dropping " + company + " costs " + money(t.dumpCost) +
                                              "; its donations stop and all four offers open again.");
    }
}

}  // namespace splat
