// Sponsors: applying to one of the four companies and dropping the sponsor.

#include "management/sponsors.h"

#include <string>

#include "core/control_names.h"
#include "management/sponsor_terms.h"

namespace splat {

namespace {

bool validSponsor(int s) { return s >= 1 && s <= kSponsors; }

// League points of team 1, read from its row of the table.
int32_t ourPoints(const GameState& s) {
    for (int row = 1; row <= kTeams; ++row) {
        if (s.tableTeam[row] == 1) return s.tablePoints[row];
    }
    return 0;
}

}  // namespace

void Sponsors::applyClick(int sp) {
    GameState& s = s_;
    if (!validSponsor(sp)) return;
    const SponsorTerms& terms = kSponsorTerms[sp];
    if (!p_.account.pay(terms.fee, CashKind::SponsorApplication)) return;
    for (int other = 1; other <= kSponsors; ++other) {
        if (other != sp) win_.setVisible(controls::sponsorOffer(other), false);
    }
    win_.setVisible(numbered("apply", sp), false);

    s.pointsPerGame = s.week >= 1 ? ourPoints(s) / s.week : 0;
    // The run test always draws; the last draw is made only when the run and
    // the points tests have passed.
    bool accepted = int64_t{p_.ctx.random(2)} + s.unbeatenRun >= terms.runThreshold;
    accepted = accepted && s.pointsPerGame >= terms.pointsThreshold;
    accepted = accepted && p_.ctx.random(kSponsorLastDraw) > kSponsorLastDrawAbove;

    const std::string& company = s.sponsorCompany[sp];
    if (accepted) {
        s.sponsorName = company;
        s.sponsorBase = s.sponsorAmount[sp];
        win_.setText(numbered("result", sp), company + " agrees");
        win_.setText("yoursponsor", company);
        win_.setVisible(numbered("dump", sp), true);
    } else {
        win_.setText(numbered("result", sp), company + " is not convinced");
    }
    p_.account.tell(company + (accepted ? " agrees" : " is not convinced"));
}

void Sponsors::dumpClick(int sp) {
    GameState& s = s_;
    if (!validSponsor(sp)) return;
    if (!p_.account.pay(kSponsorTerms[sp].dumpCost, CashKind::SponsorCancellation)) return;
    s.sponsorName = "None";
    s.sponsorBase = 0;
    win_.setText("yoursponsor", s.sponsorName);
    showSponsorOffers();
    win_.setVisible(numbered("dump", sp), false);
    p_.account.tell("Sponsor dropped");
}

void Sponsors::showSponsorOffers() {
    for (int k = 1; k <= kSponsors; ++k) {
        win_.setVisible(controls::sponsorOffer(k), true);
        win_.setVisible(numbered("apply", k), true);
        win_.setText(numbered("result", k), "");
    }
}

}  // namespace splat
