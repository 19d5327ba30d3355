// The guide's numbers, from the same tables and formulas the game plays with.

#include "game/guide_numbers.h"

#include <cstdio>

#include "core/effect_sizes.h"
#include "core/layout_table.h"
#include "core/shop_names.h"
#include "game/new_game.h"
#include "management/art_production.h"
#include "management/explanations.h"
#include "management/laboratory.h"
#include "management/shop_price_rules.h"
#include "management/sponsor_terms.h"
#include "management/tactics.h"
#include "management/training.h"
#include "match/match_rules.h"

namespace splat {

namespace {

std::string num(int64_t v) { return std::to_string(v); }
std::string money(int64_t v) { return "$" + num(v); }
std::string span(Span s) { return money(s.low) + " to " + money(s.high); }
std::string prize(const PrizeRule& r) { return span({r.base, r.base + r.spread - 1}); }
std::string twoPlaces(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    return buf;
}

std::string markerTable() {
    std::string t =
        "| Marker | Adds to the shooting comparison | Price after a match | Before the first match |\n"
        "|---|---|---|---|\n";
    for (int m = 1; m <= kMarkers; ++m) {
        t += std::string("| ") + kMarkerNames[m].name + " | " + num(int64_t{kMarkerWeight} * m) + " | " +
             span(markerPrices(m, false)) + " | " + span(markerPrices(m, true)) + " |\n";
    }
    return t;
}

std::string orbTable() {
    std::string t = "| Orb | What it does | Price |\n|---|---|---|\n";
    for (int k = 1; k <= kOrbs; ++k)
        t += std::string("| ") + kOrbNames[k] + " | It " + orbEffect(k) + ". | " + span(orbPrices(k)) + " |\n";
    return t;
}

std::string trainingTable() {
    std::string t = "| Coach's skill | None | Basic | Regular | Advanced |\n|---|---|---|---|---|\n";
    for (int32_t skill : {20, 25, 30, 40, 50, 60, 70, 80}) {
        t += "| " + num(skill);
        for (int32_t level = 0; level <= 3; ++level) t += " | +" + twoPlaces(trainingGain(level, skill, false));
        t += " |\n";
    }
    return t;
}

std::string growthTable() {
    const ControlSpec* selector = findControl("RadioGroup1");
    std::string t = "| Difficulty | Each rating grows by, on average a week |\n|---|---|\n";
    for (std::size_t i = 0; i < std::size(kDifficulties); ++i) {
        const std::string name = selector != nullptr && i < selector->items.size() ? selector->items[i] : "";
        t += "| " + name + " | +" + twoPlaces(growthAverage(kDifficulties[i])) + " |\n";
    }
    return t;
}

std::string theftTable() {
    std::string t = "| Security level | Chance of a theft each week |\n|---|---|\n";
    const int32_t safe = safeSecurityLevel();
    for (int32_t level = 0; level <= safe; ++level)
        t +=
            "| " + num(level) + (level == safe ? " and up" : "") + " | " + percent(theftChance(level)) + " |\n";
    return t;
}

std::string sponsorTable() {
    std::string t =
        "| Sponsor | Fee to apply | Pays every week | Matches without a loss | League points a week | To drop "
        "|\n"
        "|---|---|---|---|---|---|\n";
    for (int s = 1; s <= kSponsors; ++s) {
        const SponsorTerms& terms = kSponsorTerms[s];
        t += std::string("| ") + kSponsorCompanies[s] + " | " + money(terms.fee) + " | " +
             span(donation(kSponsorAmounts[s])) + " | " + num(terms.runThreshold) + " | " +
             num(terms.pointsThreshold) + " | " + money(terms.dumpCost) + " |\n";
    }
    return t;
}

std::map<std::string, std::string> build() {
    std::map<std::string, std::string> n;
    n["exchanges"] = num(kLastExchange);
    n["points.hit"] = num(kElimination);
    n["points.pickup"] = num(kPickUp);
    n["points.hang"] = num(kHungFlag);
    n["points.allout"] = num(kAllOut);
    n["speed.slow"] = num(kSlowMs);
    n["speed.normal"] = num(kNormalMs);
    n["speed.fast"] = num(kFastMs);
    n["league.win"] = num(kWinPoints);
    n["league.tie"] = num(kTiePoints);
    n["prize.win"] = prize(kWinPrize);
    n["prize.tie"] = prize(kTiePrize);
    n["prize.loss"] = prize(kLossPrize);
    n["prize.first"] = prize(kSeasonPrizes[1]);
    n["prize.second"] = prize(kSeasonPrizes[2]);
    n["prize.third"] = prize(kSeasonPrizes[3]);
    n["place.out"] = num(kFirstRelegationPlace);
    n["teams"] = num(kTeams);
    n["catchup.gap"] = num(kCatchUpGap);
    n["catchup.least"] = num(kCatchUpLeast);
    n["catchup.most"] = num(kCatchUpLeast + kCatchUpSpread - 1);
    n["marker.weight"] = num(kMarkerWeight);
    n["markers"] = markerTable();
    n["orbs"] = orbTable();
    n["boost.least"] = num(kBoostBase);
    n["boost.most"] = num(kBoostBase + kBoostSpread - 1);
    n["training.one"] = num(kTrainingOneAbove);
    n["training.two"] = num(kTrainingTwoAbove);
    n["training"] = trainingTable();
    n["growth"] = growthTable();
    n["theft"] = theftTable();
    n["security.safe"] = num(safeSecurityLevel());
    n["lab.price2"] = money(labPriceAfter(1));
    n["lab.price3"] = money(labPriceAfter(2));
    n["security.price2"] = money(securityPriceAfter(1));
    n["security.price3"] = money(securityPriceAfter(2));
    n["art.step"] = money(kArtIncomePerLevel);
    n["art.factor"] = twoPlaces(nextArtPrice(100000) / 100000.0).substr(0, 3);
    n["sponsors"] = sponsorTable();
    n["sponsor.last"] = num(kSponsorLastDraw - kSponsorLastDrawAbove - 1) + " in " + num(kSponsorLastDraw);
    n["acid.step"] = money(kAcidPerHundred);
    n["pool.orb"] = num(kPoolOrbPoints);
    n["lab.spread"] = shareInWords(1, kLabSpreadDivisor);
    n["marker.sale"] = shareInWords(kMarkerSaleTimes, kMarkerSaleOver);
    n["flag.high"] = shareInWords(1, kHighPriorityShooting);
    n["flag.low"] = shareInWords(1, kLowPriorityShooting);
    n["flag.tactics"] = shareInWords(1, kPriorityTactics);
    return n;
}

}  // namespace

double growthAverage(int32_t difficulty) {
    const int32_t n = difficulty + kGrowthDie;
    int32_t gained = 0;
    for (int32_t g = 0; g < n; ++g) gained += (g > kGrowthOneAbove ? 1 : 0) + (g > kGrowthTwoAbove ? 1 : 0);
    return static_cast<double>(gained) / n;
}

const std::map<std::string, std::string>& guideNumbers() {
    static const std::map<std::string, std::string> numbers = build();
    return numbers;
}

std::string fillGuide(std::string_view text, std::vector<std::string>* unknown) {
    const auto& numbers = guideNumbers();
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t open = text.find("{{", at);
        const std::size_t close = open == std::string_view::npos ? open : text.find("}}", open + 2);
        if (close == std::string_view::npos) {
            out.append(text.substr(at));
            break;
        }
        out.append(text.substr(at, open - at));
        const std::string name(text.substr(open + 2, close - open - 2));
        const auto found = numbers.find(name);
        if (found != numbers.end()) {
            out += found->second;
        } else {
            out.append(text.substr(open, close + 2 - open));
            if (unknown != nullptr) unknown->push_back(name);
        }
        at = close + 2;
    }
    return out;
}

}  // namespace splat
