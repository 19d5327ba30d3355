// The book's ledger names what each change of cash was for: every purchase
// and sale between matches and every line of the week's accounts.

#include <set>
#include <vector>

#include "game/bindings.h"
#include "match_helpers.h"

namespace splat::testing {
namespace {

TEST(BookLedger, EachChangeOfCashStandsUnderWhatItWasFor) {
    HeadlessGame h;
    quietWeek(h);
    h.state().gamesPerSeason = 20;
    h.state().week = 19;  // this week's settlement ends the season, in first place
    for (int row = 1; row <= kTeams; ++row) h.state().tablePoints[row] = h.state().tableTeam[row] == 1 ? 90 : 0;
    h.state().shootingTrainingLevel = 2;
    const struct {
        const char* control;
        CashKind kind;
    } clicks[] = {
        {"playersearch", CashKind::PlayerSearch},
        {"replace1", CashKind::PlayerHire},
        {"coachsearch", CashKind::CoachSearch},
        {"replaceyourcoach", CashKind::CoachHire},
        {"sellweapon", CashKind::MarkerSale},
        {"buy2", CashKind::MarkerPurchase},
        {"buya1", CashKind::OrbPurchase},
        {"buytp", CashKind::TrainingPoints},
        {"boost1", CashKind::Boost},
        {"labupgrade", CashKind::LabUpgrade},
        {"securityupgrade", CashKind::SecurityUpgrade},
        {"dxButton13", CashKind::ChemistSearch},
        {"buychemist", CashKind::ChemistHire},
        {"dxButton12", CashKind::ArtUpgrade},
        {"apply1", CashKind::SponsorApplication},
        {"dump1", CashKind::SponsorCancellation},
        {"apply2", CashKind::SponsorApplication},
    };
    std::set<CashKind> seen;
    for (const auto& c : clicks) {
        const int32_t before = h.state().cash;
        const size_t lines = h.game.book().pages().ledger.size();
        findBinding(c.control, Signal::Click)->handler(h.game, 0, "");
        const auto& ledger = h.game.book().pages().ledger;
        if (h.state().cash == before) {
            EXPECT_EQ(ledger.size(), lines) << c.control << ": nothing paid, nothing written";
            continue;
        }
        ASSERT_EQ(ledger.size(), lines + 1) << c.control;
        EXPECT_EQ(ledger.back().kind, c.kind) << c.control;
        EXPECT_EQ(ledger.back().amount, int64_t{h.state().cash} - before) << c.control;
        seen.insert(c.kind);
    }
    EXPECT_GE(seen.size(), 13u) << "most purchases went through";

    // The week's accounts and the season's end, in the order they are settled.
    const bool sponsor = h.state().sponsorBase > 0;
    h.state().securityLevel = 10;  // no thief gets in
    const size_t lines = h.game.book().pages().ledger.size();
    playMatch(h);
    std::vector<CashKind> settled;
    const auto& ledger = h.game.book().pages().ledger;
    for (size_t i = lines; i < ledger.size(); ++i) settled.push_back(ledger[i].kind);
    std::vector<CashKind> expected{CashKind::MatchPrize, CashKind::SeasonPrize, CashKind::TrainingCosts};
    if (sponsor) expected.push_back(CashKind::Sponsor);
    expected.push_back(CashKind::Art);
    expected.push_back(CashKind::LabIncome);
    EXPECT_EQ(settled, expected);
}

}  // namespace
}  // namespace splat::testing
