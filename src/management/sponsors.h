#pragma once
// Sponsors on the Finances page: applying to one of the four companies and
// dropping the sponsor. Writes `sponsorName`, `sponsorBase` and
// `pointsPerGame`.

#include "management/page_tools.h"

namespace splat {

class Sponsors {
public:
    explicit Sponsors(const PageTools& tools) : p_(tools) {}

    void applyClick(int s);  // apply1Click .. apply4Click
    void dumpClick(int s);   // dump1Click .. dump4Click

    // All four offers with their application buttons, answers empty.
    void showSponsorOffers();

private:
    PageTools p_;
    GameState& s_ = p_.ctx.state;
    Window& win_ = p_.ctx.window;
};

}  // namespace splat
